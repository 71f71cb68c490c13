// A real camera opened through Aravis. Settings map onto the standard
// feature names (SFNC) where the camera has them; the image pipeline's own
// settings stay on the host, as for the simulated cameras.
//
// aravis_device.cpp opens and closes the camera and watches it; aravis_learn.cpp
// learns what it is, aravis_settings.cpp writes settings to it and
// aravis_stream.cpp runs the acquisition.
#pragma once

#include "device_base.h"
#include "stream_pool.h"

#include <arv.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace vexo::aravis {

using namespace vexo::sdk;

// Where a camera is reached.
struct Endpoint
{
    enum class Kind {
        Gige,
        Usb3,
        Fake,
    };
    Kind kind = Kind::Gige;
    std::string id;           // the Aravis interface's device id (USB3 Vision, fake camera)
    uint32_t address = 0;     // GigE Vision: the camera, host byte order
    uint32_t hostAddress = 0; // GigE Vision: the local address that reaches it
};

// How the camera's features are reached; learnt once at open.
struct FeatureMap
{
    bool gainInDecibel = false; // "Gain" in dB, else "GainRaw" in camera units
    bool exposureAuto = false, gainAuto = false;
    bool aeLimits = false, aeGainLimits = false;
    bool frameRate = false;
    bool reverseX = false, reverseY = false;
    bool balanceRatio = false, balanceAuto = false;
    bool triggerSoftware = false;
    std::string hardwareTriggerSource; // e.g. "Line0"; empty = none
    bool triggerActivation = false;
    std::string triggerDelay; // "TriggerDelay" or "TriggerDelayAbs"; empty = none
    bool userSets = false;    // UserSetSelector with UserSet1..4, UserSetLoad, UserSetSave
    bool userSetDefault = false;
    bool deviceUserId = false;
};

class AravisDevice final : public DeviceBase
{
public:
    // Opens the camera and takes control of it; the lock is the open lock of
    // the serial in the state directory.
    static CameraSdkStatus open(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock,
                                std::shared_ptr<AravisDevice> *out);
    ~AravisDevice() override;
    AravisDevice(const AravisDevice &) = delete;
    AravisDevice &operator=(const AravisDevice &) = delete;

