// A display cell's snapshots, series, recordings and hotkeys on a simulated
// camera, driven through its buttons and keys as the operator would.

#include "capture/cellcapture.h"
#include "config/configparameter.h"
#include "formchild.h"
#include "modalhelper.h"
#include "slotwarningguard.h"
#include "smalldisk.h"
#include "videoprobe.h"
#include "view/camerathread.h"

#include "VexoCameraSDK.h"
#include "VexoCameraSim.h"

#include <QDir>
#include <QGraphicsView>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString Serial = QStringLiteral("SIM-VIEW-0001");
const QString Name = QStringLiteral("View camera A");
const QString Saved = QStringLiteral("SDK保存图片成功");

ConfigParameter *store()
{
    return ConfigParameter::getInstance();
}

void storeCapture(CaptureParameter c)
{
    store()->writeCaptureParament(&c);
    store()->setValue(QStringLiteral("CAPTURE"), QStringLiteral("NameRuleIndex"), c.nameRuleIndex);
}

void storeRecord(RecordParameter r)
{
    store()->writeRecordParameter(&r);
}

// Automatic saving into folder, everything else as on first run.
CaptureParameter captureInto(const QString &folder)
{
    CaptureParameter c = ConfigParameter::firstRunCapture();
    c.savePath = folder;
    c.autoSaveState = 2;
    return c;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestCellCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void snapshotFollowsTheSettings_data();
    void snapshotFollowsTheSettings();
    void unusableTargetsAreRefused_data();
    void unusableTargetsAreRefused();
    void failedSaveIsReported();
    void countSeriesTakesExactlyItsCount();
    void fastSeriesNeverOverwritesAndLeavesSettingsAlone();
    void recordingDecodesBack_data();
    void recordingDecodesBack();
    void recordingGoesOnAcrossALoss_data();
    void recordingGoesOnAcrossALoss();
    void hotkeysActOncePerPress();
    void fullDiskStopsSeriesAndRecording();

private:
    void openCell();
    void waitForStatus();
    QStringList messages() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CameraThread> m_cell;
    std::unique_ptr<QSignalSpy> m_messages;
    CaptureParameter m_capture;
    RecordParameter m_record;
    HotkeyParameter m_hotkeys;
};

void TestCellCapture::initTestCase()
{
    vexotest::installSlotWarningGuard();
    m_capture = *store()->getCaptureParameter();
    m_record = *store()->getRecordParament();
    m_hotkeys = *store()->getHotkeyParameter();
}

void TestCellCapture::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCellCapture::cleanup()
{
    m_messages.reset();
    m_cell.reset();
    VexoSimReplug(Serial.toLatin1().constData());
    VexoSimClearFailures();
    storeCapture(m_capture);
    storeRecord(m_record);
    store()->writeHotkeyParameter(&m_hotkeys);
    m_dir.reset();
}

void TestCellCapture::openCell()
{
    m_cell = std::make_unique<CameraThread>();
    m_cell->setAttribute(Qt::WA_DeleteOnClose, false);
    m_cell->resize(400, 300);
    m_cell->show();
    QVERIFY(m_cell->attachCamera(Serial));
    m_messages = std::make_unique<QSignalSpy>(m_cell->capture(), &CellCapture::statusMessage);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->grabber()->deliveredFrames() > 2, 5000);
}

void TestCellCapture::waitForStatus()
{
    QTRY_VERIFY_WITH_TIMEOUT(
        child<QLabel>(m_cell.get(), "label_camerainfo")->text().contains(QLatin1String("320x240")), 5000);
}

QStringList TestCellCapture::messages() const
{
    QStringList texts;
    for (const QList<QVariant> &call : *m_messages)
        texts << call.at(0).toString();
    return texts;
}

void TestCellCapture::snapshotFollowsTheSettings_data()
{
    QTest::addColumn<int>("pictureType");
    QTest::addColumn<int>("nameRuleFormat");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("storedIndex");

    QTest::newRow("running index, BMP") << 0 << 1 << "Image__7\\.bmp" << 8;
    QTest::newRow("date and time, JPG") << 1 << 0 << "Image__\\d{14}\\.jpg" << 7;
    QTest::newRow("running index, PNG") << 2 << 1 << "Image__7\\.png" << 8;
}

