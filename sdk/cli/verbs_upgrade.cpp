// upgrade: a firmware file into a camera, with its progress.
#include "cli.h"
#include "verbs.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace vexocli {

namespace {

struct Progress
{
    bool terminal = false;
    int shown = -1;
};

// A bar that redraws itself on a terminal; a line per tenth into a log.
void showProgress(int percent, void *context)
{
    auto *progress = static_cast<Progress *>(context);
    percent = percent < 0 ? 0 : percent > 100 ? 100 : percent;
    if (progress->terminal) {
        if (percent == progress->shown)
            return;
        constexpr int width = 40;
        const int filled = percent * width / 100;
        std::fprintf(stderr, "\r[%.*s%*s] %3d%%", filled, "########################################",
                     width - filled, "", percent);
    } else {
        if (percent / 10 == progress->shown / 10 && progress->shown >= 0)
            return;
        std::fprintf(stderr, "%d%%\n", percent);
    }
    std::fflush(stderr);
    progress->shown = percent;
}

void refuseInterrupt(int)
{
    static const char message[] = "\nvexocam-cli: a firmware upgrade cannot be interrupted; please wait\n";
    const ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
}

} // namespace

int runUpgrade(const Arguments &args)
{
    const std::string &file = args.operands()[1];
    Camera camera;
    if (const int code = camera.open(args.operands()[0]); code != ExitOk)
        return code;
    char before[CAMERA_VERSION_BUFFER] = {};
    CameraGetFirmwareVision(camera.handle(), before);

    Progress progress;
    progress.terminal = isatty(STDERR_FILENO) != 0;
    // A camera left with half its firmware may not start again.
    const auto previous = std::signal(SIGINT, refuseInterrupt);
    const CameraSdkStatus status = CameraUpgrade(camera.handle(), file.c_str(), showProgress, &progress);
    std::signal(SIGINT, previous);
    if (progress.terminal && progress.shown >= 0)
        std::fputc('\n', stderr);
    if (const int code = report("cannot upgrade " + camera.serial() + " with " + file, status);
        code != ExitOk)
        return code;
    char after[CAMERA_VERSION_BUFFER] = {};
    CameraGetFirmwareVision(camera.handle(), after);
    std::printf("%s: firmware %s -> %s\n", camera.serial().c_str(), field(before).c_str(),
                field(after).c_str());
    return ExitOk;
}

} // namespace vexocli
