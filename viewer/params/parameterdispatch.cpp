// The parameter dock's handlers: every control acts on the current camera
// at once.
#include "params/parameterpanel.h"

#include "params/parameterrules.h"
#include "sdkstatus.h"
#include "ui_parameterdock.h"
#include "ui_vexocam.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <climits>
#include <cmath>
#include <limits>

using namespace ParameterRules;

namespace {

void enable(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *widget : widgets)
        widget->setEnabled(enabled);
}

// The family's row of the control that sent the signal; none without a
// camera to act on.
template<typename Family>
auto rowOfSender(const Family &family, const QObject *sender, CameraHandle handle)
    -> decltype(&*family.rows.cbegin())
{
    if (handle == nullptr || sender == nullptr)
        return nullptr;
    const auto row = family.rows.constFind(sender->objectName());
    return row == family.rows.cend() ? nullptr : &*row;
}

} // namespace

bool ParameterPanel::isGone(CameraSdkStatus status)
{
    return status == CAMERA_STATUS_DEVICE_LOST || status == CAMERA_STATUS_TIMEOUT ||
           status == CAMERA_STATUS_INVALID_HANDLE;
}

void ParameterPanel::buildRows()
{
    const auto name = [](const char *text) { return QString::fromLatin1(text); };

    // toggled(bool) of the radio buttons: the handler runs for the button
    // that loses the check and then for the one that gains it.
    m_radioRows = {SIGNAL(toggled(bool)), SLOT(onRadioClickResult(bool)), Quiet::Blocked};
    m_radioRows.rows = {
        {name("radioButton_manualwb"),
         [this] {
             accepted(CameraSetWbMode(m_handle, 0));
             ui->groupBox_Manualwb->setEnabled(true);
             accepted(CameraSetOnceWB(m_handle));
         }},
        {name("radioButton_autowb"),
         [this] {
             ui->groupBox_Manualwb->setEnabled(false);
             accepted(CameraSetWbMode(m_handle, 1));
         }},
        {name("radioButton_low"), [this] { accepted(CameraSetFrameSpeed(m_handle, 0)); }},
        {name("radioButton_medium"), [this] { accepted(CameraSetFrameSpeed(m_handle, 1)); }},
        {name("radioButton_high"), [this] { accepted(CameraSetFrameSpeed(m_handle, 2)); }},
        {name("radioButton_track"),
         [this] {
             accepted(CameraSetLutMode(m_handle, 0));
             ui->groupBox_preset->setEnabled(false);
             ui->groupBox_track->setEnabled(true);
         }},
        {name("radioButton_preset"),
         [this] {
             accepted(CameraSetLutMode(m_handle, 1));
             ui->groupBox_preset->setEnabled(true);
             ui->groupBox_track->setEnabled(false);
         }},
        {name("radioButton_autoExposure"),
         [this] {
             accepted(CameraSetAeState(m_handle, 1));
             ui->groupBox_ManualExposure->setEnabled(false);
             ui->groupBox_AutoExposure->setEnabled(true);
         }},
        {name("radioButton_manualExposure"),
         [this] {
             accepted(CameraSetAeState(m_handle, 0));
             ui->groupBox_ManualExposure->setEnabled(true);
             ui->groupBox_AutoExposure->setEnabled(false);
         }},
        {name("radioButton_50Hz"), [this] { accepted(CameraSetLightFrequency(m_handle, 1)); }},
        {name("radioButton_60Hz"), [this] { accepted(CameraSetLightFrequency(m_handle, 2)); }},
        {name("radioButton_continuity"),
         [this] {
             accepted(CameraSetTriggerMode(m_handle, CAMERA_TRIGGER_CONTINUOUS));
             enable({ui->pushButton_tirggeronce, ui->groupBox_hardtrigger, ui->groupBox_iosignal,
                     ui->groupBox_13},
                    false);
         }},
        {name("radioButton_softrigger"),
         [this] {
             accepted(CameraSetTriggerMode(m_handle, CAMERA_TRIGGER_SOFTWARE));
             enable({ui->groupBox_hardtrigger, ui->groupBox_iosignal}, false);
             enable({ui->groupBox_13, ui->pushButton_tirggeronce}, true);
         }},
        {name("radioButton_hardtirgger"),
         [this] {
             accepted(CameraSetTriggerMode(m_handle, CAMERA_TRIGGER_HARDWARE));
             enable({ui->pushButton_tirggeronce, ui->groupBox_13}, false);
             enable({ui->groupBox_hardtrigger, ui->groupBox_iosignal}, true);
         }},
        {name("radioButton_model"), [this] { accepted(CameraSetParameterMode(m_handle, 0)); }},
        {name("radioButton_name"), [this] { accepted(CameraSetParameterMode(m_handle, 1)); }},
        {name("radioButton_number"), [this] { accepted(CameraSetParameterMode(m_handle, 2)); }},
        {name("radioButton_A"), [this] { loadGroup(0); }},
        {name("radioButton_B"), [this] { loadGroup(1); }},
        {name("radioButton_C"), [this] { loadGroup(2); }},
        {name("radioButton_D"), [this] { loadGroup(3); }},
    };

    // toggled(bool) of the check boxes, with the new state.
    m_checkRows = {SIGNAL(toggled(bool)), SLOT(onCheckStatsResult(bool)), Quiet::Blocked};
    m_checkRows.rows = {
        {name("checkBox_mirror"), [this](bool on) { accepted(CameraSetMirror(m_handle, 0, on)); }},
        {name("checkBox_vertical"), [this](bool on) { accepted(CameraSetMirror(m_handle, 1, on)); }},
        {name("checkBox_bwmode"), [this](bool on) { accepted(CameraSetMonochrome(m_handle, on)); }},
        {name("checkBox_bPoint"), [this](bool on) { accepted(CameraSetCorrectDeadPixel(m_handle, on)); }},
        {name("checkBox_flashScreen"),
         [this](bool on) {
             accepted(CameraSetAntiFlick(m_handle, on));
             enable({ui->radioButton_50Hz, ui->radioButton_60Hz}, on);
         }},
    };
    for (int row = 0; row < CAMERA_CROSSLINE_COUNT; ++row)
        m_checkRows.rows.insert(QStringLiteral("checkBox_display%1").arg(row + 1),
                                [this, row](bool on) { sendCrossLine(row, on); });

    // valueChanged(int) of the sliders; their spin boxes show the same value
    // in the control's unit.
    const auto sendGains = [this](int) {
        syncSpinFromSlider(qobject_cast<QSlider *>(sender()), false);
        accepted(CameraSetGain(m_handle, ui->horizontalSlider_gainred->value(),
                               ui->horizontalSlider_gaingreen->value(),
                               ui->horizontalSlider_gainblue->value()));
    };
    m_sliderRows = {SIGNAL(valueChanged(int)), SLOT(onSliderResult(int)), Quiet::Disconnected};
    m_sliderRows.rows = {
        {name("horizontalSlider_gainred"), sendGains},
        {name("horizontalSlider_gaingreen"), sendGains},
        {name("horizontalSlider_gainblue"), sendGains},
        {name("horizontalSlider_iContrast"), [this](int v) { accepted(CameraSetContrast(m_handle, v)); }},
        {name("horizontalSlider_iSharpness"), [this](int v) { accepted(CameraSetSharpness(m_handle, v)); }},
        {name("horizontalSlider_iSaturation"), [this](int v) { accepted(CameraSetSaturation(m_handle, v)); }},
        {name("horizontalSlider_gamma"),
         [this](int v) {
             syncSpinFromSlider(ui->horizontalSlider_gamma, false);
             accepted(CameraSetGamma(m_handle, v));
         }},
        {name("horizontalSlider_contrast"),
         [this](int v) {
             syncSpinFromSlider(ui->horizontalSlider_contrast, false);
             accepted(CameraSetContrastLut(m_handle, v));
         }},
        {name("horizontalSlider_light"),
         [this](int v) { accepted(CameraSetAeTarget(m_handle, uint16_t(v))); }},
        {name("horizontalSlider_analogGain"),
         [this](int v) {
             syncSpinFromSlider(ui->horizontalSlider_analogGain, false);
             accepted(CameraSetAnalogGain(m_handle, v));
         }},
        {name("horizontalSlider_exposureTime"),
         [this](int v) {
             double lineUs = 0.0;
             if (!accepted(CameraGetExposureLineTime(m_handle, &lineUs)) || !(lineUs > 0.0) ||
                 !std::isfinite(lineUs))
                 return;
             m_limits.lineUs = lineUs;
             syncSpinFromSlider(ui->horizontalSlider_exposureTime, false);
             accepted(CameraSetExposureTime(m_handle, v * lineUs));
         }},
        {name("horizontalSlider_supportFocusing"),
         [this](int v) { accepted(CameraSetIntValue(m_handle, CAMERA_INT_FOCUS_POSITION, v)); }},
    };
    // The focus slider stays connected: its fill step sets it blocked.
    m_sliderRows.ownQuiet.insert(name("horizontalSlider_supportFocusing"), Quiet::ByStep);

    // valueChanged(double) of the spin boxes only moves the partner slider,
    // whose handler reaches the camera. A fill sets both from the camera.
    m_spinRows = {SIGNAL(valueChanged(double)), SLOT(onDoubleSpinBoxFruits(double)), Quiet::Held};
    m_spinRows.rows = {
        {name("doubleSpinBox_gainred"),
         [this](double d) { ui->horizontalSlider_gainred->setValue(sliderSteps(d, 100)); }},
        {name("doubleSpinBox_gaingreen"),
         [this](double d) { ui->horizontalSlider_gaingreen->setValue(sliderSteps(d, 100)); }},
        {name("doubleSpinBox_gainblue"),
         [this](double d) { ui->horizontalSlider_gainblue->setValue(sliderSteps(d, 100)); }},
        {name("doubleSpinBox_gamma"),
         [this](double d) { ui->horizontalSlider_gamma->setValue(sliderSteps(d, 100)); }},
        {name("doubleSpinBox_contrast"),
         [this](double d) { ui->horizontalSlider_contrast->setValue(sliderSteps(d, 100)); }},
        {name("doubleSpinBox_analogGain"),
         [this](double d) { ui->horizontalSlider_analogGain->setValue(sliderSteps(d, 1000)); }},
        {name("doubleSpinBox_exposureTime"),
         [this](double d) {
             double lineUs = 0.0;
             if (!accepted(CameraGetExposureLineTime(m_handle, &lineUs)) || !(lineUs > 0.0) ||
                 !std::isfinite(lineUs))
                 return;
             m_limits.lineUs = lineUs;
             ui->horizontalSlider_exposureTime->setValue(exposureLines(d * 1000.0, lineUs));
         }},
    };

    // The typed text of the line edits, once the typing is finished (Enter,
    // leaving the field or a pause), as long as it is a value the camera
    // can take.
    m_lineEditRows = {SIGNAL(committed(QString)), SLOT(onLineEditResult(QString)), Quiet::Blocked};
    m_lineEditRows.rows = {
        {name("lineEdit_maxExposureRange"), [this] { sendAeExposureRange(); }},
        {name("lineEdit_minExposureRange"), [this] { sendAeExposureRange(); }},
        {name("lineEdit_maxGainRange"), [this] { sendAeGainRange(); }},
        {name("lineEdit_minGainRange"), [this] { sendAeGainRange(); }},
        {name("lineEdit_tirggerframes"),
         [this] {
             const auto count = unsignedNumber(ui->lineEdit_tirggerframes->text());
             if (count && *count >= 1 && *count <= uint32_t(INT_MAX))
                 acceptedWhileTyping(CameraSetTriggerFrameCount(m_handle, int(*count)));
         }},
        {name("lineEdit_tirggerdelay"),
         [this] {
             if (const auto delay = unsignedNumber(ui->lineEdit_tirggerdelay->text()))
                 acceptedWhileTyping(CameraSetTriggerDelayTime(m_handle, *delay));
         }},
    };

    // currentIndexChanged(int) of the combo boxes.
    m_comboRows = {SIGNAL(currentIndexChanged(int)), SLOT(onConboxResult(int)), Quiet::Blocked};
    m_comboRows.rows = {
        {name("comboBox_preset"),
         [this](int index) {
             accepted(CameraSelectLutPreset(m_handle, ui->comboBox_preset->itemData(index).toInt()));
         }},
        {name("comboBox"),
         [this](int index) {
             accepted(CameraSetSensorOutPixelFormat(m_handle, ui->comboBox->itemData(index).toUInt()));
         }},
        {name("comboBox_resolution"), [this](int index) { changeResolution(index); }},
        // Showing a line sets the combo boxes below, which report the shown
        // values back to the same line.
        {name("comboBox_input"), [this](int index) { showInputLine(m_handle, index); }},
        {name("comboBox_output"), [this](int index) { showOutputLine(m_handle, index); }},
        {name("comboBox_workmode"),
         [this](int index) {
             if (inputLine() >= 0)
                 accepted(CameraSetInputIOMode(m_handle, inputLine(), index));
             enable({ui->comboBox_tirggermode, ui->lineEdit_time}, index != 1);
         }},
        {name("comboBox_tirggermode"),
         [this](int index) {
             if (inputLine() >= 0)
                 accepted(CameraSetTriggerSignalType(m_handle, inputLine(), index));
         }},
        {name("comboBox_owordmode"),
         [this](int index) {
             if (outputLine() >= 0)
                 accepted(CameraSetOutputIOMode(m_handle, outputLine(), index));
             ui->stackedWidget_pwm->setCurrentIndex(index);
         }},
        {name("comboBox_imode"),
         [this](int index) {
             if (outputLine() >= 0)
                 accepted(CameraSetStrobeMode(m_handle, outputLine(), index));
             enable({ui->lineEdit_ldelay, ui->lineEdit_lpulsewidth}, index != 0);
         }},
        {name("comboBox_polarity"),
         [this](int index) {
             if (outputLine() >= 0)
                 accepted(CameraSetStrobePolarity(m_handle, outputLine(), index));
         }},
        {name("comboBox_iostatus"),
         [this](int index) {
             if (outputLine() >= 0)
                 accepted(CameraSetOutputIOState(m_handle, outputLine(), index));
         }},
    };
}

