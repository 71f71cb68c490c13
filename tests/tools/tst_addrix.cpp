// The address tool: its camera table and interface filter, renaming, the
// address dialog and its dotted-quad editor, on the simulated cameras.
#include "addrix.h"
#include "ipaddress.h"
#include "ipmodify.h"
#include "modalhelper.h"
#include "slotwarningguard.h"
#include "textfields.h"
#include "toollanguage.h"

#include "VexoCameraSim.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTableWidget>
#include <QtTest>

#include <cstring>
#include <vector>

Q_DECLARE_METATYPE(QList<Addrix::HostInterface>)

namespace {

template<typename T>
T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

void setLanguage(const QVariant &value)
{
    QSettings ini(vexo::sharedConfigPath(), QSettings::IniFormat);
    if (value.isValid())
        ini.setValue(QStringLiteral("EDITION/Language"), value);
    else
        ini.remove(QStringLiteral("EDITION/Language"));
}

struct Camera
{
    stDeviceInfo device{};
    stGigeInfo gige{};
    QString serial() const { return vexo::fromLocalField(device.acSn); }
};

std::vector<Camera> enumerate()
{
    std::vector<Camera> cameras;
    int count = 0;
    if (CameraEnumerateDevice(&count) != 0)
        return cameras;
    for (int i = 0; i < count; ++i) {
        Camera camera;
        if (CameraGetEnumIndexInfo(i, &camera.device) != 0)
            continue;
        CameraGigeGetIp(camera.device.acSn, &camera.gige);
        cameras.push_back(camera);
    }
    return cameras;
}

std::vector<Camera> gigeCameras()
{
    std::vector<Camera> result;
    for (const Camera &camera : enumerate()) {
        if (std::strstr(camera.device.acPortType, "GigE"))
            result.push_back(camera);
    }
    return result;
}

int rowOf(QTableWidget *table, const QString &serial)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->data(Qt::UserRole).toString() == serial)
            return row;
    }
    return -1;
}

ipModify *openDialog()
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<ipModify *>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

// Another host address in the camera's subnet, not the host's, the
// camera's or the gateway's.
QString freeAddress(const stGigeInfo &gige)
{
    const QStringList ip = QString::fromLatin1(gige.acIp).split(QLatin1Char('.'));
    for (int host = 20; host < 250; ++host) {
        const QString candidate = ip.mid(0, 3).join(QLatin1Char('.')) + QStringLiteral(".%1").arg(host);
        if (candidate != QLatin1String(gige.acIp) && candidate != QLatin1String(gige.acNicIp) &&
            candidate != QLatin1String(gige.acGateway))
            return candidate;
    }
    return {};
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

} // namespace

class TstAddrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void languageKey_data();
    void languageKey();
    void hostInterfaceList_data();
    void hostInterfaceList();
    void validRange_data();
    void validRange();
    void recordToWrite_data();
    void recordToWrite();
    void editorFocusRules_data();
    void editorFocusRules();
    void setIpTakesOnlyValidAddresses_data();
    void setIpTakesOnlyValidAddresses();

    void tableListsGigeCamerasOnly();
    void interfaceFilter();
    void buttonMessages_data();
    void buttonMessages();
    void renameShowsAfterRefresh();
    void staticAddressRefreshesTheTable();
    void dhcpKeepsTheAddresses();
    void refusedAddressKeepsTheDialog_data();
    void refusedAddressKeepsTheDialog();
};

void TstAddrix::initTestCase()
{
    vexotest::installSlotWarningGuard();
    QVERIFY(!qEnvironmentVariableIsEmpty("VEXO_SDK_HOME"));
}

void TstAddrix::init()
{
    QCOMPARE(VexoSimLoadCameraSet(nullptr), 0);
    VexoSimClearFailures();
    VexoSimTraceEnable(0);
    VexoSimTraceClear();
    // The tool's Chinese texts are the ones the tests compare.
    setLanguage(QStringLiteral("0"));
}

