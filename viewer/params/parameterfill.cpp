// Filling the parameter dock from a camera: every control shows the camera's
// value, and nothing goes back to the camera on the way.
#include "params/parameterpanel.h"

#include "params/parameterrules.h"
#include "textfields.h"
#include "ui_parameterdock.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QToolBox>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace ParameterRules;

namespace {

// The LUT presets listed, marked for translation.
const char *const kLutPresetNames[] = {
    QT_TRANSLATE_NOOP("ParameterPanel", "直线"),
    QT_TRANSLATE_NOOP("ParameterPanel", "曲线1"),
    QT_TRANSLATE_NOOP("ParameterPanel", "曲线2"),
};

// A record's array as the library hands it: nothing without a pointer, and
// never more entries than any camera has.
template<typename T>
int entries(const T *array, int count)
{
    constexpr int kMaxEntries = 256;
    return array ? std::clamp(count, 0, kMaxEntries) : 0;
}

void setText(QLineEdit *edit, const QString &text)
{
    if (edit->text() != text)
        edit->setText(text);
}

} // namespace

// What one fill reads, and whether the camera went away on the way.
struct ParameterPanel::Fill
{
    CameraHandle handle = nullptr;
    stCurrentDeviceInfo info{};
    stCameraCapability capability{};
    bool gone = false;
    bool lutUnsupported = false;

    bool ok(CameraSdkStatus status)
    {
        if (isGone(status))
            gone = true;
        return status == CAMERA_STATUS_SUCCESS;
    }
};

void ParameterPanel::initDeviceSetting(void *handle)
{
    // A fill never starts inside another one.
    if (m_filling)
        return;
    m_filling = true;
    closeSlot();
    ui->tabWidget->setEnabled(true);
    ui->widget_settingToolbar->setEnabled(true);
    connectSliders(false);
    // Each spin box and its slider are both set from the camera's value; a
    // spin box talking to its slider here would go through the previous
    // camera's line time.
    std::vector<std::unique_ptr<QSignalBlocker>> spinBlockers;
    for (QWidget *spin : qAsConst(m_heldByFill))
        spinBlockers.push_back(std::make_unique<QSignalBlocker>(spin));

    Fill fill;
    fill.handle = handle;
    static constexpr FillStep steps[] = {
        &ParameterPanel::fillDeviceInfo,
        &ParameterPanel::fillWhiteBalance,
        &ParameterPanel::fillImageProcessing,
        &ParameterPanel::fillCrossLines,
        &ParameterPanel::fillLut,
        &ParameterPanel::fillResolution,
        &ParameterPanel::fillExposure,
        &ParameterPanel::fillTrigger,
        &ParameterPanel::fillGige,
        &ParameterPanel::fillSpecialSettings,
        &ParameterPanel::fillParameterGroups,
    };
    // A camera that is gone answers every call late (time-outs) or not at
    // all: the remaining steps are not asked.
    for (FillStep step : steps) {
        (this->*step)(fill);
        if (fill.gone)
            break;
    }

    spinBlockers.clear();
    m_handle = handle;
    openSlot();
    connectSliders(true);
    m_filling = false;
    if (fill.gone) {
        // What the dock shows may be another camera's: its name must not
        // stay on show for this one.
        for (QLabel *label : {ui->label_deviceName, ui->label_deviceDrive, ui->label_productsseries,
                              ui->label_deviceSerial, ui->label_communiType, ui->label_deviceFirmware,
                              ui->label_deviceType, ui->label_deviceInterface, ui->label_sdkVersion})
            label->clear();
        ui->lineEdit_deviceName->clear();
        cameraGone();
        return;
    }
    emit cameraShown(handle);
    // Shown once the dock is whole, so that no event of the box's own loop
    // meets a half-filled dock.
    if (fill.lutUnsupported)
        showBox(true, tr("错误"), tr("相机不支持LUT模式"));
}

