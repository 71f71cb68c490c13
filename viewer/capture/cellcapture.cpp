#include "capture/cellcapture.h"

#include "capture/capturenaming.h"
#include "capture/recordingfailuretext.h"
#include "config/configparameter.h"
#include "messagebox.h"
#include "sdkstatus.h"
#include "stream/cvideothread.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

using namespace CaptureNaming;

namespace {

const QString CaptureGroup = QStringLiteral("CAPTURE");
const QString RecordGroup = QStringLiteral("RECORDINFO");
const QString NameRuleIndex = QStringLiteral("NameRuleIndex");

} // namespace

CellCapture::CellCapture(QWidget *cell) : QObject(cell), m_cell(cell) {}

CellCapture::~CellCapture()
{
    // The cell ends series and recordings before it closes its camera; this
    // only finishes what is left when the cell itself goes away.
    m_series.reset();
    disconnectRecorder();
    m_recorder.reset();
}

SnapshotWriter *CellCapture::writer()
{
    if (!m_writer) {
        m_writer = std::make_unique<SnapshotWriter>();
        connect(m_writer.get(), &SnapshotWriter::written, this, &CellCapture::onWritten,
                Qt::QueuedConnection);
    }
    return m_writer.get();
}

void CellCapture::attach(CameraHandle handle, CVideoThread *grabber)
{
    m_handle = handle;
    m_grabber = grabber;
    m_name.clear();
}

void CellCapture::detach()
{
    if (m_writer)
        m_writer->drain();
    m_handle = nullptr;
    m_grabber = nullptr;
    m_seriesShotPending = false;
    m_width = 0;
    m_height = 0;
    m_captureFps = 0.0f;
}

void CellCapture::setCameraFormat(int width, int height, float captureFps)
{
    m_width = width;
    m_height = height;
    m_captureFps = captureFps;
}

QString CellCapture::friendlyName() const
{
    char name[CAMERA_TEXT_BUFFER] = {};
    if (m_handle == nullptr)
        return QString();
    // A camera that is away keeps the name it had: a recording stopped
    // meanwhile must not leave the cell without a title.
    if (CameraGetFriendlyName(m_handle, name) == CAMERA_STATUS_SUCCESS) {
        name[CAMERA_TEXT_BUFFER - 1] = '\0';
        m_name = QString::fromLocal8Bit(name);
    }
    return m_name;
}

QString CellCapture::chooseFolder() const
{
    return QFileDialog::getExistingDirectory(m_cell, tr("选择"), QCoreApplication::applicationDirPath(),
                                             QFileDialog::ShowDirsOnly);
}

void CellCapture::showError(const QString &text) const
{
    vexo::showMessage(m_cell, QMessageBox::Critical, tr("错误"), text, tr("确定"));
}

bool CellCapture::checkTarget(const QString &folder, const QString &prefix) const
{
    if (!isUsableFolder(folder)) {
        showError(tr("保存路径不存在或不可写：%1").arg(folder));
        return false;
    }
    switch (checkPrefix(prefix)) {
    case Problem::None:
        return true;
    case Problem::NameTooLong:
        showError(tr("文件名过长：%1").arg(prefix));
        return false;
    default:
        showError(tr("文件名前缀不能包含“/”：%1").arg(prefix));
        return false;
    }
}

bool CellCapture::checkName(const QString &fileName) const
{
    if (checkFileName(fileName) == Problem::None)
        return true;
    showError(tr("文件名过长：%1").arg(fileName));
    return false;
}

// ---- snapshots --------------------------------------------------------------

void CellCapture::requestSnapshot()
{
    if (m_handle != nullptr && m_grabber)
        m_grabber->requestSnapshot();
}