void TstAddrix::cleanup()
{
    while (ipModify *dialog = openDialog())
        dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstAddrix::languageKey_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("title");
    QTest::newRow("missing") << QVariant() << QStringLiteral("IP Configuration Tool");
    QTest::newRow("0") << QVariant(QStringLiteral("0")) << QStringLiteral("IP配置工具");
    QTest::newRow("1") << QVariant(QStringLiteral("1")) << QStringLiteral("IP Configuration Tool");
}

void TstAddrix::languageKey()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, title);
    setLanguage(stored);
    ModalAnswer boxes;
    Addrix window;
    QVERIFY(window.translationInstalled());
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(boxes.count(), 0);
}

void TstAddrix::hostInterfaceList_data()
{
    using Nic = Addrix::HostInterface;
    const QHostAddress v6(QStringLiteral("fe80::1"));
    QTest::addColumn<QList<Nic>>("interfaces");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("addresses");
    QTest::newRow("loopback left out")
        << QList<Nic>{{QStringLiteral("lo"), true, {QHostAddress(QStringLiteral("127.0.0.1"))}}}
        << QStringList() << QStringList();
    QTest::newRow("IPv4 after IPv6")
        << QList<Nic>{{QStringLiteral("eth0"), false, {v6, QHostAddress(QStringLiteral("192.168.1.5"))}}}
        << QStringList{QStringLiteral("    eth0[192.168.1.5]")} << QStringList{QStringLiteral("192.168.1.5")};
    QTest::newRow("single IPv4, first of two IPv4")
        << QList<Nic>{{QStringLiteral("eth1"), false, {QHostAddress(QStringLiteral("10.0.0.5"))}},
                      {QStringLiteral("eth2"),
                       false,
                       {QHostAddress(QStringLiteral("172.16.0.2")),
                        QHostAddress(QStringLiteral("172.16.1.2"))}}}
        << QStringList{QStringLiteral("    eth1[10.0.0.5]"), QStringLiteral("    eth2[172.16.0.2]")}
        << QStringList{QStringLiteral("10.0.0.5"), QStringLiteral("172.16.0.2")};
    QTest::newRow("IPv6 only and no address")
        << QList<Nic>{{QStringLiteral("wg0"), false, {v6}}, {QStringLiteral("dummy"), false, {}}}
        << QStringList() << QStringList();
}

void TstAddrix::hostInterfaceList()
{
    QFETCH(QList<Addrix::HostInterface>, interfaces);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, addresses);
    QStringList gotTexts, gotAddresses;
    for (const Addrix::HostItem &item : Addrix::hostItems(interfaces)) {
        gotTexts << item.text;
        gotAddresses << item.address;
    }
    QCOMPARE(gotTexts, texts);
    QCOMPARE(gotAddresses, addresses);
}

void TstAddrix::validRange_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("range");
    QTest::newRow("/24") << "192.168.10.23"
                         << "255.255.255.0"
                         << "192.168.10.1 - 192.168.10.254";
    QTest::newRow("/8") << "10.0.0.5"
                        << "255.0.0.0"
                        << "10.0.0.1 - 10.255.255.254";
    QTest::newRow("/20") << "172.16.21.9"
                         << "255.255.240.0"
                         << "172.16.16.1 - 172.16.31.254";
    QTest::newRow("empty record") << ""
                                  << ""
                                  << "0.0.0.1 - 255.255.255.254";
    QTest::newRow("junk parts count as 0") << "192.x.300.7.9"
                                           << "255.255.255.0"
                                           << "192.0.0.1 - 192.0.0.254";
}

void TstAddrix::validRange()
{
    QFETCH(QString, host);
    QFETCH(QString, mask);
    QFETCH(QString, range);
    QCOMPARE(ipModify::validRange(host, mask), range);
}

