// Parameter groups and files, saved images and firmware upgrades: what the
// library writes can be read back, and untrusted files change nothing.
#include "sdk_test_support.h"

#include "parsers.h"

#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <jpeglib.h>
#include <mutex>
#include <png.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace vexo::test;

namespace {

std::vector<uint8_t> readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

bool exists(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::string productName(const std::string &serial)
{
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial)
            return textAt(&d, 32, 32);
    }
    return {};
}

uint16_t firmwareOf(const std::string &serial)
{
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial)
            return valueAt<uint16_t>(&d, 392);
    }
    return 0;
}

// Two cameras of different models: files of one are foreign to the other.
std::pair<std::string, std::string> twoModels()
{
    const std::vector<stDeviceInfo> devices = enumerate();
    for (const stDeviceInfo &a : devices)
        for (const stDeviceInfo &b : devices)
            if (textAt(&a, 32, 32) != textAt(&b, 32, 32))
                return {textAt(&a, 356, 32), textAt(&b, 356, 32)};
    return {};
}

// The settings part of the current-settings record.
std::vector<uint8_t> settingsBytes(CameraHandle h)
{
    stCurrentDeviceInfo info{};
    EXPECT_EQ(CameraGetCurDevInfo(h, &info), 0);
    const auto *p = reinterpret_cast<const uint8_t *>(&info);
    return std::vector<uint8_t>(p + sizeof(stDeviceInfo), p + sizeof info);
}

int sharpnessOf(CameraHandle h)
{
    int value = -1;
    EXPECT_EQ(CameraGetSharpness(h, &value), 0);
    return value;
}

class Files : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = tempDir();
        ASSERT_FALSE(dir.empty());
        std::tie(serial, otherSerial) = twoModels();
        ASSERT_FALSE(serial.empty()) << "needs two camera models";
        cam = std::make_unique<Camera>(serial);
        ASSERT_TRUE(cam->ok()) << cam->status();
        h = cam->handle();
        ASSERT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
    }
    void TearDown() override { cam.reset(); }

    std::string dir;
    std::string serial;
    std::string otherSerial;
    std::unique_ptr<Camera> cam;
    CameraHandle h = nullptr;
};

} // namespace

TEST_F(Files, ParameterGroupsKeepTheirSettingsAcrossReopening)
{
    const int factory = sharpnessOf(h);
    ASSERT_EQ(CameraSetSharpness(h, 11), 0);
    ASSERT_EQ(CameraSaveParameter(h, 1), 0);
    ASSERT_EQ(CameraSetSharpness(h, 22), 0);
    ASSERT_EQ(CameraSetMirror(h, 0, 1), 0);
    ASSERT_EQ(CameraSaveParameter(h, 2), 0);

    ASSERT_EQ(CameraLoadParameter(h, 1), 0);
    EXPECT_EQ(sharpnessOf(h), 11);
    int mirror = -1;
    ASSERT_EQ(CameraGetMirror(h, 0, &mirror), 0);
    EXPECT_EQ(mirror, 0);
    int group = -1;
    ASSERT_EQ(CameraGetCurrentParameterGroup(h, &group), 0);
    EXPECT_EQ(group, 1);

    ASSERT_EQ(CameraLoadParameter(h, 2), 0);
    EXPECT_EQ(sharpnessOf(h), 22);
    ASSERT_EQ(CameraSetParameterMode(h, 1), 0);

    cam->close();
    cam = std::make_unique<Camera>(serial);
    ASSERT_TRUE(cam->ok());
    h = cam->handle();
    ASSERT_EQ(CameraGetCurrentParameterGroup(h, &group), 0);
    EXPECT_EQ(group, 2);
    EXPECT_EQ(sharpnessOf(h), 22) << "a camera comes up with its current group";
    int mode = -1;
    ASSERT_EQ(CameraGetParameterMode(h, &mode), 0);
    EXPECT_EQ(mode, 1);
    ASSERT_EQ(CameraLoadParameter(h, 1), 0);
    EXPECT_EQ(sharpnessOf(h), 11);

    ASSERT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
    EXPECT_EQ(sharpnessOf(h), factory);
    ASSERT_EQ(CameraGetMirror(h, 0, &mirror), 0);
    EXPECT_EQ(mirror, 0);
    CameraSetParameterMode(h, 2);
}

