#include "capture/videoencoder.h"

#include "capture/yuvconversion.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

constexpr int GroupOfPictures = 12;
constexpr int MaxFramesPerSecond = 1000;

int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void quietLibraries()
{
    // The encoder's start-up banner and statistics are no use to an
    // operator; real errors still come through.
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_ERROR); });
}

} // namespace

VideoEncoder::~VideoEncoder()
{
    finish();
}

bool VideoEncoder::fail(Failure::Kind kind, int status)
{
    m_failed = true;
    m_failure = Failure();
    m_failure.kind = kind;
    m_failure.status = status < 0 ? status : 0;
    return false;
}

bool VideoEncoder::open(const Settings &settings)
{
    quietLibraries();
    m_failure = Failure();
    m_failed = false;
    m_fileName = settings.fileName;
    m_framesPerSecond = settings.framesPerSecond;
    m_lastTimeUs = -1;
    m_lastStamp = -1;
    m_timing = Timing();
    m_preset.clear();
    m_width = settings.width & ~1;
    m_height = settings.height & ~1;
    if (settings.framesPerSecond < 1 || settings.framesPerSecond > MaxFramesPerSecond) {
        fail(Failure::FrameRate);
        m_failure.number = settings.framesPerSecond;
        m_failure.second = MaxFramesPerSecond;
        return false;
    }
    if (m_width < 2 || m_height < 2) {
        fail(Failure::FrameSize);
        m_failure.number = settings.width;
        m_failure.second = settings.height;
        return false;
    }

    bool fileCreated = false;
    auto abandon = [&](Failure::Kind kind, int status) {
        fail(kind, status);
        release();
        if (fileCreated)
            std::remove(m_fileName.c_str());
        return false;
    };

    avformat_alloc_output_context2(&m_format, nullptr, nullptr, m_fileName.c_str());
    if (m_format == nullptr)
        avformat_alloc_output_context2(&m_format, nullptr, "mpeg", m_fileName.c_str());
    if (m_format == nullptr)
        return abandon(Failure::NoContainer, 0);

    // AVI's own default, MPEG-4 part 2, cannot go down to the lower bit
    // rates at a machine camera's frame sizes: with a key frame every twelve
    // pictures, each block's DC term and each macroblock's skip flag alone
    // cost about 0.7 Mbit/s at 1080p30. AVI therefore carries H.264 too, with
    // the same settings as MP4; a library without it falls back to the
    // container's default.
    const bool isAvi = std::strcmp(m_format->oformat->name, "avi") == 0;
    const AVCodec *encoder = isAvi ? avcodec_find_encoder(AV_CODEC_ID_H264) : nullptr;
    if (encoder == nullptr)
        encoder = avcodec_find_encoder(m_format->oformat->video_codec);
    if (encoder == nullptr)
        return abandon(Failure::NoEncoder, 0);
    m_stream = avformat_new_stream(m_format, nullptr);
    if (m_stream == nullptr)
        return abandon(Failure::OutOfMemory, AVERROR(ENOMEM));
    m_stream->id = int(m_format->nb_streams) - 1;
    m_codec = avcodec_alloc_context3(encoder);
    if (m_codec == nullptr || encoder->type != AVMEDIA_TYPE_VIDEO)
        return abandon(Failure::EncoderSetup, 0);

    m_codec->codec_id = encoder->id;
    m_codec->bit_rate = settings.bitRate;
    m_codec->width = m_width;
    m_codec->height = m_height;
    m_codec->codec_type = AVMEDIA_TYPE_VIDEO;
    // AVI counts frames of its nominal rate; a finer time base would be read
    // as a higher frame rate. MP4 keeps each picture's own time.
    m_slotPerFrame = isAvi;
    m_stream->time_base =
        m_slotPerFrame ? AVRational{1, settings.framesPerSecond} : AVRational{1, Mp4TimeScale};
    m_codec->time_base = m_stream->time_base;
    m_codec->framerate = AVRational{settings.framesPerSecond, 1};
    m_stream->avg_frame_rate = m_codec->framerate;
    m_codec->gop_size = GroupOfPictures;
    m_codec->pix_fmt = AV_PIX_FMT_YUV420P;
    if (settings.threads > 0)
        m_codec->thread_count = settings.threads;
    // A one-second rate buffer at the bit rate, for every codec.
    const int buffer = int(std::min<int64_t>(settings.bitRate, INT32_MAX));
    m_codec->rc_max_rate = settings.bitRate;
    m_codec->rc_buffer_size = buffer;
    if (m_codec->codec_id == AV_CODEC_ID_H264) {
        m_preset = settings.preset.empty() ? std::string(DefaultPreset) : settings.preset;
        av_opt_set(m_codec->priv_data, "preset", m_preset.c_str(), 0);
        av_opt_set(m_codec->priv_data, "tune", "zerolatency", 0);
        // Its average-rate control alone overshoots by a quarter and more on
        // short recordings and with the fastest presets; the rate buffer
        // holds every second to it.
    } else {
        // Left to itself the encoder drifts far from the bit rate: it stops
        // at its finest quantiser on simple pictures and at its coarsest on
        // busy ones. A rate buffer it must neither overflow nor leave empty,
        // a finer lowest quantiser and rate-distortion macroblock decisions
        // keep it within reach of the target either way.
        m_codec->rc_min_rate = settings.bitRate;
        m_codec->rc_initial_buffer_occupancy = buffer * 3 / 4;
        m_codec->bit_rate_tolerance = buffer / 5;
        m_codec->qmin = 1;
        av_opt_set(m_codec, "mbd", "rd", AV_OPT_SEARCH_CHILDREN);
    }
    // H.264 in MP4 and AVI carries its parameter sets in the stream, before
    // every key frame, so the encoder can be replaced by a faster one
    // mid-recording; an MP4 file's header then waits for the first fragment.
    // Other codecs announce themselves in the header.
    const bool isMp4 =
        std::strcmp(m_format->oformat->name, "mp4") == 0 || std::strcmp(m_format->oformat->name, "mov") == 0;
    m_inBandHeaders = (isMp4 || isAvi) && m_codec->codec_id == AV_CODEC_ID_H264;
    if ((m_format->oformat->flags & AVFMT_GLOBALHEADER) && !m_inBandHeaders)
        m_codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;

    int status = avcodec_open2(m_codec, encoder, nullptr);
    if (status < 0)
        return abandon(Failure::EncoderSetup, status);
    status = avcodec_parameters_from_context(m_stream->codecpar, m_codec);
    if (status < 0)
        return abandon(Failure::EncoderSetup, status);

    if (!(m_format->oformat->flags & AVFMT_NOFILE)) {
        status = avio_open(&m_format->pb, m_fileName.c_str(), AVIO_FLAG_WRITE);
        if (status < 0)
            return abandon(Failure::CreateFile, status);
        fileCreated = true;
    }

    // Crash safety: MP4 goes out as self-contained fragments (one per group of
    // pictures) instead of one index at the end, and every packet is flushed
    // to the file when written, so a killed recording keeps all but its last
    // moments. An AVI without its closing index is read front to back.
    m_format->flags |= AVFMT_FLAG_FLUSH_PACKETS;
    AVDictionary *options = nullptr;
    const char *muxer = m_format->oformat->name;
    if (std::strcmp(muxer, "mp4") == 0 || std::strcmp(muxer, "mov") == 0)
        av_dict_set(&options, "movflags",
                    m_inBandHeaders ? "+frag_keyframe+empty_moov+default_base_moof+delay_moov"
                                    : "+frag_keyframe+empty_moov+default_base_moof",
                    0);
    status = avformat_write_header(m_format, &options);
    av_dict_free(&options);
    if (status < 0)
        return abandon(Failure::WriteFile, status);
    // A header that did not reach the disk (a full disk) is a failed start.
    if (m_format->pb != nullptr) {
        avio_flush(m_format->pb);
        if (m_format->pb->error < 0)
            return abandon(Failure::WriteFile, m_format->pb->error);
    }
    m_headerWritten = true;

    m_frame = av_frame_alloc();
    m_packet = av_packet_alloc();
    if (m_frame == nullptr || m_packet == nullptr)
        return abandon(Failure::OutOfMemory, AVERROR(ENOMEM));
    m_frame->format = AV_PIX_FMT_YUV420P;
    m_frame->width = m_width;
    m_frame->height = m_height;
    status = av_frame_get_buffer(m_frame, 0);
    if (status < 0)
        return abandon(Failure::OutOfMemory, status);
    return true;
}