void ParameterPanel::addChannelRows()
{
    // The channel boxes are made by the fill for the camera that has them,
    // and set there blocked; boxes past the eighth do nothing.
    for (int channel = 0; channel < 8; ++channel) {
        const QString name = QStringLiteral("checkBox_channel%1").arg(channel);
        m_checkRows.rows.insert(name, [this](bool) { sendChannelMask(); });
        m_checkRows.ownQuiet.insert(name, Quiet::ByStep);
    }
}

// ---- the six family handlers ----------------------------------------------

void ParameterPanel::onRadioClickResult(bool)
{
    if (const auto *row = rowOfSender(m_radioRows, sender(), m_handle))
        (*row)();
}

void ParameterPanel::onCheckStatsResult(bool checked)
{
    if (const auto *row = rowOfSender(m_checkRows, sender(), m_handle))
        (*row)(checked);
}

void ParameterPanel::onSliderResult(int value)
{
    if (const auto *row = rowOfSender(m_sliderRows, sender(), m_handle))
        (*row)(value);
}

void ParameterPanel::onDoubleSpinBoxFruits(double value)
{
    if (const auto *row = rowOfSender(m_spinRows, sender(), m_handle))
        (*row)(value);
}

void ParameterPanel::onLineEditResult(const QString &)
{
    if (const auto *row = rowOfSender(m_lineEditRows, sender(), m_handle))
        (*row)();
}