void TstAddrix::recordToWrite_data()
{
    QTest::addColumn<bool>("dhcp");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("written");
    const QStringList read{QStringLiteral("192.168.10.50"), QStringLiteral("255.255.255.0"),
                           QStringLiteral("192.168.10.1")};
    const QStringList typed{QStringLiteral("192.168.10.60"), QStringLiteral("255.255.0.0"),
                            QStringLiteral("0.0.0.0")};
    QTest::newRow("static") << false << typed << true << 1 << typed;
    QTest::newRow("DHCP keeps what was read") << true << typed << true << 0 << read;
    QTest::newRow("DHCP ignores half-typed fields")
        << true << QStringList{QStringLiteral("192.168..1"), QString(), QString()} << true << 0 << read;
    for (int field = 0; field < 3; ++field) {
        QStringList incomplete = typed;
        incomplete[field] = field == 0 ? QStringLiteral("192.168..1") : QStringLiteral("...");
        QTest::addRow("static, incomplete field %d", field)
            << false << incomplete << false << 0 << QStringList();
    }
}

void TstAddrix::recordToWrite()
{
    QFETCH(bool, dhcp);
    QFETCH(QStringList, typed);
    QFETCH(bool, sent);
    QFETCH(int, mode);
    QFETCH(QStringList, written);
    stGigeInfo read{};
    std::strcpy(read.acNicIp, "192.168.10.2");
    std::strcpy(read.acIp, "192.168.10.50");
    std::strcpy(read.acMask, "255.255.255.0");
    std::strcpy(read.acGateway, "192.168.10.1");
    read.iIpMode = 1;
    const std::uint8_t mac[6] = {2, 0x56, 1, 2, 3, 4};
    std::memcpy(read.abMac, mac, 6);

    const std::optional<stGigeInfo> record =
        ipModify::recordToWrite(read, dhcp, typed[0], typed[1], typed[2]);
    QCOMPARE(record.has_value(), sent);
    if (!record)
        return;
    QCOMPARE(record->iIpMode, mode);
    QCOMPARE((QStringList{vexo::fromAsciiField(record->acIp), vexo::fromAsciiField(record->acMask),
                          vexo::fromAsciiField(record->acGateway)}),
             written);
    QCOMPARE(QString::fromLatin1(record->acNicIp), QStringLiteral("192.168.10.2"));
    QCOMPARE(std::memcmp(record->abMac, mac, 6), 0);
}

void TstAddrix::editorFocusRules_data()
{
    // Keys typed into whichever field has the focus; "\b" is Backspace.
    QTest::addColumn<int>("startField");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("ip");
    QTest::newRow("192 moves on") << 1 << "192"
                                  << "txtIP2"
                                  << "192...";
    QTest::newRow("25 stays") << 1 << "25"
                              << "txtIP1"
                              << "25...";
    QTest::newRow("dot after 25 moves on") << 1 << "25."
                                           << "txtIP2"
                                           << "25...";
    QTest::newRow("099 is refused at the third digit") << 1 << "099"
                                                       << "txtIP1"
                                                       << "09...";
    QTest::newRow("256 is refused at the 6") << 1 << "256"
                                             << "txtIP1"
                                             << "25...";
    QTest::newRow("a whole address") << 1 << "10.0.0.1"
                                     << "txtIP4"
                                     << "10.0.0.1";
    QTest::newRow("backspace in empty third field") << 3 << "\b"
                                                    << "txtIP2"
                                                    << "";
    QTest::newRow("backspace in a two-digit field stays") << 3 << "12\b"
                                                          << "txtIP3"
                                                          << "..1.";
    QTest::newRow("backspace on the last digit moves back") << 2 << "7\b"
                                                            << "txtIP1"
                                                            << "...";
    QTest::newRow("no field after the fourth") << 4 << "200."
                                               << "txtIP4"
                                               << "...200";
}

void TstAddrix::editorFocusRules()
{
    QFETCH(int, startField);
    QFETCH(QString, keys);
    QFETCH(QString, focused);
    QFETCH(QString, ip);
    IPAddress editor;
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    child<QLineEdit>(editor, qPrintable(QStringLiteral("txtIP%1").arg(startField)))->setFocus();
    for (const QChar key : keys) {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        if (key == QLatin1Char('\b'))
            QTest::keyClick(target, Qt::Key_Backspace);
        else
            QTest::keyClicks(target, QString(key));
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(editor.getIP(), ip);
}

void TstAddrix::setIpTakesOnlyValidAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ip");
    const QString kept = QStringLiteral("1.1.1.1");
    QTest::newRow("valid") << "192.168.1.20"
                           << "192.168.1.20";
    QTest::newRow("leading zero") << "010.0.0.1"
                                  << "010.0.0.1";
    QTest::newRow("256") << "256.1.1.1" << kept;
    QTest::newRow("empty") << "" << kept;
    QTest::newRow("three parts") << "1.2.3" << kept;
    QTest::newRow("five parts") << "1.2.3.4.5" << kept;
    QTest::newRow("spaces") << " 1.2.3.4" << kept;
    QTest::newRow("letters") << "a.b.c.d" << kept;
    QTest::newRow("other digits") << QStringLiteral("١.٢.٣.٤") << kept;
}