void CellCapture::savePicture(const QByteArray &pixels, const stImageInfo &head)
{
    // A frame handed over while the camera was closing has no camera to be
    // saved through.
    if (m_handle == nullptr)
        return;
    const bool forSeries = m_series != nullptr || m_seriesShotPending;
    m_seriesShotPending = false;

    QString folder;
    QString prefix;
    QString third;
    int type = 0;
    if (forSeries) {
        folder = m_seriesTarget.folder;
        prefix = m_seriesTarget.prefix;
        type = m_seriesTarget.pictureType;
        third = m_seriesTarget.nameRuleFormat == 1 ? QString::number(m_seriesTarget.nextIndex++)
                                                   : timeStamp(QDateTime::currentDateTime(), false);
    } else {
        ConfigParameter *store = ConfigParameter::getInstance();
        const CaptureParameter settings = *store->getCaptureParameter();
        const bool fromDialog = settings.autoSaveState == 0;
        folder = fromDialog ? chooseFolder() : settings.savePath;
        if (fromDialog && folder.isEmpty())
            return;
        if (!checkTarget(folder, settings.nameRulePrefix))
            return;
        prefix = settings.nameRulePrefix;
        type = settings.pictureType;
        if (settings.nameRuleFormat == 1) {
            third = QString::number(settings.nameRuleIndex);
            store->setValue(CaptureGroup, NameRuleIndex, settings.nameRuleIndex + 1);
        } else {
            third = timeStamp(QDateTime::currentDateTime(), fromDialog);
        }
    }

    const PictureType picture = pictureType(type);
    SnapshotWriter::Job job;
    job.baseName = snapshotBaseName(folder, prefix, third);
    job.extension = QString::fromLatin1(picture.extension);
    if (!checkName(job.baseName + job.extension)) {
        if (forSeries)
            endSeries(true);
        return;
    }
    job.handle = m_handle;
    job.sdkType = picture.sdkCode;
    job.pixels = pixels;
    job.head = head;
    job.series = forSeries;
    writer()->submit(std::move(job));
}

void CellCapture::onWritten(const QString &fileName, int status, bool series)
{
    if (status == CAMERA_STATUS_SUCCESS) {
        m_saveFailureShown = false;
        // Pictures finished while the camera closed need no news on an idle cell.
        if (m_handle != nullptr)
            emit statusMessage(tr("SDK保存图片成功"));
        return;
    }
    const QString failure = tr("SDK保存图片失败, 错误码:%1, 文件:%2").arg(vexo::statusText(status), fileName);
    emit statusMessage(failure);
    // A series that cannot write would only fail again every tick.
    if (series && m_series) {
        endSeries(true);
        m_saveFailureShown = true;
        showError(tr("连续抓图已停止：%1").arg(failure));
        return;
    }
    // A lost picture must not pass unseen, but a run of failures (a full
    // disk, a held hotkey) raises one box until a picture is saved again.
    if (!m_saveFailureShown) {
        m_saveFailureShown = true;
        showError(failure);
    }
}

// ---- series -----------------------------------------------------------------

bool CellCapture::seriesReady() const
{
    return m_grabber && !m_grabber->isSnapshotRequested() && !m_seriesShotPending &&
           (!m_writer || m_writer->backlog() < SnapshotWriter::SeriesBacklogLimit);
}

void CellCapture::toggleSeries()
{
    if (m_handle == nullptr)
        return;
    if (m_series)
        endSeries(true);
    else
        startSeries();
}

