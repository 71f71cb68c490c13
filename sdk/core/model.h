// Plain records shared by the simulated cameras, the parsers and the C layer:
// what a camera is (CameraModel), how it is set (Settings) and what it keeps
// across power cycles (PersistentState).
#pragma once

#include "VexoCameraSDK.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vexo::sdk {

constexpr int kMaxIoLines = 8;
constexpr int kMaxChannels = 8;
constexpr int kParameterGroups = 4;
constexpr int kLutPresetCount = 3;

// One sensor pixel that is stuck bright; cleared by dead-pixel correction.
struct DefectPixel
{
    int x = 0;
    int y = 0;
};

// What a camera can do beyond streaming. Calls about a missing feature answer
// CAMERA_STATUS_NOT_SUPPORTED, so a program can grey the control out. The
// simulated cameras have everything; real cameras report what they have.
struct Features
{
    bool autoExposure = true; // CameraSetAeState
    bool aeTarget = true;
    bool aeExposureRange = true;
    bool aeGainRange = true;
    bool antiFlicker = true; // anti-flicker and the mains frequency
    bool analogGain = true;
    bool frameSpeed = true;
    bool mirror = true;
    bool autoWhiteBalance = true; // automatic and one-shot white balance
    bool deadPixelCorrection = true;
    bool softwareTrigger = true;
    bool triggerFrameCount = true;
    bool triggerDelay = true;
    bool inputLineSettings = true; // input mode, debounce and level of the I/O lines
    bool nickname = true;
    bool packetDelay = true; // of a GigE camera
    bool firmwareUpgrade = true;
    // Done by the camera itself, so the host pipeline leaves it out.
    bool mirrorOnDevice = false;
    bool whiteBalanceOnDevice = false;
};

// What a camera is: identity and capabilities, fixed for its lifetime.
struct CameraModel
{
    std::string serial;
    std::string productSeries;
    std::string productName;
    std::string friendlyName; // factory nickname, replaced by the stored one
    std::string sensorType;
    std::string portType;             // contains "GigE" for network cameras
    int link = CAMERA_LINK_SIMULATED; // how the camera is reached
    std::string linkName;
    std::string deviceVersion;
    uint16_t firmwareVersion = 0x1000; // four 4-bit digits
    std::string firmwareText;          // the camera's own version text; empty = from firmwareVersion
    int sensorWidth = 1920;
    int sensorHeight = 1080;
    bool color = true;
    double maxFrameRate = 30.0;
    int inputLines = 0;
    int outputLines = 0;
    bool lutSupported = true;
    int channels = 1;
    bool focusSupported = false;
    int focusMin = 0;
    int focusMax = 1000;
    int focusDefault = 500;
    int analogGainMin = 1000; // x1000
    int analogGainMax = 16000;
    double lineTimeUs = 20.0; // one sensor line of exposure
    int exposureLinesMin = 1;
    int exposureLinesMax = 50000;
    uint32_t deviceType = 0;     // CameraGetDeviceType
    bool infoFails = false;      // CameraGetEnumIndexInfo refuses this index
    double triggerPulseHz = 0.0; // edges on input line 0 without the simulator control
    std::vector<DefectPixel> defects;
    // Raw formats the camera can send; empty = BayerRG8 for colour, Mono8 else.
    std::vector<uint32_t> sensorFormats;
    // Region of interest granularity: offsets and sizes are multiples of these.
    int offsetStepX = 2, offsetStepY = 2;
    int sizeStepX = 1, sizeStepY = 1;
    Features features;

    bool isGige() const { return portType.find("GigE") != std::string::npos; }
    std::vector<uint32_t> rawFormats() const;
};

// The cameras the library offers.
struct CameraSet
{
    std::vector<CameraModel> cameras;
    bool enumerationFails = false; // CameraEnumerateDevice returns a failure
};

struct InputLine
{
    int mode = 0;          // 0 trigger input, 1 general input
    int signalType = 0;    // 0 rising, 1 falling, 2 high, 3 low
    uint32_t jitterUs = 0; // debounce time
    int state = 0;         // level read back by CameraGetInputIOState
};