void TstAddrix::setIpTakesOnlyValidAddresses()
{
    QFETCH(QString, text);
    QFETCH(QString, ip);
    IPAddress editor;
    editor.setIP(QStringLiteral("1.1.1.1"));
    editor.setIP(text);
    QCOMPARE(editor.getIP(), ip);
    const QStringList parts = ip.split(QLatin1Char('.'));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(child<QLineEdit>(editor, qPrintable(QStringLiteral("txtIP%1").arg(i + 1)))->text(),
                 parts.at(i));
}

void TstAddrix::tableListsGigeCamerasOnly()
{
    const std::vector<Camera> all = enumerate();
    const std::vector<Camera> gige = gigeCameras();
    QVERIFY(gige.size() >= 1);
    QVERIFY2(all.size() > gige.size(), "the camera set must hold USB cameras too");
    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    QCOMPARE(table->columnCount(), 10);
    QStringList headers;
    for (int c = 0; c < 10; ++c)
        headers << table->horizontalHeaderItem(c)->text();
    QCOMPARE(headers, (QStringList{"设备名称", "接口类型", "sensor版本", "设备驱动", "物理地址", "IP配置",
                                   "IP地址", "子网掩码", "默认网关", "状态"}));
    QCOMPARE(table->rowCount(), int(gige.size()));
    for (const Camera &camera : gige) {
        const int row = rowOf(table, camera.serial());
        QVERIFY2(row >= 0, qPrintable(camera.serial()));
        const QStringList expected{vexo::fromLocalField(camera.device.acFriendlyName),
                                   vexo::fromLocalField(camera.device.acPortType),
                                   vexo::fromLocalField(camera.device.acSensorType),
                                   vexo::fromLocalField(camera.device.acDeviceVersion),
                                   vexo::macText(camera.gige.abMac),
                                   camera.gige.iIpMode ? QStringLiteral("静态IP") : QStringLiteral("动态IP"),
                                   QString::fromLatin1(camera.gige.acIp),
                                   QString::fromLatin1(camera.gige.acMask),
                                   QString::fromLatin1(camera.gige.acGateway),
                                   QStringLiteral("空闲")};
        for (int c = 0; c < 10; ++c) {
            QCOMPARE(table->item(row, c)->text(), expected.at(c));
            QCOMPARE(table->item(row, c)->toolTip(), expected.at(c));
        }
    }
}

void TstAddrix::interfaceFilter()
{
    const std::vector<Camera> gige = gigeCameras();
    QVERIFY(!gige.empty());
    const QString nic = QString::fromLatin1(gige.front().gige.acNicIp);
    int onNic = 0;
    for (const Camera &camera : gige)
        onNic += QLatin1String(camera.gige.acNicIp) == nic ? 1 : 0;

    Addrix window;
    auto *list = child<QListWidget>(window, "listWidget");
    auto *table = child<QTableWidget>(window, "tableWidget");
    QCOMPARE(list->item(0)->text(), QStringLiteral("Gige"));
    auto *matching = new QListWidgetItem(QStringLiteral("    test[%1]").arg(nic), list);
    matching->setData(Qt::UserRole, nic);
    auto *other = new QListWidgetItem(QStringLiteral("    test[203.0.113.9]"), list);
    other->setData(Qt::UserRole, QStringLiteral("203.0.113.9"));

    window.on_listWidget_itemDoubleClicked(matching);
    QCOMPARE(table->rowCount(), onNic);
    window.on_listWidget_itemDoubleClicked(other);
    QCOMPARE(table->rowCount(), 0);
    // A refresh shows every GigE camera again, whichever interface was chosen.
    child<QPushButton>(window, "pushButton_refresh")->click();
    QCOMPARE(table->rowCount(), int(gige.size()));
    QCOMPARE(list->currentRow(), 0);
}

