// Exclusive open within and across processes, and unplugging a camera.
#include "sdk_test_support.h"

#include <csignal>
#include <sys/wait.h>

using namespace vexo::test;

namespace {

// Runs the probe and returns its exit code, or -1 when it did not exit.
int runProbe(const std::string &mode, const std::string &serial, const std::string &extra = {})
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(VEXO_OPEN_PROBE, VEXO_OPEN_PROBE, mode.c_str(), serial.c_str(),
              extra.empty() ? nullptr : extra.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// A probe that keeps the camera open until it is released or killed.
class HoldingProcess final
{
public:
    explicit HoldingProcess(const std::string &serial, const char *mode = "hold")
    {
        int toChild[2];
        int fromChild[2];
        if (pipe(toChild) != 0 || pipe(fromChild) != 0)
            return;
        m_pid = fork();
        if (m_pid == 0) {
            dup2(toChild[0], STDIN_FILENO);
            dup2(fromChild[1], STDOUT_FILENO);
            close(toChild[1]);
            close(fromChild[0]);
            execl(VEXO_OPEN_PROBE, VEXO_OPEN_PROBE, mode, serial.c_str(), static_cast<char *>(nullptr));
            _exit(127);
        }
        close(toChild[0]);
        close(fromChild[1]);
        m_stdin = toChild[1];
        m_out = fdopen(fromChild[0], "r");
        m_reply = nextLine();
    }
    ~HoldingProcess()
    {
        release();
        kill();
        if (m_out)
            fclose(m_out);
    }

    // Blocks until the probe writes its next line (or exits).
    std::string nextLine()
    {
        char line[64] = {};
        if (m_out && fgets(line, sizeof line, m_out))
            return line;
        return {};
    }
    HoldingProcess(const HoldingProcess &) = delete;
    HoldingProcess &operator=(const HoldingProcess &) = delete;

    bool holding() const { return m_reply == "opened\n"; }
    // Closing stdin lets the probe close the camera and exit normally.
    int release()
    {
        if (m_stdin >= 0)
            close(m_stdin);
        m_stdin = -1;
        return reap();
    }
    void kill()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            reap();
        }
    }

private:
    int reap()
    {
        if (m_pid <= 0)
            return -1;
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    pid_t m_pid = -1;
    int m_stdin = -1;
    FILE *m_out = nullptr;
    std::string m_reply;
};

int32_t openedFlag(const std::string &serial)
{
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial)
            return valueAt<int32_t>(&d, 596);
    }
    return -1;
}

std::string anySerial()
{
    return findSerial([](const stDeviceInfo &) { return true; }).value_or("");
}

} // namespace

TEST(ExclusiveOpen, SecondOpenInTheSameProcessIsRefused)
{
    const std::string serial = anySerial();
    Camera first(serial);
    ASSERT_TRUE(first.ok()) << first.status();
    CameraHandle second = nullptr;
    EXPECT_EQ(CameraInitEx3(&second, serial.c_str()), CAMERA_STATUS_ALREADY_OPENED);
    EXPECT_EQ(second, nullptr);
    EXPECT_NE(openedFlag(serial), 0);
    // The refused attempt must not have disturbed the first handle.
    EXPECT_EQ(CameraPlay(first.handle()), 0);
    first.close();
    EXPECT_EQ(openedFlag(serial), 0);
    Camera again(serial);
    EXPECT_TRUE(again.ok());
}

TEST(ExclusiveOpen, AnotherProcessGetsAlreadyOpened)
{
    const std::string serial = anySerial();
    {
        Camera cam(serial);
        ASSERT_TRUE(cam.ok());
        EXPECT_EQ(runProbe("try", serial), -CAMERA_STATUS_ALREADY_OPENED);
    }
    EXPECT_EQ(runProbe("try", serial), 0) << "closed cameras are free for others";
}

TEST(ExclusiveOpen, CameraHeldByAnotherProcessIsRefusedAndShownOpen)
{
    const std::string serial = anySerial();
    HoldingProcess other(serial);
    ASSERT_TRUE(other.holding());
    CameraHandle h = nullptr;
    EXPECT_EQ(CameraInitEx3(&h, serial.c_str()), CAMERA_STATUS_ALREADY_OPENED);
    EXPECT_NE(openedFlag(serial), 0);
    EXPECT_EQ(other.release(), 0);
    EXPECT_EQ(openedFlag(serial), 0);
    Camera mine(serial);
    EXPECT_TRUE(mine.ok());
}

TEST(ExclusiveOpen, LockDiesWithTheProcess)
{
    const std::string serial = anySerial();
    HoldingProcess other(serial);
    ASSERT_TRUE(other.holding());
    other.kill();
    Camera mine(serial);
    EXPECT_TRUE(mine.ok()) << mine.status();
}

