// The FFmpeg recorder on its own: what a player decodes from a finished
// recording, set-ups it refuses, and a recording killed with SIGKILL.

#include "capture/videoencoder.h"
#include "videoprobe.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int ChildFramesPerSecond = 30;

// A moving gradient in packed RGB rows of rowBytes.
std::vector<uint8_t> picture(int width, int height, int rowBytes, int index)
{
    std::vector<uint8_t> rgb(size_t(rowBytes) * size_t(height), 0xEE);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t *p = &rgb[size_t(y) * size_t(rowBytes) + size_t(x) * 3];
            p[0] = uint8_t(x + index * 4);
            p[1] = uint8_t(y * 2);
            p[2] = uint8_t((x ^ y) + index);
        }
    }
    return rgb;
}

bool encodeOne(VideoEncoder &encoder, int width, int height, int index, int padding = 0)
{
    const int rowBytes = width * 3 + padding;
    const std::vector<uint8_t> rgb = picture(width, height, rowBytes, index);
    return encoder.encode(rgb.data(), width, height, rowBytes);
}

VideoEncoder::Settings settings(const QString &file, int width, int height, int fps)
{
    VideoEncoder::Settings s;
    s.fileName = QFile::encodeName(file).toStdString();
    s.width = width;
    s.height = height;
    s.framesPerSecond = fps;
    s.bitRate = 1000000;
    return s;
}

// The child of killedRecordingStillDecodes: records until killed, telling
// the parent after every frame how many frames it has handed to the encoder.
int recordUntilKilled(const char *file)
{
    VideoEncoder encoder;
    if (!encoder.open(settings(QString::fromLocal8Bit(file), 320, 240, ChildFramesPerSecond))) {
        std::fprintf(stderr, "%s\n", encoder.error().c_str());
        return 1;
    }
    for (int i = 0;; ++i) {
        if (!encodeOne(encoder, 320, 240, i))
            return 1;
        std::printf("%d\n", i + 1);
        std::fflush(stdout);
        usleep(5000);
    }
}

} // namespace

class TestVideoEncoder : public QObject
{
    Q_OBJECT

private slots:
    void recordingDecodesBack_data();
    void recordingDecodesBack();
    void refusedSetUpLeavesNoFile_data();
    void refusedSetUpLeavesNoFile();
    void killedRecordingStillDecodes_data();
    void killedRecordingStillDecodes();

private:
    QTemporaryDir m_dir;
};

void TestVideoEncoder::recordingDecodesBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("codec");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("padding");
    QTest::addColumn<QSize>("expected");

    QTest::newRow("mp4") << "a.mp4"
                         << "h264" << QSize(320, 240) << 0 << QSize(320, 240);
    QTest::newRow("avi") << "a.avi"
                         << "mpeg4" << QSize(320, 240) << 0 << QSize(320, 240);
    // Rows padded to 4 bytes, as the grabber's images are; the odd last
    // column and row cannot be 4:2:0 and are left out.
    QTest::newRow("odd size, padded rows") << "b.mp4"
                                           << "h264" << QSize(321, 241) << 1 << QSize(320, 240);
}

void TestVideoEncoder::recordingDecodesBack()
{
    QFETCH(QString, name);
    QFETCH(QString, codec);
    QFETCH(QSize, size);
    QFETCH(int, padding);
    QFETCH(QSize, expected);
    const QString file = m_dir.filePath(name);
    constexpr int Frames = 30;
    constexpr int Fps = 15;

    VideoEncoder encoder;
    QVERIFY2(encoder.open(settings(file, size.width(), size.height(), Fps)), encoder.error().c_str());
    for (int i = 0; i < Frames; ++i) {
        // A resolution change mid-recording is scaled to the recording's size.
        const QSize frame = i == 10 ? QSize(160, 120) : size;
        QVERIFY(encodeOne(encoder, frame.width(), frame.height(), i, padding));
    }
    QVERIFY2(encoder.finish(), encoder.error().c_str());

    // Every frame sent is in the file, the encoder's last ones included.
    const VideoProbe probe = probeVideo(QFile::encodeName(file).toStdString());
    QVERIFY(probe.opened);
    QCOMPARE(QString::fromStdString(probe.codec), codec);
    QCOMPARE(probe.frames, Frames);
    QCOMPARE(QSize(probe.width, probe.height), expected);
    QCOMPARE(probe.frameRate, double(Fps));
    // Time stamps count frames: the last one is shown at 29/15 s.
    QCOMPARE(qRound(probe.lastFrameSeconds * Fps), Frames - 1);
}

void TestVideoEncoder::refusedSetUpLeavesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("fps");

    QTest::newRow("frame rate 0") << "r0.mp4" << QSize(320, 240) << 0;
    QTest::newRow("negative frame rate") << "r1.avi" << QSize(320, 240) << -5;
    QTest::newRow("no frame size yet") << "r2.mp4" << QSize(0, 0) << 30;
    QTest::newRow("a single pixel") << "r3.avi" << QSize(1, 1) << 30;
    QTest::newRow("missing folder") << "missing/r4.mp4" << QSize(320, 240) << 30;
}

void TestVideoEncoder::refusedSetUpLeavesNoFile()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, fps);
    const QString file = m_dir.filePath(name);

    VideoEncoder encoder;
    QVERIFY(!encoder.open(settings(file, size.width(), size.height(), fps)));
    QVERIFY(!encoder.error().empty());
    QVERIFY(!encoder.isOpen());
    QVERIFY(!encodeOne(encoder, 320, 240, 0));
    QVERIFY(!QFile::exists(file));
}

void TestVideoEncoder::killedRecordingStillDecodes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mayLose");
    // An MP4 fragment reaches the file when the next group of 12 pictures
    // starts; AVI packets go out one by one.
    QTest::newRow("mp4") << "killed.mp4" << 13;
    QTest::newRow("avi") << "killed.avi" << 1;
}

void TestVideoEncoder::killedRecordingStillDecodes()
{
    QFETCH(QString, name);
    QFETCH(int, mayLose);
    const QString file = m_dir.filePath(name);

    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--record-until-killed"), file});
    QVERIFY(child.waitForStarted());
    int handedOver = 0;
    while (handedOver < 80) {
        if (!child.canReadLine())
            QVERIFY2(child.waitForReadyRead(10000), qPrintable(child.readAllStandardError()));
        while (child.canReadLine())
            handedOver = child.readLine().trimmed().toInt();
    }
    QCOMPARE(::kill(pid_t(child.processId()), SIGKILL), 0);
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    while (child.canReadLine())
        handedOver = child.readLine().trimmed().toInt();

    const VideoProbe probe = probeVideo(QFile::encodeName(file).toStdString());
    QVERIFY(probe.opened);
    QCOMPARE(QSize(probe.width, probe.height), QSize(320, 240));
    QVERIFY2(probe.frames >= handedOver - mayLose && probe.frames <= handedOver + 1,
             qPrintable(QStringLiteral("%1 frames decoded of %2").arg(probe.frames).arg(handedOver)));
    QCOMPARE(qRound(probe.lastFrameSeconds * ChildFramesPerSecond), probe.frames - 1);
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--record-until-killed") == 0)
        return recordUntilKilled(argv[2]);
    QCoreApplication app(argc, argv);
    TestVideoEncoder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_videoencoder.moc"
