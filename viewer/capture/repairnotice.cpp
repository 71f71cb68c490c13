#include "capture/repairnotice.h"

#include "capture/recordingfailuretext.h"

#include "messagebox.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <QWidget>

RepairNotice::RepairNotice(QWidget *window) : QObject(window), m_window(window) {}

RepairNotice::~RepairNotice()
{
    // A repair under way is finished, not cut off: it would leave a copy
    // half made (which the next start cleans up by repairing again).
    if (m_thread != nullptr) {
        m_thread->wait();
        delete m_thread;
    }
}

void RepairNotice::start(const QStringList &folders)
{
    if (m_thread != nullptr)
        return;
    m_thread = QThread::create([this, folders] {
        const QVector<RecordingRepair::Result> results = RecordingRepair::repairInterrupted(folders);
        QMetaObject::invokeMethod(
            this, [this, results] { report(results); }, Qt::QueuedConnection);
    });
    m_thread->setObjectName(QStringLiteral("recording repair"));
    m_thread->start(QThread::LowPriority);
}

QString RepairNotice::noticeText(const QVector<RecordingRepair::Result> &results)
{
    QStringList repaired;
    QStringList failed;
    for (const RecordingRepair::Result &result : results) {
        if (result.outcome == RecordingRepair::Outcome::Repaired)
            repaired << result.file;
        else if (result.outcome == RecordingRepair::Outcome::Unrepairable)
            failed << RecordingFailureText::withFile(result.file, result.failure);
    }
    QStringList parts;
    if (!repaired.isEmpty())
        parts << tr("上次未正常结束的录像已修复：\n%1").arg(repaired.join(QLatin1Char('\n')));
    if (!failed.isEmpty())
        parts << tr("以下录像无法修复，文件保持原样：\n%1").arg(failed.join(QLatin1Char('\n')));
    return parts.join(QStringLiteral("\n\n"));
}

void RepairNotice::report(const QVector<RecordingRepair::Result> &results)
{
    const QString text = noticeText(results);
    if (!text.isEmpty() && m_window) {
        // Not modal: the cameras can be opened while the notice is read.
        vexo::openMessage(m_window, QMessageBox::Information, tr("提示"), text, tr("确定"),
                          QStringLiteral("recordingRepairNotice"));
    }
    emit finished(text);
}