struct OutputLine
{
    int mode = 0;       // 0 strobe, 1 general output, 2 PWM
    int strobeMode = 0; // 0 automatic, 1 semi-automatic
    int polarity = 0;   // 0 low active, 1 high active
    uint32_t strobeDelayUs = 0;
    uint32_t strobePulseUs = 1000;
    int state = 0;
    int pwmPeriodUs = 1000;
    int pwmHighUs = 500;
};

struct CrossLine
{
    int x = 0;
    int y = 0;
    uint32_t colour = 0x0000FF; // red | green << 8 | blue << 16
    int visible = 0;
};

// Region of the sensor that is read out.
struct Region
{
    int index = 0; // preset index or CAMERA_RESOLUTION_CUSTOM
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Every setting of a camera that a parameter group or file carries.
struct Settings
{
    // exposure
    int aeState = 0;
    double exposureUs = 10000.0;
    int analogGain = 1000; // x1000
    int aeTarget = 120;
    double aeExposureMinUs = 100.0;
    double aeExposureMaxUs = 100000.0;
    int aeGainMin = 1000;
    int aeGainMax = 8000;
    int antiFlick = 0;
    int lightFrequency = 1; // 1 = 50 Hz, 2 = 60 Hz
    // colour
    int wbMode = 0;
    int rGain = 100, gGain = 100, bGain = 100; // x100
    int saturation = 100;                      // 0..255, 100 = unchanged
    int monochrome = 0;
    // image processing
    int frameSpeed = 2;
    int sharpness = 0; // 0..100
    int contrast = 50; // 0..100, 50 = unchanged
    int mirrorH = 0;
    int mirrorV = 0;
    int deadPixelCorrection = 0;
    uint32_t sensorFormat = CAMERA_MEDIA_TYPE_BAYRG8;
    // LUT
    int lutMode = 0;       // 0 dynamic, 1 preset
    int gamma = 100;       // x100
    int contrastLut = 100; // x100
    int lutPreset = 0;
    std::array<CrossLine, CAMERA_CROSSLINE_COUNT> crossLines{};
    // trigger and I/O
    int triggerMode = CAMERA_TRIGGER_CONTINUOUS;
    int triggerFrameCount = 1;
    uint32_t triggerDelayUs = 0;
    std::array<InputLine, kMaxIoLines> inputs{};
    std::array<OutputLine, kMaxIoLines> outputs{};
    // resolution
    Region region;
    // special
    int channelMask = 1;
    int focusPosition = 0;
};

// The raw formats the image pipeline reads: Mono8, the four 8-bit Bayer orders, RGB8.
bool isBayer8(uint32_t mediaType);
// Bytes per pixel of a raw format; 0 when the pipeline cannot read it.
int rawBytesPerPixel(uint32_t mediaType);

// The factory defaults of a camera.
Settings defaultSettings(const CameraModel &model);

// Why a Settings record does not fit a camera; empty when it does.
std::string validateSettings(const CameraModel &model, const Settings &settings);

// Frames per second of a streaming camera: frame speed low/medium/high is
// 1/4, 1/2, 1 of the maximum, never faster than the exposure allows.
double nominalFrameRate(const CameraModel &model, const Settings &settings);

// Preset resolutions of a camera; the last one is the full sensor.
std::vector<Region> presetRegions(const CameraModel &model);

// What a camera keeps across power cycles (the state directory).
struct PersistentState
{
    std::string nickname; // empty = the model's factory name
    bool ipSet = false;   // false = address not assigned yet
    int ipMode = 1;       // non-zero static, 0 DHCP
    std::string ip, mask, gateway;
    uint32_t packetSize = 1500;
    uint32_t packetDelayUs = 0;
    uint16_t firmwareVersion = 0; // 0 = the model's
    int currentGroup = 0;
    int parameterMode = 2;
    std::array<bool, kParameterGroups> groupSaved{};
    std::array<Settings, kParameterGroups> groups{};
};

// A parameter file: the model it was written for and the settings.
struct ParameterFile
{
    std::string productName;
    std::string serial;
    Settings settings;
};

// A firmware image (.upg).
struct FirmwareImage
{
    std::string productName;
    uint16_t version = 0;
    std::vector<uint8_t> payload;
};

} // namespace vexo::sdk
