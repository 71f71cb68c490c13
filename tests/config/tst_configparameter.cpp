#include "config/configparameter.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList firstRunKeys()
{
    return {
        "EDITION/Version",           "WIDGETINFO/WidgetCount",    "CAPTURE/SvaePath",
        "CAPTURE/AutoSaveState",     "CAPTURE/PictureType",       "CAPTURE/NameRulePrefix",
        "CAPTURE/NameRuleFormat",    "CAPTURE/NameRuleIndex",     "CAPTURE/CaptureMode",
        "CAPTURE/GrapNumberRadix",   "CAPTURE/GrapNumberStop",    "CAPTURE/GrapNumberCount",
        "CAPTURE/GrapTimeRadix",     "CAPTURE/GrapTimeStop",      "CAPTURE/GrapTimeCount",
        "RECORDINFO/SvaePath",       "RECORDINFO/AutoSaveState",  "RECORDINFO/VideoType",
        "RECORDINFO/VideoQuality",   "RECORDINFO/PlaySpeed",      "RECORDINFO/AutoFrameRate",
        "RECORDINFO/NameRulePrefix", "RECORDINFO/NameRuleFormat", "RECORDINFO/NameRuleIndex",
        "HOTKEYINFO/WindowSize",     "HOTKEYINFO/OriginalSize",   "HOTKEYINFO/Enlarge",
        "HOTKEYINFO/Narrow",         "HOTKEYINFO/Recording",      "HOTKEYINFO/Photogrape",
        "HOTKEYINFO/Onoff",          "HOTKEYINFO/DisplaySwitch",
    };
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

// The file as another program (a tool, or the next start) would read it.
QString stored(const QString &path, const QString &key)
{
    return QSettings(path, QSettings::IniFormat).value(key).toString();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

class TestConfigParameter : public QObject
{
    Q_OBJECT

private slots:
    void singletonLivesInTheDataDirectory();
    void firstRunCreatesExactlyTheListedKeys();
    void resetOnOtherOrMissingVersionKeepsLanguageAndLayouts_data();
    void resetOnOtherOrMissingVersionKeepsLanguageAndLayouts();
    void removedKeysReadTheirReadDefaults();
    void setValueRefreshesCaptureAndRecordButNotHotkeys();
    void wholeRecordWritersLeaveTheRunningIndexAlone();
    void badFilesReadAsMissingKeys();
    void customLayoutsRoundTrip();
    void savingLayoutsDropsRemovedOnesAndTheStaleInUseName();
    void frameTextParsing();

private:
    QTemporaryDir m_dir;
    QString path(const QString &name = QStringLiteral("Config.ini")) const { return m_dir.filePath(name); }
};

void TestConfigParameter::singletonLivesInTheDataDirectory()
{
    // The test runs with its own XDG_DATA_HOME and no organisation or
    // application name, so the file lies directly in that directory.
    const QString dataHome = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_DATA_HOME"));
    QVERIFY(!dataHome.isEmpty());
    ConfigParameter *config = ConfigParameter::getInstance();
    QCOMPARE(config, ConfigParameter::getInstance());
    QCOMPARE(QDir::cleanPath(config->getSavePath()),
             QDir::cleanPath(dataHome + QStringLiteral("/Config.ini")));
    QVERIFY(QFile::exists(config->getSavePath()));
    QCOMPARE(sorted(QSettings(config->getSavePath(), QSettings::IniFormat).allKeys()),
             sorted(firstRunKeys()));
}

void TestConfigParameter::firstRunCreatesExactlyTheListedKeys()
{
    const QString file = path(QStringLiteral("first.ini"));
    ConfigParameter config(file);
    QSettings ini(file, QSettings::IniFormat);
    QCOMPARE(sorted(ini.allKeys()), sorted(firstRunKeys()));
    QCOMPARE(ini.value("EDITION/Version").toString(), QStringLiteral("v1.3.0"));
    QCOMPARE(ini.value("WIDGETINFO/WidgetCount").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("CAPTURE/SvaePath").toString(), QStringLiteral("D:/"));
    QCOMPARE(ini.value("CAPTURE/NameRulePrefix").toString(), QStringLiteral("Image_"));
    QCOMPARE(ini.value("CAPTURE/NameRuleIndex").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("CAPTURE/GrapTimeCount").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("RECORDINFO/PlaySpeed").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("RECORDINFO/NameRulePrefix").toString(), QStringLiteral("Video_"));
    QCOMPARE(ini.value("RECORDINFO/NameRuleIndex").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("HOTKEYINFO/WindowSize").toString(), QStringLiteral("Ctrl+P"));
    QCOMPARE(ini.value("HOTKEYINFO/DisplaySwitch").toString(), QStringLiteral("Ctrl+I"));
    QVERIFY(!ini.contains("EDITION/Language"));

    QCOMPARE(config.getCaptureParameter()->nameRuleIndex, 1);
    QCOMPARE(config.getRecordParament()->playSpeed, 1);
    QCOMPARE(config.getHotkeyParameter()->onoff, QStringLiteral("Ctrl+U"));
    QVERIFY(!config.value("EDITION", "Language").isValid());
    QCOMPARE(config.value("EDITION", "Language").toInt(), 0);
}

void TestConfigParameter::resetOnOtherOrMissingVersionKeepsLanguageAndLayouts_data()
{
    QTest::addColumn<QByteArray>("versionLine");
    QTest::newRow("older version") << QByteArray("Version=v1.2.9\n");
    QTest::newRow("no version") << QByteArray();
}

void TestConfigParameter::resetOnOtherOrMissingVersionKeepsLanguageAndLayouts()
{
    QFETCH(QByteArray, versionLine);
    const QString file = path(QStringLiteral("old.ini"));
    writeFile(file, "[EDITION]\n" + versionLine +
                        "Language=1\n"
                        "[WIDGETINFO]\nWidgetCount=4\n"
                        "[CAPTURE]\nPictureType=2\nSvaePath=/data/pictures\n"
                        "[HOTKEYINFO]\nEnlarge=Ctrl+K\n"
                        "[CUSTOMWIDGET]\nnames=A\nrow_A=2\ncolumn_A=2\n"
                        "frameLayoutList_A=\"0,0,1,2|1,0,1,1|1,1,1,1\"\nUsedCustomWidget=A\n");
    ConfigParameter config(file);
    QCOMPARE(stored(file, "EDITION/Version"), QStringLiteral("v1.3.0"));
    QCOMPARE(stored(file, "EDITION/Language"), QStringLiteral("1"));
    QCOMPARE(stored(file, "WIDGETINFO/WidgetCount"), QStringLiteral("1"));
    QCOMPARE(stored(file, "CAPTURE/PictureType"), QStringLiteral("0"));
    QCOMPARE(stored(file, "CAPTURE/SvaePath"), QStringLiteral("D:/"));
    QCOMPARE(stored(file, "HOTKEYINFO/Enlarge"), QStringLiteral("Ctrl+E"));
    QCOMPARE(stored(file, "CUSTOMWIDGET/UsedCustomWidget"), QStringLiteral("A"));
    QCOMPARE(config.getCaptureParameter()->pictureType, 0);
    QCOMPARE(config.getHotkeyParameter()->enlarge, QStringLiteral("Ctrl+E"));
    const QVector<SceneFrameLayout> layouts = config.readSceneFrameLayout();
    QCOMPARE(layouts.size(), 1);
    QCOMPARE(layouts.at(0).frameLayoutList,
             QStringList({QStringLiteral("0,0,1,2"), QStringLiteral("1,0,1,1"), QStringLiteral("1,1,1,1")}));
}

void TestConfigParameter::removedKeysReadTheirReadDefaults()
{
    const QString file = path(QStringLiteral("removed.ini"));
    {
        ConfigParameter first(file);
    }
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.remove("CAPTURE/NameRuleIndex");
        ini.remove("RECORDINFO/PlaySpeed");
        ini.remove("RECORDINFO/NameRuleIndex");
        ini.remove("CAPTURE/GrapNumberRadix");
        ini.remove("HOTKEYINFO/Narrow");
        ini.setValue("CAPTURE/PictureType", "png");
    }
    ConfigParameter config(file);
    QCOMPARE(stored(file, "EDITION/Version"), QStringLiteral("v1.3.0")); // no reset
    QCOMPARE(config.getCaptureParameter()->nameRuleIndex, 0);
    QCOMPARE(config.getRecordParament()->playSpeed, 0);
    QCOMPARE(config.getRecordParament()->nameRuleIndex, 0);
    QCOMPARE(config.getCaptureParameter()->grapNumberRadix, 1);
    QCOMPARE(config.getCaptureParameter()->pictureType, 0); // not a number
    QCOMPARE(config.getHotkeyParameter()->narrow, QStringLiteral("Ctrl+R"));
    QVERIFY(!config.value("CAPTURE", "NameRuleIndex").isValid());
}

void TestConfigParameter::setValueRefreshesCaptureAndRecordButNotHotkeys()
{
    ConfigParameter config(path(QStringLiteral("set.ini")));
    config.setValue("CAPTURE", "NameRuleIndex", 7);
    QCOMPARE(config.getCaptureParameter()->nameRuleIndex, 7);
    config.setValue("RECORDINFO", "NameRuleIndex", 12);
    QCOMPARE(config.getRecordParament()->nameRuleIndex, 12);
    config.setValue("HOTKEYINFO", "Enlarge", "Ctrl+Shift+E");
    QCOMPARE(config.getHotkeyParameter()->enlarge, QStringLiteral("Ctrl+E"));
    QCOMPARE(config.value("HOTKEYINFO", "Enlarge").toString(), QStringLiteral("Ctrl+Shift+E"));
    // Written through at once: another reader sees it without waiting for us.
    QCOMPARE(stored(config.getSavePath(), "CAPTURE/NameRuleIndex"), QStringLiteral("7"));
}

void TestConfigParameter::wholeRecordWritersLeaveTheRunningIndexAlone()
{
    ConfigParameter config(path(QStringLiteral("writers.ini")));
    config.setValue("CAPTURE", "NameRuleIndex", 5);
    CaptureParameter capture = *config.getCaptureParameter();
    capture.autoSaveState = 2; // a checked box stores its check state
    capture.nameRuleIndex = 99;
    capture.savePath = QStringLiteral("/srv/line 2/图片");
    QVERIFY(config.writeCaptureParament(&capture));
    QCOMPARE(stored(config.getSavePath(), "CAPTURE/AutoSaveState"), QStringLiteral("2"));
    QCOMPARE(stored(config.getSavePath(), "CAPTURE/NameRuleIndex"), QStringLiteral("5"));
    QCOMPARE(stored(config.getSavePath(), "CAPTURE/SvaePath"), QStringLiteral("/srv/line 2/图片"));
    QCOMPARE(config.getCaptureParameter()->nameRuleIndex, 99); // in memory, as handed over

    RecordParameter record = *config.getRecordParament();
    record.videoType = 1;
    record.nameRuleIndex = 42;
    QVERIFY(config.writeRecordParameter(&record));
    QCOMPARE(stored(config.getSavePath(), "RECORDINFO/VideoType"), QStringLiteral("1"));
    QCOMPARE(stored(config.getSavePath(), "RECORDINFO/NameRuleIndex"), QStringLiteral("1"));

    HotkeyParameter hotkeys = *config.getHotkeyParameter();
    hotkeys.photogrape = QStringLiteral("F5");
    QVERIFY(config.writeHotkeyParameter(&hotkeys));
    QCOMPARE(config.getHotkeyParameter()->photogrape, QStringLiteral("F5"));
    ConfigParameter again(config.getSavePath());
    QCOMPARE(again.getHotkeyParameter()->photogrape, QStringLiteral("F5"));
    QCOMPARE(again.getCaptureParameter()->savePath, QStringLiteral("/srv/line 2/图片"));
}

void TestConfigParameter::badFilesReadAsMissingKeys()
{
    // Binary garbage: no version, so it is reset to the first-run values.
    const QString garbage = path(QStringLiteral("garbage.ini"));
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 131 + 7) % 256);
    writeFile(garbage, bytes);
    {
        ConfigParameter config(garbage);
        QCOMPARE(config.getCaptureParameter()->nameRulePrefix, QStringLiteral("Image_"));
        QCOMPARE(config.value("EDITION", "Version").toString(), QStringLiteral("v1.3.0"));
    }
    // A path that cannot be a file at all: everything reads as defaults, nothing crashes.
    const QString dir = path(QStringLiteral("adir.ini"));
    QVERIFY(QDir().mkpath(dir));
    ConfigParameter config(dir);
    QCOMPARE(config.getCaptureParameter()->savePath, QStringLiteral("D:/"));
    QCOMPARE(config.getHotkeyParameter()->windowSize, QStringLiteral("Ctrl+P"));
    config.setValue("CAPTURE", "NameRuleIndex", 3);
    QVERIFY(config.readSceneFrameLayout().size() <= 1);
}