void ParameterPanel::fillDeviceInfo(Fill &fill)
{
    const CameraHandle h = fill.handle;
    fill.ok(CameraGetCurDevInfo(h, &fill.info));
    if (fill.gone)
        return;
    fill.ok(CameraGetCapability(h, &fill.capability));
    uint32_t type = 0;
    fill.ok(CameraGetDeviceType(h, &type));
    char firmware[CAMERA_VERSION_BUFFER] = {};
    fill.ok(CameraGetFirmwareVision(h, firmware));
    char interfaceVersion[CAMERA_VERSION_BUFFER] = {};
    fill.ok(CameraGetInerfaceVersion(h, interfaceVersion));
    char sdkVersion[CAMERA_SDK_VERSION_BUFFER] = {};
    fill.ok(CameraSdkGetVersionString(sdkVersion));

    const stDeviceInfo &device = fill.info.sDevice;
    const QString name = vexo::fromLocalField(device.acFriendlyName);
    ui->label_deviceName->setText(name);
    setText(ui->lineEdit_deviceName, name);
    ui->label_deviceDrive->setText(vexo::fromAsciiField(device.acDeviceVersion));
    ui->label_productsseries->setText(vexo::fromAsciiField(device.acProductSeries));
    ui->label_deviceSerial->setText(vexo::fromAsciiField(device.acSn));
    ui->label_communiType->setText(vexo::fromAsciiField(device.acPortType));
    ui->label_deviceFirmware->setText(vexo::fromAsciiField(firmware, sizeof firmware));
    ui->label_deviceType->setText(QString::number(type, 16));
    ui->label_deviceInterface->setText(vexo::fromAsciiField(interfaceVersion, sizeof interfaceVersion));
    ui->label_sdkVersion->setText(vexo::fromAsciiField(sdkVersion, sizeof sdkVersion));

    const stCameraCapability &cap = fill.capability;
    m_limits.gainMinX1000 = cap.iAnalogGainMin;
    m_limits.gainMaxX1000 = cap.iAnalogGainMax;
    m_limits.sensorWidth = cap.iSensorWidth;
    m_limits.sensorHeight = cap.iSensorHeight;
}

void ParameterPanel::fillWhiteBalance(Fill &fill)
{
    const stCurrentDeviceInfo &info = fill.info;
    const bool automatic = info.iWbMode == 1;
    (automatic ? ui->radioButton_autowb : ui->radioButton_manualwb)->setChecked(true);
    ui->groupBox_Manualwb->setEnabled(!automatic);
    const std::tuple<QDoubleSpinBox *, QSlider *, uint32_t> gains[] = {
        {ui->doubleSpinBox_gainred, ui->horizontalSlider_gainred, info.uRGain},
        {ui->doubleSpinBox_gainblue, ui->horizontalSlider_gainblue, info.uBGain},
        {ui->doubleSpinBox_gaingreen, ui->horizontalSlider_gaingreen, info.uGGain},
    };
    for (const auto &[spin, slider, gain] : gains) {
        spin->setValue(gain / 100.0);
        slider->setValue(int(std::min<uint32_t>(gain, 100000)));
    }
}

void ParameterPanel::fillImageProcessing(Fill &fill)
{
    const stCurrentDeviceInfo &info = fill.info;
    if (info.iFrameSpeed == 2)
        ui->radioButton_high->setChecked(true);
    else if (info.iFrameSpeed == 1)
        ui->radioButton_medium->setChecked(true);
    else if (info.iFrameSpeed == 0)
        ui->radioButton_low->setChecked(true);
    ui->checkBox_mirror->setChecked(info.iMirrorH == 1);
    ui->checkBox_vertical->setChecked(info.iMirrorV == 1);
    ui->checkBox_bwmode->setChecked(info.iMonochrome == 1);
    ui->checkBox_bPoint->setChecked(info.bCorrectDeadPixel == 1);

    ui->comboBox->clear();
    const stCameraCapability &cap = fill.capability;
    for (int i = 0; i < entries(cap.pMediaTypeDesc, cap.iMediaTypeDesc); ++i) {
        const stMediaTypeDesc &format = cap.pMediaTypeDesc[i];
        ui->comboBox->addItem(vexo::fromAsciiField(format.acDescription), QVariant(uint(format.uMediaType)));
    }
    uint32_t current = 0;
    fill.ok(CameraGetSensorOutPixelFormat(fill.handle, &current));
    for (int i = 0; i < ui->comboBox->count(); ++i) {
        if (ui->comboBox->itemData(i).toUInt() == current)
            ui->comboBox->setCurrentIndex(i);
    }

    ui->spinBox_iContrast->setValue(info.iContrast);
    ui->spinBox_iSharpness->setValue(info.iSharpness);
    ui->spinBox_iSaturation->setValue(info.iSaturation);
}

