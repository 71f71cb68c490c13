// The parameter dock's groups, files and the camera's identity: nickname,
// GigE address and transport.
#include "params/parameterpanel.h"

#include "messagebox.h"
#include "params/parameterrules.h"
#include "sdkstatus.h"
#include "textfields.h"
#include "ui_parameterdock.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>

using namespace ParameterRules;

void ParameterPanel::showBox(bool critical, const QString &title, const QString &text)
{
    vexo::showMessage(m_dock->window(), critical ? QMessageBox::Critical : QMessageBox::Information, title,
                      text, tr("确定"));
}

int ParameterPanel::checkedGroup() const
{
    const QRadioButton *const groups[] = {ui->radioButton_A, ui->radioButton_B, ui->radioButton_C,
                                          ui->radioButton_D};
    for (int group = 0; group < 4; ++group) {
        if (groups[group]->isChecked())
            return group;
    }
    return -1;
}

QString ParameterPanel::checkedGroupLetter() const
{
    const int group = checkedGroup();
    return group < 0 ? QString() : QString(QLatin1Char(char('A' + group)));
}

void ParameterPanel::saveToGroup()
{
    const int group = checkedGroup();
    if (group < 0)
        return;
    const CameraSdkStatus status = CameraSaveParameter(m_handle, group);
    if (status == CAMERA_STATUS_SUCCESS)
        return;
    showBox(true, tr("错误"), tr("保存参数组%1失败：%2").arg(checkedGroupLetter(), vexo::statusText(status)));
    if (isGone(status))
        cameraGone();
}

void ParameterPanel::loadFromFile()
{
    // The exported files have a lower-case extension; file names are
    // case-sensitive here.
    const QString path = QFileDialog::getOpenFileName(m_dock->window(), tr("打开"), m_appDir,
                                                      tr("Camera config files(*.Bin *.bin)"));
    if (!path.isEmpty())
        loadParameters(path);
}

bool ParameterPanel::loadParameters(const QString &path)
{
    // The library checks the file (model, length, checksum) and changes
    // nothing when it is not a good one; the dock then stays as it is.
    const CameraSdkStatus status = CameraReadParameterFromFile(m_handle, vexo::toLocal(path).constData());
    if (status != CAMERA_STATUS_SUCCESS) {
        showBox(true, tr("错误"),
                tr("无法加载参数文件：%1\n%2").arg(QDir::toNativeSeparators(path), fileProblem(status)));
        if (isGone(status))
            cameraGone();
        else
            initDeviceSetting(m_handle); // the dock shows what the camera really has
        return false;
    }
    initDeviceSetting(m_handle);
    return true;
}

void ParameterPanel::exportToFile(bool withExtension)
{
    const QString directory =
        QFileDialog::getExistingDirectory(m_dock->window(), tr("选择"), m_appDir, QFileDialog::ShowDirsOnly);
    if (!directory.isEmpty())
        exportParameters(directory, withExtension);
}

void ParameterPanel::exportParameters(const QString &directory, bool withExtension)
{
    stCurrentDeviceInfo info{};
    const CameraSdkStatus status = CameraGetCurDevInfo(m_handle, &info);
    if (status != CAMERA_STATUS_SUCCESS) {
        if (isGone(status))
            cameraGone();
        return;
    }
    std::optional<QString> key;
    if (ui->radioButton_model->isChecked())
        key = vexo::fromUtf8Field(info.sDevice.acProductName);
    else if (ui->radioButton_name->isChecked())
        key = vexo::fromUtf8Field(info.sDevice.acFriendlyName);
    else if (ui->radioButton_number->isChecked())
        key = vexo::fromUtf8Field(info.sDevice.acSn);
    const QString name = exportFileName(directory, key, checkedGroupLetter(), withExtension);
    if (name.isEmpty())
        return;
    const CameraSdkStatus saved = CameraSaveParameterToFile(m_handle, vexo::toLocal(name).constData());
    if (saved == CAMERA_STATUS_SUCCESS)
        return;
    showBox(true, tr("错误"),
            tr("无法导出参数文件：%1\n%2").arg(QDir::toNativeSeparators(name), fileProblem(saved)));
    if (isGone(saved))
        cameraGone();
}

QString ParameterPanel::fileProblem(CameraSdkStatus status)
{
    switch (status) {
    case CAMERA_STATUS_FILE_PATH:
        return tr("文件不存在或无法读取");
    case CAMERA_STATUS_IO_ERROR:
        return tr("无法写入文件（磁盘已满、没有写权限或路径不存在）");
    case CAMERA_STATUS_FILE_CORRUPT:
        return tr("文件已损坏或不完整，不是有效的参数文件");
    case CAMERA_STATUS_NOT_SUPPORTED:
        return tr("文件属于其他型号的相机");
    default:
        return vexo::statusText(status);
    }
}