TEST(ExclusiveOpen, OtherCamerasStayAvailable)
{
    const std::vector<stDeviceInfo> devices = enumerate();
    ASSERT_GE(devices.size(), 2u);
    const std::string a = textAt(&devices[0], 356, 32);
    const std::string b = textAt(&devices[1], 356, 32);
    HoldingProcess other(a);
    ASSERT_TRUE(other.holding());
    Camera mine(b);
    EXPECT_TRUE(mine.ok());
    EXPECT_EQ(runProbe("try", b), -CAMERA_STATUS_ALREADY_OPENED);
}

// A nickname given in the address tool shows in the viewer's next enumeration.
TEST(SharedState, NicknameFromAnotherProcessShowsInEnumeration)
{
    const std::string serial = anySerial();
    ASSERT_FALSE(enumerate().empty());
    ASSERT_EQ(runProbe("name", serial, "renamed elsewhere"), 0);
    bool seen = false;
    for (const stDeviceInfo &d : enumerate()) {
        if (textAt(&d, 356, 32) == serial) {
            EXPECT_EQ(textAt(&d, 64, 128), "renamed elsewhere");
            seen = true;
        }
    }
    EXPECT_TRUE(seen);
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    char name[CAMERA_TEXT_BUFFER] = {};
    ASSERT_EQ(CameraGetFriendlyName(cam.handle(), name), 0);
    EXPECT_STREQ(name, "renamed elsewhere");
}

TEST(Unplug, CameraVanishesAndItsHandleReportsDeviceLost)
{
    const std::string serial = anySerial();
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), 0);

    // A grabber blocked in a long wait must come back once the camera goes.
    CameraSdkStatus waitResult = 0;
    std::thread grabber([&] {
        CameraSdkStatus st = 0;
        while ((st = grabRaw(h, frame, 3000)) == 0) {
        }
        waitResult = st;
    });
    ASSERT_EQ(VexoSimUnplug(serial.c_str()), 0);
    grabber.join();
    EXPECT_EQ(waitResult, CAMERA_STATUS_DEVICE_LOST);

    int value = 0;
    EXPECT_EQ(CameraGetAeState(h, &value), CAMERA_STATUS_DEVICE_LOST);
    EXPECT_EQ(CameraSetSharpness(h, 5), CAMERA_STATUS_DEVICE_LOST);
    EXPECT_EQ(CameraPlay(h), CAMERA_STATUS_DEVICE_LOST);
    EXPECT_FALSE(enumerated(serial));
    CameraHandle other = nullptr;
    EXPECT_NE(CameraInitEx3(&other, serial.c_str()), 0);

    // Closing a lost camera is immediate and gives it up for good: nothing
    // opens it again behind the closed handle when it comes back.
    const auto closing = std::chrono::steady_clock::now();
    EXPECT_EQ(CameraUnInit(h), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - closing, std::chrono::milliseconds(100));
    cam.close();
    ASSERT_EQ(VexoSimReplug(serial.c_str()), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    EXPECT_EQ(openedFlag(serial), 0);
    Camera back(serial);
    ASSERT_TRUE(back.ok()) << back.status();
    ASSERT_EQ(CameraPlay(back.handle()), 0);
    EXPECT_EQ(grabRaw(back.handle(), frame), 0);
}