void ParameterPanel::fillCrossLines(Fill &fill)
{
    for (int line = 0; line < CAMERA_CROSSLINE_COUNT; ++line) {
        int x = 0, y = 0, visible = 0;
        uint32_t colour = 0;
        if (!fill.ok(CameraGetCrossLine(fill.handle, line, &x, &y, &colour, &visible))) {
            x = y = visible = 0;
            colour = 0;
        }
        // Style sheets are costly to apply; most stay as they are.
        const CrossRow &row = m_crossRows.at(line);
        const QString style = colourStyleSheet(colour);
        if (row.colour->styleSheet() != style)
            row.colour->setStyleSheet(style);
        setText(row.x, QString::number(x));
        setText(row.y, QString::number(y));
        row.shown->setChecked(visible == 1);
    }
}

void ParameterPanel::fillLut(Fill &fill)
{
    const CameraHandle h = fill.handle;
    int mode = 0, gamma = 0, contrast = 0;
    fill.ok(CameraGetLutMode(h, &mode));
    fill.ok(CameraGetGamma(h, &gamma));
    fill.ok(CameraGetContrastLut(h, &contrast));
    if (mode == 0 || mode == 1) {
        (mode == 0 ? ui->radioButton_track : ui->radioButton_preset)->setChecked(true);
        ui->groupBox_track->setEnabled(mode == 0);
        ui->groupBox_preset->setEnabled(mode == 1);
    } else if (mode == 2) {
        fill.lutUnsupported = true;
        // Nothing of the page applies to this camera.
        ui->groupBox_track->setEnabled(false);
        ui->groupBox_preset->setEnabled(false);
    }
    ui->radioButton_track->setEnabled(mode != 2);
    ui->radioButton_preset->setEnabled(mode != 2);
    ui->horizontalSlider_gamma->setValue(gamma);
    ui->horizontalSlider_contrast->setValue(contrast);
    ui->doubleSpinBox_gamma->setValue(gamma / 100.0);
    ui->doubleSpinBox_contrast->setValue(contrast / 100.0);

    ui->comboBox_preset->clear();
    const stCameraCapability &cap = fill.capability;
    for (int i = 0; i < entries(cap.pPresetLutDesc, cap.iPresetLut); ++i) {
        const stLutPresetDesc &preset = cap.pPresetLutDesc[i];
        const QString name = vexo::fromLocalField(preset.acName);
        for (const char *listed : kLutPresetNames) {
            if (name == QString::fromUtf8(listed))
                ui->comboBox_preset->addItem(tr(listed), preset.iIndex);
        }
    }
    int selected = 0;
    if (ui->comboBox_preset->count() > 0 && fill.ok(CameraGetLutPresetSel(h, &selected))) {
        const int index = ui->comboBox_preset->findData(selected);
        if (index >= 0)
            ui->comboBox_preset->setCurrentIndex(index);
    }
}

void ParameterPanel::fillResolution(Fill &fill)
{
    ui->comboBox_resolution->clear();
    const stCameraCapability &cap = fill.capability;
    for (int i = 0; i < entries(cap.pImageSizeDesc, cap.iImageSizeDesc); ++i) {
        const stImageResolution &preset = cap.pImageSizeDesc[i];
        ui->comboBox_resolution->addItem(vexo::fromAsciiField(preset.acDescription), preset.iIndex);
    }
    ui->comboBox_resolution->addItem(tr("自定义"), CAMERA_RESOLUTION_CUSTOM);
    fill.ok(showResolution(fill.handle, true));
}

