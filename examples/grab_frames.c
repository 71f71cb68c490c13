/*
 * grab_frames - a first program with libVexoCameraSDK.
 *
 * Lists the cameras, opens one (the first that no other program holds, or the
 * one named on the command line), grabs ten frames through the library's image
 * pipeline and saves the last one as a PNG file, creating its folder if needed.
 *
 *   cc grab_frames.c $(pkg-config --cflags --libs vexocamerasdk) -o grab_frames
 *   ./grab_frames [serial] [output path without extension]
 *
 * Without camera hardware the library offers its simulated cameras.
 */
#define _POSIX_C_SOURCE 200809L
#include <VexoCameraSDK.h>

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#define FRAMES 10
#define FRAME_TIMEOUT_MS 2000

static int failed(const char *what, CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return 0;
    fprintf(stderr, "grab_frames: %s failed with status %d\n", what, (int)status);
    return 1;
}

/* Texts in the records end inside their field; never read past it anyway. */
static int field_length(const char *text, size_t size)
{
    const char *end = memchr(text, '\0', size);
    return end ? (int)(end - text) : (int)size;
}
#define FIELD(text) field_length((text), sizeof(text)), (text)

/* Creates the folders of path (everything before its last '/'), like mkdir -p. */
static int make_parent_folders(const char *path)
{
    char folder[4096];
    const char *slash = strrchr(path, '/');
    if (!slash || slash == path)
        return 0;
    if ((size_t)(slash - path) >= sizeof(folder))
        return -1;
    memcpy(folder, path, (size_t)(slash - path));
    folder[slash - path] = '\0';
    for (char *p = folder + 1;; ++p) {
        const char c = *p;
        if (c != '/' && c != '\0')
            continue;
        *p = '\0';
        if (mkdir(folder, 0777) != 0 && errno != EEXIST)
            return -1;
        *p = c;
        if (c == '\0')
            return 0;
    }
}

int main(int argc, char *argv[])
{
    const char *wanted = argc > 1 ? argv[1] : NULL;
    const char *output = argc > 2 ? argv[2] : "frame";
    char serial[sizeof(((stDeviceInfo *)0)->acSn) + 1] = "";
    int count = 0;

    /* The version compiled against (header) and the one running (library). */
    char version[CAMERA_SDK_VERSION_BUFFER] = "";
    if (failed("CameraSdkGetVersionString", CameraSdkGetVersionString(version)))
        return 1;
    printf("libVexoCameraSDK %s, built with %s\n", version, VEXO_SDK_VERSION_STRING);
    if (make_parent_folders(output) != 0) {
        fprintf(stderr, "grab_frames: cannot create the folder of %s: %s\n", output, strerror(errno));
        return 1;
    }

    if (failed("CameraEnumerateDevice", CameraEnumerateDevice(&count)))
        return 1;
    printf("%d camera(s)\n", count);
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info;
        if (failed("CameraGetEnumIndexInfo", CameraGetEnumIndexInfo(i, &info)))
            return 1;
        printf("  %d: %.*s  %.*s  %.*s%s\n", i, FIELD(info.acSn), FIELD(info.acProductName),
               FIELD(info.acPortType), info.iOpened ? "  (open elsewhere)" : "");
        const int match = wanted ? strncmp(info.acSn, wanted, sizeof(info.acSn)) == 0 : !info.iOpened;
        if (match && serial[0] == '\0')
            snprintf(serial, sizeof(serial), "%.*s", FIELD(info.acSn));
    }
    if (serial[0] == '\0') {
        fprintf(stderr, "grab_frames: %s\n", wanted ? "no camera with this serial number" : "no free camera");
        return 1;
    }

    CameraHandle camera = 0;
    const CameraSdkStatus opened = CameraInitEx3(&camera, serial);
    if (opened == CAMERA_STATUS_ALREADY_OPENED) {
        fprintf(stderr, "grab_frames: %s is open in another program\n", serial);
        return 1;
    }
    if (failed("CameraInitEx3", opened))
        return 1;

    int status = 1;
    BYTE *image = NULL;
    size_t capacity = 0;
    stImageInfo info;
    int grabbed = 0;
    if (failed("CameraSetIspOutFormat", CameraSetIspOutFormat(camera, CAMERA_MEDIA_TYPE_RGB8)) ||
        failed("CameraPlay", CameraPlay(camera)))
        goto done;

    while (grabbed < FRAMES) {
        CameraFrameHandle frame = 0;
        BYTE *raw = NULL;
        if (failed("CameraGetRawImageBuffer", CameraGetRawImageBuffer(camera, &frame, FRAME_TIMEOUT_MS)))
            goto done;
        CameraSdkStatus result = CameraGetImageInfo(camera, frame, &info, &raw);
        /* Any output format fits in width * height * 4 bytes. */
        const size_t needed = (size_t)info.uiWidth * info.uiHeight * 4;
        if (result == CAMERA_STATUS_SUCCESS && needed > capacity) {
            free(image);
            image = malloc(needed);
            capacity = image ? needed : 0;
            if (!image)
                result = CAMERA_STATUS_FAILED;
        }
        if (result == CAMERA_STATUS_SUCCESS)
            result = CameraGetOutImageBuffer(camera, &info, raw, image);
        CameraReleaseFrameHandle(camera, frame);
        if (failed("grabbing a frame", result))
            goto done;
        ++grabbed;
        printf("frame %u: %ux%u\n", info.uiFrameId, info.uiWidth, info.uiHeight);
    }

    /* The library appends the extension. */
    if (failed("CameraSaveImage", CameraSaveImage(camera, output, image, &info, FILE_PNG, 100)))
        goto done;
    printf("saved %s.png from %s\n", output, serial);
    status = 0;

done:
    free(image);
    CameraUnInit(camera);
    return status;
}