TEST_F(Files, ParameterFileRoundTrip)
{
    ASSERT_EQ(CameraSetSharpness(h, 42), 0);
    ASSERT_EQ(CameraSetGamma(h, 180), 0);
    ASSERT_EQ(CameraSetCrossLine(h, 3, 10, 20, 0x00FF00, 1), 0);
    const std::vector<uint8_t> saved = settingsBytes(h);
    const std::string path = dir + "/camera_Cfg_A.Bin";
    ASSERT_EQ(CameraSaveParameterToFile(h, path.c_str()), 0);
    ASSERT_TRUE(exists(path));

    ASSERT_EQ(CameraLoadParameter(h, CAMERA_PARAMETER_GROUP_DEFAULT), 0);
    ASSERT_NE(sharpnessOf(h), 42);
    ASSERT_EQ(CameraReadParameterFromFile(h, path.c_str()), 0);
    EXPECT_EQ(settingsBytes(h), saved);
    int x = 0, y = 0, visible = 0;
    uint32_t colour = 0;
    ASSERT_EQ(CameraGetCrossLine(h, 3, &x, &y, &colour, &visible), 0);
    EXPECT_EQ(std::make_tuple(x, y, colour, visible), std::make_tuple(10, 20, 0x00FF00u, 1));

    EXPECT_NE(CameraSaveParameterToFile(h, (dir + "/missing/dir/x.Bin").c_str()), 0);
    EXPECT_FALSE(exists(dir + "/missing"));
}

TEST_F(Files, BadParameterFilesAreRefusedAndChangeNothing)
{
    ASSERT_EQ(CameraSetSharpness(h, 64), 0);
    const std::string good = dir + "/good.Bin";
    ASSERT_EQ(CameraSaveParameterToFile(h, good.c_str()), 0);
    const std::vector<uint8_t> bytes = readBytes(good);
    ASSERT_GT(bytes.size(), 24u);

    ASSERT_EQ(CameraSetSharpness(h, 77), 0);
    ASSERT_EQ(CameraSetSaturation(h, 150), 0);
    const std::vector<uint8_t> before = settingsBytes(h);

    auto refused = [&](const std::string &name, const std::vector<uint8_t> &content) {
        const std::string path = dir + "/" + name;
        writeBytes(path, content);
        EXPECT_NE(CameraReadParameterFromFile(h, path.c_str()), 0) << name;
        EXPECT_EQ(settingsBytes(h), before) << name << " changed the camera";
    };
    refused("empty.Bin", {});
    refused("half.Bin", std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 2));
    refused("headonly.Bin", std::vector<uint8_t>(bytes.begin(), bytes.begin() + 20));
    std::vector<uint8_t> flipped = bytes;
    flipped[bytes.size() * 2 / 3] ^= 0x40;
    refused("flipped.Bin", flipped);
    // Damage that still reads as a valid file only the checksum can catch.
    const std::string text(bytes.begin(), bytes.end());
    const size_t value = text.find("64", text.find("\"sharpness\""));
    ASSERT_NE(value, std::string::npos);
    std::vector<uint8_t> plausible = bytes;
    plausible[value + 1] = '5';
    refused("plausible.Bin", plausible);
    std::vector<uint8_t> magic = bytes;
    magic[0] ^= 0xFF;
    refused("magic.Bin", magic);
    std::vector<uint8_t> longer = bytes;
    longer.push_back('x');
    refused("trailing.Bin", longer);
    refused("noise.Bin", std::vector<uint8_t>(4096, 0x5A));

    // A well-formed file whose values the camera cannot take.
    vexo::sdk::ParameterFile outOfRange;
    ASSERT_TRUE(vexo::sdk::parseParameterFile(bytes.data(), bytes.size(), &outOfRange, nullptr));
    outOfRange.settings.sharpness = 1000;
    refused("range.Bin", vexo::sdk::writeParameterFile(outOfRange));
    outOfRange.settings.sharpness = 10;
    outOfRange.settings.region = {CAMERA_RESOLUTION_CUSTOM, 0, 0, 100000, 100000};
    refused("region.Bin", vexo::sdk::writeParameterFile(outOfRange));

    EXPECT_NE(CameraReadParameterFromFile(h, (dir + "/nonexistent.Bin").c_str()), 0);
    EXPECT_NE(CameraReadParameterFromFile(h, dir.c_str()), 0) << "a directory";
    EXPECT_EQ(settingsBytes(h), before);
}

