// The FFmpeg recorder on its own: what a player decodes from a finished
// recording, the colours it converts, the times its frames keep, the bit
// rate it holds, set-ups it refuses and the words of its failures, and a
// recording killed with SIGKILL and repaired afterwards.

#include "capture/recordingfailuretext.h"
#include "capture/recordingrepair.h"
#include "capture/videoencoder.h"
#include "capture/yuvconversion.h"
#include "videoprobe.h"

extern "C" {
#include <libswscale/swscale.h>
}

#include <QColor>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

#include <cerrno>

#include <signal.h>
#include <unistd.h>

#include <cmath>
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

// What a camera sees of a moving scene: a lit background with a grid of
// printed patches, slowly panned, and a bright disc crossing it.
std::vector<uint8_t> movingScene(int width, int height, int index)
{
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
    const int discX = width / 4 + (index * 7) % (width / 2);
    const int discY = height / 2 + int(double(height) / 4 * std::sin(index / 15.0));
    const int radius = height / 8;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int u = x + index; // panned a pixel per frame
            const int patch = (u / 64) * 7 + (y / 64) * 13;
            const bool printed = (u % 64) > 8 && (y % 64) > 8 && ((u / 4 + y / 4 + patch) % 5) != 0;
            uint8_t *p = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            p[0] = uint8_t(printed ? (patch * 37) % 200 + 30 : 60 + y / 8);
            p[1] = uint8_t(printed ? (patch * 59) % 200 + 30 : 70 + u / 16);
            p[2] = uint8_t(printed ? (patch * 83) % 200 + 30 : 80);
            const int dx = x - discX;
            const int dy = y - discY;
            if (dx * dx + dy * dy < radius * radius) {
                p[0] = 235;
                p[1] = uint8_t(120 + dx / 4);
                p[2] = 30;
            }
        }
    }
    return rgb;
}