CameraSdkStatus ParameterPanel::showResolution(CameraHandle handle, bool select)
{
    stImageResolution current{};
    const CameraSdkStatus status = CameraGetResolution(handle, &current);
    stImageResolution region{};
    CameraGetResolutionEx(handle, current.iIndex, &region);
    if (select) {
        for (int i = 0; i < ui->comboBox_resolution->count(); ++i) {
            if (ui->comboBox_resolution->itemData(i).toInt() == current.iIndex)
                ui->comboBox_resolution->setCurrentIndex(i);
        }
    }
    ui->pushButton_roi->setEnabled(current.iIndex == CAMERA_RESOLUTION_CUSTOM);
    ui->label_hoffset->setText(QString::number(region.iHOffsetFOV));
    ui->label_voffset->setText(QString::number(region.iVOffsetFOV));
    ui->label_hwidth->setText(QString::number(region.iWidth));
    ui->label_vheight->setText(QString::number(region.iHeight));
    return status;
}

void ParameterPanel::showAeRanges(const stCurrentDeviceInfo &info)
{
    const QSignalBlocker minExposure(ui->lineEdit_minExposureRange);
    const QSignalBlocker maxExposure(ui->lineEdit_maxExposureRange);
    const QSignalBlocker minGain(ui->lineEdit_minGainRange);
    const QSignalBlocker maxGain(ui->lineEdit_maxGainRange);
    setText(ui->lineEdit_maxExposureRange, exposureRangeText(info.dAeExposureMax));
    setText(ui->lineEdit_minExposureRange, exposureRangeText(info.dAeExposureMin));
    setText(ui->lineEdit_maxGainRange, gainRangeText(info.iAeAnalogGainMax));
    setText(ui->lineEdit_minGainRange, gainRangeText(info.iAeAnalogGainMin));
}

void ParameterPanel::fillExposure(Fill &fill)
{
    const stCurrentDeviceInfo &info = fill.info;
    const stCameraCapability &cap = fill.capability;
    showAeRanges(info);
    ui->spinBox_Light->setValue(info.iAeTarget);

    ui->doubleSpinBox_analogGain->setRange(cap.iAnalogGainMin / 1000.0, cap.iAnalogGainMax / 1000.0);
    ui->horizontalSlider_analogGain->setRange(cap.iAnalogGainMin, cap.iAnalogGainMax);
    ui->doubleSpinBox_analogGain->setValue(info.uAnalogGain / 1000.0);
    ui->horizontalSlider_analogGain->setValue(int(std::min<uint32_t>(info.uAnalogGain, INT32_MAX)));

    double lineUs = 0.0;
    fill.ok(CameraGetExposureLineTime(fill.handle, &lineUs));
    if (!(lineUs > 0.0) || !std::isfinite(lineUs))
        lineUs = 0.0;
    m_limits.lineUs = lineUs;
    m_limits.exposureMinUs = cap.iExposureLinesMin * lineUs;
    m_limits.exposureMaxUs = cap.iExposureLinesMax * lineUs;
    ui->doubleSpinBox_exposureTime->setRange(m_limits.exposureMinUs / 1000.0,
                                             m_limits.exposureMaxUs / 1000.0);
    ui->horizontalSlider_exposureTime->setRange(cap.iExposureLinesMin, cap.iExposureLinesMax);
    ui->doubleSpinBox_exposureTime->setValue(info.dExposureTime / 1000.0);
    ui->horizontalSlider_exposureTime->setValue(exposureLines(info.dExposureTime, lineUs));

    const bool automatic = info.iAeState == 1;
    (automatic ? ui->radioButton_autoExposure : ui->radioButton_manualExposure)->setChecked(true);
    ui->groupBox_ManualExposure->setEnabled(!automatic);
    ui->groupBox_AutoExposure->setEnabled(automatic);
    const bool antiFlick = info.iAntiFlick == 1;
    ui->checkBox_flashScreen->setChecked(antiFlick);
    ui->radioButton_50Hz->setEnabled(antiFlick);
    ui->radioButton_60Hz->setEnabled(antiFlick);
    if (info.iLightFrequency == 2)
        ui->radioButton_60Hz->setChecked(true);
    else if (info.iLightFrequency == 1)
        ui->radioButton_50Hz->setChecked(true);
}

