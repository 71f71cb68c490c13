/*
 * reconnect - a camera that is lost and comes back.
 *
 * Streams a camera for a number of seconds and reports when it is lost (a
 * pulled cable, a power cut) and when it is back. The program keeps its
 * handle and simply keeps asking for frames: the library opens the camera
 * again by itself when it returns, with the settings it had, and streams on.
 *
 *   cc reconnect.c $(pkg-config --cflags --libs vexocamerasdk) -pthread -o reconnect
 *   ./reconnect [serial|""] [seconds] [--simulate-unplug]
 *
 * Pull the camera's cable while it runs, or, on a simulated camera, let the
 * program do it: --simulate-unplug unplugs the camera after one second and
 * plugs it back a second later (VexoCameraSim.h).
 */
#define _POSIX_C_SOURCE 200809L
#include <VexoCameraSDK.h>
#include <VexoCameraSim.h>

#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static void sleep_ms(int ms)
{
    const struct timespec t = {ms / 1000, (long)(ms % 1000) * 1000000L};
    nanosleep(&t, NULL);
}

static double now_seconds(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* Plays the pulled cable on a simulated camera. */
static void *unplug_and_replug(void *serial)
{
    sleep_ms(1000);
    if (VexoSimUnplug(serial) == CAMERA_STATUS_SUCCESS)
        printf("(unplugged %s)\n", (const char *)serial);
    fflush(stdout);
    sleep_ms(1000);
    if (VexoSimReplug(serial) == CAMERA_STATUS_SUCCESS)
        printf("(plugged %s back)\n", (const char *)serial);
    fflush(stdout);
    return NULL;
}

int main(int argc, char *argv[])
{
    const char *wanted = argc > 1 && argv[1][0] ? argv[1] : NULL;
    const double seconds = argc > 2 ? atof(argv[2]) : 10.0;
    const int simulate = argc > 3 && strcmp(argv[3], "--simulate-unplug") == 0;
    char serial[32] = "";
    CameraHandle camera = 0;
    int count = 0;

    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        count = 0;
    for (int i = 0; i < count && !camera; ++i) {
        stDeviceInfo info;
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS || info.iOpened)
            continue;
        if (wanted && strncmp(info.acSn, wanted, sizeof(info.acSn)) != 0)
            continue;
        snprintf(serial, sizeof(serial), "%.31s", info.acSn);
        if (CameraInitEx3(&camera, serial) != CAMERA_STATUS_SUCCESS)
            camera = 0;
    }
    if (!camera || seconds <= 0) {
        fprintf(stderr, "reconnect: %s\n", camera ? "seconds must be positive" : "no free camera");
        CameraUnInit(camera);
        return 1;
    }
    printf("camera %s\n", serial);

    pthread_t cable;
    const int cable_started = simulate && pthread_create(&cable, NULL, unplug_and_replug, serial) == 0;
    if (simulate && !cable_started)
        fprintf(stderr, "reconnect: cannot start the unplug thread\n");

    unsigned frames = 0, after_return = 0, losses = 0;
    int lost = 0;
    int status = CameraPlay(camera) == CAMERA_STATUS_SUCCESS ? 0 : 1;
    const double start = now_seconds();
    while (status == 0 && now_seconds() - start < seconds) {
        CameraFrameHandle frame = 0;
        const CameraSdkStatus result = CameraGetRawImageBuffer(camera, &frame, 500);
        if (result == CAMERA_STATUS_SUCCESS) {
            CameraReleaseFrameHandle(camera, frame);
            ++frames;
            if (lost) {
                printf("camera back after %.1f s\n", now_seconds() - start);
                lost = 0;
            }
            if (losses > 0)
                ++after_return;
        } else if (result == CAMERA_STATUS_DEVICE_LOST) {
            if (!lost) {
                printf("camera lost after %.1f s, waiting for it\n", now_seconds() - start);
                lost = 1;
                ++losses;
            }
            /* Calls on a lost camera return at once: do not spin. */
            sleep_ms(100);
        } else if (result != CAMERA_STATUS_TIMEOUT) {
            fprintf(stderr, "reconnect: failed with status %d\n", (int)result);
            status = 1;
        }
        fflush(stdout);
    }
    if (cable_started)
        pthread_join(cable, NULL);

    stFrameStatistic statistic = {0, 0, 0};
    CameraGetFrameStatistic(camera, &statistic);
    printf("%u frames, %u after the camera came back, lost %u time(s)%s; camera: %u produced, %u lost\n",
           frames, after_return, losses, lost ? ", still lost" : "", statistic.iTotal, statistic.iLost);
    CameraUnInit(camera);
    return status;
}
