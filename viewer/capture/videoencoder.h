#ifndef VIDEOENCODER_H
#define VIDEOENCODER_H

#include <cstdint>
#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// Encodes packed 24-bit RGB pictures into an MP4 (H.264) or AVI (the
// muxer's default codec) file with FFmpeg. The file stays readable if the
// process dies mid-recording: MP4 is written as fragments, and every packet
// reaches the file at once, so an AVI without its closing index still plays.
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
    };

    // Where the time of encode() goes, for the benchmarks.
    struct Timing
    {
        int64_t frames = 0;
        int64_t packets = 0;
        int64_t bytes = 0;
        int64_t convertNs = 0; // RGB to YUV 4:2:0
        int64_t encodeNs = 0;  // the encoder itself
        int64_t writeNs = 0;   // muxing and writing
    };

    VideoEncoder() = default;
    ~VideoEncoder();
    VideoEncoder(const VideoEncoder &) = delete;
    VideoEncoder &operator=(const VideoEncoder &) = delete;

    // Creates the file and writes its header. On failure nothing stays
    // behind (no file) and error() tells why.
    bool open(const Settings &settings);
    bool isOpen() const { return m_format != nullptr; }

    // One picture; rows are rowBytes apart. A picture of another size than
    // the recording is scaled to it. The presentation time is the number of
    // pictures before it. false: the file can take no more (error()).
    bool encode(const uint8_t *rgb, int width, int height, int rowBytes);

    // Drains the encoder and writes the trailer; the file is then complete.
    // Called by the destructor if not before.
    bool finish();

    const std::string &error() const { return m_error; }
    const Timing &timing() const { return m_timing; }
    // The size actually encoded: 4:2:0 needs even sizes, so an odd last
    // column or row is left out.
    int width() const { return m_width; }
    int height() const { return m_height; }

private:
    bool fail(const std::string &what, int status);
    bool writePackets();
    void release();

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_codec = nullptr;
    AVStream *m_stream = nullptr;
    AVFrame *m_frame = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_scaler = nullptr;
    std::string m_fileName;
    std::string m_error;
    int m_width = 0;
    int m_height = 0;
    int64_t m_frameIndex = 0;
    bool m_headerWritten = false;
    bool m_failed = false;
    Timing m_timing;
};

#endif // VIDEOENCODER_H
