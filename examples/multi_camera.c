/*
 * multi_camera - several cameras at once, one thread each.
 *
 * Opens every free camera (at most MAX_CAMERAS) and grabs the same number of
 * frames from each in a thread of its own, converting every frame to RGB.
 * A handle may be used from any thread; here each camera belongs to one.
 *
 *   cc multi_camera.c $(pkg-config --cflags --libs vexocamerasdk) -pthread -o multi_camera
 *   ./multi_camera [frames per camera]
 */
#include <VexoCameraSDK.h>

#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>

#define MAX_CAMERAS 16
#define FRAME_TIMEOUT_MS 2000

struct grabber
{
    char serial[32];
    CameraHandle camera;
    int wanted;
    int grabbed;
    CameraSdkStatus status; /* the first failure, or success */
    stFrameStatistic statistic;
    stImageInfo last;
};

static void *grab(void *arg)
{
    struct grabber *g = arg;
    BYTE *image = NULL;
    size_t capacity = 0;

    g->status = CameraSetIspOutFormat(g->camera, CAMERA_MEDIA_TYPE_RGB8);
    if (g->status == CAMERA_STATUS_SUCCESS)
        g->status = CameraPlay(g->camera);
    while (g->status == CAMERA_STATUS_SUCCESS && g->grabbed < g->wanted) {
        CameraFrameHandle frame = 0;
        BYTE *raw = NULL;
        g->status = CameraGetRawImageBuffer(g->camera, &frame, FRAME_TIMEOUT_MS);
        if (g->status != CAMERA_STATUS_SUCCESS)
            break;
        g->status = CameraGetImageInfo(g->camera, frame, &g->last, &raw);
        /* Any output format fits in width * height * 4 bytes. */
        const size_t needed = (size_t)g->last.uiWidth * g->last.uiHeight * 4;
        if (g->status == CAMERA_STATUS_SUCCESS && needed > capacity) {
            free(image);
            image = malloc(needed);
            capacity = image ? needed : 0;
            if (!image)
                g->status = CAMERA_STATUS_FAILED;
        }
        if (g->status == CAMERA_STATUS_SUCCESS)
            g->status = CameraGetOutImageBuffer(g->camera, &g->last, raw, image);
        CameraReleaseFrameHandle(g->camera, frame);
        if (g->status == CAMERA_STATUS_SUCCESS)
            ++g->grabbed;
        /* A real program would hand the image on here. */
    }
    CameraGetFrameStatistic(g->camera, &g->statistic);
    CameraPause(g->camera);
    free(image);
    return NULL;
}

int main(int argc, char *argv[])
{
    const int wanted = argc > 1 ? atoi(argv[1]) : 30;
    struct grabber grabbers[MAX_CAMERAS];
    pthread_t threads[MAX_CAMERAS];
    int opened = 0;
    int count = 0;

    if (wanted <= 0) {
        fprintf(stderr, "multi_camera: the number of frames must be positive\n");
        return 1;
    }
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        count = 0;
    for (int i = 0; i < count && opened < MAX_CAMERAS; ++i) {
        stDeviceInfo info;
        struct grabber *g = &grabbers[opened];
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS || info.iOpened)
            continue;
        snprintf(g->serial, sizeof(g->serial), "%.31s", info.acSn);
        if (CameraInitEx3(&g->camera, g->serial) != CAMERA_STATUS_SUCCESS)
            continue; /* taken by another program meanwhile */
        g->wanted = wanted;
        g->grabbed = 0;
        ++opened;
    }
    if (opened == 0) {
        fprintf(stderr, "multi_camera: no free camera\n");
        return 1;
    }

    int started = 0;
    for (; started < opened; ++started) {
        if (pthread_create(&threads[started], NULL, grab, &grabbers[started]) != 0) {
            fprintf(stderr, "multi_camera: cannot start a thread\n");
            break;
        }
    }
    int status = started == opened ? 0 : 1;
    for (int i = 0; i < started; ++i)
        pthread_join(threads[i], NULL);

    for (int i = 0; i < opened; ++i) {
        const struct grabber *g = &grabbers[i];
        if (i < started)
            printf("%s: %d frames %ux%u, %u captured, %u lost, status %d\n", g->serial, g->grabbed,
                   g->last.uiWidth, g->last.uiHeight, g->statistic.iCapture, g->statistic.iLost,
                   (int)g->status);
        if (i >= started || g->status != CAMERA_STATUS_SUCCESS)
            status = 1;
        CameraUnInit(g->camera);
    }
    return status;
}
