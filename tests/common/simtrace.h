#ifndef VEXO_TESTS_SIMTRACE_H
#define VEXO_TESTS_SIMTRACE_H

#include "VexoCameraSim.h"

#include <QString>
#include <QStringList>

// The simulated library's call trace, one "Function(args)=status" a line.
inline QStringList traceLines()
{
    QStringList lines;
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        char line[512] = {};
        if (VexoSimTraceLine(i, line, sizeof line) == CAMERA_STATUS_SUCCESS)
            lines << QString::fromUtf8(line);
    }
    return lines;
}

#endif // VEXO_TESTS_SIMTRACE_H
