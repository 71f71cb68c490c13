#ifndef VEXO_TESTS_TOOLTEST_H
#define VEXO_TESTS_TOOLTEST_H

// What the two tools' tests share: form objects by name, the simulated
// cameras' records and the SDK call trace.

#include "formchild.h"
#include "textfields.h"
#include "toollanguage.h"

#include "VexoCameraSim.h"

#include <QObject>
#include <QSettings>
#include <QtGlobal>

#include <cstring>
#include <vector>

namespace tooltest {

using ::child;

// The tools' Chinese texts are the ones the tests compare.
inline void useChinese()
{
    QSettings(vexo::sharedConfigPath(), QSettings::IniFormat).setValue(QStringLiteral("EDITION/Language"), 0);
}

inline void resetSimulator()
{
    VexoSimLoadCameraSet(nullptr);
    VexoSimClearFailures();
    VexoSimTraceEnable(0);
    VexoSimTraceClear();
}

inline std::vector<stDeviceInfo> cameras()
{
    std::vector<stDeviceInfo> found;
    int count = 0;
    if (CameraEnumerateDevice(&count) != 0)
        return found;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) == 0)
            found.push_back(info);
    }
    return found;
}

inline stDeviceInfo camera(const char *serial)
{
    for (const stDeviceInfo &info : cameras()) {
        if (std::strcmp(info.acSn, serial) == 0)
            return info;
    }
    return stDeviceInfo{};
}

// Neither held by a tool nor lost: the camera opens and closes.
inline bool cameraIsFree(const char *serial)
{
    CameraHandle handle = nullptr;
    if (CameraInitEx3(&handle, serial) != 0)
        return false;
    CameraUnInit(handle);
    return true;
}

inline int traceCount(const char *function)
{
    int n = 0;
    char line[512];
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        if (VexoSimTraceLine(i, line, sizeof line) == 0 &&
            std::strncmp(line, function, std::strlen(function)) == 0)
            ++n;
    }
    return n;
}

} // namespace tooltest

#endif // VEXO_TESTS_TOOLTEST_H