TEST_F(Files, ParameterFileOfAnotherModelIsRefused)
{
    const std::string foreign = dir + "/foreign.Bin";
    {
        Camera other(otherSerial);
        ASSERT_TRUE(other.ok());
        ASSERT_EQ(CameraSaveParameterToFile(other.handle(), foreign.c_str()), 0);
    }
    const std::vector<uint8_t> before = settingsBytes(h);
    EXPECT_EQ(CameraReadParameterFromFile(h, foreign.c_str()), CAMERA_STATUS_NOT_MATCH);
    EXPECT_EQ(settingsBytes(h), before);
}

// State files can be damaged by people or crashes elsewhere; a camera must still open.
TEST_F(Files, DamagedStateFileFallsBackToFactoryState)
{
    ASSERT_EQ(CameraSetFriendlyName(h, "before damage"), 0);
    ASSERT_EQ(CameraSetSharpness(h, 33), 0);
    ASSERT_EQ(CameraSaveParameter(h, 1), 0);
    cam->close();

    const char *home = getenv("VEXO_SDK_HOME");
    ASSERT_NE(home, nullptr);
    std::vector<std::string> damaged;
    for (const auto &entry : std::filesystem::recursive_directory_iterator(home)) {
        if (!entry.is_regular_file())
            continue;
        const std::vector<uint8_t> bytes = readBytes(entry.path().string());
        if (std::string(bytes.begin(), bytes.end()).find("before damage") == std::string::npos)
            continue;
        writeBytes(entry.path().string(),
                   std::vector<uint8_t>(bytes.begin(), bytes.begin() + bytes.size() / 3));
        damaged.push_back(entry.path().string());
    }
    ASSERT_FALSE(damaged.empty()) << "no state file holds the nickname";

    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial) {
            EXPECT_NE(textAt(&d, 64, 128), "before damage");
            EXPECT_FALSE(textAt(&d, 64, 128).empty()) << "the factory name comes back";
        }
    }
    cam = std::make_unique<Camera>(serial);
    ASSERT_TRUE(cam->ok()) << cam->status();
    h = cam->handle();
    // The camera works and can store state again.
    ASSERT_EQ(CameraSetFriendlyName(h, "after damage"), 0);
    cam->close();
    bool found = false;
    for (const stDeviceInfo &d : enumerate())
        found |= textAt(&d, 356, 32) == serial && textAt(&d, 64, 128) == "after damage";
    EXPECT_TRUE(found);
}

namespace {

struct PngImage
{
    uint32_t width = 0, height = 0;
    int colourType = -1;
    std::vector<uint8_t> pixels; // rows of width * channels
};

bool readPng(const std::string &path, PngImage &img)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    img.width = image.width;
    img.height = image.height;
    img.colourType = (image.format & PNG_FORMAT_FLAG_COLOR) ? 1 : 0;
    image.format = PNG_FORMAT_RGB;
    img.pixels.resize(PNG_IMAGE_SIZE(image));
    const bool ok = png_image_finish_read(&image, nullptr, img.pixels.data(), 0, nullptr);
    png_image_free(&image);
    return ok;
}

struct JpegError
{
    jpeg_error_mgr base;
    jmp_buf jump;
};

bool jpegSize(const std::string &path, int &width, int &height, int &components)
{
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return false;
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.base);
    error.base.error_exit = [](j_common_ptr c) { longjmp(reinterpret_cast<JpegError *>(c->err)->jump, 1); };
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        fclose(file);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    components = info.output_components;
    std::vector<JSAMPLE> row(size_t(width) * components);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    fclose(file);
    return true;
}

} // namespace