void ParameterPanel::onConboxResult(int index)
{
    // A combo box being emptied reports index -1: nothing to send.
    const auto *row = rowOfSender(m_comboRows, sender(), m_handle);
    if (row && index >= 0)
        (*row)(index);
}

// ---- statuses -----------------------------------------------------------------

bool ParameterPanel::accepted(CameraSdkStatus status)
{
    if (status == CAMERA_STATUS_SUCCESS)
        return true;
    if (isGone(status))
        cameraGone();
    else
        refillLater();
    return false;
}

bool ParameterPanel::acceptedWhileTyping(CameraSdkStatus status)
{
    if (isGone(status))
        cameraGone();
    return status == CAMERA_STATUS_SUCCESS;
}

void ParameterPanel::refillLater()
{
    // After the handler that was refused has returned: filling clears and
    // refills combo boxes, which must not happen inside their own signal.
    if (m_refillQueued)
        return;
    m_refillQueued = true;
    QTimer::singleShot(0, this, [this, handle = m_handle] {
        m_refillQueued = false;
        if (handle && handle == m_handle && ui->tabWidget->isEnabled())
            initDeviceSetting(handle);
    });
}

void ParameterPanel::cameraGone()
{
    // Further calls in the same handler fail at once instead of waiting for
    // the camera's time-outs one by one.
    m_handle = nullptr;
    ui->tabWidget->setEnabled(false);
    ui->widget_settingToolbar->setEnabled(false);
    emit cameraShown(nullptr);
}