void CellCapture::startSeries()
{
    const CaptureParameter settings = *ConfigParameter::getInstance()->getCaptureParameter();
    if (settings.captureMode != 0 && settings.captureMode != 1)
        return;
    if (!checkTarget(settings.savePath, settings.nameRulePrefix))
        return;
    const QString folder = settings.savePath + QLatin1Char('/') + folderNameFor(friendlyName());
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        showError(tr("无法创建文件夹：%1").arg(folder));
        return;
    }
    if (!isUsableFolder(folder)) {
        showError(tr("保存路径不存在或不可写：%1").arg(folder));
        return;
    }

    m_seriesTarget =
        SeriesTarget{folder, settings.nameRulePrefix, settings.nameRuleFormat, settings.pictureType, 0};
    CaptureSeries::Settings plan;
    plan.mode = settings.captureMode;
    plan.numberRadix = settings.grapNumberRadix;
    plan.numberStop = settings.grapNumberStop == 2;
    plan.numberCount = settings.grapNumberCount;
    plan.timeRadixMs = settings.grapTimeRadix;
    plan.timeStop = settings.grapTimeStop == 2;
    plan.timeCountMs = settings.grapTimeCount;
    m_series = std::make_unique<CaptureSeries>(
        plan, [this] { return m_grabber ? m_grabber->deliveredFrames() : 0; },
        [this] { return seriesReady(); });
    connect(m_series.get(), &CaptureSeries::takePicture, this, &CellCapture::takeSeriesPicture);
    connect(m_series.get(), &CaptureSeries::countTicked, this,
            [this] { emit statusMessage(tr("相机已进入连续抓图状态")); });
    // Queued: the series is deleted when it ends, not inside its own tick.
    connect(
        m_series.get(), &CaptureSeries::finished, this, [this] { endSeries(true); }, Qt::QueuedConnection);
    m_series->start();
    emit seriesRunning(true);
    updateMedia();
}

void CellCapture::takeSeriesPicture(int pictures)
{
    if (!m_grabber)
        return;
    m_seriesShotPending = true;
    m_grabber->requestSnapshot();
    emit titleChanged(tr("%1  已采集图片:%2").arg(friendlyName()).arg(pictures));
}

void CellCapture::endSeries(bool restoreTitle)
{
    if (!m_series)
        return;
    m_series.reset();
    emit seriesRunning(false);
    if (restoreTitle)
        emit titleChanged(friendlyName());
    updateMedia();
}

// ---- recording --------------------------------------------------------------

void CellCapture::toggleRecording()
{
    if (m_handle == nullptr)
        return;
    if (m_recorder)
        stopRecording(true);
    else
        startRecording();
}

void CellCapture::startRecording()
{
    ConfigParameter *store = ConfigParameter::getInstance();
    const RecordParameter settings = *store->getRecordParament();
    const bool fromDialog = settings.autoSaveState == 0;
    const QString folder = fromDialog ? chooseFolder() : settings.savePath;
    if (fromDialog && folder.isEmpty())
        return;
    if (!checkTarget(folder, settings.nameRulePrefix))
        return;
    if (m_width <= 0 || m_height <= 0 || !m_grabber) {
        showError(tr("无法开始录像：%1").arg(tr("还没有图像尺寸，请在图像显示后再试")));
        return;
    }
    const int framesPerSecond = recordFrameRate(settings.playSpeed, settings.autoFrameRate, m_captureFps);
    if (framesPerSecond < 1) {
        showError(tr("无法开始录像：%1").arg(tr("帧率无效：%1").arg(framesPerSecond)));
        return;
    }

    const QString third = settings.nameRuleFormat == 1 ? QString::number(settings.nameRuleIndex)
                                                       : timeStamp(QDateTime::currentDateTime(), true);
    const QString planned = videoFileName(folder, settings.nameRulePrefix, third, settings.videoType);
    const QString extension = videoExtension(settings.videoType);
    // An earlier recording of the same name is never replaced.
    const QString fileName = uniqueBaseName(planned.left(planned.size() - extension.size()), extension,
                                            [](const QString &file) { return QFileInfo::exists(file); }) +
                             extension;
    if (!checkName(fileName))
        return;

    auto recorder = std::make_unique<RecordVideoThread>(VideoQuality(videoBitRate(settings.videoQuality)),
                                                        framesPerSecond, m_width, m_height,
                                                        fileName.toUtf8().toStdString());
    if (!recorder->isRecording()) {
        showError(tr("无法开始录像：%1").arg(RecordingFailureText::text(recorder->failure())) +
                  QLatin1Char('\n') + fileName);
        return;
    }
    if (settings.nameRuleFormat == 1)
        store->setValue(RecordGroup, NameRuleIndex, settings.nameRuleIndex + 1);
    m_recorder = std::move(recorder);
    m_reportedDrops = 0;
    m_recorder->start();
    // On the grabber's thread: a copy into the recorder's queue, which never
    // waits. The queue outlives a call still running when the recording stops.
    const std::shared_ptr<FrameQueue> queue = m_recorder->queue();
    m_grabber->connectFrameCopies(m_recorder.get(),
                                  [queue](const QImage &image, quint64 cameraUs, qint64 arrivalUs) {
                                      queue->push(image.constBits(), image.width(), image.height(),
                                                  int(image.bytesPerLine()), cameraUs, arrivalUs);
                                  });
    connect(m_recorder.get(), &RecordVideoThread::recordingFailed, this, &CellCapture::onRecordingFailed,
            Qt::QueuedConnection);
    emit titleChanged(recordingTitle());
    updateMedia();
}