TEST_F(Files, SavedImagesReadBackWithTheirSizeAndPixels)
{
    // An odd width makes the padded rows matter.
    stImageResolution roi{};
    roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
    roi.iWidthFOV = roi.iWidth = 202;
    roi.iHeightFOV = roi.iHeight = 100;
    ASSERT_EQ(CameraSetResolutionEx(h, &roi), 0);
    ASSERT_EQ(CameraSetIspOutFormat(h, CAMERA_MEDIA_TYPE_RGB8), 0);
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), 0);
    ASSERT_EQ(grabRaw(h, frame), 0);
    OutImage out;
    ASSERT_EQ(convert(h, frame, out), 0);
    ASSERT_EQ(out.info.uiWidth, 202u);

    const std::string base = dir + "/snap";
    ASSERT_EQ(CameraSaveImage(h, base.c_str(), out.pixels.data(), &out.info, FILE_PNG, 100), 0);
    ASSERT_EQ(CameraSaveImage(h, base.c_str(), out.pixels.data(), &out.info, FILE_BMP, 100), 0);
    ASSERT_EQ(CameraSaveImage(h, base.c_str(), out.pixels.data(), &out.info, FILE_JPG, 90), 0);
    EXPECT_FALSE(exists(base)) << "the extension is appended";

    PngImage png;
    ASSERT_TRUE(readPng(base + ".png", png));
    EXPECT_EQ(png.width, 202u);
    EXPECT_EQ(png.height, 100u);
    for (int y : {0, 57, 99})
        EXPECT_EQ(memcmp(&png.pixels[size_t(y) * 202 * 3], out.pixel(0, y), 202 * 3), 0) << "row " << y;

    const std::vector<uint8_t> bmp = readBytes(base + ".bmp");
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(valueAt<uint32_t>(bmp.data(), 2), bmp.size());
    EXPECT_EQ(valueAt<int32_t>(bmp.data(), 18), 202);
    const int32_t bmpHeight = valueAt<int32_t>(bmp.data(), 22);
    EXPECT_EQ(std::abs(bmpHeight), 100);
    EXPECT_EQ(valueAt<uint16_t>(bmp.data(), 28), 24);
    const uint32_t dataAt = valueAt<uint32_t>(bmp.data(), 10);
    const size_t bmpStride = 608; // 202 * 3 rounded up to 4
    ASSERT_GE(bmp.size(), dataAt + bmpStride * 100);
    // Stored bottom-up (positive height) in BGR order.
    const size_t topRow = bmpHeight > 0 ? 99 : 0;
    const uint8_t *stored = &bmp[dataAt + topRow * bmpStride + 5 * 3];
    const BYTE *shown = out.pixel(5, 0);
    EXPECT_EQ(std::make_tuple(stored[2], stored[1], stored[0]),
              std::make_tuple(shown[0], shown[1], shown[2]));

    int w = 0, hgt = 0, comps = 0;
    ASSERT_TRUE(jpegSize(base + ".jpg", w, hgt, comps));
    EXPECT_EQ(std::make_tuple(w, hgt, comps), std::make_tuple(202, 100, 3));
}