void TestCellCapture::snapshotFollowsTheSettings()
{
    QFETCH(int, pictureType);
    QFETCH(int, nameRuleFormat);
    QFETCH(QString, expected);
    QFETCH(int, storedIndex);
    CaptureParameter c = captureInto(m_dir->path());
    c.pictureType = pictureType;
    c.nameRuleFormat = nameRuleFormat;
    c.nameRuleIndex = 7;
    storeCapture(c);
    openCell();

    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_photogrape"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(messages(), QStringList{Saved}, 5000);
    const QStringList files = filesIn(m_dir->path());
    QCOMPARE(files.size(), 1);
    QVERIFY2(QRegularExpression(QStringLiteral("^%1$").arg(expected)).match(files.first()).hasMatch(),
             qPrintable(files.first()));
    QCOMPARE(QImageReader(m_dir->filePath(files.first())).size(), QSize(320, 240));
    QCOMPARE(store()->getCaptureParameter()->nameRuleIndex, storedIndex);
    QCOMPARE(store()->value(QStringLiteral("CAPTURE"), QStringLiteral("NameRuleIndex")).toInt(), storedIndex);
}

void TestCellCapture::unusableTargetsAreRefused_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("message");

    // Drive paths are stored data and stay in the file; here they are not
    // absolute and must not become a folder "D:" in the working directory.
    QTest::newRow("first-run folder D:/") << "D:/"
                                          << "Image_"
                                          << "保存路径不存在或不可写：D:/";
    QTest::newRow("missing folder") << "@/missing"
                                    << "Image_"
                                    << "保存路径不存在或不可写：";
    QTest::newRow("a file, not a folder") << "@/plain"
                                          << "Image_"
                                          << "保存路径不存在或不可写：";
    QTest::newRow("prefix with a slash") << "@"
                                         << "../Image_"
                                         << "文件名前缀不能包含“/”";
    QTest::newRow("very long prefix") << "@" << QString(300, QLatin1Char('x')) << "文件名过长";
}

