// Second process for the exclusive-open tests.
//   sdk_open_probe try SERIAL   exit code = -status of CameraInitEx3 (closes again)
//   sdk_open_probe hold SERIAL  opens, prints "opened" or "failed <status>",
//                               then keeps the camera until stdin closes
//   sdk_open_probe name SERIAL NAME  sets the nickname; exit code = -status
#include "VexoCameraSDK.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 100;
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
    char buffer[64];
    while (fgets(buffer, sizeof buffer, stdin) != nullptr) {
    }
    CameraUnInit(handle);
    return 0;
}
