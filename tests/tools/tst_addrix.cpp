// The address tool: its camera table and interface filter, renaming, the
// address dialog and its dotted-quad editor, on the simulated cameras.
#include "addrix.h"
#include "ipaddress.h"
#include "ipmodify.h"
#include "modalhelper.h"
#include "slotwarningguard.h"
#include "tooltest.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

using tooltest::child;

namespace {

const char *const kGige = "VXG2M-21A0457"; // the built-in set's first GigE camera

int rowOf(QTableWidget *table, const QString &serial)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->data(Qt::UserRole).toString() == serial)
            return row;
    }
    return -1;
}

QList<ipModify *> openDialogs()
{
    QList<ipModify *> dialogs;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<ipModify *>(window); dialog && dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

stGigeInfo gigeOf(const char *serial)
{
    stGigeInfo info{};
    CameraGigeGetIp(serial, &info);
    return info;
}

} // namespace

class TstAddrix : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { vexotest::installSlotWarningGuard(); }
    void init();
    void cleanup();

    void hostInterfaceList();
    void validRange_data();
    void validRange();
    void recordToWrite_data();
    void recordToWrite();
    void staticAddressProblem_data();
    void staticAddressProblem();
    void editorFocusRules_data();
    void editorFocusRules();
    void setIpTakesOnlyValidAddresses();

    void tableAndInterfaceFilter();
    void buttonMessages_data();
    void buttonMessages();
    void staticAddressRefreshesTheTable();
    void refusedAddressKeepsTheDialog_data();
    void refusedAddressKeepsTheDialog();
};

void TstAddrix::init()
{
    tooltest::resetSimulator();
    tooltest::useChinese();
}