int64_t VideoEncoder::timeStampFor(int64_t timeUs)
{
    if (timeUs < 0)
        timeUs = m_lastTimeUs < 0 ? 0 : m_lastTimeUs + av_rescale(1, 1000000, m_framesPerSecond);
    m_lastTimeUs = timeUs;
    const int64_t ideal = av_rescale_q(timeUs, AVRational{1, 1000000}, m_codec->time_base);
    if (m_lastStamp < 0 || ideal > m_lastStamp)
        return ideal;
    // Faster than the nominal rate: a frame may be shown one slot late, no
    // later, or the file's time would run behind the recording's.
    if (m_slotPerFrame && m_lastStamp + 1 - ideal > 1)
        return -1;
    return m_lastStamp + 1;
}

bool VideoEncoder::encode(const uint8_t *rgb, int width, int height, int rowBytes, int64_t timeUs)
{
    if (m_format == nullptr || m_failed || rgb == nullptr || width < 1 || height < 1 || rowBytes < width * 3)
        return false;

    const int64_t stamp = timeStampFor(timeUs);
    if (stamp < 0) {
        ++m_timing.skipped;
        return true;
    }
    const int64_t convertStart = nowNs();
    int status = av_frame_make_writable(m_frame);
    if (status < 0)
        return fail(Failure::OutOfMemory, status);
    // The odd last column or row of an odd-sized picture is cut off rather
    // than the whole picture scaled by a pixel.
    if ((width & ~1) == m_width && (height & ~1) == m_height) {
        if (!rgbToYuv420(rgb, rowBytes, m_width, m_height, m_frame->data, m_frame->linesize))
            return fail(Failure::Convert);
    } else if (!scale(rgb, width, height, rowBytes)) {
        return fail(Failure::Convert);
    }
    m_frame->pts = stamp;
    m_lastStamp = stamp;
    const int64_t encodeStart = nowNs();
    m_timing.convertNs += encodeStart - convertStart;

    status = avcodec_send_frame(m_codec, m_frame);
    m_timing.encodeNs += nowNs() - encodeStart;
    if (status < 0)
        return fail(Failure::Encode, status);
    ++m_timing.frames;
    return writePackets();
}

