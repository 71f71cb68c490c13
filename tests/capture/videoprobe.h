#ifndef VEXO_TESTS_VIDEOPROBE_H
#define VEXO_TESTS_VIDEOPROBE_H

// Decodes a video file with FFmpeg's libraries, as a player would, and
// reports what it found: the frames that decode, their size, the codec, the
// time of each frame, the length the file announces and whether a player can
// seek in it.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <string>
#include <vector>

struct VideoProbe
{
    bool opened = false;
    int frames = 0;
    int width = 0;
    int height = 0;
    std::string codec;
    double frameRate = 0.0;
    double lastFrameSeconds = -1.0;   // presentation time of the last frame
    std::vector<double> frameSeconds; // presentation times in decoding order
    double durationSeconds = -1.0;    // as the container announces it, -1: unknown
    int indexEntries = 0;             // frames a player can seek to without reading the file
    int64_t bytes = 0;
};

inline VideoProbe probeVideo(const std::string &fileName)
{
    VideoProbe probe;
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, fileName.c_str(), nullptr, nullptr) < 0)
        return probe;
    AVCodecContext *codec = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                           ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0)
                           : -1;
    const AVCodec *decoder =
        stream >= 0 ? avcodec_find_decoder(format->streams[stream]->codecpar->codec_id) : nullptr;
    if (decoder != nullptr && (codec = avcodec_alloc_context3(decoder)) != nullptr &&
        avcodec_parameters_to_context(codec, format->streams[stream]->codecpar) >= 0 &&
        avcodec_open2(codec, decoder, nullptr) >= 0) {
        probe.opened = true;
        probe.codec = decoder->name;
        const AVRational rate = format->streams[stream]->r_frame_rate;
        probe.frameRate = rate.den != 0 ? av_q2d(rate) : 0.0;
        if (format->duration != AV_NOPTS_VALUE && format->duration > 0)
            probe.durationSeconds = double(format->duration) / AV_TIME_BASE;
        probe.indexEntries = avformat_index_get_entries_count(format->streams[stream]);
        probe.bytes = avio_size(format->pb);
        const AVRational timeBase = format->streams[stream]->time_base;
        auto drain = [&] {
            while (avcodec_receive_frame(codec, frame) >= 0) {
                ++probe.frames;
                probe.width = frame->width;
                probe.height = frame->height;
                if (frame->best_effort_timestamp != AV_NOPTS_VALUE) {
                    probe.lastFrameSeconds = double(frame->best_effort_timestamp) * av_q2d(timeBase);
                    probe.frameSeconds.push_back(probe.lastFrameSeconds);
                }
                av_frame_unref(frame);
            }
        };
        while (av_read_frame(format, packet) >= 0) {
            if (packet->stream_index == stream && avcodec_send_packet(codec, packet) >= 0)
                drain();
            av_packet_unref(packet);
        }
        avcodec_send_packet(codec, nullptr);
        drain();
    }
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
    avformat_close_input(&format);
    return probe;
}

// Seeks to seconds as a player does and returns the time of the key frame
// reading resumes at, or -1 when the file cannot be seeked.
inline double seekTo(const std::string &fileName, double seconds)
{
    AVFormatContext *format = nullptr;
    if (avformat_open_input(&format, fileName.c_str(), nullptr, nullptr) < 0)
        return -1.0;
    double found = -1.0;
    const int stream = avformat_find_stream_info(format, nullptr) >= 0
                           ? av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0)
                           : -1;
    if (stream >= 0) {
        const AVRational timeBase = format->streams[stream]->time_base;
        const int64_t target = int64_t(seconds / av_q2d(timeBase));
        AVPacket *packet = av_packet_alloc();
        if (av_seek_frame(format, stream, target, AVSEEK_FLAG_BACKWARD) >= 0) {
            while (av_read_frame(format, packet) >= 0) {
                // H.264 read from AVI has decoding times only; without
                // reordered pictures they are the presentation times.
                const int64_t time = packet->pts != AV_NOPTS_VALUE ? packet->pts : packet->dts;
                const bool video = packet->stream_index == stream && time != AV_NOPTS_VALUE;
                if (video)
                    found = double(time) * av_q2d(timeBase);
                av_packet_unref(packet);
                if (video)
                    break;
            }
        }
        av_packet_free(&packet);
    }
    avformat_close_input(&format);
    return found;
}

#endif // VEXO_TESTS_VIDEOPROBE_H