void TstAddrix::cleanup()
{
    for (ipModify *dialog : openDialogs())
        dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TstAddrix::hostInterfaceList()
{
    const auto nic = [](const char *name, bool loopback, QStringList addresses) {
        Addrix::HostInterface result{QString::fromLatin1(name), loopback, {}};
        for (const QString &a : addresses)
            result.addresses << QHostAddress(a);
        return result;
    };
    // Loopback, IPv6-only and address-less interfaces are left out; the
    // first IPv4 address names an interface, wherever it stands.
    const QList<Addrix::HostInterface> interfaces{
        nic("lo", true, {"127.0.0.1"}), nic("eth0", false, {"fe80::1", "192.168.1.5"}),
        nic("wg0", false, {"fe80::1"}), nic("eth1", false, {"10.0.0.5"}),
        nic("dummy", false, {}),        nic("eth2", false, {"172.16.0.2", "172.16.1.2"})};
    QStringList got;
    for (const Addrix::HostItem &item : Addrix::hostItems(interfaces))
        got << item.text + QLatin1Char('|') + item.address;
    QCOMPARE(got, (QStringList{"    eth0[192.168.1.5]|192.168.1.5", "    eth1[10.0.0.5]|10.0.0.5",
                               "    eth2[172.16.0.2]|172.16.0.2"}));
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
    QTest::addColumn<QStringList>("typed"); // ip, mask, gateway
    QTest::addColumn<int>("mode");          // -1: nothing is sent
    QTest::addColumn<QStringList>("written");
    const QStringList read{"192.168.10.50", "255.255.255.0", "192.168.10.1"};
    const QStringList typed{"192.168.10.60", "255.255.0.0", "0.0.0.0"};
    QTest::newRow("static") << false << typed << 1 << typed;
    QTest::newRow("DHCP keeps what was read") << true << typed << 0 << read;
    QTest::newRow("DHCP ignores half-typed fields") << true << QStringList{"192.168..1", "", ""} << 0 << read;
    QTest::newRow("static, half-typed address")
        << false << QStringList{"192.168..1", typed[1], typed[2]} << -1 << QStringList();
    QTest::newRow("static, empty gateway")
        << false << QStringList{typed[0], typed[1], "..."} << -1 << QStringList();
}

void TstAddrix::recordToWrite()
{
    QFETCH(bool, dhcp);
    QFETCH(QStringList, typed);
    QFETCH(int, mode);
    QFETCH(QStringList, written);
    stGigeInfo read{};
    std::strcpy(read.acNicIp, "192.168.10.2");
    std::strcpy(read.acIp, "192.168.10.50");
    std::strcpy(read.acMask, "255.255.255.0");
    std::strcpy(read.acGateway, "192.168.10.1");
    read.iIpMode = 1;
    read.abMac[5] = 0x42;

    const std::optional<stGigeInfo> record =
        ipModify::recordToWrite(read, dhcp, typed[0], typed[1], typed[2]);
    QCOMPARE(record.has_value(), mode >= 0);
    if (!record)
        return;
    QCOMPARE(record->iIpMode, mode);
    QCOMPARE((QStringList{vexo::fromAsciiField(record->acIp), vexo::fromAsciiField(record->acMask),
                          vexo::fromAsciiField(record->acGateway)}),
             written);
    // Everything else goes back as it was read.
    QCOMPARE(QString::fromLatin1(record->acNicIp), QStringLiteral("192.168.10.2"));
    QCOMPARE(record->abMac[5], 0x42);
}

void TstAddrix::staticAddressProblem_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("gateway");
    QTest::addColumn<QString>("problem"); // a word of the reason, empty when accepted
    QTest::newRow("usual") << "192.168.10.20"
                           << "255.255.255.0"
                           << "192.168.10.1"
                           << "";
    QTest::newRow("no gateway") << "192.168.10.20"
                                << "255.255.255.0"
                                << "0.0.0.0"
                                << "";
    QTest::newRow("wide subnet") << "10.1.2.3"
                                 << "255.0.0.0"
                                 << "10.255.0.1"
                                 << "";
    QTest::newRow("host route") << "10.1.2.3"
                                << "255.255.255.255"
                                << "10.1.2.3"
                                << "";
    QTest::newRow("gateway elsewhere") << "192.168.10.20"
                                       << "255.255.255.0"
                                       << "192.168.11.1"
                                       << "默认网关";
    QTest::newRow("network address") << "192.168.10.0"
                                     << "255.255.255.0"
                                     << "192.168.10.1"
                                     << "网络地址";
    QTest::newRow("broadcast address") << "192.168.10.255"
                                       << "255.255.255.0"
                                       << "192.168.10.1"
                                       << "广播地址";
    QTest::newRow("holes in the mask") << "192.168.10.20"
                                       << "255.0.255.0"
                                       << "192.168.10.1"
                                       << "子网掩码";
    QTest::newRow("empty mask") << "192.168.10.20"
                                << "0.0.0.0"
                                << "0.0.0.0"
                                << "子网掩码";
    QTest::newRow("half-typed") << "192.168..20"
                                << "255.255.255.0"
                                << "192.168.10.1"
                                << "完整";
}

void TstAddrix::staticAddressProblem()
{
    QFETCH(QString, ip);
    QFETCH(QString, mask);
    QFETCH(QString, gateway);
    QFETCH(QString, problem);
    const QString reason = ipModify::staticAddressProblem(ip, mask, gateway);
    if (problem.isEmpty())
        QCOMPARE(reason, QString());
    else
        QVERIFY2(reason.contains(problem), qPrintable(reason));
}