void TstAddrix::buttonMessages_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("selectRow");
    QTest::addColumn<bool>("openElsewhere");
    QTest::addColumn<QString>("text");
    QTest::newRow("rename without a row") << "pushButton" << false << false << "请选择设备";
    QTest::newRow("change IP without a row") << "pushButton_modifyIP" << false << false << "请选择相机";
    QTest::newRow("rename an open camera") << "pushButton" << true << true << "相机打开失败，无法修改名称";
}

void TstAddrix::buttonMessages()
{
    QFETCH(QString, button);
    QFETCH(bool, selectRow);
    QFETCH(bool, openElsewhere);
    QFETCH(QString, text);
    const Camera camera = gigeCameras().front();
    CameraHandle handle = nullptr;
    if (openElsewhere)
        QCOMPARE(CameraInitEx3(&handle, camera.device.acSn), 0);

    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    if (selectRow) {
        const int row = rowOf(table, camera.serial());
        table->setCurrentCell(row, 0);
        // The open camera is marked as such.
        QCOMPARE(table->item(row, 9)->text(), QStringLiteral("已打开"));
        QCOMPARE(table->item(row, 9)->background().color(), QColor(117, 241, 60));
    }
    ModalAnswer boxes;
    child<QPushButton>(window, qPrintable(button))->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), text);
    QCOMPARE(boxes.pressed(), QStringLiteral("确定"));
    QVERIFY(!openDialog());
    if (handle)
        CameraUnInit(handle);
    if (openElsewhere)
        QCOMPARE(vexo::fromLocalField(gigeCameras().front().device.acFriendlyName),
                 vexo::fromLocalField(camera.device.acFriendlyName));
}

void TstAddrix::renameShowsAfterRefresh()
{
    const Camera camera = gigeCameras().back();
    const QString name = QStringLiteral("产线 %1").arg(QDateTime::currentMSecsSinceEpoch() % 100000);
    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    const int row = rowOf(table, camera.serial());
    table->setCurrentCell(row, 3);
    window.on_tableWidget_itemClicked(table->item(row, 3));
    auto *edit = child<QLineEdit>(window, "lineEdit_deviceName");
    QCOMPARE(edit->text(), vexo::fromLocalField(camera.device.acFriendlyName));

    edit->setText(name);
    ModalAnswer boxes;
    child<QPushButton>(window, "pushButton")->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), QStringLiteral("修改名称成功"));
    QCOMPARE(table->item(row, 0)->text(), vexo::fromLocalField(camera.device.acFriendlyName));

    child<QPushButton>(window, "pushButton_refresh")->click();
    QCOMPARE(table->item(rowOf(table, camera.serial()), 0)->text(), name);
    // The camera was released: it opens again at once.
    CameraHandle handle = nullptr;
    QCOMPARE(CameraInitEx3(&handle, camera.device.acSn), 0);
    CameraUnInit(handle);
}

void TstAddrix::staticAddressRefreshesTheTable()
{
    const Camera camera = gigeCameras().front();
    const QString address = freeAddress(camera.gige);
    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    const int row = rowOf(table, camera.serial());
    emit table->itemDoubleClicked(table->item(row, 2));
    // A second request for the same camera does not stack another dialog.
    emit table->itemDoubleClicked(table->item(row, 2));
    QPointer<ipModify> dialog = openDialog();
    QVERIFY(dialog);
    int dialogs = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        dialogs += qobject_cast<ipModify *>(w) && w->isVisible() ? 1 : 0;
    QCOMPARE(dialogs, 1);
    QCOMPARE(child<QLabel>(*dialog, "label_ipRange")->text(),
             ipModify::validRange(QString::fromLatin1(camera.gige.acNicIp),
                                  QString::fromLatin1(camera.gige.acNicMask)));
    QCOMPARE(child<QRadioButton>(*dialog, "radioButton_staticIp")->isChecked(), camera.gige.iIpMode != 0);
    auto *ipEdit = child<IPAddress>(*dialog, "ipEdit");
    QCOMPARE(ipEdit->getIP(), QString::fromLatin1(camera.gige.acIp));
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(*ipEdit, "txtIP1"));

    child<QRadioButton>(*dialog, "radioButton_staticIp")->click();
    QVERIFY(child<QWidget>(*dialog, "widget_Ip")->isEnabled());
    ipEdit->setIP(address);
    ModalAnswer boxes;
    child<QPushButton>(*dialog, "pushButton_determine")->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Information);
    QCOMPARE(boxes.text(), QStringLiteral("修改IP成功。"));
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(table->item(rowOf(table, camera.serial()), 6)->text(), address);
    QCOMPARE(table->item(rowOf(table, camera.serial()), 5)->text(), QStringLiteral("静态IP"));
}

