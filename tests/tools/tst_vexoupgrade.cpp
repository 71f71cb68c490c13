// The firmware tool: its table, the file chooser, and upgrades of simulated
// cameras that succeed, fail, lose their camera or outlive their window.
#include "modalhelper.h"
#include "slotwarningguard.h"
#include "textfields.h"
#include "toollanguage.h"
#include "vexoupgrade.h"

#include "VexoCameraSim.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

template<typename T>
T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

bool findCamera(const QString &serial, stDeviceInfo *out)
{
    int count = 0;
    if (CameraEnumerateDevice(&count) != 0)
        return false;
    for (int i = 0; i < count; ++i) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(i, &info) == 0 && vexo::fromLocalField(info.acSn) == serial) {
            *out = info;
            return true;
        }
    }
    return false;
}

std::uint16_t firmwareOf(const QString &serial)
{
    stDeviceInfo info{};
    return findCamera(serial, &info) ? info.uFirmwareVersion : 0;
}

// The camera is neither held by the tool nor lost: it opens and closes.
bool cameraIsFree(const QString &serial)
{
    CameraHandle handle = nullptr;
    if (CameraInitEx3(&handle, vexo::toLocal(serial).constData()) != 0)
        return false;
    CameraUnInit(handle);
    return true;
}

QString makeFirmware(const QString &path, const QString &model, std::uint16_t version)
{
    const QString text = QStringLiteral("%1.%2.%3.%4")
                             .arg(version >> 12)
                             .arg((version >> 8) & 15)
                             .arg((version >> 4) & 15)
                             .arg(version & 15);
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vexo-sim"),
               {QStringLiteral("make-upg"), QStringLiteral("--model"), model, QStringLiteral("--version"),
                text, QStringLiteral("-o"), path});
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        qFatal("vexo-sim make-upg failed: %s", tool.readAllStandardError().constData());
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

int traceCount(const char *function)
{
    int n = 0;
    char line[512];
    for (int i = 0; i < VexoSimTraceCount(); ++i) {
        if (VexoSimTraceLine(i, line, sizeof line) == 0 &&
            std::strncmp(line, function, std::strlen(function)) == 0)
            ++n;
    }
    return n;
}

const char *const kSerial = "VXG2M-21A0457";
const char *const kOtherModel = "VXU-030C";

} // namespace

class TstVexoUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void resultMessages_data();
    void resultMessages();
    void upgradeEndsWithItsResult_data();
    void upgradeEndsWithItsResult();
    void emptyPathAsksForAFile();
    void nothingStartsWithoutACamera();
    void closingWhileUpgrading();

private:
    struct Window
    {
        std::unique_ptr<VexoUpgrade> window = std::make_unique<VexoUpgrade>();
        QTableWidget *table = child<QTableWidget>(*window, "tableWidget");
        QWidget *row = child<QWidget>(*window, "widget");
        QProgressBar *bar = child<QProgressBar>(*window, "progressBar");
        QLineEdit *path = child<QLineEdit>(*window, "lineEdit_path");
        QPushButton *upgrade = child<QPushButton>(*window, "pushButton_upgrade");

        void select(const QString &serial)
        {
            for (int r = 0; r < table->rowCount(); ++r) {
                const QTableWidgetItem *status = table->item(r, 6);
                if (status && status->data(Qt::UserRole).toString() == serial) {
                    table->selectRow(r);
                    return;
                }
            }
            QFAIL("camera not listed");
        }
    };

    QString product() const
    {
        stDeviceInfo info{};
        findCamera(QString::fromLatin1(kSerial), &info);
        return vexo::fromLocalField(info.acProductName);
    }
    // A good file for the camera with a version it does not run yet.
    QString goodFile()
    {
        const std::uint16_t current = firmwareOf(QString::fromLatin1(kSerial));
        return makeFirmware(m_dir.filePath(QStringLiteral("good.upg")), product(),
                            current == 0x2413 ? 0x2414 : 0x2413);
    }

    QTemporaryDir m_dir;
};

void TstVexoUpgrade::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY(m_dir.isValid());
    QSettings(vexo::sharedConfigPath(), QSettings::IniFormat).setValue(QStringLiteral("EDITION/Language"), 0);
}

void TstVexoUpgrade::init()
{
    QCOMPARE(VexoSimLoadCameraSet(nullptr), 0);
    VexoSimClearFailures();
    VexoSimTraceEnable(0);
    VexoSimTraceClear();
    QCOMPARE(VexoSimSetUpgradeDuration(300), 0);
}