void TstAddrix::editorFocusRules_data()
{
    // The editor starts filled with "start" (or empty), the focus in
    // startField with its text selected as after Tab. Keys go to whichever
    // field has the focus: "\b" Backspace, "<" ">" Left and Right, "H" "E"
    // Home and End, "V" Ctrl+V with the clipboard holding "clip".
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("startField");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("focused");
    QTest::addColumn<QString>("ip");
    const QString none;
    QTest::newRow("192 moves on") << none << 1 << "192" << none << "txtIP2"
                                  << "192...";
    QTest::newRow("25 stays") << none << 1 << "25" << none << "txtIP1"
                              << "25...";
    QTest::newRow("dot after 25 moves on") << none << 1 << "25." << none << "txtIP2"
                                           << "25...";
    QTest::newRow("dot in an empty field stays") << none << 1 << "." << none << "txtIP1"
                                                 << "";
    QTest::newRow("099 stays, refused at the third digit") << none << 1 << "099" << none << "txtIP1"
                                                           << "09...";
    QTest::newRow("256 refused at the 6") << none << 1 << "256" << none << "txtIP1"
                                          << "25...";
    QTest::newRow("a whole address") << none << 1 << "10.0.0.1" << none << "txtIP4"
                                     << "10.0.0.1";
    QTest::newRow("dots after jumps into a filled editor")
        << "10.0.20.82" << 1 << "192.0.2.150" << none << "txtIP4"
        << "192.0.2.150";
    QTest::newRow("three-digit fields into a filled editor")
        << "1.2.3.4" << 1 << "192.168.100.200" << none << "txtIP4"
        << "192.168.100.200";
    QTest::newRow("no dots, only jumps") << "9.9.9.9" << 1 << "172160" << none << "txtIP3"
                                         << "172.160.9.9";
    QTest::newRow("backspace in empty third field") << none << 3 << "\b" << none << "txtIP2"
                                                    << "";
    QTest::newRow("backspace in a two-digit field stays") << none << 3 << "12\b" << none << "txtIP3"
                                                          << "..1.";
    QTest::newRow("backspace back over the dot") << "10.0.0.1" << 4 << "\b\b" << none << "txtIP2"
                                                 << "10.0..";
    QTest::newRow("nothing after the fourth") << none << 4 << "200." << none << "txtIP4"
                                              << "...200";
    QTest::newRow("right at the end enters the next field") << "10.2.30.40" << 1 << ">>1" << none << "txtIP2"
                                                            << "10.12.30.40";
    // The first Left only drops the selection, as in a line edit.
    QTest::newRow("left at the start goes back") << "10.20.30.40" << 2 << "<<<" << none << "txtIP1"
                                                 << "10.20.30.40";
    QTest::newRow("home and end across the fields") << "10.20.30.4" << 3 << "H1E0" << none << "txtIP4"
                                                    << "110.20.30.40";
    QTest::newRow("paste a whole address") << "1.2.3.4" << 2 << "V"
                                           << " 192.168.1.20 \n"
                                           << "txtIP4"
                                           << "192.168.1.20";
    QTest::newRow("bad paste changes nothing") << "1.2.3.4" << 2 << "V"
                                               << "192.168.1.256"
                                               << "txtIP2"
                                               << "1.2.3.4";
    QTest::newRow("paste of one number into a field") << "1.2.3.4" << 3 << "V"
                                                      << "77"
                                                      << "txtIP3"
                                                      << "1.2.77.4";
}

void TstAddrix::editorFocusRules()
{
    QFETCH(QString, start);
    QFETCH(int, startField);
    QFETCH(QString, keys);
    QFETCH(QString, clip);
    QFETCH(QString, focused);
    QFETCH(QString, ip);
    IPAddress editor;
    editor.setIP(start);
    editor.show();
    QApplication::setActiveWindow(&editor);
    QVERIFY(QTest::qWaitForWindowActive(&editor));
    QApplication::clipboard()->setText(clip);
    auto *first = child<QLineEdit>(editor, qPrintable(QStringLiteral("txtIP%1").arg(startField)));
    first->setFocus();
    first->selectAll();
    const QHash<QChar, Qt::Key> named{{'\b', Qt::Key_Backspace}, {'<', Qt::Key_Left}, {'>', Qt::Key_Right},
                                      {'H', Qt::Key_Home},       {'E', Qt::Key_End},  {'V', Qt::Key_V}};
    for (const QChar key : keys) {
        QWidget *target = QApplication::focusWidget();
        if (key == QLatin1Char('V'))
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        else if (named.contains(key))
            QTest::keyClick(target, named.value(key));
        else
            QTest::keyClicks(target, QString(key));
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), focused);
    QCOMPARE(editor.getIP(), ip);
    // What is read is what is shown.
    if (ip.isEmpty())
        return;
    QStringList shown;
    for (int i = 1; i <= 4; ++i)
        shown << child<QLineEdit>(editor, qPrintable(QStringLiteral("txtIP%1").arg(i)))->text();
    QCOMPARE(shown.join(QLatin1Char('.')), ip);
}

