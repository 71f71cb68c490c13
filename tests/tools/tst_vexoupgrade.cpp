// The firmware tool: the file chooser, and upgrades of simulated cameras that
// succeed, fail, lose their camera or outlive their window.
#include "modalhelper.h"
#include "slotwarningguard.h"
#include "tooltest.h"
#include "vexoupgrade.h"

#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using tooltest::child;

namespace {

const char *const kSerial = "VXG2M-21A0457";
const char *const kOtherModel = "VXU-030C";
const char *const kSuccess = "升级成功,请断电重启相机";

std::uint16_t firmware()
{
    return tooltest::camera(kSerial).uFirmwareVersion;
}

// A version the camera does not run yet.
std::uint16_t nextFirmware()
{
    return firmware() == 0x2413 ? 0x2414 : 0x2413;
}

// Firmware files are made with the simulator's own tool, as a user would.
QString makeFirmware(const QString &path, const QString &model, std::uint16_t version)
{
    QProcess tool;
    tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/vexo-sim"),
               {QStringLiteral("make-upg"), QStringLiteral("--model"), model, QStringLiteral("--version"),
                QStringLiteral("%1.%2.%3.%4")
                    .arg(version >> 12)
                    .arg((version >> 8) & 15)
                    .arg((version >> 4) & 15)
                    .arg(version & 15),
                QStringLiteral("-o"), path});
    if (!tool.waitForFinished(10000) || tool.exitCode() != 0)
        qFatal("vexo-sim make-upg failed: %s", tool.readAllStandardError().constData());
    return path;
}

struct Window
{
    std::unique_ptr<VexoUpgrade> window = std::make_unique<VexoUpgrade>();
    QTableWidget *table = child<QTableWidget>(*window, "tableWidget");
    QWidget *row = child<QWidget>(*window, "widget");
    QProgressBar *bar = child<QProgressBar>(*window, "progressBar");
    QLineEdit *path = child<QLineEdit>(*window, "lineEdit_path");
    QPushButton *upgrade = child<QPushButton>(*window, "pushButton_upgrade");

    void select(const char *serial)
    {
        for (int r = 0; r < table->rowCount(); ++r) {
            if (table->item(r, 6) &&
                table->item(r, 6)->data(Qt::UserRole).toString() == QLatin1String(serial))
                table->selectRow(r);
        }
    }
};

} // namespace

class TstVexoUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void resultMessages();
    void upgradeEndsWithItsResult_data();
    void upgradeEndsWithItsResult();
    void emptyPathAsksForAFile();
    void nothingStartsWithoutACamera();
    void closingWhileUpgrading();
    void tableIsWholeFromTheStart();

private:
    QString goodFile()
    {
        return makeFirmware(m_dir.filePath(QStringLiteral("good.upg")), m_product, nextFirmware());
    }

    QTemporaryDir m_dir;
    QString m_product;
};

void TstVexoUpgrade::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY(m_dir.isValid());
    m_product = vexo::fromLocalField(tooltest::camera(kSerial).acProductName);
    QVERIFY(!m_product.isEmpty());
}

void TstVexoUpgrade::init()
{
    tooltest::resetSimulator();
    tooltest::useChinese();
    QCOMPARE(VexoSimSetUpgradeDuration(300), 0);
}

void TstVexoUpgrade::resultMessages()
{
    const struct
    {
        int status;
        QMessageBox::Icon icon;
        const char *text;
    } table[] = {
        {0, QMessageBox::Information, kSuccess},
        {-1, QMessageBox::Critical, "升级失败,操作失败"},
        {-4, QMessageBox::Critical, "升级失败,升级文件不匹配"},
        {-18, QMessageBox::Critical, "升级失败,设备已经打开"},
        {-22, QMessageBox::Critical, "升级失败,升级文件路径错误"},
        {-13, QMessageBox::Critical, "升级失败,设备已断开连接"}, // lost during the upgrade
        {-14, QMessageBox::Critical, "升级失败,设备已断开连接"}, // gone before it
        {-5, QMessageBox::NoIcon, nullptr},
        {-2, QMessageBox::NoIcon, nullptr},
    };
    for (const auto &row : table) {
        const VexoUpgrade::ResultMessage message = VexoUpgrade::resultMessage(row.status);
        QCOMPARE(message.shown, row.text != nullptr);
        QCOMPARE(message.icon, row.icon);
        QCOMPARE(message.text, row.text ? QString::fromUtf8(row.text) : QString());
    }
}