TEST_F(Files, SavingFailsCleanly)
{
    OutImage out;
    out.info.uiWidth = 64;
    out.info.uiHeight = 32;
    out.info.uiMediaType = CAMERA_MEDIA_TYPE_RGB8;
    out.info.uiBytes = 64 * 3 * 32;
    out.pixels.assign(out.info.uiBytes, 128);
    const std::string missing = dir + "/no/such/dir/snap";
    EXPECT_NE(CameraSaveImage(h, missing.c_str(), out.pixels.data(), &out.info, FILE_PNG, 100), 0);
    EXPECT_NE(CameraSaveImage(h, (dir + "/bad").c_str(), out.pixels.data(), &out.info, 5, 100), 0);
    EXPECT_NE(CameraSaveImage(h, (dir + "/q").c_str(), out.pixels.data(), &out.info, FILE_JPG, 0), 0);
    stImageInfo huge = out.info;
    huge.uiWidth = 0;
    EXPECT_NE(CameraSaveImage(h, (dir + "/zero").c_str(), out.pixels.data(), &huge, FILE_BMP, 100), 0);
    EXPECT_FALSE(exists(dir + "/bad.png"));
    EXPECT_FALSE(exists(dir + "/zero.bmp"));

    // A failed write leaves no partial file behind, the old one intact.
    chmod(dir.c_str(), 0500);
    if (access(dir.c_str(), W_OK) != 0) { // root ignores the mode
        EXPECT_NE(CameraSaveImage(h, (dir + "/ro").c_str(), out.pixels.data(), &out.info, FILE_BMP, 100), 0);
        EXPECT_FALSE(exists(dir + "/ro.bmp"));
    }
    chmod(dir.c_str(), 0700);
}

namespace {

struct Progress
{
    std::mutex lock;
    std::vector<int> values;

    static void record(int progress, void *context)
    {
        auto *self = static_cast<Progress *>(context);
        std::lock_guard<std::mutex> guard(self->lock);
        self->values.push_back(progress);
    }
};

std::string writeFirmware(const std::string &path, const std::string &product, uint16_t version,
                          size_t payload = 4096)
{
    vexo::sdk::FirmwareImage image;
    image.productName = product;
    image.version = version;
    for (size_t i = 0; i < payload; ++i)
        image.payload.push_back(uint8_t(i * 7));
    writeBytes(path, vexo::sdk::writeFirmwareImage(image));
    return path;
}

} // namespace

TEST_F(Files, UpgradeReportsProgressAndStoresTheVersion)
{
    ASSERT_EQ(VexoSimSetUpgradeDuration(300), 0);
    const uint16_t newVersion = firmwareOf(serial) == 0x2413 ? 0x2414 : 0x2413;
    const std::string file = writeFirmware(dir + "/fw.upg", productName(serial), newVersion);
    Progress progress;
    ASSERT_EQ(CameraUpgrade(h, file.c_str(), &Progress::record, &progress), 0);
    ASSERT_GE(progress.values.size(), 3u);
    EXPECT_EQ(progress.values.front(), 0);
    EXPECT_EQ(progress.values.back(), 100);
    EXPECT_TRUE(std::is_sorted(progress.values.begin(), progress.values.end()));

    char text[CAMERA_VERSION_BUFFER] = {};
    ASSERT_EQ(CameraGetFirmwareVision(h, text), 0);
    EXPECT_NE(std::string(text).find(newVersion == 0x2413 ? "2.4.1.3" : "2.4.1.4"), std::string::npos)
        << text;
    EXPECT_EQ(firmwareOf(serial), newVersion);
    cam->close();
    EXPECT_EQ(firmwareOf(serial), newVersion) << "kept across a power cycle";

    // A null callback is allowed.
    cam = std::make_unique<Camera>(serial);
    ASSERT_TRUE(cam->ok());
    EXPECT_EQ(CameraUpgrade(cam->handle(), file.c_str(), nullptr, nullptr), 0);
}