// The child of killedRecordingIsRepaired: records until killed, telling
// the parent after every frame how many frames it has handed to the encoder.
int recordUntilKilled(const char *file)
{
    const RecordingRepair::Marker marker(QString::fromLocal8Bit(file));
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
    void conversionKeepsTheColours_data();
    void conversionKeepsTheColours();
    void refusedSetUpLeavesNoFile_data();
    void refusedSetUpLeavesNoFile();
    void failuresReadInTheInterfaceLanguage_data();
    void failuresReadInTheInterfaceLanguage();
    void framesKeepTheirCaptureTimes_data();
    void framesKeepTheirCaptureTimes();
    void aviBitRateFollowsTheQuality_data();
    void aviBitRateFollowsTheQuality();
    void killedRecordingIsRepaired_data();
    void killedRecordingIsRepaired();
    void unrepairableFileIsLeftAlone();

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
                         << "h264" << QSize(320, 240) << 0 << QSize(320, 240);
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

void TestVideoEncoder::conversionKeepsTheColours_data()
{
    QTest::addColumn<QColor>("flat"); // invalid: the moving scene
    QTest::addColumn<int>("padding");
    QTest::addColumn<QVector<int>>("yuv"); // BT.601, limited range

    QTest::newRow("white") << QColor(255, 255, 255) << 0 << QVector<int>{235, 128, 128};
    QTest::newRow("black") << QColor(0, 0, 0) << 0 << QVector<int>{16, 128, 128};
    QTest::newRow("grey") << QColor(128, 128, 128) << 0 << QVector<int>{126, 128, 128};
    QTest::newRow("red") << QColor(255, 0, 0) << 0 << QVector<int>{81, 90, 240};
    QTest::newRow("green") << QColor(0, 255, 0) << 2 << QVector<int>{145, 54, 34};
    QTest::newRow("blue") << QColor(0, 0, 255) << 0 << QVector<int>{41, 240, 110};
    QTest::newRow("moving scene") << QColor() << 0 << QVector<int>();
    QTest::newRow("moving scene, padded rows") << QColor() << 4 << QVector<int>();
}

// The fast conversion gives the colours the general scaler gave: the same
// standard and range, R, G and B in their places.
void TestVideoEncoder::conversionKeepsTheColours()
{
    QFETCH(QColor, flat);
    QFETCH(int, padding);
    QFETCH(QVector<int>, yuv);
    constexpr int Width = 320;
    constexpr int Height = 240;
    const int rowBytes = Width * 3 + padding;
    std::vector<uint8_t> rgb(size_t(rowBytes) * Height);
    const std::vector<uint8_t> scene = movingScene(Width, Height, 17);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            uint8_t *p = &rgb[size_t(y) * size_t(rowBytes) + size_t(x) * 3];
            const uint8_t *s = &scene[(size_t(y) * Width + size_t(x)) * 3];
            p[0] = flat.isValid() ? uint8_t(flat.red()) : s[0];
            p[1] = flat.isValid() ? uint8_t(flat.green()) : s[1];
            p[2] = flat.isValid() ? uint8_t(flat.blue()) : s[2];
        }
    }

    const int strides[3] = {Width, Width / 2, Width / 2};
    std::vector<uint8_t> fast(Width * Height * 3 / 2);
    std::vector<uint8_t> general(fast.size());
    uint8_t *fastPlanes[3] = {fast.data(), fast.data() + Width * Height,
                              fast.data() + Width * Height * 5 / 4};
    uint8_t *generalPlanes[3] = {general.data(), general.data() + Width * Height,
                                 general.data() + Width * Height * 5 / 4};
    QVERIFY(rgbToYuv420(rgb.data(), rowBytes, Width, Height, fastPlanes, strides));
    SwsContext *scaler = sws_getContext(Width, Height, AV_PIX_FMT_RGB24, Width, Height, AV_PIX_FMT_YUV420P,
                                        SWS_BICUBIC, nullptr, nullptr, nullptr);
    const uint8_t *source[1] = {rgb.data()};
    sws_scale(scaler, source, &rowBytes, 0, Height, generalPlanes, strides);
    sws_freeContext(scaler);

    for (int plane = 0; plane < 3; ++plane) {
        const int width = plane == 0 ? Width : Width / 2;
        const int height = plane == 0 ? Height : Height / 2;
        double sum = 0;
        int worst = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int a = fastPlanes[plane][y * strides[plane] + x];
                const int b = generalPlanes[plane][y * strides[plane] + x];
                sum += qAbs(a - b);
                // Chroma is averaged over 2x2 pixels rather than filtered, so
                // sharp edges differ; only the brightness is held everywhere.
                if (plane == 0)
                    worst = qMax(worst, qAbs(a - b));
                if (!yuv.isEmpty())
                    QVERIFY2(
                        qAbs(a - yuv[plane]) <= 1,
                        qPrintable(QStringLiteral("plane %1 at %2,%3: %4").arg(plane).arg(x).arg(y).arg(a)));
            }
        }
        const double mean = sum / (width * height);
        QVERIFY2(mean <= 1.0 && worst <= 2,
                 qPrintable(QStringLiteral("plane %1 differs by %2 on average, %3 at most")
                                .arg(plane)
                                .arg(mean)
                                .arg(worst)));
    }
}

void TestVideoEncoder::refusedSetUpLeavesNoFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("status");

    QTest::newRow("frame rate 0") << "r0.mp4" << QSize(320, 240) << 0 << int(RecordingFailure::FrameRate)
                                  << 0;
    QTest::newRow("negative frame rate")
        << "r1.avi" << QSize(320, 240) << -5 << int(RecordingFailure::FrameRate) << 0;
    QTest::newRow("no frame size yet")
        << "r2.mp4" << QSize(0, 0) << 30 << int(RecordingFailure::FrameSize) << 0;
    QTest::newRow("a single pixel") << "r3.avi" << QSize(1, 1) << 30 << int(RecordingFailure::FrameSize) << 0;
    QTest::newRow("missing folder") << "missing/r4.mp4" << QSize(320, 240) << 30
                                    << int(RecordingFailure::CreateFile) << AVERROR(ENOENT);
}

void TestVideoEncoder::refusedSetUpLeavesNoFile()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(int, fps);
    QFETCH(int, kind);
    QFETCH(int, status);
    const QString file = m_dir.filePath(name);

    VideoEncoder encoder;
    QVERIFY(!encoder.open(settings(file, size.width(), size.height(), fps)));
    QCOMPARE(int(encoder.failure().kind), kind);
    QCOMPARE(encoder.failure().status, status);
    QVERIFY(!encoder.error().empty());
    QVERIFY(!encoder.isOpen());
    QVERIFY(!encodeOne(encoder, 320, 240, 0));
    QVERIFY(!QFile::exists(file));
}