void ParameterPanel::restoreFactoryDefaults()
{
    const CameraSdkStatus status = CameraLoadParameter(m_handle, CAMERA_PARAMETER_GROUP_DEFAULT);
    if (isGone(status)) {
        cameraGone();
        return;
    }
    if (status != CAMERA_STATUS_SUCCESS)
        showBox(true, tr("错误"), tr("恢复出厂参数失败：%1").arg(vexo::statusText(status)));
    initDeviceSetting(m_handle);
}

void ParameterPanel::setNickname()
{
    const QString name = ui->lineEdit_deviceName->text();
    if (name.isEmpty()) {
        showBox(false, tr("提示"), tr("请输入设备昵称"));
        return;
    }
    const CameraSdkStatus status = CameraSetFriendlyName(m_handle, vexo::toLocal(name).constData());
    if (status == CAMERA_STATUS_SUCCESS) {
        ui->label_deviceName->setText(name);
        showBox(false, tr("成功"), tr("修改设备名称成功"));
        return;
    }
    // The field goes back to the name the camera keeps.
    char kept[CAMERA_TEXT_BUFFER] = {};
    if (CameraGetFriendlyName(m_handle, kept) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_deviceName->setText(vexo::fromLocalField(kept, sizeof kept));
    showBox(true, tr("错误"), tr("修改设备名称失败, 错误码:%1").arg(vexo::statusText(status)));
    if (isGone(status))
        cameraGone();
}

void ParameterPanel::setGigeAddress()
{
    stCurrentDeviceInfo info{};
    CameraSdkStatus status = CameraGetCurDevInfo(m_handle, &info);
    const QString serial = vexo::fromAsciiField(info.sDevice.acSn);
    // Every field not edited here keeps the camera's value.
    stGigeInfo gige{};
    if (status == CAMERA_STATUS_SUCCESS)
        status = CameraGigeGetIp(vexo::toLocal(serial).constData(), &gige);
    if (status == CAMERA_STATUS_SUCCESS) {
        vexo::copyLatin1ToField(ui->lineEdit_ip->text(), gige.acIp, sizeof gige.acIp);
        vexo::copyLatin1ToField(ui->lineEdit_netMask->text(), gige.acMask, sizeof gige.acMask);
        vexo::copyLatin1ToField(ui->lineEdit_gateway->text(), gige.acGateway, sizeof gige.acGateway);
        status = CameraGigeSetIp(vexo::toLocal(serial).constData(), &gige);
    }
    if (status == CAMERA_STATUS_SUCCESS)
        return;
    // An address the camera refused is not left on show.
    showGige(m_handle, serial);
    showBox(true, tr("错误"), tr("修改IP失败, 错误码:%1").arg(vexo::statusText(status)));
    if (isGone(status))
        cameraGone();
}

void ParameterPanel::setPacketSizeAndDelay()
{
    const auto size = unsignedNumber(ui->lineEdit_PacketSize->text());
    if (!size || *size < 1500 || *size > 9000) {
        showBox(false, tr("提示"), tr("为了达到最高传输效率，请设置为网卡最大传输包大小(1500-9000)。"));
        return;
    }
    const auto delay = unsignedNumber(ui->lineEdit_netWorkIntervalTime->text());
    if (!delay) {
        showBox(false, tr("提示"), tr("设置失败，请重新设置"));
        return;
    }
    const CameraSdkStatus sizeStatus = CameraGigeSetTransPacketSize(m_handle, *size);
    const CameraSdkStatus delayStatus = CameraGigeSetPacketDelayTime(m_handle, *delay);
    const CameraSdkStatus status = sizeStatus != CAMERA_STATUS_SUCCESS ? sizeStatus : delayStatus;
    if (status == CAMERA_STATUS_SUCCESS) {
        showBox(false, tr("成功"), tr("修改成功"));
        return;
    }
    uint32_t kept = 0;
    if (CameraGigeGetTransPacketSize(m_handle, &kept) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_PacketSize->setText(QString::number(kept));
    if (CameraGigeGetPacketDelayTime(m_handle, &kept) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_netWorkIntervalTime->setText(QString::number(kept));
    showBox(true, tr("错误"), tr("修改失败, 错误码:%1").arg(vexo::statusText(status)));
    if (isGone(status))
        cameraGone();
}