void ParameterPanel::showTriggerParameters(CameraHandle handle)
{
    const QSignalBlocker frames(ui->lineEdit_tirggerframes);
    const QSignalBlocker delay(ui->lineEdit_tirggerdelay);
    int count = 0;
    CameraGetTriggerFrameCount(handle, &count);
    setText(ui->lineEdit_tirggerframes, QString::number(count));
    uint32_t delayUs = 0;
    CameraGetTriggerDelayTime(handle, &delayUs);
    setText(ui->lineEdit_tirggerdelay, QString::number(delayUs));
}

void ParameterPanel::fillTrigger(Fill &fill)
{
    const CameraHandle h = fill.handle;
    const stCameraCapability &cap = fill.capability;
    const bool hasOutputs = cap.iOutputIoCounts != 0;
    ui->radioButton_hardtirgger->setEnabled(hasOutputs);
    ui->groupBox_iosignal->setEnabled(hasOutputs);
    ui->stackedWidget_pwm->setEnabled(hasOutputs);
    if (!hasOutputs)
        ui->groupBox_hardtrigger->setEnabled(false);

    int mode = 0;
    fill.ok(CameraGetTriggerMode(h, &mode));
    if (mode == CAMERA_TRIGGER_CONTINUOUS) {
        ui->radioButton_continuity->setChecked(true);
        ui->pushButton_tirggeronce->setEnabled(false);
        ui->groupBox_hardtrigger->setEnabled(false);
        ui->groupBox_iosignal->setEnabled(false);
        ui->groupBox_13->setEnabled(false);
    } else if (mode == CAMERA_TRIGGER_SOFTWARE) {
        ui->radioButton_softrigger->setChecked(true);
        ui->groupBox_hardtrigger->setEnabled(false);
        ui->groupBox_iosignal->setEnabled(false);
        ui->groupBox_13->setEnabled(true);
        ui->pushButton_tirggeronce->setEnabled(true);
    } else {
        ui->radioButton_hardtirgger->setChecked(true);
        ui->pushButton_tirggeronce->setEnabled(false);
        ui->groupBox_13->setEnabled(false);
        ui->groupBox_hardtrigger->setEnabled(true);
        ui->groupBox_iosignal->setEnabled(true);
    }

    for (QLineEdit *edit : {ui->lineEdit_ldelay, ui->lineEdit_time, ui->lineEdit_lpulsewidth,
                            ui->lineEdit_pwmcycle, ui->lineEdit_pwmhighttime})
        edit->clear();
    showTriggerParameters(h);

    ui->comboBox_input->clear();
    ui->comboBox_output->clear();
    for (int line = 0; line < std::clamp(cap.iInputIoCounts, 0, 64); ++line)
        ui->comboBox_input->addItem(QString::number(line));
    for (int line = 0; line < std::clamp(cap.iOutputIoCounts, 0, 64); ++line)
        ui->comboBox_output->addItem(QString::number(line));
    showInputLine(h, 0);
    showOutputLine(h, 0);
}

