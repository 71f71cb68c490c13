#include "textfields.h"
#include "toollanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTranslator>
#include <QtTest>

#include <cstring>

// The tools find the viewer's Config.ini by dropping their own folder from
// their application-data location, and read only the language key.
class TestToolLanguage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void sharedConfigIsTheViewersFile();
    void languageKeyChoosesTheFile_data();
    void languageKeyChoosesTheFile();
    void fieldsAreReadWithinTheirBounds();
    void textsAndNumbersOfRecords();

private:
    QString dataHome() const
    {
        return QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_DATA_HOME"));
    }
};

void TestToolLanguage::init()
{
    QCoreApplication::setApplicationName(QStringLiteral("Addrix"));
    QFile::remove(dataHome() + QStringLiteral("/Config.ini"));
}

void TestToolLanguage::sharedConfigIsTheViewersFile()
{
    QVERIFY(!dataHome().isEmpty());
    QCOMPARE(QDir::cleanPath(vexo::sharedConfigPath()),
             QDir::cleanPath(dataHome() + QStringLiteral("/Config.ini")));
    QCoreApplication::setApplicationName(QStringLiteral("VexoUpgrade"));
    QCOMPARE(QDir::cleanPath(vexo::sharedConfigPath()),
             QDir::cleanPath(dataHome() + QStringLiteral("/Config.ini")));
}

void TestToolLanguage::languageKeyChoosesTheFile_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("missing key: English") << QVariant() << QStringLiteral("_en_CN.qm");
    QTest::newRow("0: Chinese") << QVariant(QStringLiteral("0")) << QStringLiteral("_zh_CN.qm");
    QTest::newRow("1: English") << QVariant(QStringLiteral("1")) << QStringLiteral("_en_CN.qm");
    QTest::newRow("text: English") << QVariant(QStringLiteral("zh")) << QStringLiteral("_en_CN.qm");
}

void TestToolLanguage::languageKeyChoosesTheFile()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, suffix);
    if (stored.isValid()) {
        QSettings ini(vexo::sharedConfigPath(), QSettings::IniFormat);
        ini.setValue(QStringLiteral("EDITION/Language"), stored);
    }
    QTranslator translator;
    const vexo::ToolLanguage language = vexo::installToolTranslation(translator, QStringLiteral("Addrix"));
    QCOMPARE(language.qmFile, QCoreApplication::applicationDirPath() + QStringLiteral("/Addrix") + suffix);
    QCOMPARE(language.installed, QFile::exists(language.qmFile));
    QCOMPARE(language.value.isValid(), stored.isValid());
    if (language.installed)
        QCoreApplication::removeTranslator(&translator);
}

void TestToolLanguage::fieldsAreReadWithinTheirBounds()
{
    char full[8];
    std::memset(full, 'A', sizeof full); // no terminator inside the field
    QCOMPARE(vexo::fromLocalField(full), QStringLiteral("AAAAAAAA"));
    char shortText[16] = "GigE";
    QCOMPARE(vexo::fromAsciiField(shortText), QStringLiteral("GigE"));
    char utf8[32] = {};
    std::strcpy(utf8, "产线一号");
    QCOMPARE(vexo::fromUtf8Field(utf8), QStringLiteral("产线一号"));

    char ip[16];
    std::memset(ip, 'x', sizeof ip);
    vexo::copyLatin1ToField(QStringLiteral("192.168.100.200.1"), ip, sizeof ip);
    QCOMPARE(ip[15], '\0');
    QCOMPARE(QString::fromLatin1(ip), QStringLiteral("192.168.100.200"));
    vexo::copyLatin1ToField(QStringLiteral("10.0.0.1"), ip, sizeof ip);
    QCOMPARE(QString::fromLatin1(ip), QStringLiteral("10.0.0.1"));
    QCOMPARE(ip[9], '\0');
    vexo::copyLatin1ToField(QStringLiteral("1中2"), ip, sizeof ip); // above U+00FF ends the text
    QCOMPARE(QString::fromLatin1(ip), QStringLiteral("1"));
}

void TestToolLanguage::textsAndNumbersOfRecords()
{
    QCOMPARE(vexo::firmwareText(0x1203), QStringLiteral("v1.2.0.3"));
    QCOMPARE(vexo::firmwareText(0xFA09), QStringLiteral("v15.10.0.9"));
    const std::uint8_t mac[6] = {0x00, 0x0A, 0xFF, 0x10, 0x02, 0x03};
    QCOMPARE(vexo::macText(mac), QStringLiteral("0:a:ff:10:2:3"));
}

QTEST_GUILESS_MAIN(TestToolLanguage)
#include "tst_toollanguage.moc"
