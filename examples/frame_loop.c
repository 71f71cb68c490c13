/*
 * frame_loop - a frame wait loop that counts what it missed.
 *
 * Streams a camera (the first free one, or the one named) for a number of
 * seconds, waiting for each frame, and counts the frames that did not reach
 * the program: the library's statistic counts frames overwritten before they
 * were fetched, and a jump in the frame numbers shows the same loss from the
 * program's side. A processing time per frame (milliseconds) makes the loop
 * slower than the camera, to see losses happen.
 *
 *   cc frame_loop.c $(pkg-config --cflags --libs vexocamerasdk) -o frame_loop
 *   ./frame_loop [serial|""] [seconds] [processing ms per frame]
 */
#define _POSIX_C_SOURCE 200809L
#include <VexoCameraSDK.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double now_seconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

static void sleep_ms(int ms)
{
    const struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

/* Opens the camera named, or the first free one. */
static CameraHandle open_camera(const char *wanted)
{
    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return 0;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info;
        CameraHandle camera = 0;
        char serial[32];
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS || info.iOpened)
            continue;
        if (wanted && strncmp(info.acSn, wanted, sizeof(info.acSn)) != 0)
            continue;
        snprintf(serial, sizeof(serial), "%.31s", info.acSn);
        if (CameraInitEx3(&camera, serial) == CAMERA_STATUS_SUCCESS) {
            printf("camera %s\n", serial);
            return camera;
        }
    }
    return 0;
}

int main(int argc, char *argv[])
{
    const char *wanted = argc > 1 && argv[1][0] ? argv[1] : NULL;
    const double seconds = argc > 2 ? atof(argv[2]) : 3.0;
    const int processing_ms = argc > 3 ? atoi(argv[3]) : 0;
    if (seconds <= 0 || processing_ms < 0) {
        fprintf(stderr, "frame_loop: seconds must be positive and processing time not negative\n");
        return 1;
    }
    CameraHandle camera = open_camera(wanted);
    if (!camera) {
        fprintf(stderr, "frame_loop: no free camera%s\n", wanted ? " by that serial number" : "");
        return 1;
    }

    unsigned received = 0, skipped = 0, timeouts = 0;
    unsigned last_id = 0;
    CameraSdkStatus status = CameraPlay(camera);
    const double start = now_seconds();
    while (status == CAMERA_STATUS_SUCCESS && now_seconds() - start < seconds) {
        CameraFrameHandle frame = 0;
        BYTE *raw = NULL;
        stImageInfo info;
        status = CameraGetRawImageBuffer(camera, &frame, 1000);
        if (status == CAMERA_STATUS_TIMEOUT) {
            /* No frame within the time-out: a trigger mode, or a camera that
             * stalls. Keep waiting. */
            ++timeouts;
            status = CAMERA_STATUS_SUCCESS;
            continue;
        }
        if (status != CAMERA_STATUS_SUCCESS)
            break;
        status = CameraGetImageInfo(camera, frame, &info, &raw);
        if (status == CAMERA_STATUS_SUCCESS) {
            /* Frame numbers run on; a jump means frames this loop never saw. */
            if (received > 0 && info.uiFrameId > last_id + 1)
                skipped += info.uiFrameId - last_id - 1;
            last_id = info.uiFrameId;
            ++received;
            /* Process the raw pixels here, while the frame is lent to us. */
            if (processing_ms > 0)
                sleep_ms(processing_ms);
        }
        CameraReleaseFrameHandle(camera, frame);
    }
    const double elapsed = now_seconds() - start;

    stFrameStatistic statistic = {0, 0, 0};
    CameraGetFrameStatistic(camera, &statistic);
    CameraPause(camera);
    CameraUnInit(camera);
    if (status != CAMERA_STATUS_SUCCESS) {
        fprintf(stderr, "frame_loop: failed with status %d\n", (int)status);
        return 1;
    }
    printf("received %u frames in %.1f s (%.1f fps), %u skipped by frame number, %u time-outs\n", received,
           elapsed, received / elapsed, skipped, timeouts);
    printf("camera: %u produced, %u captured, %u lost\n", statistic.iTotal, statistic.iCapture,
           statistic.iLost);
    return 0;
}
