// Second process for the exclusive-open tests.
//   sdk_open_probe try SERIAL   exit code = -status of CameraInitEx3 (closes again)
//   sdk_open_probe hold SERIAL  opens, prints "opened" or "failed <status>",
//                               then keeps the camera until stdin closes
//   sdk_open_probe name SERIAL NAME  sets the nickname; exit code = -status
//   sdk_open_probe grab SERIAL  opens and plays, prints "opened", grabs until a
//                               fetch fails (at most 5 s), prints its status
//   sdk_open_probe replug SERIAL  plugs the simulated camera back in, then
//                               as hold
#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <chrono>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 100;
    if (strcmp(argv[1], "replug") == 0 && VexoSimReplug(argv[2]) != CAMERA_STATUS_SUCCESS)
        return 101;
    CameraHandle handle = nullptr;
    const CameraSdkStatus status = CameraInitEx3(&handle, argv[2]);
    if (strcmp(argv[1], "name") == 0 && argc == 4) {
        if (status != CAMERA_STATUS_SUCCESS)
            return -status;
        const CameraSdkStatus named = CameraSetFriendlyName(handle, argv[3]);
        CameraUnInit(handle);
        return -named;
    }
    if (strcmp(argv[1], "try") == 0) {
        if (status == CAMERA_STATUS_SUCCESS)
            CameraUnInit(handle);
        return -status;
    }
    if (status != CAMERA_STATUS_SUCCESS) {
        printf("failed %d\n", status);
        fflush(stdout);
        return 1;
    }
    printf("opened\n");
    fflush(stdout);
    if (strcmp(argv[1], "grab") == 0) {
        CameraSdkStatus grabbed = CameraPlay(handle);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (grabbed == CAMERA_STATUS_SUCCESS && std::chrono::steady_clock::now() < end) {
            CameraFrameHandle frame = nullptr;
            grabbed = CameraGetRawImageBuffer(handle, &frame, 1000);
            if (grabbed == CAMERA_STATUS_SUCCESS)
                CameraReleaseFrameHandle(handle, frame);
        }
        printf("%d\n", grabbed);
        fflush(stdout);
        CameraUnInit(handle);
        return 0;
    }
    char buffer[64];
    while (fgets(buffer, sizeof buffer, stdin) != nullptr) {
    }
    CameraUnInit(handle);
    return 0;
}