void ParameterPanel::loadGroup(int group)
{
    const CameraSdkStatus status = CameraLoadParameter(m_handle, group);
    if (isGone(status)) {
        cameraGone();
        return;
    }
    if (status != CAMERA_STATUS_SUCCESS) {
        const bool defaults =
            CameraLoadParameter(m_handle, CAMERA_PARAMETER_GROUP_DEFAULT) == CAMERA_STATUS_SUCCESS;
        // Every setting may have changed: the dock is read again behind the box.
        refillLater();
        const QString letter(QLatin1Char(char('A' + qBound(0, group, 3))));
        showBox(
            true, tr("错误"),
            defaults
                ? tr("加载参数组%1失败：%2\n相机已改用出厂默认参数。").arg(letter, vexo::statusText(status))
                : tr("加载参数组%1失败：%2").arg(letter, vexo::statusText(status)));
        return;
    }
    // Every setting may have changed with the group.
    refillLater();
}

// ---- showing values again -----------------------------------------------------

void ParameterPanel::syncSpinFromSlider(QSlider *slider, bool evenWhileTyping)
{
    QDoubleSpinBox *spin = nullptr;
    double value = 0.0;
    if (slider == ui->horizontalSlider_gainred || slider == ui->horizontalSlider_gaingreen ||
        slider == ui->horizontalSlider_gainblue || slider == ui->horizontalSlider_gamma ||
        slider == ui->horizontalSlider_contrast) {
        QDoubleSpinBox *const partners[] = {ui->doubleSpinBox_gainred, ui->doubleSpinBox_gaingreen,
                                            ui->doubleSpinBox_gainblue, ui->doubleSpinBox_gamma,
                                            ui->doubleSpinBox_contrast};
        QSlider *const sliders[] = {ui->horizontalSlider_gainred, ui->horizontalSlider_gaingreen,
                                    ui->horizontalSlider_gainblue, ui->horizontalSlider_gamma,
                                    ui->horizontalSlider_contrast};
        for (int i = 0; i < 5; ++i) {
            if (sliders[i] == slider)
                spin = partners[i];
        }
        value = slider->value() / 100.0;
    } else if (slider == ui->horizontalSlider_analogGain) {
        spin = ui->doubleSpinBox_analogGain;
        value = slider->value() / 1000.0;
    } else if (slider == ui->horizontalSlider_exposureTime) {
        spin = ui->doubleSpinBox_exposureTime;
        value = m_limits.lineUs * slider->value() / 1000.0;
    }
    // Rewriting the text under the operator's cursor would garble what they
    // type; the slider's value is shown when the edit ends.
    if (!spin || (spin->hasFocus() && !evenWhileTyping))
        return;
    const QSignalBlocker blocker(spin);
    spin->setValue(value);
}