void TestCellCapture::unusableTargetsAreRefused()
{
    QFETCH(QString, folder);
    QFETCH(QString, prefix);
    QFETCH(QString, message);
    folder.replace(QLatin1Char('@'), m_dir->path());
    QFile plain(m_dir->filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    CaptureParameter c = captureInto(folder);
    c.nameRulePrefix = prefix;
    storeCapture(c);
    RecordParameter r = m_record;
    r.savePath = folder;
    r.autoSaveState = 2;
    r.nameRulePrefix = prefix;
    storeRecord(r);
    openCell();
    waitForStatus();

    // The same refusal for a snapshot, a series and a recording.
    const char *buttons[] = {"pushButton_photogrape", "pushButton_continuityPhotogrape",
                             "pushButton_recording"};
    for (const char *name : buttons) {
        ModalAnswer answer;
        QTest::mouseClick(child<QPushButton>(m_cell.get(), name), Qt::LeftButton);
        QTRY_VERIFY2_WITH_TIMEOUT(answer.fired(), name, 5000);
        QCOMPARE(answer.title(), QStringLiteral("错误"));
        QVERIFY2(answer.text().contains(message), qPrintable(answer.text()));
    }
    QVERIFY(!m_cell->capture()->isSeriesRunning());
    QVERIFY(!m_cell->capture()->isRecording());
    QCOMPARE(m_cell->windowTitle(), Name);
    QCOMPARE(filesIn(m_dir->path()), QStringList{QStringLiteral("plain")});
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    QVERIFY(!QFileInfo::exists(QStringLiteral("D:")));
    QCOMPARE(store()->value(QStringLiteral("CAPTURE"), QStringLiteral("SvaePath")).toString(), folder);
}

void TestCellCapture::failedSaveIsReported()
{
    storeCapture(captureInto(m_dir->path()));
    openCell();
    // Two failures in a row raise one box, in words; a success re-arms it.
    VexoSimFailNext("CameraSaveImage", CAMERA_STATUS_IO_ERROR, 2);
    ModalAnswer boxes;
    auto *shoot = child<QPushButton>(m_cell.get(), "pushButton_photogrape");
    QTest::mouseClick(shoot, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages->size(), 1, 5000);
    QVERIFY2(messages().constFirst().startsWith(
                 QStringLiteral("SDK保存图片失败, 错误码:-23（磁盘已满或无法写入）")),
             qPrintable(messages().constFirst()));
    QTest::mouseClick(shoot, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages->size(), 2, 5000);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.text(), messages().constFirst());
    QCOMPARE(filesIn(m_dir->path()), QStringList());
    QTest::mouseClick(shoot, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages->size(), 3, 5000);
    QCOMPARE(messages().constLast(), Saved);
    VexoSimFailNext("CameraSaveImage", CAMERA_STATUS_IO_ERROR, 1);
    QTest::mouseClick(shoot, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(m_messages->size(), 4, 5000);
    QCOMPARE(boxes.count(), 2);
}

void TestCellCapture::countSeriesTakesExactlyItsCount()
{
    CaptureParameter c = captureInto(m_dir->path());
    c.nameRuleFormat = 1;
    c.nameRuleIndex = 5;
    c.captureMode = 0;
    c.grapNumberRadix = 1;
    c.grapNumberStop = 2;
    c.grapNumberCount = 3;
    storeCapture(c);
    openCell();
    auto *media = child<QLabel>(m_cell.get(), "label_media");

    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_continuityPhotogrape"), Qt::LeftButton);
    QVERIFY(m_cell->capture()->isSeriesRunning());
    QVERIFY(media->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!m_cell->capture()->isSeriesRunning(), 8000);

    // One picture a second at most, although 30 frames arrive per second;
    // the series ends on the tick after the third picture.
    QVERIFY2(clock.elapsed() >= 3500, qPrintable(QString::number(clock.elapsed())));
    const QString folder = m_dir->filePath(Name);
    QTRY_COMPARE_WITH_TIMEOUT(filesIn(folder),
                              QStringList({QStringLiteral("Image__0.bmp"), QStringLiteral("Image__1.bmp"),
                                           QStringLiteral("Image__2.bmp")}),
                              5000);
    QVERIFY(!media->isVisible());
    QCOMPARE(m_cell->windowTitle(), Name);
    QVERIFY(messages().contains(QStringLiteral("相机已进入连续抓图状态")));
    // The series kept its folder and index to itself.
    QCOMPARE(store()->value(QStringLiteral("CAPTURE"), QStringLiteral("SvaePath")).toString(), m_dir->path());
    QCOMPARE(store()->value(QStringLiteral("CAPTURE"), QStringLiteral("NameRuleIndex")).toInt(), 5);
    QCOMPARE(store()->value(QStringLiteral("CAPTURE"), QStringLiteral("AutoSaveState")).toInt(), 2);
}

void TestCellCapture::fastSeriesNeverOverwritesAndLeavesSettingsAlone()
{
    // As fast as frames come, named by the second: many pictures share a
    // name stem and none replaces another.
    CaptureParameter c = captureInto(m_dir->path());
    c.pictureType = 1;
    c.captureMode = 1;
    c.grapTimeRadix = 1;
    storeCapture(c);
    const QByteArray before = [] {
        QFile file(store()->getSavePath());
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }();
    openCell();
    QSignalSpy titles(m_cell->capture(), &CellCapture::titleChanged);

    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_continuityPhotogrape"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->capture()->series()->pictures() >= 12, 10000);
    // A single snapshot during the series goes with the series.
    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_photogrape"), Qt::LeftButton);
    QTest::qWait(200);
    // Closing the camera ends the series and writes what was taken.
    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_close"), Qt::LeftButton);
    QVERIFY(!m_cell->isAttachCamera());
    QVERIFY(!m_cell->capture()->isSeriesRunning());

    const QString lastTitle = titles.constLast().at(0).toString();
    const QRegularExpressionMatch counted =
        QRegularExpression(QStringLiteral("^View camera A  已采集图片:(\\d+)$")).match(lastTitle);
    QVERIFY2(counted.hasMatch(), qPrintable(lastTitle));
    const int taken = counted.captured(1).toInt();
    const QStringList files = filesIn(m_dir->filePath(Name));
    // The single snapshot may have joined a series picture still pending, and
    // the last request may still have waited for its frame when the camera
    // closed.
    QVERIFY2(files.size() >= taken - 1 && files.size() <= taken + 1,
             qPrintable(QStringLiteral("%1 files, %2 taken").arg(files.size()).arg(taken)));
    QVERIFY(!messages().join(QLatin1Char('\n')).contains(QLatin1String("失败")));
    QCOMPARE(files.filter(QRegularExpression(QStringLiteral("^Image__\\d{14}(_\\d+)?\\.jpg$"))).size(),
             files.size());
    QVERIFY(files.filter(QRegularExpression(QStringLiteral("_\\d+\\.jpg$"))).size() > 0);
    QFile after(store()->getSavePath());
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll(), before);
}