void ParameterPanel::showInputLine(CameraHandle h, int line)
{
    uint32_t jitter = 0;
    if (CameraGetTriggerJitterTime(h, line, &jitter) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_time->setText(QString::number(jitter));
    int mode = 0;
    if (CameraGetInputIOMode(h, line, &mode) == CAMERA_STATUS_SUCCESS) {
        ui->comboBox_workmode->setCurrentIndex(mode);
        ui->comboBox_tirggermode->setEnabled(mode != 1);
        ui->lineEdit_time->setEnabled(mode != 1);
    }
    int type = 0;
    if (CameraGetTriggerSignalType(h, line, &type) == CAMERA_STATUS_SUCCESS)
        ui->comboBox_tirggermode->setCurrentIndex(type);
}

void ParameterPanel::showOutputLine(CameraHandle h, int line)
{
    int mode = 0;
    if (CameraGetOutputIOMode(h, line, &mode) == CAMERA_STATUS_SUCCESS) {
        ui->comboBox_owordmode->setCurrentIndex(mode);
        ui->stackedWidget_pwm->setCurrentIndex(mode);
    }
    int strobe = 0;
    if (CameraGetStrobeMode(h, line, &strobe) != CAMERA_STATUS_SUCCESS)
        return;
    ui->comboBox_imode->setCurrentIndex(strobe);
    ui->lineEdit_ldelay->setEnabled(strobe != 0);
    ui->lineEdit_lpulsewidth->setEnabled(strobe != 0);
    int polarity = 0;
    if (CameraGetStrobePolarity(h, line, &polarity) == CAMERA_STATUS_SUCCESS)
        ui->comboBox_polarity->setCurrentIndex(polarity);
    uint32_t delay = 0;
    if (CameraGetStrobeDelayTime(h, line, &delay) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_ldelay->setText(QString::number(delay));
    uint32_t width = 0;
    if (CameraGetStrobePulseWidth(h, line, &width) == CAMERA_STATUS_SUCCESS)
        ui->lineEdit_lpulsewidth->setText(QString::number(width));
    int state = 0;
    if (CameraGetOutputIOState(h, line, &state) == CAMERA_STATUS_SUCCESS)
        ui->comboBox_iostatus->setCurrentIndex(state);
    int period = 0, high = 0;
    if (CameraGetOutputIOPWM(h, line, &period, &high) == CAMERA_STATUS_SUCCESS) {
        ui->lineEdit_pwmcycle->setText(QString::number(period));
        ui->lineEdit_pwmhighttime->setText(QString::number(high));
    }
}

void ParameterPanel::showGige(CameraHandle h, const QString &serial)
{
    stGigeInfo gige{};
    const bool network = CameraGigeGetIp(vexo::toLocal(serial).constData(), &gige) == CAMERA_STATUS_SUCCESS;
    // A USB camera has no address: the page stays in place, disabled and
    // empty rather than showing another camera's address.
    ui->page_cameragige->setEnabled(network);
    if (!network)
        gige = stGigeInfo{};
    ui->lineEdit_ip->setText(vexo::fromAsciiField(gige.acIp));
    ui->lineEdit_gateway->setText(vexo::fromAsciiField(gige.acGateway));
    ui->lineEdit_netMask->setText(vexo::fromAsciiField(gige.acMask));
    ui->lineEdit_mac->setText(network ? vexo::macText(gige.abMac) : QString());
    uint32_t packetSize = 0;
    uint32_t delay = 0;
    if (network) {
        CameraGigeGetTransPacketSize(h, &packetSize);
        CameraGigeGetPacketDelayTime(h, &delay);
    }
    ui->lineEdit_PacketSize->setText(network ? QString::number(packetSize) : QString());
    ui->lineEdit_netWorkIntervalTime->setText(network ? QString::number(delay) : QString());
    if (network)
        (gige.iIpMode == 1 ? ui->radioButton_autoip : ui->radioButton_dhcp)->setChecked(true);
}

void ParameterPanel::fillGige(Fill &fill)
{
    showGige(fill.handle, vexo::fromAsciiField(fill.info.sDevice.acSn));
}

void ParameterPanel::fillSpecialSettings(Fill &fill)
{
    QWidget *page = ui->page_special;
    int channels = -1;
    int focus = -1;
    const bool countRead = fill.ok(CameraGetIntValue(fill.handle, CAMERA_INT_CHANNEL_COUNT, &channels));
    const CameraSdkStatus focusStatus = CameraGetIntValue(fill.handle, CAMERA_INT_FOCUS_SUPPORTED, &focus);
    fill.ok(focusStatus);
    const bool inToolBox = ui->toolBox_2->indexOf(page) >= 0;
    if (countRead && (focusStatus == CAMERA_STATUS_SUCCESS || focusStatus == CAMERA_STATUS_NOT_SUPPORTED)) {
        if (channels < 2 && focus != 1) {
            if (inToolBox)
                ui->toolBox_2->removeItem(ui->toolBox_2->indexOf(page));
            page->hide();
        } else if (!inToolBox) {
            page->show();
            ui->toolBox_2->insertItem(9, page, QIcon(QStringLiteral(":/images/ICO/camera.png")),
                                      tr("特殊设置"));
        }
    }
    if (ui->toolBox_2->indexOf(page) < 0)
        return;
    fillChannels(fill, channels);
    fillFocus(fill, focus);
}

void ParameterPanel::fillChannels(Fill &fill, int count)
{
    if (count < 2) {
        ui->groupBox_channel->setEnabled(false);
        return;
    }
    ui->groupBox_channel->setEnabled(true);
    count = std::min(count, 32);
    auto *grid = qobject_cast<QGridLayout *>(ui->groupBox_channel->layout());
    while (m_channelBoxes.size() > count) {
        QCheckBox *box = m_channelBoxes.takeLast();
        ui->groupBox_channel->layout()->removeWidget(box);
        delete box;
    }
    while (m_channelBoxes.size() < count) {
        const int number = m_channelBoxes.size();
        auto *box = new QCheckBox(tr("通道%1").arg(number), ui->groupBox_channel);
        box->setObjectName(QStringLiteral("checkBox_channel%1").arg(number));
        if (grid)
            grid->addWidget(box, number / 2, number % 2);
        else
            ui->groupBox_channel->layout()->addWidget(box);
        connect(box, m_checkRows.signal, this, m_checkRows.slot);
        m_channelBoxes.append(box);
    }
    int mask = -1;
    fill.ok(CameraGetIntValue(fill.handle, CAMERA_INT_CHANNEL_MASK, &mask));
    if (mask == -1)
        mask = 0;
    for (int i = 0; i < m_channelBoxes.size(); ++i) {
        QCheckBox *box = m_channelBoxes.at(i);
        // After a language switch the boxes speak the new language too.
        const QString text = tr("通道%1").arg(i);
        if (box->text() != text)
            box->setText(text);
        const QSignalBlocker blocker(box);
        box->setChecked(i < 31 && (mask & (1 << i)) != 0);
    }
}

void ParameterPanel::fillFocus(Fill &fill, int supported)
{
    if (supported != 1) {
        ui->groupBox_supportFocusing->setEnabled(false);
        return;
    }
    int minimum = 0, maximum = 0, position = 0;
    const bool read = fill.ok(CameraGetIntValue(fill.handle, CAMERA_INT_FOCUS_MIN, &minimum)) &&
                      fill.ok(CameraGetIntValue(fill.handle, CAMERA_INT_FOCUS_MAX, &maximum)) &&
                      fill.ok(CameraGetIntValue(fill.handle, CAMERA_INT_FOCUS_POSITION, &position));
    ui->groupBox_supportFocusing->setEnabled(read);
    if (!read)
        return;
    const QSignalBlocker blocker(ui->horizontalSlider_supportFocusing);
    ui->horizontalSlider_supportFocusing->setRange(minimum, maximum);
    ui->horizontalSlider_supportFocusing->setValue(position);
}

void ParameterPanel::fillParameterGroups(Fill &fill)
{
    int mode = -1;
    fill.ok(CameraGetParameterMode(fill.handle, &mode));
    QRadioButton *const modes[] = {ui->radioButton_model, ui->radioButton_name, ui->radioButton_number};
    if (mode >= 0 && mode <= 2)
        modes[mode]->setChecked(true);
    int group = -1;
    fill.ok(CameraGetCurrentParameterGroup(fill.handle, &group));
    QRadioButton *const groups[] = {ui->radioButton_A, ui->radioButton_B, ui->radioButton_C,
                                    ui->radioButton_D};
    if (group >= 0 && group <= 3)
        groups[group]->setChecked(true);
}