void TestVideoEncoder::failuresReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");

    using F = RecordingFailure;
    QTest::newRow("disk full") << int(F::WriteFile) << AVERROR(ENOSPC) << 0 << 0
                               << QStringLiteral("无法写入文件：磁盘已满")
                               << "Cannot write the file: disk full";
    QTest::newRow("quota") << int(F::FinishFile) << AVERROR(EDQUOT) << 0 << 0
                           << QStringLiteral("无法完成文件：磁盘已满")
                           << "Cannot complete the file: disk full";
    QTest::newRow("other disk fault")
        << int(F::WriteFile) << AVERROR(EIO) << 0 << 0 << QStringLiteral("无法写入文件：磁盘已满或无法写入")
        << "Cannot write the file: disk full or cannot write";
    QTest::newRow("folder gone") << int(F::CreateFile) << AVERROR(ENOENT) << 0 << 0
                                 << QStringLiteral("无法创建文件：文件夹不存在")
                                 << "Cannot create the file: the folder does not exist";
    QTest::newRow("no permission") << int(F::CreateFile) << AVERROR(EACCES) << 0 << 0
                                   << QStringLiteral("无法创建文件：没有写入权限")
                                   << "Cannot create the file: no permission to write";
    QTest::newRow("read-only disk")
        << int(F::ReplaceFile) << AVERROR(EROFS) << 0 << 0
        << QStringLiteral("无法用修复后的文件替换原文件：磁盘为只读")
        << "Cannot put the repaired file in place of the original: the disk is read-only";
    QTest::newRow("file too large") << int(F::WriteFile) << AVERROR(EFBIG) << 0 << 0
                                    << QStringLiteral("无法写入文件：文件超出文件系统允许的大小")
                                    << "Cannot write the file: larger than the file system allows";
    QTest::newRow("corrupt file") << int(F::ReadFile) << int(AVERROR_INVALIDDATA) << 0 << 0
                                  << QStringLiteral("无法读取文件：文件已损坏、不完整或版本不符")
                                  << "Cannot read the file: file damaged, incomplete or of another version";
    QTest::newRow("memory, said once")
        << int(F::OutOfMemory) << AVERROR(ENOMEM) << 0 << 0 << QStringLiteral("内存不足") << "Out of memory";
    QTest::newRow("frame rate") << int(F::FrameRate) << 0 << 100000 << 1000
                                << QStringLiteral("帧率 100000 超出范围（1～1000）")
                                << "Frame rate 100000 is out of range (1 to 1000)";
    QTest::newRow("picture size") << int(F::FrameSize) << 0 << 1 << 1 << QStringLiteral("图像尺寸 1×1 太小")
                                  << "Picture size 1×1 is too small";
}

// Each failure reads in the interface's language, its cause in words; every
// kind has its English.
void TestVideoEncoder::failuresReadInTheInterfaceLanguage()
{
    QFETCH(int, kind);
    QFETCH(int, status);
    QFETCH(int, number);
    QFETCH(int, second);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    RecordingFailure failure;
    failure.kind = RecordingFailure::Kind(kind);
    failure.status = status;
    failure.number = number;
    failure.second = second;
    QCOMPARE(RecordingFailureText::text(failure), chinese);

    QTranslator translator;
    QVERIFY(translator.load(QCoreApplication::applicationDirPath() + QStringLiteral("/VexoCam_en_CN.qm")));
    QCoreApplication::installTranslator(&translator);
    const QString translated = RecordingFailureText::text(failure);
    QStringList untranslated;
    for (int k = RecordingFailure::None + 1; k < RecordingFailure::KindCount; ++k) {
        RecordingFailure each;
        each.kind = RecordingFailure::Kind(k);
        each.status = AVERROR(EIO);
        const QString text = RecordingFailureText::text(each);
        if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("[\\x{4e00}-\\x{9fff}]"))))
            untranslated << QString::number(k) + QLatin1Char(' ') + text;
    }
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(translated, english);
    QCOMPARE(untranslated, QStringList());
}

void TestVideoEncoder::framesKeepTheirCaptureTimes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVector<double>>("capturedMs");
    QTest::addColumn<int>("kept");

    // 30 frames a second, unevenly delivered, then the camera gone for two
    // seconds, then back.
    QVector<double> withGap;
    for (int i = 0; i < 20; ++i)
        withGap << i * 1000.0 / 30.0 + (i % 3) * 4.0;
    for (int i = 0; i < 20; ++i)
        withGap << 2666.7 + i * 1000.0 / 30.0;
    QTest::newRow("mp4, a gap") << "times.mp4" << withGap << withGap.size();
    QTest::newRow("avi, a gap") << "times.avi" << withGap << withGap.size();
    // A camera twice as fast as the file's nominal rate: AVI has one slot per
    // nominal frame, so every other frame is left out, and time stays true.
    QVector<double> twiceAsFast;
    for (int i = 0; i < 60; ++i)
        twiceAsFast << i * 1000.0 / 60.0;
    // (the first few fill the slots they are a frame late for).
    QTest::newRow("avi, twice the nominal rate") << "fast.avi" << twiceAsFast << 31;
    QTest::newRow("mp4, twice the nominal rate") << "fast.mp4" << twiceAsFast << 60;
}

