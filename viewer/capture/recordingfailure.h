#ifndef RECORDINGFAILURE_H
#define RECORDINGFAILURE_H

#include <cstdint>
#include <string>

// Why a recording could not start, stopped taking frames, could not be
// completed or repaired: what failed, the system's or FFmpeg's status
// behind it and the figures involved. The recorder states it; the interface
// puts it in words of its language (RecordingFailureText).
struct RecordingFailure
{
    enum Kind {
        None,
        FrameRate,    // number: the frame rate asked for, second: the highest
        FrameSize,    // number x second: the picture size
        NoContainer,  // the file name's extension names no video container
        NoEncoder,    // no encoder for the container's codec
        EncoderSetup, // the encoder or the file's stream cannot be set up
        OutOfMemory,
        CreateFile,
        WriteFile,
        FinishFile, // the file's end (index, trailer) cannot be written
        Convert,    // the picture cannot be converted for the encoder
        Encode,
        // Repairing an interrupted recording.
        ReadFile,
        NoVideo,
        NoCompleteFrame,
        WouldLoseFrames,
        ReplaceFile, // the repaired copy cannot take the file's place
    };
    static constexpr int KindCount = ReplaceFile + 1;

    Kind kind = None;
    // A negative errno or FFmpeg status; 0: none.
    int status = 0;
    int64_t number = 0;
    int64_t second = 0;

    explicit operator bool() const { return kind != None; }
};

// Plain English for logs, the benchmarks and test messages; the interface
// uses RecordingFailureText.
std::string describe(const RecordingFailure &failure);

#endif // RECORDINGFAILURE_H
