// The parameter dock's conversions and checks on typed values, without a
// window.

#include "params/parameterrules.h"
#include "slotwarningguard.h"

#include <QtTest>

using namespace ParameterRules;

class TestParameterRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vexotest::installSlotWarningGuard(); }
    void unitConversions();
    void typedRanges_data();
    void typedRanges();
    void unsignedNumbers();
    void exportNames_data();
    void exportNames();
};

void TestParameterRules::unitConversions()
{
    // Spin box to slider: the value shown comes back unchanged, even where
    // value x scale is not exact in binary (1.15 x 100 = 114.999...).
    QCOMPARE(sliderSteps(1.15, 100), 115);
    QCOMPARE(sliderSteps(1.234, 1000), 1234);
    QCOMPARE(sliderSteps(std::nan(""), 100), 0);
    QCOMPARE(sliderSteps(1e300, 100), INT_MAX);
    // A time read back from whole lines at an inexact line time is whole
    // lines again; no line time, no lines.
    const double lineUs = 1e6 / 60.0 / 1120.0;
    QCOMPARE(exposureLines(500 * lineUs, lineUs), 500);
    QCOMPARE(exposureLines(7440.0, 0.0), 0);

    QCOMPARE(exposureRangeText(1234567.0), QStringLiteral("1234.57"));
    QCOMPARE(gainRangeText(999), QStringLiteral("0"));
    QCOMPARE(gainRangeText(-1999), QStringLiteral("-1"));
    QCOMPARE(channelMask(QVector<bool>(40, true)), 0x7FFFFFFF);
    for (const char *name : {"曲线3", "Linear", "", "直线 "})
        QVERIFY(!isListedLutPreset(QString::fromUtf8(name)));

    // Red is the low byte, as the camera packs it; the colour buttons keep
    // it in their style sheet.
    QCOMPARE(colourStyleSheet(0xFF030201), QStringLiteral("background-color:rgb(1,2,3)"));
    for (const uint32_t colour : {0x000000u, 0x0000FFu, 0x123456u, 0xFFFFFFu})
        QCOMPARE(packColour(colourOfStyleSheet(colourStyleSheet(colour))), colour);
    QCOMPARE(colourOfStyleSheet(QString()), QColor(Qt::black));
}

void TestParameterRules::typedRanges_data()
{
    QTest::addColumn<bool>("exposure");
    QTest::addColumn<QString>("minText");
    QTest::addColumn<QString>("maxText");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    // Exposure: typed in ms, limits 20 us .. 1 s.
    QTest::newRow("exposure inside") << true << "0.1"
                                     << "12" << true << 100.0 << 12000.0;
    QTest::newRow("exposure clamped") << true << "0.001"
                                      << "5000" << true << 20.0 << 1e6;
    QTest::newRow("exposure min above max") << true << "10"
                                            << "1" << false << 0.0 << 0.0;
    QTest::newRow("exposure empty") << true << "0.1"
                                    << "" << false << 0.0 << 0.0;
    QTest::newRow("exposure not a number") << true << "abc"
                                           << "12" << false << 0.0 << 0.0;
    QTest::newRow("exposure infinite") << true << "0.1"
                                       << "1e400" << false << 0.0 << 0.0;
    // Gain: typed in whole multiples, limits 1.5 .. 16 (x1000).
    QTest::newRow("gain inside") << false << "2"
                                 << "8" << true << 2000.0 << 8000.0;
    QTest::newRow("gain shown truncated comes back clamped") << false << "1"
                                                             << "16" << true << 1500.0 << 16000.0;
    QTest::newRow("gain fraction") << false << "1.5"
                                   << "8" << false << 0.0 << 0.0;
    QTest::newRow("gain min above max") << false << "9"
                                        << "8" << false << 0.0 << 0.0;
    QTest::newRow("gain huge") << false << "1"
                               << "99999999999" << false << 0.0 << 0.0;
}

void TestParameterRules::typedRanges()
{
    QFETCH(bool, exposure);
    QFETCH(QString, minText);
    QFETCH(QString, maxText);
    QFETCH(bool, sent);
    QFETCH(double, min);
    QFETCH(double, max);
    if (exposure) {
        const auto range = exposureRange(minText, maxText, 20.0, 1e6);
        QCOMPARE(range.has_value(), sent);
        if (sent) {
            QCOMPARE(range->minUs, min);
            QCOMPARE(range->maxUs, max);
        }
    } else {
        const auto range = gainRange(minText, maxText, 1500, 16000);
        QCOMPARE(range.has_value(), sent);
        if (sent) {
            QCOMPARE(range->minX1000, int(min));
            QCOMPARE(range->maxX1000, int(max));
        }
    }
}

void TestParameterRules::unsignedNumbers()
{
    QCOMPARE(unsignedNumber(QStringLiteral("0")), std::optional<uint32_t>(0));
    QCOMPARE(unsignedNumber(QStringLiteral(" 1500 ")), std::optional<uint32_t>(1500));
    QCOMPARE(unsignedNumber(QStringLiteral("4294967295")), std::optional<uint32_t>(4294967295u));
    // A negative number would wrap around into a huge time.
    for (const char *bad : {"-5", "", "4294967296", "12a", "1.5", "+3"})
        QVERIFY2(!unsignedNumber(QString::fromLatin1(bad)), bad);
}

void TestParameterRules::exportNames_data()
{
    QTest::addColumn<bool>("hasKey");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<bool>("extension");
    QTest::addColumn<QString>("name");

    QTest::newRow("nickname and C, .bin") << true << "Line2"
                                          << "C" << true << "/tmp/Line2_Cfg_C.bin";
    QTest::newRow("nickname and C, bare") << true << "Line2"
                                          << "C" << false << "/tmp/Line2_Cfg_C";
    QTest::newRow("chinese nickname") << true << "昵称"
                                      << "C" << true << "/tmp/昵称_Cfg_C.bin";
    QTest::newRow("no load mode") << false << ""
                                  << "A" << true << "/tmp/A.bin";
    QTest::newRow("no group") << true << "VXG-200C"
                              << "" << false << "/tmp/VXG-200C_Cfg_";
    QTest::newRow("nothing names it") << false << ""
                                      << "" << true << "";
    // A nickname is free text: it cannot lead out of the chosen folder.
    QTest::newRow("slash in nickname") << true << "../../etc/x"
                                       << "B" << false << "/tmp/.._.._etc_x_Cfg_B";
}

void TestParameterRules::exportNames()
{
    QFETCH(bool, hasKey);
    QFETCH(QString, key);
    QFETCH(QString, letter);
    QFETCH(bool, extension);
    QFETCH(QString, name);
    QCOMPARE(exportFileName(QStringLiteral("/tmp"), hasKey ? std::optional<QString>(key) : std::nullopt,
                            letter, extension),
             name);
}

VEXO_QTEST_MAIN(TestParameterRules)
#include "tst_parameterrules.moc"