void TestVideoEncoder::framesKeepTheirCaptureTimes()
{
    QFETCH(QString, name);
    QFETCH(QVector<double>, capturedMs);
    QFETCH(int, kept);
    constexpr int Fps = 30;
    const QString file = m_dir.filePath(name);

    VideoEncoder encoder;
    QVERIFY2(encoder.open(settings(file, 320, 240, Fps)), encoder.error().c_str());
    for (int i = 0; i < capturedMs.size(); ++i) {
        const std::vector<uint8_t> rgb = picture(320, 240, 320 * 3, i);
        QVERIFY(encoder.encode(rgb.data(), 320, 240, 320 * 3, int64_t(capturedMs[i] * 1000.0)));
    }
    QCOMPARE(int(encoder.timing().frames + encoder.timing().skipped), capturedMs.size());
    QVERIFY2(encoder.finish(), encoder.error().c_str());

    const VideoProbe probe = probeVideo(QFile::encodeName(file).toStdString());
    QCOMPARE(probe.frames, kept);
    const double frame = 1.0 / Fps;
    if (kept == capturedMs.size()) {
        // Each frame is shown when it was taken: exactly in MP4, in the
        // nearest slot of the nominal rate (or the next one) in AVI.
        const double tolerance = name.endsWith(QLatin1String(".avi")) ? frame : 0.001;
        for (int i = 0; i < kept; ++i)
            QVERIFY2(qAbs(probe.frameSeconds[size_t(i)] - capturedMs[i] / 1000.0) <= tolerance,
                     qPrintable(QStringLiteral("frame %1 shown at %2 s, taken at %3 ms")
                                    .arg(i)
                                    .arg(probe.frameSeconds[size_t(i)])
                                    .arg(capturedMs[i])));
    }
    // The file lasts as long as the recording: its last frame and one
    // frame's time more.
    const double recorded = capturedMs.last() / 1000.0 + frame;
    QVERIFY2(qAbs(probe.durationSeconds - recorded) <= frame,
             qPrintable(QStringLiteral("%1 s for %2 s recorded").arg(probe.durationSeconds).arg(recorded)));
}

void TestVideoEncoder::aviBitRateFollowsTheQuality_data()
{
    QTest::addColumn<int>("bitRate");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("preset");
    QTest::newRow("normal") << 500000 << QSize(640, 480) << QString();
    QTest::newRow("better") << 1000000 << QSize(640, 480) << QString();
    QTest::newRow("best") << 2000000 << QSize(640, 480) << QString();
    // Where the container's default codec spends more than the lowest rate
    // on key frames alone, with the preset whose rate control is loosest.
    QTest::newRow("normal, 1280x1024, fastest") << 500000 << QSize(1280, 1024) << "ultrafast";
}

// Ten seconds of a moving scene hold the quality level's bit rate within 20 %.
void TestVideoEncoder::aviBitRateFollowsTheQuality()
{
    QFETCH(int, bitRate);
    QFETCH(QSize, size);
    QFETCH(QString, preset);
    constexpr int Fps = 30;
    constexpr int Seconds = 10;
    const int Width = size.width();
    const int Height = size.height();
    const QString file = m_dir.filePath(QStringLiteral("rate%1-%2.avi").arg(bitRate).arg(Width));
    VideoEncoder::Settings s = settings(file, Width, Height, Fps);
    s.bitRate = bitRate;
    s.preset = preset.toStdString();
    VideoEncoder encoder;
    QVERIFY2(encoder.open(s), encoder.error().c_str());
    for (int i = 0; i < Fps * Seconds; ++i) {
        const std::vector<uint8_t> rgb = movingScene(Width, Height, i);
        QVERIFY(encoder.encode(rgb.data(), Width, Height, Width * 3, int64_t(i) * 1000000 / Fps));
    }
    QVERIFY2(encoder.finish(), encoder.error().c_str());
    const double achieved = double(encoder.timing().bytes) * 8.0 / Seconds;
    QVERIFY2(qAbs(achieved - bitRate) <= 0.2 * bitRate,
             qPrintable(QStringLiteral("%1 bit/s for %2").arg(achieved, 0, 'f', 0).arg(bitRate)));
}