void TestConfigParameter::customLayoutsRoundTrip()
{
    ConfigParameter config(path(QStringLiteral("layouts.ini")));
    QVERIFY(config.readSceneFrameLayout().isEmpty());
    SceneFrameLayout a{QStringLiteral("A"),
                       2,
                       2,
                       {QStringLiteral("0,0,1,2"), QStringLiteral("1,0,1,1"), QStringLiteral("1,1,1,1")}};
    SceneFrameLayout b{QStringLiteral("产线 B"), 3, 3, {QStringLiteral("0,0,3,3")}};
    QVERIFY(config.writeSceneFrameLayout({a, b}));
    QCOMPARE(stored(config.getSavePath(), "CUSTOMWIDGET/names"), QStringLiteral("A,产线 B"));
    QCOMPARE(stored(config.getSavePath(), "CUSTOMWIDGET/frameLayoutList_A"),
             QStringLiteral("0,0,1,2|1,0,1,1|1,1,1,1"));

    ConfigParameter reopened(config.getSavePath());
    const QVector<SceneFrameLayout> read = reopened.readSceneFrameLayout();
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(0).name, a.name);
    QCOMPARE(read.at(0).row, 2);
    QCOMPARE(read.at(0).frameLayoutList, a.frameLayoutList);
    QCOMPARE(read.at(1).name, b.name);
    QCOMPARE(read.at(1).column, 3);
    QCOMPARE(read.at(1).frameLayoutList, b.frameLayoutList);

    QSettings(config.getSavePath(), QSettings::IniFormat).remove(QStringLiteral("CUSTOMWIDGET/row_A"));
    QCOMPARE(ConfigParameter(config.getSavePath()).readSceneFrameLayout().at(0).row, 0);

    // Edited by hand, without the quotes: the settings file reads a text
    // with commas as a list, which must come back as the one text it is.
    writeFile(path(QStringLiteral("hand.ini")), "[CUSTOMWIDGET]\nnames=A,B\nrow_A=2\ncolumn_A=2\n"
                                                "frameLayoutList_A=0,0,1,2|1,0,1,1|1,1,1,1\n"
                                                "row_B=3\ncolumn_B=3\nframeLayoutList_B=0,0,3,3\n");
    const QVector<SceneFrameLayout> hand =
        ConfigParameter(path(QStringLiteral("hand.ini"))).readSceneFrameLayout();
    QCOMPARE(hand.size(), 2);
    QCOMPARE(hand.at(0), a);
    QCOMPARE(hand.at(1).name, QStringLiteral("B"));
    QCOMPARE(hand.at(1).frameLayoutList, b.frameLayoutList);
}

