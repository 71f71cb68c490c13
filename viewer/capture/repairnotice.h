#ifndef REPAIRNOTICE_H
#define REPAIRNOTICE_H

#include "capture/recordingrepair.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

class QThread;
class QWidget;

// At the start of the viewer: repairs the recordings an earlier run left
// unfinished, on a thread of its own so the window comes up at once, and then
// tells the operator which files were repaired and which could not be.
class RepairNotice final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RepairNotice)

public:
    // window: parent of the notice.
    explicit RepairNotice(QWidget *window);
    ~RepairNotice() override;

    // folders: where markers may lie beyond those listed (the recording folder).
    void start(const QStringList &folders);

    // The notice's text; empty when there is nothing to tell.
    static QString noticeText(const QVector<RecordingRepair::Result> &results);

signals:
    void finished(const QString &notice);

private:
    void report(const QVector<RecordingRepair::Result> &results);

    QPointer<QWidget> m_window;
    QThread *m_thread = nullptr;
};

#endif // REPAIRNOTICE_H