void TestCellCapture::recordingDecodesBack_data()
{
    QTest::addColumn<int>("videoType");
    QTest::addColumn<QString>("codec");
    QTest::newRow("mp4") << 0 << "h264";
    QTest::newRow("avi") << 1 << "h264";
}

void TestCellCapture::recordingDecodesBack()
{
    QFETCH(int, videoType);
    QFETCH(QString, codec);
    RecordParameter r = ConfigParameter::firstRunRecord();
    r.savePath = m_dir->path();
    r.autoSaveState = 2;
    r.videoType = videoType;
    r.videoQuality = 2;
    storeRecord(r);
    openCell();
    auto *record = child<QPushButton>(m_cell.get(), "pushButton_recording");
    auto *media = child<QLabel>(m_cell.get(), "label_media");
    {
        // Before the first status update the frame size is not known: the
        // recorder says so instead of pretending to record.
        ModalAnswer answer;
        QTest::mouseClick(record, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answer.fired(), 5000);
        QVERIFY2(answer.text().startsWith(QStringLiteral("无法开始录像")), qPrintable(answer.text()));
        QVERIFY(!m_cell->capture()->isRecording());
        QCOMPARE(m_cell->windowTitle(), Name);
        QCOMPARE(filesIn(m_dir->path()), QStringList());
    }
    waitForStatus();

    const int measuredFps = int(m_cell->lastCaptureRate());
    // The recording's span as the user sees it: from the click to the stop.
    QElapsedTimer wall;
    wall.start();
    QTest::mouseClick(record, Qt::LeftButton);
    QVERIFY(m_cell->capture()->isRecording());
    QCOMPARE(m_cell->windowTitle(), Name + QStringLiteral("   正在录制中..."));
    QVERIFY(media->isVisible());
    // A language switch keeps saying that the cell records.
    m_cell->updateLanguage();
    QCOMPARE(m_cell->windowTitle(), Name + QStringLiteral("   正在录制中..."));
    const QString file = m_cell->capture()->recorder()->fileName();
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->capture()->recorder()->timing().frames >= 30, 5000);
    const int encoded = int(m_cell->capture()->recorder()->timing().frames);
    QTest::mouseClick(record, Qt::LeftButton);
    QVERIFY(!m_cell->capture()->isRecording());
    QCOMPARE(m_cell->windowTitle(), Name);
    QVERIFY(!media->isVisible());

    const QString extension = videoType == 0 ? QStringLiteral("mp4") : QStringLiteral("avi");
    QVERIFY2(QRegularExpression(QStringLiteral("/Video_\\d{17}\\.%1$").arg(extension)).match(file).hasMatch(),
             qPrintable(file));
    const VideoProbe probe = probeVideo(QFile::encodeName(file).toStdString());
    QCOMPARE(QString::fromStdString(probe.codec), codec);
    // Frames encoded after the count was read, while the button was pressed,
    // are in the file too.
    QVERIFY2(probe.frames >= encoded && probe.frames <= encoded + 5,
             qPrintable(QStringLiteral("%1 decoded, %2 encoded").arg(probe.frames).arg(encoded)));
    QCOMPARE(QSize(probe.width, probe.height), QSize(320, 240));
    // The nominal rate is the camera's measured one, truncated. MP4 has no
    // such field: its frames' times, the capture times, never run faster
    // than the camera (a busy machine drops frames, so slower is fine).
    if (videoType == 1)
        QCOMPARE(probe.frameRate, double(measuredFps));
    else
        QVERIFY2(
            probe.frames - 1 <= (measuredFps + 1) * probe.lastFrameSeconds + 1,
            qPrintable(QStringLiteral("%1 frames in %2 s").arg(probe.frames).arg(probe.lastFrameSeconds)));
    // Frames keep the times they were taken: the file is never longer than
    // the recording was.
    QVERIFY2(
        probe.lastFrameSeconds <= double(wall.elapsed()) / 1000.0,
        qPrintable(
            QStringLiteral("%1 s in a recording of %2 ms").arg(probe.lastFrameSeconds).arg(wall.elapsed())));
}