void TestConfigParameter::savingLayoutsDropsRemovedOnesAndTheStaleInUseName()
{
    ConfigParameter config(path(QStringLiteral("drop.ini")));
    SceneFrameLayout a{QStringLiteral("A"), 2, 2, {QStringLiteral("0,0,2,2")}};
    SceneFrameLayout b{QStringLiteral("B"), 2, 2, {QStringLiteral("0,0,1,2"), QStringLiteral("1,0,1,2")}};
    config.writeSceneFrameLayout({a, b});
    config.setValue("CUSTOMWIDGET", "UsedCustomWidget", "A");

    config.writeSceneFrameLayout({a});
    QSettings ini(config.getSavePath(), QSettings::IniFormat);
    QVERIFY(!ini.contains("CUSTOMWIDGET/row_B"));
    QVERIFY(!ini.contains("CUSTOMWIDGET/frameLayoutList_B"));
    QVERIFY(ini.contains("CUSTOMWIDGET/row_A"));
    QCOMPARE(config.value("CUSTOMWIDGET", "UsedCustomWidget").toString(), QStringLiteral("A"));

    config.writeSceneFrameLayout({b});
    QCOMPARE(config.value("CUSTOMWIDGET", "UsedCustomWidget").toString(), QString());

    config.writeSceneFrameLayout({});
    ini.sync();
    QCOMPARE(ini.value("CUSTOMWIDGET/names").toString(), QString());
    QVERIFY(!ini.contains("CUSTOMWIDGET/row_B"));
    QVERIFY(config.readSceneFrameLayout().isEmpty());
}

void TestConfigParameter::frameTextParsing()
{
    FramePlacement p;
    QVERIFY(parseFrameText(QStringLiteral("1,0,2,3"), &p));
    QCOMPARE(p.row, 1);
    QCOMPARE(p.column, 0);
    QCOMPARE(p.rowSpan, 2);
    QCOMPARE(p.columnSpan, 3);
    QCOMPARE(frameText(p), QStringLiteral("1,0,2,3"));
    FramePlacement untouched{9, 9, 9, 9};
    // Only the text frameText() writes is accepted: no sign, space, leading
    // zero or fifth part, so what is read writes back the same.
    for (const char *bad : {"", "1,2,3", "a,b,c,d", "1,,1,1", "1;0;1;1", "1,0,2,3,", "1,0,2,3,4", "+1,0,2,3",
                            "-1,0,2,3", "01,0,2,3", " 1,0,2,3", "1,0,2,3 ", "1,0,2,99999"}) {
        QVERIFY2(!parseFrameText(QString::fromLatin1(bad), &untouched), bad);
        QCOMPARE(untouched.row, 9);
    }
}

QTEST_GUILESS_MAIN(TestConfigParameter)
#include "tst_configparameter.moc"
