#include "ipmodify.h"
#include "ui_ipmodify.h"

#include "ipaddress.h"
#include "messagebox.h"
#include "textfields.h"

#include <QLineEdit>
#include <QStringList>

#include <array>

namespace {

std::array<int, 4> quadParts(const QString &text)
{
    std::array<int, 4> parts{};
    const QStringList fields = text.split(QLatin1Char('.'));
    for (int i = 0; i < 4 && i < fields.size(); ++i) {
        bool ok = false;
        const int value = fields.at(i).toInt(&ok);
        parts[i] = ok && value >= 0 && value <= 255 ? value : 0;
    }
    return parts;
}

QString quadText(const std::array<int, 4> &parts)
{
    return QStringLiteral("%1.%2.%3.%4").arg(parts[0]).arg(parts[1]).arg(parts[2]).arg(parts[3]);
}

quint32 quadValue(const QString &text)
{
    const std::array<int, 4> parts = quadParts(text);
    return (quint32(parts[0]) << 24) | (quint32(parts[1]) << 16) | (quint32(parts[2]) << 8) |
           quint32(parts[3]);
}

} // namespace

ipModify::ipModify(QString serial, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ipModify>()), serial(std::move(serial))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);

    // A failed read leaves the record zeroed: empty editors, a range from zeros.
    CameraGigeGetIp(vexo::toLocal(this->serial).constData(), &gigeInfo);
    const bool isStatic = gigeInfo.iIpMode != 0;
    ui->radioButton_staticIp->setChecked(isStatic);
    ui->radioButton_dynamicIp->setChecked(!isStatic);
    ui->widget_Ip->setEnabled(isStatic);

    ipEdit = new IPAddress(ui->widget_Ip);
    maskEdit = new IPAddress(ui->widget_Ip);
    gatewayEdit = new IPAddress(ui->widget_Ip);
    ipEdit->setObjectName(QStringLiteral("ipEdit"));
    maskEdit->setObjectName(QStringLiteral("maskEdit"));
    gatewayEdit->setObjectName(QStringLiteral("gatewayEdit"));
    ui->formLayout->addRow(tr("IP地址:"), ipEdit);
    ui->formLayout->addRow(tr("子网掩码:"), maskEdit);
    ui->formLayout->addRow(tr("默认网关:"), gatewayEdit);
    ipEdit->setIP(vexo::fromAsciiField(gigeInfo.acIp));
    maskEdit->setIP(vexo::fromAsciiField(gigeInfo.acMask));
    gatewayEdit->setIP(vexo::fromAsciiField(gigeInfo.acGateway));
    // Start at the camera's address, its first field selected so that typing
    // replaces it.
    ipEdit->setFocus();
    if (auto *first = ipEdit->findChild<QLineEdit *>(QStringLiteral("txtIP1")))
        first->selectAll();

    ui->label_ipRange->setText(getIpValidRange());
}

ipModify::~ipModify() = default;

QString ipModify::validRange(const QString &hostIp, const QString &hostMask)
{
    const std::array<int, 4> a = quadParts(hostIp);
    const std::array<int, 4> m = quadParts(hostMask);
    std::array<int, 4> low{}, high{};
    for (int i = 0; i < 4; ++i) {
        low[i] = a[i] & m[i];
        high[i] = (a[i] & m[i]) + (255 - m[i]);
    }
    low[3] += 1;
    high[3] -= 1;
    return quadText(low) + QStringLiteral(" - ") + quadText(high);
}

QString ipModify::getIpValidRange()
{
    return validRange(vexo::fromAsciiField(gigeInfo.acNicIp), vexo::fromAsciiField(gigeInfo.acNicMask));
}

QString ipModify::staticAddressProblem(const QString &ip, const QString &mask, const QString &gateway)
{
    for (const QString *address : {&ip, &mask, &gateway}) {
        if (!IPAddress::isValidAddress(*address))
            return tr("请输入完整的IP地址、子网掩码和默认网关");
    }
    const quint32 a = quadValue(ip);
    const quint32 m = quadValue(mask);
    const quint32 g = quadValue(gateway);
    // A mask is ones followed by zeros: its complement plus one is a power of two.
    const quint32 hostBits = ~m;
    if (m == 0 || (hostBits & (hostBits + 1)) != 0)
        return tr("子网掩码 %1 无效：掩码必须由连续的1后接连续的0组成（例如 255.255.255.0）").arg(mask);
    const quint32 network = a & m;
    const quint32 broadcast = network | hostBits;
    if (hostBits != 0 && a == network)
        return tr("IP地址 %1 是该子网的网络地址，不能分配给设备").arg(ip);
    if (hostBits != 0 && a == broadcast)
        return tr("IP地址 %1 是该子网的广播地址，不能分配给设备").arg(ip);
    if (g != 0 && (g & m) != network)
        return tr("默认网关 %1 不在IP地址 %2 和子网掩码 %3 所确定的子网内").arg(gateway, ip, mask);
    return QString();
}

void ipModify::on_pushButton_close_clicked()
{
    close();
}

void ipModify::on_radioButton_staticIp_clicked()
{
    ui->widget_Ip->setEnabled(true);
}

void ipModify::on_radioButton_dynamicIp_clicked()
{
    ui->widget_Ip->setEnabled(false);
}

std::optional<stGigeInfo> ipModify::recordToWrite(const stGigeInfo &read, bool dhcp, const QString &ip,
                                                  const QString &mask, const QString &gateway)
{
    stGigeInfo record = read;
    if (dhcp) {
        record.iIpMode = 0;
        return record;
    }
    // A half-typed address ("192.168..1") would be read by the camera in its
    // own way and could leave it unreachable: it never goes out.
    for (const QString *address : {&ip, &mask, &gateway}) {
        if (!IPAddress::isValidAddress(*address))
            return std::nullopt;
    }
    vexo::copyLatin1ToField(ip, record.acIp, sizeof record.acIp);
    vexo::copyLatin1ToField(gateway, record.acGateway, sizeof record.acGateway);
    vexo::copyLatin1ToField(mask, record.acMask, sizeof record.acMask);
    record.iIpMode = 1;
    return record;
}

void ipModify::on_pushButton_determine_clicked()
{
    const bool dhcp = ui->radioButton_dynamicIp->isChecked();
    const QString problem =
        dhcp ? QString() : staticAddressProblem(ipEdit->getIP(), maskEdit->getIP(), gatewayEdit->getIP());
    const std::optional<stGigeInfo> record =
        recordToWrite(gigeInfo, dhcp, ipEdit->getIP(), maskEdit->getIP(), gatewayEdit->getIP());
    if (!problem.isEmpty() || !record) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"),
                          problem.isEmpty() ? tr("请输入完整的IP地址、子网掩码和默认网关") : problem,
                          tr("确定"));
        return;
    }
    if (CameraGigeSetIp(vexo::toLocal(serial).constData(), &*record) != CAMERA_STATUS_SUCCESS) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("修改IP失败"), tr("失败"));
        return;
    }
    gigeInfo = *record;
    vexo::showMessage(this, QMessageBox::Information, tr("提示"), tr("修改IP成功。"), tr("确定"));
    emit modifySucces();
    close();
}