void TestVideoEncoder::killedRecordingIsRepaired_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mayLose");
    // An MP4 fragment reaches the file when the next group of 12 pictures
    // starts; AVI packets go out one by one.
    QTest::newRow("mp4") << "killed.mp4" << 13;
    QTest::newRow("avi") << "killed.avi" << 1;
}

// A recording killed mid-way decodes up to its last written frame; the next
// start finds its marker and makes it a complete file, with its length and
// an index to seek by, losing none of its frames.
void TestVideoEncoder::killedRecordingIsRepaired()
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

    const VideoProbe cut = probeVideo(QFile::encodeName(file).toStdString());
    QVERIFY(cut.opened);
    QCOMPARE(QSize(cut.width, cut.height), QSize(320, 240));
    QVERIFY2(cut.frames >= handedOver - mayLose && cut.frames <= handedOver + 1,
             qPrintable(QStringLiteral("%1 frames decoded of %2").arg(cut.frames).arg(handedOver)));
    QVERIFY(QFile::exists(RecordingRepair::markerFor(file)));

    const QVector<RecordingRepair::Result> results = RecordingRepair::repairInterrupted({m_dir.path()});
    QCOMPARE(results.size(), 1);
    QCOMPARE(results[0].file, file);
    QVERIFY2(results[0].outcome == RecordingRepair::Outcome::Repaired, describe(results[0].failure).c_str());
    QVERIFY(!QFile::exists(RecordingRepair::markerFor(file)));
    // The file keeps its name; no marker or half-made copy stays beside it.
    QCOMPARE(
        QDir(m_dir.path())
            .entryList({QStringLiteral("*.recording"), QStringLiteral(".*")}, QDir::Files | QDir::Hidden),
        QStringList());
    QVERIFY(QFile::exists(file));

    const VideoProbe repaired = probeVideo(QFile::encodeName(file).toStdString());
    QCOMPARE(repaired.frames, cut.frames);
    QCOMPARE(results[0].frames, cut.frames);
    QCOMPARE(repaired.frameSeconds, cut.frameSeconds);
    const double frame = 1.0 / ChildFramesPerSecond;
    QVERIFY2(qAbs(repaired.durationSeconds - (cut.lastFrameSeconds + frame)) <= frame,
             qPrintable(QStringLiteral("%1 s announced, last frame at %2 s")
                            .arg(repaired.durationSeconds)
                            .arg(cut.lastFrameSeconds)));
    QVERIFY(repaired.indexEntries >= repaired.frames / 12);
    // Seeking lands on the key frame at or before the time asked for.
    const double middle = cut.lastFrameSeconds / 2;
    const double landed = seekTo(QFile::encodeName(file).toStdString(), middle);
    QVERIFY2(landed >= 0 && landed <= middle + 0.001 && landed > middle - 13 * frame,
             qPrintable(QStringLiteral("asked for %1 s, landed at %2 s").arg(middle).arg(landed)));
    // Nothing is left to repair at the next start.
    QVERIFY(RecordingRepair::repairInterrupted({m_dir.path()}).isEmpty());
}

void TestVideoEncoder::unrepairableFileIsLeftAlone()
{
    const QString file = m_dir.filePath(QStringLiteral("garbage.mp4"));
    QFile garbage(file);
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    const QByteArray content(4096, 'x');
    garbage.write(content);
    garbage.close();
    {
        // A recording that started and was cut off before its first frame.
        RecordingRepair::Marker marker(file);
        marker.release(false);
    }
    const QVector<RecordingRepair::Result> results = RecordingRepair::repairInterrupted({m_dir.path()});
    QCOMPARE(results.size(), 1);
    QCOMPARE(results[0].file, file);
    QVERIFY(results[0].outcome == RecordingRepair::Outcome::Unrepairable);
    QVERIFY(results[0].failure);
    QVERIFY(garbage.open(QIODevice::ReadOnly));
    QCOMPARE(garbage.readAll(), content);
    QVERIFY(!QFile::exists(RecordingRepair::markerFor(file)));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--record-until-killed") == 0)
        return recordUntilKilled(argv[2]);
    TestVideoEncoder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_videoencoder.moc"
