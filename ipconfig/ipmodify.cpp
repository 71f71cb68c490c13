#include "ipmodify.h"
#include "ui_ipmodify.h"

#include "ipaddress.h"
#include "messagebox.h"
#include "textfields.h"

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
    // Filling the editors moved the focus along their fields; start typing
    // at the camera's address instead.
    ipEdit->setFocus();

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
    const std::optional<stGigeInfo> record =
        recordToWrite(gigeInfo, ui->radioButton_dynamicIp->isChecked(), ipEdit->getIP(), maskEdit->getIP(),
                      gatewayEdit->getIP());
    if (!record) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"),
                          tr("请输入完整的IP地址、子网掩码和默认网关"), tr("确定"));
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
