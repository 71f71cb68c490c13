#ifndef VIDEOENCODER_H
#define VIDEOENCODER_H

#include "capture/recordingfailure.h"

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// Encodes packed 24-bit RGB pictures into an MP4 (H.264) or AVI (the
// muxer's default codec) file with FFmpeg. Every picture is shown at the time
// it was taken: MP4 keeps times in 1/90000 s; AVI has one slot per frame of
// the nominal rate, and a pause leaves empty slots. The file stays readable
// if the process dies mid-recording: MP4 is written as fragments, and every
// packet reaches the file at once, so an AVI without its closing index still
// plays (and RecordingRepair completes either).
class VideoEncoder final
{
public:
    struct Settings
    {
        std::string fileName; // UTF-8; the extension chooses the container
        int width = 0;
        int height = 0;
        int framesPerSecond = 0;
        int64_t bitRate = 0;
        // H.264 speed preset; empty: DefaultPreset.
        std::string preset;
        // Encoder threads; 0 lets the encoder choose.
        int threads = 0;
    };

    static constexpr const char *DefaultPreset = "slow";
    // Time base of the MP4's time stamps.
    static constexpr int Mp4TimeScale = 90000;

    // Where the time of encode() goes, for the benchmarks.
    struct Timing
    {
        int64_t frames = 0;
        int64_t packets = 0;
        int64_t bytes = 0;
        int64_t convertNs = 0; // RGB to YUV 4:2:0
        int64_t encodeNs = 0;  // the encoder itself
        int64_t writeNs = 0;   // muxing and writing
        // Frames left out of an AVI because they came faster than its
        // nominal rate and would have been shown more than a frame late.
        int64_t skipped = 0;
    };

    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    using Failure = RecordingFailure;

    // Creates the file and writes its header. On failure nothing stays
    // behind (no file) and failure() tells why.
    bool open(const Settings &settings);
    bool isOpen() const { return m_format != nullptr; }

    // One picture; rows are rowBytes apart. A picture of another size than
    // the recording is scaled to it. timeUs: when it was taken, from the
    // first picture; negative: one nominal frame after the previous picture.
    // false: the file can take no more (failure()).
    bool encode(const uint8_t *rgb, int width, int height, int rowBytes, int64_t timeUs = -1);

    // Goes on with another H.264 preset from the next picture (MP4 only);
    // false when the recording keeps the one it has.
    bool switchPreset(const std::string &preset);

    // Drains the encoder and writes the trailer; the file is then complete.
    // Called by the destructor if not before.
    bool finish();

    const Failure &failure() const { return m_failure; }
    // failure() in plain English, for logs.
    std::string error() const { return describe(m_failure); }
    const Timing &timing() const { return m_timing; }
    // The size actually encoded: 4:2:0 needs even sizes, so an odd last
    // column or row is left out.
    int width() const { return m_width; }
    int height() const { return m_height; }
    // The H.264 preset in use; empty for other codecs.
    const std::string &preset() const { return m_preset; }

private:
    bool fail(Failure::Kind kind, int status = 0);
    bool writePackets();
    // Scales a picture of another size than the recording's into m_frame.
    bool scale(const uint8_t *rgb, int width, int height, int rowBytes);
    void release();
    // The frame's time stamp in the encoder's time base, or -1 to leave the
    // frame out.
    int64_t timeStampFor(int64_t timeUs);

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_scaler = nullptr;
    std::string m_fileName;
    Failure m_failure;
    std::string m_preset;
    int m_width = 0;
    int m_height = 0;
    int m_framesPerSecond = 0;
    bool m_inBandHeaders = false;
    bool m_slotPerFrame = false; // AVI: one time stamp per nominal frame
    int64_t m_lastTimeUs = -1;
    int64_t m_lastStamp = -1;
    bool m_headerWritten = false;
    bool m_failed = false;
    Timing m_timing;
};

#endif // VIDEOENCODER_H