void ParameterPanel::restoreTypedValues()
{
    if (!m_handle)
        return;
    stCurrentDeviceInfo info{};
    const CameraSdkStatus status = CameraGetCurDevInfo(m_handle, &info);
    if (isGone(status)) {
        cameraGone();
        return;
    }
    if (status == CAMERA_STATUS_SUCCESS)
        showAeRanges(info);
    showTriggerParameters(m_handle);
}

// ---- what some controls send ------------------------------------------------------

int ParameterPanel::inputLine() const
{
    return ui->comboBox_input->currentIndex();
}

int ParameterPanel::outputLine() const
{
    return ui->comboBox_output->currentIndex();
}

void ParameterPanel::changeResolution(int index)
{
    const int chosen = ui->comboBox_resolution->itemData(index).toInt();
    if (chosen == CAMERA_RESOLUTION_CUSTOM) {
        // The editor draws its region over a still of the largest preset.
        const int count = ui->comboBox_resolution->count();
        stImageResolution largest{};
        if (count >= 2 &&
            CameraGetResolutionEx(m_handle, ui->comboBox_resolution->itemData(count - 2).toInt(), &largest) ==
                CAMERA_STATUS_SUCCESS)
            CameraSetResolutionForSnap(m_handle, &largest);
        emit roiEditorRequested(m_handle);
    } else if (accepted(CameraSetResolution(m_handle, chosen))) {
        emit resolutionChanged(m_handle);
    }
    if (m_handle)
        showResolution(m_handle, false);
}