void TstVexoUpgrade::resultMessages_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("text");
    const int info = QMessageBox::Information, critical = QMessageBox::Critical;
    QTest::newRow("0") << 0 << true << info << "升级成功,请断电重启相机";
    QTest::newRow("-1") << -1 << true << critical << "升级失败,操作失败";
    QTest::newRow("-4") << -4 << true << critical << "升级失败,升级文件不匹配";
    QTest::newRow("-18") << -18 << true << critical << "升级失败,设备已经打开";
    QTest::newRow("-22") << -22 << true << critical << "升级失败,升级文件路径错误";
    QTest::newRow("-13 device lost") << -13 << true << critical << "升级失败,设备已断开连接";
    QTest::newRow("-14 no device") << -14 << true << critical << "升级失败,设备已断开连接";
    QTest::newRow("-5") << -5 << false << 0 << "";
    QTest::newRow("-2") << -2 << false << 0 << "";
}

void TstVexoUpgrade::resultMessages()
{
    QFETCH(int, status);
    QFETCH(bool, shown);
    QFETCH(int, icon);
    QFETCH(QString, text);
    const VexoUpgrade::ResultMessage message = VexoUpgrade::resultMessage(status);
    QCOMPARE(message.shown, shown);
    if (shown) {
        QCOMPARE(int(message.icon), icon);
        QCOMPARE(message.text, text);
    }
}

void TstVexoUpgrade::upgradeEndsWithItsResult_data()
{
    QTest::addColumn<QString>("file");  // good, foreign, truncated, corrupted, missing
    QTest::addColumn<QString>("event"); // none, open elsewhere, fail -1, fail -5, unplug
    QTest::addColumn<QString>("text");  // empty: no message
    QTest::newRow("success") << "good"
                             << "none"
                             << "升级成功,请断电重启相机";
    QTest::newRow("foreign model") << "foreign"
                                   << "none"
                                   << "升级失败,升级文件不匹配";
    QTest::newRow("truncated") << "truncated"
                               << "none"
                               << "升级失败,升级文件不匹配";
    QTest::newRow("corrupted") << "corrupted"
                               << "none"
                               << "升级失败,升级文件不匹配";
    QTest::newRow("missing file") << "missing"
                                  << "none"
                                  << "升级失败,升级文件路径错误";
    QTest::newRow("open in the viewer") << "good"
                                        << "open elsewhere"
                                        << "升级失败,设备已经打开";
    QTest::newRow("operation failed") << "good"
                                      << "fail -1"
                                      << "升级失败,操作失败";
    QTest::newRow("other code: silent") << "good"
                                        << "fail -5"
                                        << "";
    QTest::newRow("unplugged midway") << "good"
                                      << "unplug"
                                      << "升级失败,设备已断开连接";
}

