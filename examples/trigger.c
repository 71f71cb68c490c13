/*
 * trigger - frames on demand: software trigger, then hardware trigger.
 *
 * Opens a camera (the first free one with an input line, or the one named on
 * the command line) and takes three frames by software trigger, then three
 * frames on rising edges of input line 0.
 *
 *   cc trigger.c $(pkg-config --cflags --libs vexocamerasdk) -o trigger
 *   ./trigger [serial]
 *
 * On a simulated camera the edges come from VexoSimFireTrigger(); on a real
 * camera wire a signal to input line 0: the program waits for it.
 */
#include <VexoCameraSDK.h>
#include <VexoCameraSim.h>

#include <stdio.h>
#include <string.h>

#define SHOTS 3
#define INPUT_LINE 0
#define EDGE_TIMEOUT_MS 10000

static int failed(const char *what, CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return 0;
    fprintf(stderr, "trigger: %s failed with status %d\n", what, (int)status);
    return 1;
}

/* Waits for the frame a trigger asked for and gives it back at once. */
static int take_frame(CameraHandle camera, unsigned int timeout_ms, const char *how)
{
    CameraFrameHandle frame = 0;
    BYTE *raw = NULL;
    stImageInfo info;
    if (failed("CameraGetRawImageBuffer", CameraGetRawImageBuffer(camera, &frame, timeout_ms)))
        return 1;
    const CameraSdkStatus status = CameraGetImageInfo(camera, frame, &info, &raw);
    CameraReleaseFrameHandle(camera, frame);
    if (failed("CameraGetImageInfo", status))
        return 1;
    printf("%s frame %u: %ux%u\n", how, info.uiFrameId, info.uiWidth, info.uiHeight);
    return 0;
}

/* Opens the camera named, or the first free camera with an input line. */
static CameraHandle open_camera(const char *wanted, char serial[32])
{
    int count = 0;
    if (failed("CameraEnumerateDevice", CameraEnumerateDevice(&count)))
        return 0;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info;
        CameraHandle camera = 0;
        stCameraCapability capability;
        if (CameraGetEnumIndexInfo(i, &info) != CAMERA_STATUS_SUCCESS || info.iOpened)
            continue;
        if (wanted && strncmp(info.acSn, wanted, sizeof(info.acSn)) != 0)
            continue;
        snprintf(serial, 32, "%.31s", info.acSn);
        if (CameraInitEx3(&camera, serial) != CAMERA_STATUS_SUCCESS)
            continue;
        if (CameraGetCapability(camera, &capability) == CAMERA_STATUS_SUCCESS &&
            capability.iInputIoCounts > 0)
            return camera;
        CameraUnInit(camera);
    }
    fprintf(stderr, "trigger: no free camera with an input line%s\n", wanted ? " by that serial number" : "");
    return 0;
}

int main(int argc, char *argv[])
{
    char serial[32] = "";
    CameraHandle camera = open_camera(argc > 1 ? argv[1] : NULL, serial);
    if (!camera)
        return 1;
    printf("camera %s\n", serial);

    int status = 1;
    /* Software trigger: each CameraSoftTrigger() gives one frame (the trigger
     * frame count). Without a trigger no frame comes. */
    if (failed("CameraSetTriggerMode", CameraSetTriggerMode(camera, CAMERA_TRIGGER_SOFTWARE)) ||
        failed("CameraSetTriggerFrameCount", CameraSetTriggerFrameCount(camera, 1)) ||
        failed("CameraPlay", CameraPlay(camera)))
        goto done;
    CameraFrameHandle none = 0;
    if (CameraGetRawImageBuffer(camera, &none, 300) != CAMERA_STATUS_TIMEOUT) {
        fprintf(stderr, "trigger: a frame came without a trigger\n");
        CameraReleaseFrameHandle(camera, none);
        goto done;
    }
    for (int shot = 0; shot < SHOTS; ++shot) {
        if (failed("CameraSoftTrigger", CameraSoftTrigger(camera)) || take_frame(camera, 2000, "software"))
            goto done;
    }

    /* Hardware trigger: input line 0 as trigger input, one frame per rising
     * edge. */
    if (failed("CameraSetInputIOMode", CameraSetInputIOMode(camera, INPUT_LINE, 0)) ||
        failed("CameraSetTriggerSignalType", CameraSetTriggerSignalType(camera, INPUT_LINE, 0)) ||
        failed("CameraSetTriggerMode", CameraSetTriggerMode(camera, CAMERA_TRIGGER_HARDWARE)))
        goto done;
    for (int shot = 0; shot < SHOTS; ++shot) {
        /* Only a simulated camera accepts an edge from software. */
        if (VexoSimFireTrigger(serial, INPUT_LINE) != CAMERA_STATUS_SUCCESS)
            printf("waiting for an edge on input line %d\n", INPUT_LINE);
        if (take_frame(camera, EDGE_TIMEOUT_MS, "hardware"))
            goto done;
    }
    status = 0;

done:
    /* Back to free running for the next program that opens the camera. */
    CameraSetTriggerMode(camera, CAMERA_TRIGGER_CONTINUOUS);
    CameraUnInit(camera);
    return status;
}