void ParameterPanel::sendCrossLine(int row, bool visible)
{
    // A position off the sensor is brought onto its edge, and shown so.
    const auto position = [](QLineEdit *edit, int size) {
        int value = std::max(edit->text().toInt(), 0);
        if (size > 0)
            value = std::min(value, size);
        if (edit->text() != QString::number(value))
            edit->setText(QString::number(value));
        return value;
    };
    const CrossRow &cross = m_crossRows.at(row);
    const int x = position(cross.x, m_limits.sensorWidth);
    const int y = position(cross.y, m_limits.sensorHeight);
    const uint32_t colour = packColour(colourOfStyleSheet(cross.colour->styleSheet()));
    accepted(CameraSetCrossLine(m_handle, row, x, y, colour, visible ? 1 : 0));
}

void ParameterPanel::sendChannelMask()
{
    QVector<bool> checked;
    for (const QCheckBox *box : qAsConst(m_channelBoxes))
        checked.append(box->isChecked());
    accepted(CameraSetIntValue(m_handle, CAMERA_INT_CHANNEL_MASK, channelMask(checked)));
}

void ParameterPanel::sendAeExposureRange()
{
    // Without the camera's limits (no line time read) the camera judges.
    const bool known = m_limits.exposureMaxUs > 0.0;
    const auto range =
        exposureRange(ui->lineEdit_minExposureRange->text(), ui->lineEdit_maxExposureRange->text(),
                      known ? m_limits.exposureMinUs : 0.0,
                      known ? m_limits.exposureMaxUs : std::numeric_limits<double>::max());
    if (range)
        acceptedWhileTyping(CameraSetAeExposureRange(m_handle, range->minUs, range->maxUs));
}