void CellCapture::stopRecording(bool restoreTitle)
{
    if (!m_recorder)
        return;
    closeRecorder(false, restoreTitle);
}

void CellCapture::onRecordingFailed()
{
    if (!m_recorder)
        return;
    closeRecorder(true, true);
}

void CellCapture::closeRecorder(bool failed, bool restoreTitle)
{
    disconnectRecorder();
    const bool finished = m_recorder->finishRecord();
    const QString reason = RecordingFailureText::text(m_recorder->failure());
    const QString fileName = m_recorder->fileName();
    const RecordVideoThread::Figures figures = m_recorder->figures();
    m_recorder.reset();
    // The cell shows it is no longer recording while the box is read.
    if (restoreTitle)
        emit titleChanged(friendlyName());
    updateMedia();

    QString frames = tr("已写入 %1 帧，丢弃 %2 帧").arg(figures.timing.frames).arg(figures.dropped());
    // Only a preset other than the usual one is worth a word.
    if (!figures.preset.isEmpty() && figures.preset != QLatin1String(VideoEncoder::DefaultPreset))
        frames += QLatin1Char('\n') + tr("为跟上帧率，编码速度设为 %1").arg(figures.preset);
    const QString details = QLatin1Char('\n') + fileName + QLatin1Char('\n') + frames;
    if (failed) {
        // The file keeps what was written before the failure.
        showError(tr("录像已停止：%1").arg(reason) + details);
        return;
    }
    if (!finished) {
        showError(tr("录像文件未能正常结束：%1").arg(reason) + details);
        return;
    }
    // Not modal: the other cells' pictures and recordings carry on, and
    // several cells may end their recordings at once.
    vexo::openMessage(m_cell, QMessageBox::Information, tr("提示"),
                      tr("录像已保存：%1").arg(fileName) + QLatin1Char('\n') + frames, tr("确定"),
                      QStringLiteral("recordingSummary"));
}

QString CellCapture::recordingLossField(bool *grew)
{
    if (grew != nullptr)
        *grew = false;
    if (!m_recorder)
        return QString();
    const qint64 dropped = m_recorder->figures().dropped();
    if (grew != nullptr)
        *grew = dropped > m_reportedDrops;
    m_reportedDrops = dropped;
    return tr("录像丢帧: %1").arg(dropped);
}

QString CellCapture::recordingTitle() const
{
    return QStringLiteral("%1   %2").arg(friendlyName(), tr("正在录制中..."));
}

void CellCapture::retranslate()
{
    // A running series writes its title at its next tick.
    if (isRecording() && !isSeriesRunning())
        emit titleChanged(recordingTitle());
}

void CellCapture::disconnectRecorder()
{
    // A frame already on its way is still encoded by finishRecord(). Without
    // a recorder there is nothing to disconnect (a null receiver would cut
    // every connection of the grabber).
    if (m_grabber && m_recorder)
        disconnect(m_grabber.data(), nullptr, m_recorder.get(), nullptr);
}

void CellCapture::updateMedia()
{
    emit mediaVisible(isRecording() || isSeriesRunning());
}