void TstVexoUpgrade::upgradeEndsWithItsResult_data()
{
    QTest::addColumn<QString>("file");  // good, foreign, truncated, corrupted, missing
    QTest::addColumn<QString>("event"); // none, open elsewhere, fail -1, fail -5, unplug
    QTest::addColumn<QString>("text");  // empty: no message
    QTest::newRow("success") << "good"
                             << "none" << kSuccess;
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
    const std::uint16_t before = firmware(), target = nextFirmware();
    const QString good = goodFile();
    QFile goodFile(good);
    QVERIFY(goodFile.open(QIODevice::ReadOnly));
    QByteArray bytes = goodFile.readAll();
    QString path = m_dir.filePath(file + QStringLiteral(".upg"));
    if (file == QLatin1String("good"))
        path = good;
    else if (file == QLatin1String("foreign"))
        makeFirmware(path, QString::fromLatin1(kOtherModel), target);
    else if (file == QLatin1String("missing"))
        path = m_dir.filePath(QStringLiteral("no such file.upg"));
    if (file == QLatin1String("truncated") || file == QLatin1String("corrupted")) {
        if (file == QLatin1String("truncated"))
            bytes.truncate(bytes.size() / 2);
        else
            bytes[bytes.size() - 100] = char(bytes[bytes.size() - 100] ^ 0x40);
        QFile damaged(path);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(bytes) == bytes.size());
    }
    CameraHandle viewer = nullptr;
    if (event == QLatin1String("open elsewhere"))
        QCOMPARE(CameraInitEx3(&viewer, kSerial), 0);
    if (event.startsWith(QLatin1String("fail ")))
        QCOMPARE(VexoSimFailNext("CameraUpgrade", event.mid(5).toInt(), 1), 0);
    if (event == QLatin1String("unplug"))
        QCOMPARE(VexoSimSetUpgradeDuration(3000), 0);

    Window w;
    w.path->setText(path);
    w.select(kSerial);
    QSignalSpy progress(w.bar, &QProgressBar::valueChanged);
    ModalAnswer boxes;
    w.upgrade->click();
    QVERIFY(!w.row->isEnabled());
    w.upgrade->click(); // a second click while it runs starts nothing more
    if (event == QLatin1String("unplug")) {
        QTRY_VERIFY(w.bar->value() >= 5);
        QCOMPARE(VexoSimUnplug(kSerial), 0);
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.row->isEnabled(), 10000);
    QVERIFY(!w.window->upgrading());
    QCOMPARE(boxes.count(), text.isEmpty() ? 0 : 1);
    QCOMPARE(boxes.text(), text);
    if (viewer)
        CameraUnInit(viewer);
    if (event == QLatin1String("unplug"))
        QCOMPARE(VexoSimReplug(kSerial), 0);

    const bool upgraded = text == QString::fromUtf8(kSuccess);
    QCOMPARE(firmware(), upgraded ? target : before);
    QCOMPARE(w.bar->value() == 100, upgraded);
    if (upgraded)
        QVERIFY2(progress.count() >= 3, "progress reaches the bar along the way");
    QVERIFY(tooltest::cameraIsFree(kSerial));
}