void TstAddrix::setIpTakesOnlyValidAddresses()
{
    const QStringList valid{"192.168.1.20", "010.0.0.1"};
    const QStringList refused{"256.1.1.1", "", "1.2.3", "1.2.3.4.5", " 1.2.3.4", "a.b.c.d", "١.٢.٣.٤"};
    for (const QString &text : valid + refused) {
        IPAddress editor;
        editor.setIP(QStringLiteral("1.1.1.1"));
        editor.setIP(text);
        const QString ip = valid.contains(text) ? text : QStringLiteral("1.1.1.1");
        QCOMPARE(editor.getIP(), ip);
        QCOMPARE(child<QLineEdit>(editor, "txtIP4")->text(), ip.section(QLatin1Char('.'), 3));
    }
}

void TstAddrix::tableAndInterfaceFilter()
{
    std::vector<stDeviceInfo> gige;
    for (const stDeviceInfo &info : tooltest::cameras()) {
        if (std::strstr(info.acPortType, "GigE"))
            gige.push_back(info);
    }
    QVERIFY2(gige.size() >= 2 && gige.size() < tooltest::cameras().size(), "needs GigE and USB cameras");
    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    QCOMPARE(table->columnCount(), 10);
    QCOMPARE(table->rowCount(), int(gige.size()));
    for (const stDeviceInfo &info : gige) {
        const stGigeInfo net = gigeOf(info.acSn);
        const int row = rowOf(table, QString::fromLatin1(info.acSn));
        QVERIFY(row >= 0);
        const QStringList expected{vexo::fromLocalField(info.acFriendlyName),
                                   vexo::fromLocalField(info.acPortType),
                                   vexo::fromLocalField(info.acSensorType),
                                   vexo::fromLocalField(info.acDeviceVersion),
                                   vexo::macText(net.abMac),
                                   net.iIpMode ? QStringLiteral("静态IP") : QStringLiteral("动态IP"),
                                   QString::fromLatin1(net.acIp),
                                   QString::fromLatin1(net.acMask),
                                   QString::fromLatin1(net.acGateway),
                                   QStringLiteral("空闲")};
        for (int c = 0; c < 10; ++c)
            QCOMPARE(table->item(row, c)->toolTip(), expected.at(c));
    }

    // An interface lists the cameras it reaches; "Gige" and a refresh list all.
    auto *list = child<QListWidget>(window, "listWidget");
    QCOMPARE(list->item(0)->text(), QStringLiteral("Gige"));
    const QString nic = QString::fromLatin1(gigeOf(kGige).acNicIp);
    int reached = 0;
    for (const stDeviceInfo &info : gige)
        reached += nic == QLatin1String(gigeOf(info.acSn).acNicIp) ? 1 : 0;
    for (const QString &address : {nic, QStringLiteral("203.0.113.9")}) {
        auto *item = new QListWidgetItem(address, list);
        item->setData(Qt::UserRole, address);
        window.on_listWidget_itemDoubleClicked(item);
        QCOMPARE(table->rowCount(), address == nic ? reached : 0);
    }
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
    QTest::newRow("rename") << "pushButton" << true << false << "修改名称成功";
}

