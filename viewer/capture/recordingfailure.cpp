#include "capture/recordingfailure.h"

extern "C" {
#include <libavutil/error.h>
}

namespace {

const char *kindText(RecordingFailure::Kind kind)
{
    switch (kind) {
    case RecordingFailure::None:
        return "";
    case RecordingFailure::FrameRate:
        return "frame rate out of range";
    case RecordingFailure::FrameSize:
        return "picture too small";
    case RecordingFailure::NoContainer:
        return "no container for this file name";
    case RecordingFailure::NoEncoder:
        return "no video encoder for this container";
    case RecordingFailure::EncoderSetup:
        return "cannot set up the video encoder";
    case RecordingFailure::OutOfMemory:
        return "out of memory";
    case RecordingFailure::CreateFile:
        return "cannot create the file";
    case RecordingFailure::WriteFile:
        return "cannot write the file";
    case RecordingFailure::FinishFile:
        return "cannot finish the file";
    case RecordingFailure::Convert:
        return "cannot convert the picture";
    case RecordingFailure::Encode:
        return "cannot encode the picture";
    case RecordingFailure::ReadFile:
        return "cannot read the file";
    case RecordingFailure::NoVideo:
        return "no video stream";
    case RecordingFailure::NoCompleteFrame:
        return "no complete frame";
    case RecordingFailure::WouldLoseFrames:
        return "the copy would lose frames";
    case RecordingFailure::ReplaceFile:
        return "cannot replace the file";
    }
    return "failed";
}

} // namespace

std::string describe(const RecordingFailure &failure)
{
    std::string text = kindText(failure.kind);
    if (failure.kind == RecordingFailure::FrameRate || failure.kind == RecordingFailure::FrameSize)
        text += ": " + std::to_string(failure.number) +
                (failure.kind == RecordingFailure::FrameSize ? "x" : " of at most ") +
                std::to_string(failure.second);
    if (failure.status < 0) {
        char words[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(failure.status, words, sizeof words);
        text += std::string(": ") + words;
    }
    return text;
}
