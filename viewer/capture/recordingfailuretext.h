#ifndef RECORDINGFAILURETEXT_H
#define RECORDINGFAILURETEXT_H

#include "capture/recordingfailure.h"

#include <QCoreApplication>
#include <QString>

// A recording's failure in the interface's language: what failed, then the
// cause in words ("无法写入文件：磁盘已满").
class RecordingFailureText final
{
    Q_DECLARE_TR_FUNCTIONS(RecordingFailureText)

public:
    static QString text(const RecordingFailure &failure);
    // The cause alone, from a negative errno or FFmpeg status; empty for 0.
    static QString causeWords(int status, RecordingFailure::Kind kind);
    // "<file>（<text>）"
    static QString withFile(const QString &fileName, const RecordingFailure &failure);
};

#endif // RECORDINGFAILURETEXT_H