    CameraSdkStatus play() override;
    CameraSdkStatus pause() override;
    CameraSdkStatus fetchFrame(unsigned timeoutMs, std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus snap(const Region &region, unsigned timeoutMs,
                         std::shared_ptr<const Frame> *frame) override;
    CameraSdkStatus softTrigger() override;
    stFrameStatistic statistic() const override;
    stTransportStatistic transportStatistic() const override;

    CameraSdkStatus applySettings(const Settings &settings) override;
    CameraSdkStatus oneShotWhiteBalance() override;

    CameraSdkStatus saveGroup(int group) override;
    CameraSdkStatus loadGroup(int group) override;

    std::string nickname() const override;
    CameraSdkStatus setNickname(const std::string &name) override;
    uint32_t packetSize() const override;
    CameraSdkStatus setPacketSize(uint32_t bytes) override;
    uint32_t packetDelay() const override;
    CameraSdkStatus setPacketDelay(uint32_t microseconds) override;

    // The camera's own GenICam description (aravis_features.cpp).
    CameraSdkStatus features(std::vector<FeatureInfo> *tree) override;
    FeatureOutcome readFeature(const std::string &name, std::string *value) override;
    FeatureOutcome writeFeature(const std::string &name, const std::string &value) override;
    FeatureOutcome executeFeature(const std::string &name) override;

    uint16_t firmwareVersion() const override;
    CameraSdkStatus upgrade(const FirmwareImage &image, const std::function<bool(int)> &progress) override;

    bool released() const override;
    bool busy() const override;
    void close() override;

    const Endpoint &endpoint() const { return endpoint_; }
    // The camera stopped answering (also reported by Aravis's own heartbeat).
    void markLostFromSignal();
    // GigE Vision: writes the persistent IP configuration with the control
    // this device holds.
    CameraSdkStatus setIpConfiguration(bool isStatic, uint32_t ip, uint32_t mask, uint32_t gateway);

private:
    using Clock = std::chrono::steady_clock;

    AravisDevice(const Endpoint &where, StateStore store, std::unique_ptr<DeviceLock> lock);

    // --- under control_ ---
    // What the camera is and how its features are reached, one group each.
    void learnLocked();
    void learnIdentityLocked();
    uint32_t learnGeometryLocked(); // returns the pixel format the camera is in
    void learnExposureLocked();
    void learnFrameRateLocked();
    void learnImageLocked();
    void learnTriggerLocked();
    void learnStorageLocked(); // user sets, user name, packet delay
    std::string readNicknameLocked() const;
    Settings readCameraLocked(const Settings &host) const;
    // What the camera's own automatic controls move.
    void readAutoValuesLocked(Settings *s, bool exposure, bool balance) const;
    // Writes what differs from `from` to `to`; *applied is what the camera took.
    CameraSdkStatus writeLocked(const Settings &from, const Settings &to, Settings *applied);
    Settings keptByCamera(const Settings &from, const Settings &to) const;
    // One feature group each; they take over into *applied what the camera accepted.
    CameraSdkStatus writeGeometryLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus writeTriggerLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus writeExposureLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus writeFrameRateLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus writeMirrorLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus writeWhiteBalanceLocked(const Settings &from, const Settings &to, Settings *applied);
    CameraSdkStatus startLocked();
    void stopLocked();
    CameraSdkStatus ensurePoolLocked();
    CameraSdkStatus failureLocked(GError *error);
    void refreshAutoValuesLocked();
    // Features by name (aravis_features.cpp).
    FeatureOutcome usableLocked() const;
    FeatureOutcome featureNodeLocked(const std::string &name, ArvGcNode **node);
    FeatureOutcome cameraRefusedLocked(GError *error, const std::string &what);
    // Someone else than writeLocked() changed the camera: read the settings
    // again; a stream whose frames no longer fit its buffers starts anew.
    FeatureOutcome settingsChangedLocked(size_t payloadBefore, const std::string &what);
    size_t payloadLocked() const; // 0 when unknown

    // --- under mutex_ (lock) ---
    // The next frame; for a still (non-null), the next one of its region.
    CameraSdkStatus takeFrameLocked(std::unique_lock<std::mutex> &lock, Clock::time_point deadline,
                                    const Region *still, std::shared_ptr<const Frame> *out);

    void frameArrived(StreamPool *pool);
    bool probe();
    void watch();
    void markLost();

    const Endpoint endpoint_;
    ArvDevice *device_ = nullptr;
    ArvCamera *camera_ = nullptr;
    FeatureMap map_;
    double gainRawScale_ = 1000.0;

    // Serialises every use of the camera's features and of the acquisition.
    mutable std::mutex control_;
    std::shared_ptr<StreamPool> pool_; // under control_ to change, mutex_ to read
    bool acquiring_ = false;           // under control_

    // Under mutex_.
    std::condition_variable wake_;
    std::string nickname_;
    bool playing_ = false;
    bool snapping_ = false;         // a still has the stream to itself
    Clock::time_point autoUntil_{}; // a one-shot white balance is settling until then
    int available_ = 0;             // finished buffers not taken yet
    uint64_t staleBeforeNs_ = 0;    // frames begun before this host time belong to an earlier trigger mode
    uint32_t dropped_ = 0;          // frames overtaken by newer ones before they were fetched
    uint32_t rejected_ = 0;         // frames the pipeline cannot read
    uint64_t baseCompleted_ = 0, baseFailures_ = 0, baseUnderruns_ = 0; // of retired pools
    uint64_t baseResent_ = 0, baseMissing_ = 0;                         // of retired pools
    std::shared_ptr<const Frame> latest_;
    std::shared_ptr<std::atomic<bool>> farewell_; // set once the goodbyes of a lost camera are said
    std::thread watchdog_;
};

} // namespace vexo::aravis