void TestCellCapture::recordingGoesOnAcrossALoss_data()
{
    QTest::addColumn<QString>("end");
    QTest::newRow("stopped after the return") << "after";
    QTest::newRow("stopped while lost") << "stop";
    QTest::newRow("cell closed while lost") << "close";
}

// The camera goes while a recording runs: the file keeps what came before,
// takes what comes after the return, and is finished however it ends.
void TestCellCapture::recordingGoesOnAcrossALoss()
{
    QFETCH(QString, end);
    RecordParameter r = ConfigParameter::firstRunRecord();
    r.savePath = m_dir->path();
    r.autoSaveState = 2;
    storeRecord(r);
    openCell();
    waitForStatus();
    auto *record = child<QPushButton>(m_cell.get(), "pushButton_recording");
    QTest::mouseClick(record, Qt::LeftButton);
    QVERIFY(m_cell->capture()->isRecording());
    const QString file = m_cell->capture()->recorder()->fileName();
    const auto encoded = [this] { return int(m_cell->capture()->recorder()->timing().frames); };
    QTRY_VERIFY_WITH_TIMEOUT(encoded() >= 10, 5000);

    QElapsedTimer away;
    away.start();
    QCOMPARE(VexoSimUnplug(Serial.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
    QTRY_VERIFY_WITH_TIMEOUT(m_cell->isCameraLost(), 3000);
    const int beforeLoss = encoded();
    QVERIFY(m_cell->capture()->isRecording());
    QCOMPARE(m_cell->windowTitle(), Name + QStringLiteral("   正在录制中..."));

    int expected = beforeLoss;
    // Frames the queue had taken but not yet encoded when the count was read
    // go into the file as well.
    int accepted = beforeLoss;
    qint64 awayMs = -1;
    if (end == QLatin1String("after")) {
        awayMs = away.elapsed();
        QCOMPARE(VexoSimReplug(Serial.toLatin1().constData()), CAMERA_STATUS_SUCCESS);
        QTRY_VERIFY_WITH_TIMEOUT(encoded() >= beforeLoss + 10, 5000);
        expected = encoded();
        const FrameQueue::Figures queue = m_cell->capture()->recorder()->figures().queue;
        accepted = int(queue.offered - queue.dropped);
        QTest::mouseClick(record, Qt::LeftButton);
    } else if (end == QLatin1String("stop")) {
        QTest::mouseClick(record, Qt::LeftButton);
        // The name stays although the camera cannot be asked for it.
        QCOMPARE(m_cell->windowTitle(), Name);
    } else {
        QElapsedTimer closing;
        closing.start();
        m_cell.reset();
        QVERIFY2(closing.elapsed() < 1000, qPrintable(QString::number(closing.elapsed())));
    }
    if (m_cell)
        QVERIFY(!m_cell->capture()->isRecording());

    const VideoProbe probe = probeVideo(QFile::encodeName(file).toStdString());
    QVERIFY(probe.opened);
    QVERIFY2(probe.frames >= expected && probe.frames <= qMax(expected, accepted) + 2,
             qPrintable(QStringLiteral("%1 decoded, %2 encoded, %3 taken")
                            .arg(probe.frames)
                            .arg(expected)
                            .arg(accepted)));
    QCOMPARE(QSize(probe.width, probe.height), QSize(320, 240));
    if (awayMs >= 0) {
        // The time the camera was away is a pause in the file, not a cut.
        double longestGap = 0.0;
        for (size_t i = 1; i < probe.frameSeconds.size(); ++i)
            longestGap = qMax(longestGap, probe.frameSeconds[i] - probe.frameSeconds[i - 1]);
        QVERIFY2(longestGap * 1000.0 >= double(awayMs),
                 qPrintable(QStringLiteral("longest pause %1 s, away %2 ms").arg(longestGap).arg(awayMs)));
    }
}

void TestCellCapture::hotkeysActOncePerPress()
{
    // Saved hotkeys act at once, without a restart.
    HotkeyParameter h = ConfigParameter::defaultHotkeys();
    h.photogrape = QStringLiteral("F5");
    store()->writeHotkeyParameter(&h);
    storeCapture(captureInto(m_dir->path()));

    // Without a camera nothing happens.
    CameraThread idle;
    idle.show();
    QTest::keyClick(idle.findChild<QGraphicsView *>(QStringLiteral("graphicsView")), Qt::Key_F5);
    QTest::qWait(100);
    QCOMPARE(filesIn(m_dir->path()), QStringList());

    openCell();
    auto *view = child<QGraphicsView>(m_cell.get(), "graphicsView");
    view->setFocus();
    // The press passes the view and the scene on its way to the cell; a
    // toggle that acted at each would cancel itself.
    QTest::keyClick(view, Qt::Key_U, Qt::ControlModifier);
    QTRY_VERIFY_WITH_TIMEOUT(!m_cell->grabber()->isStreaming(), 2000);
    QTest::qWait(100);
    QVERIFY(!m_cell->grabber()->isStreaming());
    // A held key repeats; the repeats do not toggle again.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_U, Qt::ControlModifier, QString(), true);
    QApplication::sendEvent(view, &repeat);
    QVERIFY(!m_cell->grabber()->isStreaming());
    QTest::keyClick(view, Qt::Key_U, Qt::ControlModifier);
    QVERIFY(m_cell->grabber()->isStreaming());

    QTest::keyClick(view, Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(messages(), QStringList{Saved}, 5000);
    QTest::qWait(300);
    QCOMPARE(filesIn(m_dir->path()).size(), 1);
    // The old snapshot key does nothing now.
    QTest::keyClick(view, Qt::Key_Y, Qt::ControlModifier);
    QTest::qWait(300);
    QCOMPARE(filesIn(m_dir->path()).size(), 1);
}

void TestCellCapture::fullDiskStopsSeriesAndRecording()
{
    vexotest::SmallDisk disk(m_dir->filePath(QStringLiteral("small")), 400);
    if (!disk.isTmpfs())
        QSKIP("needs a small tmpfs; the read-only case is covered by unusableTargetsAreRefused");
    // A BMP of 320x240 takes 225 KiB: the second one does not fit.
    CaptureParameter c = captureInto(disk.path());
    c.captureMode = 1;
    c.grapTimeRadix = 1;
    storeCapture(c);
    RecordParameter r = ConfigParameter::firstRunRecord();
    r.savePath = disk.path();
    r.autoSaveState = 2;
    r.videoQuality = 2;
    storeRecord(r);
    openCell();
    waitForStatus();

    {
        ModalAnswer answer;
        QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_continuityPhotogrape"),
                          Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(answer.fired(), 10000);
        QVERIFY2(answer.text().startsWith(QStringLiteral("连续抓图已停止：SDK保存图片失败, 错误码:-23")),
                 qPrintable(answer.text()));
        QVERIFY(!m_cell->capture()->isSeriesRunning());
    }
    // Only whole pictures: no partial or temporary file is left.
    const QStringList files = filesIn(disk.path() + QLatin1Char('/') + Name);
    QVERIFY(!files.isEmpty());
    for (const QString &file : files) {
        QVERIFY2(file.endsWith(QLatin1String(".bmp")), qPrintable(file));
        QCOMPARE(QImageReader(disk.path() + QLatin1Char('/') + Name + QLatin1Char('/') + file).size(),
                 QSize(320, 240));
    }

    // The recording fills what is left and stops with a message.
    ModalAnswer answer;
    QTest::mouseClick(child<QPushButton>(m_cell.get(), "pushButton_recording"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(answer.fired(), 20000);
    QVERIFY2(answer.text().startsWith(QStringLiteral("无法开始录像")) ||
                 answer.text().startsWith(QStringLiteral("录像已停止")),
             qPrintable(answer.text()));
    // The cause in words of the interface's language, and the file named.
    QVERIFY2(answer.text().contains(QStringLiteral("：磁盘已满")) && answer.text().contains(disk.path()),
             qPrintable(answer.text()));
    QVERIFY(!m_cell->capture()->isRecording());
    QCOMPARE(m_cell->windowTitle(), Name);
}

int main(int argc, char **argv)
{
    vexotest::enterPrivateMountNamespace();
    vexotest::installSlotWarningGuard();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestCellCapture test;
    QTEST_SET_MAIN_SOURCE_PATH
    const int result = QTest::qExec(&test, argc, argv);
    return result != 0 ? result : (vexotest::slotWarningCount() > 0 ? 1 : 0);
}

#include "tst_cellcapture.moc"