void TstAddrix::buttonMessages()
{
    QFETCH(QString, button);
    QFETCH(bool, selectRow);
    QFETCH(bool, openElsewhere);
    QFETCH(QString, text);
    const QString serial = QString::fromLatin1(kGige);
    const QString oldName = vexo::fromLocalField(tooltest::camera(kGige).acFriendlyName);
    const QString newName = oldName + QStringLiteral(" 二");
    CameraHandle viewer = nullptr;
    if (openElsewhere)
        QCOMPARE(CameraInitEx3(&viewer, kGige), 0);

    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    const int row = rowOf(table, serial);
    if (selectRow) {
        table->setCurrentCell(row, 3);
        window.on_tableWidget_itemClicked(table->item(row, 3));
        QCOMPARE(child<QLineEdit>(window, "lineEdit_deviceName")->text(), oldName);
        child<QLineEdit>(window, "lineEdit_deviceName")->setText(newName);
    }
    if (openElsewhere) {
        QCOMPARE(table->item(row, 9)->text(), QStringLiteral("已打开"));
        QCOMPARE(table->item(row, 9)->background().color(), QColor(117, 241, 60));
    }
    ModalAnswer boxes;
    child<QPushButton>(window, qPrintable(button))->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.title(), QStringLiteral("提示"));
    QCOMPARE(boxes.text(), text);
    QVERIFY(openDialogs().isEmpty());
    if (viewer)
        CameraUnInit(viewer);

    // The table keeps the old name until "刷新"; the camera is free again.
    const bool renamed = text == QStringLiteral("修改名称成功");
    QCOMPARE(table->item(row, 0)->text(), oldName);
    child<QPushButton>(window, "pushButton_refresh")->click();
    QCOMPARE(table->item(rowOf(table, serial), 0)->text(), renamed ? newName : oldName);
    QVERIFY(tooltest::cameraIsFree(kGige));
}

void TstAddrix::staticAddressRefreshesTheTable()
{
    const stGigeInfo before = gigeOf(kGige);
    const QString address = QString::fromLatin1(before.acIp).section(QLatin1Char('.'), 0, 2) +
                            (QLatin1String(before.acIp).endsWith(QLatin1String(".201")) ? ".202" : ".201");
    Addrix window;
    auto *table = child<QTableWidget>(window, "tableWidget");
    const int row = rowOf(table, QString::fromLatin1(kGige));
    // A double click twice over brings up one dialog.
    emit table->itemDoubleClicked(table->item(row, 2));
    emit table->itemDoubleClicked(table->item(row, 2));
    QCOMPARE(openDialogs().size(), 1);
    QPointer<ipModify> dialog = openDialogs().constFirst();
    QCOMPARE(
        child<QLabel>(*dialog, "label_ipRange")->text(),
        ipModify::validRange(QString::fromLatin1(before.acNicIp), QString::fromLatin1(before.acNicMask)));
    auto *ipEdit = child<IPAddress>(*dialog, "ipEdit");
    QCOMPARE(ipEdit->getIP(), QString::fromLatin1(before.acIp));
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(*ipEdit, "txtIP1"));

    child<QRadioButton>(*dialog, "radioButton_staticIp")->click();
    QVERIFY(child<QWidget>(*dialog, "widget_Ip")->isEnabled());
    ipEdit->setIP(address);
    ModalAnswer boxes;
    child<QPushButton>(*dialog, "pushButton_determine")->click();
    QCOMPARE(boxes.icon(), QMessageBox::Information);
    QCOMPARE(boxes.text(), QStringLiteral("修改IP成功。"));
    QTRY_VERIFY(dialog.isNull());
    QCOMPARE(table->item(rowOf(table, QString::fromLatin1(kGige)), 6)->text(), address);
}

void TstAddrix::refusedAddressKeepsTheDialog_data()
{
    QTest::addColumn<bool>("sdkFails");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("calls");
    QTest::newRow("camera refuses") << true << "修改IP失败"
                                    << "失败" << 1;
    QTest::newRow("half-typed mask") << false << "请输入完整的IP地址、子网掩码和默认网关"
                                     << "确定" << 0;
}

void TstAddrix::refusedAddressKeepsTheDialog()
{
    QFETCH(bool, sdkFails);
    QFETCH(QString, text);
    QFETCH(QString, button);
    QFETCH(int, calls);
    QPointer<ipModify> dialog = new ipModify(QString::fromLatin1(kGige));
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
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.icon(), QMessageBox::Critical);
    QCOMPARE(boxes.text(), text);
    QCOMPARE(boxes.pressed(), button);
    QCOMPARE(tooltest::traceCount("CameraGigeSetIp"), calls);
    QCOMPARE(succeeded.count(), 0);
    QVERIFY(dialog && dialog->isVisible());
}

VEXO_QTEST_MAIN(TstAddrix)
#include "tst_addrix.moc"