bool VideoEncoder::scale(const uint8_t *rgb, int width, int height, int rowBytes)
{
    // A picture of another size (the camera's resolution changed) is
    // rare: the general scaler is good enough for it.
    m_scaler = sws_getCachedContext(m_scaler, width, height, AV_PIX_FMT_RGB24, m_width, m_height,
                                    AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (m_scaler == nullptr)
        return false;
    const uint8_t *planes[1] = {rgb};
    const int strides[1] = {rowBytes};
    return sws_scale(m_scaler, planes, strides, 0, height, m_frame->data, m_frame->linesize) == m_height;
}

bool VideoEncoder::switchPreset(const std::string &preset)
{
    if (m_codec == nullptr || m_failed || !m_inBandHeaders || preset == m_preset)
        return false;
    // The new encoder is ready before the old one is emptied: if it cannot
    // start, the recording goes on as it was.
    const AVCodec *encoder = m_codec->codec;
    AVCodecContext *next = avcodec_alloc_context3(encoder);
    if (next == nullptr)
        return false;
    next->codec_id = m_codec->codec_id;
    next->codec_type = m_codec->codec_type;
    next->bit_rate = m_codec->bit_rate;
    next->rc_max_rate = m_codec->rc_max_rate;
    next->rc_buffer_size = m_codec->rc_buffer_size;
    next->width = m_codec->width;
    next->height = m_codec->height;
    next->time_base = m_codec->time_base;
    next->framerate = m_codec->framerate;
    next->gop_size = m_codec->gop_size;
    next->pix_fmt = m_codec->pix_fmt;
    next->thread_count = m_codec->thread_count;
    next->flags = m_codec->flags;
    av_opt_set(next->priv_data, "preset", preset.c_str(), 0);
    av_opt_set(next->priv_data, "tune", "zerolatency", 0);
    if (avcodec_open2(next, encoder, nullptr) < 0) {
        avcodec_free_context(&next);
        return false;
    }
    // Everything the old encoder holds goes into the file first; the new
    // one starts with a key frame and its own parameter sets.
    const int status = avcodec_send_frame(m_codec, nullptr);
    if (status < 0 && status != AVERROR_EOF) {
        avcodec_free_context(&next);
        return fail(Failure::Encode, status);
    }
    const bool drained = writePackets();
    avcodec_free_context(&m_codec);
    m_codec = next;
    m_preset = preset;
    return drained;
}

bool VideoEncoder::writePackets()
{
    for (;;) {
        const int64_t encodeStart = nowNs();
        int status = avcodec_receive_packet(m_codec, m_packet);
        m_timing.encodeNs += nowNs() - encodeStart;
        if (status == AVERROR(EAGAIN) || status == AVERROR_EOF)
            return true;
        if (status < 0)
            return fail(Failure::Encode, status);

        const int64_t writeStart = nowNs();
        // The last picture lasts one nominal frame.
        if (m_packet->duration <= 0)
            m_packet->duration = m_slotPerFrame ? 1 : av_rescale(1, Mp4TimeScale, m_framesPerSecond);
        av_packet_rescale_ts(m_packet, m_codec->time_base, m_stream->time_base);
        m_packet->stream_index = m_stream->index;
        ++m_timing.packets;
        m_timing.bytes += m_packet->size;
        status = av_interleaved_write_frame(m_format, m_packet);
        m_timing.writeNs += nowNs() - writeStart;
        if (status < 0)
            return fail(Failure::WriteFile, status);
    }
}

bool VideoEncoder::finish()
{
    if (m_format == nullptr)
        return !m_failed;
    if (m_headerWritten) {
        if (!m_failed && m_codec != nullptr && m_packet != nullptr) {
            // Packets the encoder still holds are the end of the recording.
            const int status = avcodec_send_frame(m_codec, nullptr);
            if (status < 0 && status != AVERROR_EOF)
                fail(Failure::Encode, status);
            else
                writePackets();
        }
        const int status = av_write_trailer(m_format);
        if (status < 0 && !m_failed)
            fail(Failure::FinishFile, status);
    }
    release();
    return !m_failed;
}

void VideoEncoder::release()
{
    sws_freeContext(m_scaler);
    m_scaler = nullptr;
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    avcodec_free_context(&m_codec);
    if (m_format != nullptr) {
        if (!(m_format->oformat->flags & AVFMT_NOFILE) && m_format->pb != nullptr) {
            const int status = avio_closep(&m_format->pb);
            if (status < 0 && m_headerWritten && !m_failed)
                fail(Failure::FinishFile, status);
        }
        avformat_free_context(m_format);
        m_format = nullptr;
    }
    m_stream = nullptr;
    m_headerWritten = false;
}