void TstVexoUpgrade::emptyPathAsksForAFile()
{
    const QString good = goodFile();
    Window w;
    w.select(kSerial);
    ModalAnswer answers;
    answers.setFilePath(good);
    w.upgrade->click();
    QCOMPARE(answers.count(), 2);
    QCOMPARE(answers.text(), QStringLiteral("请选择相机升级文件路径"));
    QCOMPARE(answers.title(), QStringLiteral("打开"));
    QCOMPARE(answers.nameFilters(), QStringList{VexoUpgrade::upgradeFileFilter()});
    QCOMPARE(w.path->text(), good);
    QVERIFY(!w.window->upgrading()); // it waits for the next press
}

void TstVexoUpgrade::nothingStartsWithoutACamera()
{
    Window w;
    w.path->setText(goodFile());
    const int rows = w.table->rowCount();
    ModalAnswer boxes;
    VexoSimTraceEnable(1);
    w.upgrade->click(); // no row selected

    // A refresh that finds no camera keeps its rows, empty.
    const std::vector<stDeviceInfo> all = tooltest::cameras();
    for (const stDeviceInfo &info : all)
        QCOMPARE(VexoSimUnplug(info.acSn), 0);
    child<QPushButton>(*w.window, "pushButton")->click();
    QCOMPARE(w.table->rowCount(), rows);
    QVERIFY(!w.table->item(1, 6));
    w.table->selectRow(1);
    w.upgrade->click();
    for (const stDeviceInfo &info : all)
        QCOMPARE(VexoSimReplug(info.acSn), 0);

    QCOMPARE(tooltest::traceCount("CameraInitEx3"), 0);
    QCOMPARE(boxes.count(), 0);
    QVERIFY(w.row->isEnabled());
}

void TstVexoUpgrade::closingWhileUpgrading()
{
    QCOMPARE(VexoSimSetUpgradeDuration(1500), 0);
    {
        Window w;
        w.window->show();
        w.path->setText(goodFile());
        w.select(kSerial);
        w.upgrade->click();
        QTRY_VERIFY(w.bar->value() > 0);
        // The title-bar X: a notice asks to wait and the window stays. Left
        // unanswered, the notice goes away when the result comes.
        const QString waitText = QStringLiteral("固件升级中，请等待升级完成后再关闭窗口");
        QStringList shown;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || (!shown.isEmpty() && shown.last() == box->text()))
                return;
            shown << box->text();
            if (box->text() != waitText || shown.size() > 1)
                box->buttons().constFirst()->click();
        });
        answer.start(20);
        QVERIFY(!w.window->close());
        QCOMPARE(shown, (QStringList{waitText, QString::fromUtf8(kSuccess)}));
        QVERIFY(w.window->isVisible());
        QVERIFY(tooltest::cameraIsFree(kSerial));
        QVERIFY(w.window->close());
    }
    {
        // The program ends while an upgrade runs: the camera still finishes
        // and is released.
        Window w;
        w.path->setText(goodFile());
        w.select(kSerial);
        const std::uint16_t target = nextFirmware();
        w.upgrade->click();
        QTRY_VERIFY(w.bar->value() > 0);
        w.window.reset();
        QCOMPARE(firmware(), target);
        QVERIFY(tooltest::cameraIsFree(kSerial));
    }
}

void TstVexoUpgrade::tableIsWholeFromTheStart()
{
    // Each row one line high and every column whole when the window first
    // shows, not only after the first resize.
    Window w;
    w.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
    QVERIFY(w.table->rowCount() >= 2);
    const int line = w.table->fontMetrics().height();
    for (int r = 0; r < w.table->rowCount(); ++r) {
        QVERIFY2(w.table->rowHeight(r) < 2 * line, qPrintable(QString::number(r)));
        QCOMPARE(w.table->rowHeight(r), w.table->rowHeight(0));
    }
    QTRY_COMPARE(w.table->horizontalScrollBar()->maximum(), 0);
}

VEXO_QTEST_MAIN(TstVexoUpgrade)
#include "tst_vexoupgrade.moc"