TEST_F(Files, BadFirmwareFilesAreRefusedWithTheirCodes)
{
    ASSERT_EQ(VexoSimSetUpgradeDuration(100), 0);
    const uint16_t version = firmwareOf(serial);
    Progress progress;
    EXPECT_EQ(CameraUpgrade(h, (dir + "/none.upg").c_str(), &Progress::record, &progress),
              CAMERA_STATUS_FILE_PATH);
    EXPECT_EQ(CameraUpgrade(h, dir.c_str(), nullptr, nullptr), CAMERA_STATUS_FILE_PATH);

    const std::string foreign = writeFirmware(dir + "/foreign.upg", productName(otherSerial), 0x3000);
    EXPECT_EQ(CameraUpgrade(h, foreign.c_str(), &Progress::record, &progress), CAMERA_STATUS_NOT_MATCH);

    const std::string good = writeFirmware(dir + "/good.upg", productName(serial), 0x3000);
    std::vector<uint8_t> bytes = readBytes(good);
    bytes[bytes.size() - 10] ^= 0x01;
    writeBytes(dir + "/crc.upg", bytes);
    EXPECT_EQ(CameraUpgrade(h, (dir + "/crc.upg").c_str(), nullptr, nullptr), CAMERA_STATUS_NOT_MATCH);

    bytes = readBytes(good);
    bytes.resize(bytes.size() / 2);
    writeBytes(dir + "/short.upg", bytes);
    EXPECT_NE(CameraUpgrade(h, (dir + "/short.upg").c_str(), nullptr, nullptr), 0);
    writeBytes(dir + "/noise.upg", std::vector<uint8_t>(300, 0x11));
    EXPECT_NE(CameraUpgrade(h, (dir + "/noise.upg").c_str(), nullptr, nullptr), 0);
    writeBytes(dir + "/empty.upg", {});
    EXPECT_NE(CameraUpgrade(h, (dir + "/empty.upg").c_str(), nullptr, nullptr), 0);

    EXPECT_EQ(firmwareOf(serial), version);
    EXPECT_TRUE(std::find(progress.values.begin(), progress.values.end(), 100) == progress.values.end())
        << "a refused file never reports completion";
}

TEST_F(Files, SecondUpgradeOfTheSameCameraIsBusy)
{
    ASSERT_EQ(VexoSimSetUpgradeDuration(1500), 0);
    const std::string file = writeFirmware(dir + "/fw.upg", productName(serial), 0x1234);
    Progress progress;
    CameraSdkStatus first = -100;
    std::thread worker([&] { first = CameraUpgrade(h, file.c_str(), &Progress::record, &progress); });
    ASSERT_TRUE(waitFor([&] {
        std::lock_guard<std::mutex> guard(progress.lock);
        return !progress.values.empty();
    }));
    EXPECT_EQ(CameraUpgrade(h, file.c_str(), nullptr, nullptr), CAMERA_STATUS_BUSY);
    worker.join();
    EXPECT_EQ(first, 0);
    VexoSimSetUpgradeDuration(100);
}

#ifdef VEXO_SIM_TOOL
namespace {

std::string run(const std::string &command, int &exitCode)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe) {
        exitCode = -1;
        return output;
    }
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    const int status = pclose(pipe);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return output;
}

} // namespace

// What an operator does to try the upgrade tool: list, make a file, upgrade.
TEST_F(Files, ToolListsCamerasAndWritesAcceptedUpgradeFiles)
{
    int code = -1;
    const std::string listing = run(std::string(VEXO_SIM_TOOL) + " list", code);
    EXPECT_EQ(code, 0);
    EXPECT_NE(listing.find(serial), std::string::npos) << listing;
    EXPECT_NE(listing.find(otherSerial), std::string::npos) << listing;

    const std::string file = dir + "/tool.upg";
    run(std::string(VEXO_SIM_TOOL) + " make-upg --model '" + productName(serial) +
            "' --version 3.1.4.1 -o '" + file + "'",
        code);
    ASSERT_EQ(code, 0);
    ASSERT_EQ(VexoSimSetUpgradeDuration(100), 0);
    ASSERT_EQ(CameraUpgrade(h, file.c_str(), nullptr, nullptr), 0);
    EXPECT_EQ(firmwareOf(serial), 0x3141);

    run(std::string(VEXO_SIM_TOOL) + " make-upg --model X --version 16.0.0.0 -o '" + dir + "/bad.upg'", code);
    EXPECT_NE(code, 0);
    EXPECT_FALSE(exists(dir + "/bad.upg"));

    // Asking a command for help prints the usage, whatever else is given.
    for (const char *ask : {" make-upg --help", " make-upg --model X -h", " list --help", " --help"}) {
        const std::string help = run(std::string(VEXO_SIM_TOOL) + ask, code);
        EXPECT_EQ(code, 0) << ask;
        EXPECT_NE(help.find("vexo-sim make-upg --model"), std::string::npos) << ask << ": " << help;
    }
}
#endif