void ParameterPanel::sendAeGainRange()
{
    const bool known = m_limits.gainMaxX1000 > 0;
    const auto range = gainRange(ui->lineEdit_minGainRange->text(), ui->lineEdit_maxGainRange->text(),
                                 known ? m_limits.gainMinX1000 : 0, known ? m_limits.gainMaxX1000 : INT_MAX);
    if (range)
        acceptedWhileTyping(CameraSetAeAnalogGainRange(m_handle, range->minX1000, range->maxX1000));
}

void ParameterPanel::sendLineTimes(QLineEdit *edit)
{
    if (!m_handle || !edit->isModified())
        return;
    edit->setModified(false);
    const auto value = unsignedNumber(edit->text());
    const bool input = edit == ui->lineEdit_time;
    const int line = input ? inputLine() : outputLine();
    CameraSdkStatus status = CAMERA_STATUS_INVALID_ARGUMENT;
    if (line >= 0 && value) {
        if (input) {
            status = CameraSetTriggerJitterTime(m_handle, line, *value);
        } else if (edit == ui->lineEdit_ldelay) {
            status = CameraSetStrobeDelayTime(m_handle, line, *value);
        } else if (edit == ui->lineEdit_lpulsewidth) {
            status = CameraSetStrobePulseWidth(m_handle, line, *value);
        } else {
            const auto period = unsignedNumber(ui->lineEdit_pwmcycle->text());
            const auto high = unsignedNumber(ui->lineEdit_pwmhighttime->text());
            if (period && high && *period <= uint32_t(INT_MAX) && *high <= *period)
                status = CameraSetOutputIOPWM(m_handle, line, int(*period), int(*high));
        }
    }
    if (isGone(status)) {
        cameraGone();
    } else if (status != CAMERA_STATUS_SUCCESS && line >= 0) {
        // Back to what the line has: its combo boxes are quiet meanwhile, so
        // nothing is reported back.
        const QSignalBlocker workMode(ui->comboBox_workmode);
        const QSignalBlocker triggerMode(ui->comboBox_tirggermode);
        const QSignalBlocker outputMode(ui->comboBox_owordmode);
        const QSignalBlocker strobeMode(ui->comboBox_imode);
        const QSignalBlocker polarity(ui->comboBox_polarity);
        const QSignalBlocker state(ui->comboBox_iostatus);
        if (input)
            showInputLine(m_handle, line);
        else
            showOutputLine(m_handle, line);
    }
}

// ---- buttons of their own -------------------------------------------------------

void ParameterPanel::softTrigger()
{
    accepted(CameraSoftTrigger(m_handle));
}

void ParameterPanel::oneTouchWhiteBalance()
{
    if (!accepted(CameraSetOnceWB(m_handle)))
        return;
    stCurrentDeviceInfo info{};
    if (!accepted(CameraGetCurDevInfo(m_handle, &info)))
        return;
    // Through the spin boxes the sliders follow and send the gains.
    ui->doubleSpinBox_gainred->setValue(info.uRGain / 100.0);
    ui->doubleSpinBox_gainblue->setValue(info.uBGain / 100.0);
    ui->doubleSpinBox_gaingreen->setValue(info.uGGain / 100.0);
}

void ParameterPanel::restoreFocus()
{
    int position = -1;
    const CameraSdkStatus status = CameraGetIntValue(m_handle, CAMERA_INT_FOCUS_DEFAULT, &position);
    // Without the default the lens stays where it is.
    if (!accepted(status) || position == -1)
        return;
    if (accepted(CameraSetIntValue(m_handle, CAMERA_INT_FOCUS_POSITION, position))) {
        const QSignalBlocker blocker(ui->horizontalSlider_supportFocusing);
        ui->horizontalSlider_supportFocusing->setValue(position);
    }
}

void ParameterPanel::pickColour(int row)
{
    QPushButton *button = m_crossRows.at(row).colour;
    const QColor colour =
        QColorDialog::getColor(colourOfStyleSheet(button->styleSheet()), m_dock->window(), QString());
    // The camera gets the colour when the row's check box is toggled.
    if (colour.isValid())
        button->setStyleSheet(colourStyleSheet(packColour(colour)));
}