// The handle stays: once the camera is back it is the camera it was at the
// loss, without a call beyond the grabber's, and its counters went on.
TEST(Reconnect, FramesComeBackWithTheSettingsOfTheLoss)
{
    const int modes[] = {CAMERA_TRIGGER_CONTINUOUS, CAMERA_TRIGGER_SOFTWARE};
    for (const int mode : modes) {
        SCOPED_TRACE(mode);
        const std::string serial = anySerial();
        Camera cam(serial);
        ASSERT_TRUE(cam.ok());
        const CameraHandle h = cam.handle();
        stImageResolution roi{};
        roi.iIndex = CAMERA_RESOLUTION_CUSTOM;
        roi.iHOffsetFOV = 64;
        roi.iVOffsetFOV = 32;
        roi.iWidthFOV = 640;
        roi.iHeightFOV = 480;
        ASSERT_EQ(CameraSetResolutionEx(h, &roi), 0);
        ASSERT_EQ(CameraSetExposureTime(h, 20000), 0); // 50 frames a second at most
        ASSERT_EQ(CameraSetTriggerMode(h, mode), 0);
        ASSERT_EQ(CameraPlay(h), 0);
        RawFrame frame;
        const auto grab = [&](unsigned timeoutMs) {
            if (mode == CAMERA_TRIGGER_SOFTWARE)
                CameraSoftTrigger(h);
            return grabRaw(h, frame, timeoutMs);
        };
        ASSERT_EQ(grab(2000), 0);
        stFrameStatistic before{};
        ASSERT_EQ(CameraGetFrameStatistic(h, &before), 0);

        ASSERT_EQ(VexoSimUnplug(serial.c_str()), 0);
        EXPECT_EQ(grab(200), CAMERA_STATUS_DEVICE_LOST);
        double exposure = 0;
        EXPECT_EQ(CameraGetExposureTime(h, &exposure), CAMERA_STATUS_DEVICE_LOST);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        ASSERT_EQ(VexoSimReplug(serial.c_str()), 0);
        const auto back = std::chrono::steady_clock::now();
        ASSERT_TRUE(waitFor([&] { return grab(500) == 0; }, 4000));
        EXPECT_LT(std::chrono::steady_clock::now() - back, std::chrono::seconds(2));

        EXPECT_EQ(frame.info.uiWidth, 640u);
        EXPECT_EQ(frame.info.uiHeight, 480u);
        EXPECT_EQ(frame.info.uiExposureUs, 20000u);
        int trigger = -1;
        EXPECT_EQ(CameraGetTriggerMode(h, &trigger), 0);
        EXPECT_EQ(trigger, mode);
        stFrameStatistic after{};
        ASSERT_EQ(CameraGetFrameStatistic(h, &after), 0);
        EXPECT_GT(after.iCapture, before.iCapture);
        if (mode == CAMERA_TRIGGER_CONTINUOUS) {
            // About a second of a 50 fps camera went missing.
            EXPECT_GE(after.iLost - before.iLost, 25u);
        } else {
            EXPECT_EQ(grabRaw(h, frame, 300), CAMERA_STATUS_TIMEOUT) << "no trigger, no frame";
        }
    }
}

// A camera that another program opened while this one had lost it stays
// with that program; this handle takes it again only once it is free.
TEST(Reconnect, AnotherProgramThatTookTheCameraKeepsIt)
{
    const std::string serial = anySerial();
    Camera cam(serial);
    ASSERT_TRUE(cam.ok());
    const CameraHandle h = cam.handle();
    ASSERT_EQ(CameraPlay(h), 0);
    RawFrame frame;
    ASSERT_EQ(grabRaw(h, frame), 0);
    ASSERT_EQ(VexoSimUnplug(serial.c_str()), 0);
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_DEVICE_LOST);

    HoldingProcess other(serial, "replug");
    ASSERT_TRUE(other.holding());
    ASSERT_EQ(VexoSimReplug(serial.c_str()), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    EXPECT_EQ(grabRaw(h, frame, 200), CAMERA_STATUS_DEVICE_LOST);
    EXPECT_EQ(other.release(), 0);
    EXPECT_TRUE(waitFor([&] { return grabRaw(h, frame, 500) == 0; }, 4000));
}

// Unplugging is physical: every process using the camera sees it.
TEST(Unplug, OtherProcessesSeeTheCameraGo)
{
    const std::string serial = anySerial();
    HoldingProcess grabber(serial, "grab");
    ASSERT_TRUE(grabber.holding());
    ASSERT_EQ(VexoSimUnplug(serial.c_str()), 0);
    EXPECT_EQ(grabber.nextLine(), std::to_string(CAMERA_STATUS_DEVICE_LOST) + "\n");
    EXPECT_EQ(grabber.release(), 0);
    EXPECT_EQ(runProbe("try", serial), -CAMERA_STATUS_NO_DEVICE);
    ASSERT_EQ(VexoSimReplug(serial.c_str()), 0);
    EXPECT_EQ(runProbe("try", serial), 0);
}

TEST(Unplug, UnknownSerialsAreRefused)
{
    EXPECT_NE(VexoSimUnplug("NO-SUCH-CAMERA"), 0);
    EXPECT_NE(VexoSimReplug("NO-SUCH-CAMERA"), 0);
    EXPECT_NE(VexoSimUnplug(nullptr), 0);
}

TEST(CameraSet, ReloadingClosesOpenCameras)
{
    const std::string serial = anySerial();
    CameraHandle h = nullptr;
    ASSERT_EQ(CameraInitEx3(&h, serial.c_str()), 0);
    ASSERT_EQ(VexoSimLoadCameraSet(nullptr), 0);
    int value = 0;
    EXPECT_NE(CameraGetAeState(h, &value), 0);
    Camera again(serial);
    EXPECT_TRUE(again.ok()) << "the lock went with the closed camera";
}