void TstVexoUpgrade::upgradeEndsWithItsResult()
{
    QFETCH(QString, file);
    QFETCH(QString, event);
    QFETCH(QString, text);
    const QString serial = QString::fromLatin1(kSerial);
    const std::uint16_t before = firmwareOf(serial);
    const QString good = goodFile();
    const std::uint16_t goodVersion = before == 0x2413 ? 0x2414 : 0x2413;
    QString path = good;
    if (file == QLatin1String("foreign")) {
        path = makeFirmware(m_dir.filePath(QStringLiteral("foreign.upg")), QString::fromLatin1(kOtherModel),
                            goodVersion);
    } else if (file == QLatin1String("truncated")) {
        path = m_dir.filePath(QStringLiteral("truncated.upg"));
        writeAll(path, readAll(good).left(readAll(good).size() / 2));
    } else if (file == QLatin1String("corrupted")) {
        QByteArray bytes = readAll(good);
        bytes[bytes.size() - 100] = char(bytes[bytes.size() - 100] ^ 0x40);
        path = m_dir.filePath(QStringLiteral("corrupted.upg"));
        writeAll(path, bytes);
    } else if (file == QLatin1String("missing")) {
        path = m_dir.filePath(QStringLiteral("no such file.upg"));
    }
    if (event == QLatin1String("unplug"))
        QCOMPARE(VexoSimSetUpgradeDuration(3000), 0);

    CameraHandle viewer = nullptr;
    if (event == QLatin1String("open elsewhere"))
        QCOMPARE(CameraInitEx3(&viewer, kSerial), 0);
    if (event.startsWith(QLatin1String("fail ")))
        QCOMPARE(VexoSimFailNext("CameraUpgrade", event.mid(5).toInt(), 1), 0);

    Window w;
    w.path->setText(path);
    w.select(serial);
    QSignalSpy progress(w.bar, &QProgressBar::valueChanged);
    ModalAnswer boxes;
    w.upgrade->click();
    QVERIFY(!w.row->isEnabled());
    QVERIFY(w.window->upgrading());
    // A second click while it runs starts nothing more.
    w.upgrade->click();
    if (event == QLatin1String("unplug")) {
        QTRY_VERIFY(w.bar->value() >= 5);
        QCOMPARE(VexoSimUnplug(kSerial), 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.row->isEnabled(), 10000);
    QVERIFY(!w.window->upgrading());

    QCOMPARE(boxes.count(), text.isEmpty() ? 0 : 1);
    if (!text.isEmpty()) {
        QCOMPARE(boxes.title(), QStringLiteral("提示"));
        QCOMPARE(boxes.text(), text);
        QCOMPARE(boxes.pressed(), QStringLiteral("确定"));
    }
    if (viewer)
        CameraUnInit(viewer);
    if (event == QLatin1String("unplug"))
        QCOMPARE(VexoSimReplug(kSerial), 0);

    const bool upgraded = text == QStringLiteral("升级成功,请断电重启相机");
    QCOMPARE(firmwareOf(serial), upgraded ? goodVersion : before);
    if (upgraded) {
        QVERIFY(progress.count() >= 3);
        QCOMPARE(progress.last().at(0).toInt(), 100);
        QCOMPARE(w.bar->value(), 100);
    } else {
        QVERIFY(w.bar->value() < 100);
    }
    QVERIFY(cameraIsFree(serial));
}

void TstVexoUpgrade::emptyPathAsksForAFile()
{
    const QString good = goodFile();
    Window w;
    w.select(QString::fromLatin1(kSerial));
    ModalAnswer answers;
    answers.setFilePath(good);
    w.upgrade->click();
    QCOMPARE(answers.count(), 2);
    QCOMPARE(answers.title(), QStringLiteral("打开"));
    QCOMPARE(answers.text(), QStringLiteral("请选择相机升级文件路径"));
    QCOMPARE(answers.nameFilters(), QStringList{VexoUpgrade::upgradeFileFilter()});
    QCOMPARE(w.path->text(), good);
    // The upgrade waits for the next press.
    QVERIFY(!w.window->upgrading());
    QVERIFY(w.row->isEnabled());
}

void TstVexoUpgrade::nothingStartsWithoutACamera()
{
    Window w;
    w.path->setText(goodFile());
    const int rows = w.table->rowCount();
    QVERIFY(rows >= 2);
    ModalAnswer boxes;
    VexoSimTraceEnable(1);
    w.upgrade->click(); // no row selected

    // A refresh that finds no camera keeps its rows, empty.
    QStringList serials;
    for (int r = 0; r < rows; ++r)
        serials << w.table->item(r, 6)->data(Qt::UserRole).toString();
    for (const QString &serial : serials)
        QCOMPARE(VexoSimUnplug(serial.toLatin1().constData()), 0);
    child<QPushButton>(*w.window, "pushButton")->click();
    QCOMPARE(w.table->rowCount(), rows);
    QVERIFY(!w.table->item(1, 6));
    w.table->selectRow(1);
    w.upgrade->click();
    VexoSimTraceEnable(0);
    for (const QString &serial : serials)
        QCOMPARE(VexoSimReplug(serial.toLatin1().constData()), 0);

    QCOMPARE(traceCount("CameraInitEx3"), 0);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(!w.window->upgrading());
    QVERIFY(w.row->isEnabled());
}

void TstVexoUpgrade::closingWhileUpgrading()
{
    const QString serial = QString::fromLatin1(kSerial);
    QCOMPARE(VexoSimSetUpgradeDuration(1500), 0);
    {
        Window w;
        w.window->show();
        w.path->setText(goodFile());
        w.select(serial);
        w.upgrade->click();
        QTRY_VERIFY(w.bar->value() > 0);
        // The title-bar X: a notice asks to wait and the window stays. Left
        // unanswered, the notice goes away when the result comes.
        const QString waitText = QStringLiteral("固件升级中，请等待升级完成后再关闭窗口");
        QStringList shown;
        bool noticeStayed = false;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || (!shown.isEmpty() && shown.last() == box->text()))
                return;
            shown << box->text();
            if (box->text() == waitText && shown.size() == 1)
                return;
            for (QWidget *top : QApplication::topLevelWidgets()) {
                auto *other = qobject_cast<QMessageBox *>(top);
                noticeStayed |= other && other->isVisible() && other->text() == waitText;
            }
            box->buttons().constFirst()->click();
        });
        answer.start(20);
        QVERIFY(!w.window->close());
        answer.stop();
        QCOMPARE(shown, (QStringList{waitText, QStringLiteral("升级成功,请断电重启相机")}));
        QVERIFY(!noticeStayed);
        QVERIFY(w.window->isVisible());
        QVERIFY(!w.window->upgrading());
        QVERIFY(w.window->close());
        QVERIFY(cameraIsFree(serial));
    }
    {
        // The program ends while an upgrade runs: the camera still finishes
        // and is released.
        Window w;
        w.path->setText(goodFile());
        w.select(serial);
        const std::uint16_t target = firmwareOf(serial) == 0x2413 ? 0x2414 : 0x2413;
        w.upgrade->click();
        QTRY_VERIFY(w.bar->value() > 0);
        w.window.reset();
        QCOMPARE(firmwareOf(serial), target);
        QVERIFY(cameraIsFree(serial));
    }
}

VEXO_QTEST_MAIN(TstVexoUpgrade)
#include "tst_vexoupgrade.moc"