void TstAddrix::dhcpKeepsTheAddresses()
{
    const Camera camera = gigeCameras().front();
    ipModify *dialog = new ipModify(camera.serial());
    dialog->show();
    child<QRadioButton>(*dialog, "radioButton_dynamicIp")->click();
    QVERIFY(!child<QWidget>(*dialog, "widget_Ip")->isEnabled());
    QSignalSpy succeeded(dialog, &ipModify::modifySucces);
    ModalAnswer boxes;
    child<QPushButton>(*dialog, "pushButton_determine")->click();
    QCOMPARE(boxes.text(), QStringLiteral("修改IP成功。"));
    QCOMPARE(succeeded.count(), 1);

    stGigeInfo after{};
    QCOMPARE(CameraGigeGetIp(camera.device.acSn, &after), 0);
    QCOMPARE(after.iIpMode, 0);
    QCOMPARE(QString::fromLatin1(after.acIp), QString::fromLatin1(camera.gige.acIp));

    // Back to static: the same address comes back from the editors.
    dialog = new ipModify(camera.serial());
    dialog->show();
    QVERIFY(child<QRadioButton>(*dialog, "radioButton_dynamicIp")->isChecked());
    child<QRadioButton>(*dialog, "radioButton_staticIp")->click();
    child<QPushButton>(*dialog, "pushButton_determine")->click();
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(CameraGigeGetIp(camera.device.acSn, &after), 0);
    QCOMPARE(after.iIpMode, 1);
    QCOMPARE(QString::fromLatin1(after.acIp), QString::fromLatin1(camera.gige.acIp));
}

void TstAddrix::refusedAddressKeepsTheDialog_data()
{
    QTest::addColumn<bool>("sdkFails");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("calls");
    QTest::newRow("camera refuses") << true << "修改IP失败"
                                    << "失败" << 1;
    QTest::newRow("half-typed address") << false << "请输入完整的IP地址、子网掩码和默认网关"
                                        << "确定" << 0;
}

void TstAddrix::refusedAddressKeepsTheDialog()
{
    QFETCH(bool, sdkFails);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(int, calls);
    const Camera camera = gigeCameras().front();
    QPointer<ipModify> dialog = new ipModify(camera.serial());
    dialog->show();
    child<QRadioButton>(*dialog, "radioButton_staticIp")->click();
    if (sdkFails)
        QCOMPARE(VexoSimFailNext("CameraGigeSetIp", CAMERA_STATUS_FAILED, 1), 0);
    else
        child<QLineEdit>(*child<IPAddress>(*dialog, "maskEdit"), "txtIP3")->clear();
    QSignalSpy succeeded(dialog.data(), &ipModify::modifySucces);
    VexoSimTraceEnable(1);
    ModalAnswer boxes;
    child<QPushButton>(*dialog, "pushButton_determine")->click();
    VexoSimTraceEnable(0);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), text);
    QCOMPARE(boxes.pressed(), button);
    QCOMPARE(traceCount("CameraGigeSetIp"), calls);
    QCOMPARE(succeeded.count(), 0);
    QVERIFY(dialog && dialog->isVisible());
}

VEXO_QTEST_MAIN(TstAddrix)
#include "tst_addrix.moc"
