// The main window's share of the parameter dock: wiring its controls to the
// handler slots, and blocking them while the dock is filled.
#include "vexocam.h"

#include "ui_vexocam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>

namespace {

// The controls whose signals reach the handlers and must stay quiet while
// the dock shows a camera's values.
const char *const kBlockedControls[] = {
    "radioButton_autowb",
    "radioButton_manualwb",
    "comboBox_resolution",
    "comboBox",
    "radioButton_low",
    "radioButton_high",
    "radioButton_medium",
    "checkBox_mirror",
    "checkBox_vertical",
    "checkBox_bwmode",
    "checkBox_bPoint",
    "checkBox_display1",
    "checkBox_display2",
    "checkBox_display3",
    "checkBox_display4",
    "checkBox_display5",
    "checkBox_display6",
    "checkBox_display7",
    "checkBox_display8",
    "checkBox_display9",
    "radioButton_track",
    "radioButton_preset",
    "comboBox_preset",
    "radioButton_autoExposure",
    "radioButton_manualExposure",
    "radioButton_50Hz",
    "radioButton_60Hz",
    "checkBox_flashScreen",
    "lineEdit_maxExposureRange",
    "lineEdit_minExposureRange",
    "lineEdit_maxGainRange",
    "lineEdit_minGainRange",
    "radioButton_continuity",
    "radioButton_softrigger",
    "radioButton_hardtirgger",
    "comboBox_input",
    "comboBox_output",
    "comboBox_workmode",
    "comboBox_tirggermode",
    "comboBox_owordmode",
    "comboBox_imode",
    "comboBox_polarity",
    "comboBox_iostatus",
    "lineEdit_tirggerframes",
    "lineEdit_tirggerdelay",
    "radioButton_model",
    "radioButton_name",
    "radioButton_number",
    "radioButton_A",
    "radioButton_B",
    "radioButton_C",
    "radioButton_D",
};

} // namespace

void VexoCam::wireParameterPanel()
{
    for (QRadioButton *radio : {ui->radioButton_autowb,
                                ui->radioButton_manualwb,
                                ui->radioButton_low,
                                ui->radioButton_medium,
                                ui->radioButton_high,
                                ui->radioButton_track,
                                ui->radioButton_preset,
                                ui->radioButton_autoExposure,
                                ui->radioButton_manualExposure,
                                ui->radioButton_50Hz,
                                ui->radioButton_60Hz,
                                ui->radioButton_continuity,
                                ui->radioButton_softrigger,
                                ui->radioButton_hardtirgger,
                                ui->radioButton_model,
                                ui->radioButton_name,
                                ui->radioButton_number,
                                ui->radioButton_A,
                                ui->radioButton_B,
                                ui->radioButton_C,
                                ui->radioButton_D})
        connect(radio, SIGNAL(toggled(bool)), this, SLOT(onRadioClickResult(bool)));

    for (QCheckBox *box :
         {ui->checkBox_mirror, ui->checkBox_vertical, ui->checkBox_bPoint, ui->checkBox_bwmode,
          ui->checkBox_display1, ui->checkBox_display2, ui->checkBox_display3, ui->checkBox_display4,
          ui->checkBox_display5, ui->checkBox_display6, ui->checkBox_display7, ui->checkBox_display8,
          ui->checkBox_display9, ui->checkBox_flashScreen})
        connect(box, SIGNAL(toggled(bool)), this, SLOT(onCheckStatsResult(bool)));

    for (QLineEdit *edit :
         {ui->lineEdit_maxExposureRange, ui->lineEdit_minExposureRange, ui->lineEdit_maxGainRange,
          ui->lineEdit_minGainRange, ui->lineEdit_tirggerframes, ui->lineEdit_tirggerdelay})
        connect(edit, SIGNAL(textChanged(QString)), this, SLOT(onLineEditResult(QString)));

    for (QComboBox *combo :
         {ui->comboBox_resolution, ui->comboBox, ui->comboBox_preset, ui->comboBox_input, ui->comboBox_output,
          ui->comboBox_workmode, ui->comboBox_tirggermode, ui->comboBox_owordmode, ui->comboBox_imode,
          ui->comboBox_polarity, ui->comboBox_iostatus})
        connect(combo, SIGNAL(currentIndexChanged(int)), this, SLOT(onConboxResult(int)));

    for (QDoubleSpinBox *spin :
         {ui->doubleSpinBox_gainred, ui->doubleSpinBox_gaingreen, ui->doubleSpinBox_gainblue,
          ui->doubleSpinBox_gamma, ui->doubleSpinBox_contrast, ui->doubleSpinBox_analogGain,
          ui->doubleSpinBox_exposureTime})
        connect(spin, SIGNAL(valueChanged(double)), this, SLOT(onDoubleSpinBoxFruits(double)));

    const std::pair<QSpinBox *, QSlider *> couples[] = {
        {ui->spinBox_iContrast, ui->horizontalSlider_iContrast},
        {ui->spinBox_iSharpness, ui->horizontalSlider_iSharpness},
        {ui->spinBox_iSaturation, ui->horizontalSlider_iSaturation},
        {ui->spinBox_Light, ui->horizontalSlider_light},
    };
    for (const auto &couple : couples) {
        connect(couple.first, SIGNAL(valueChanged(int)), couple.second, SLOT(setValue(int)));
        connect(couple.second, SIGNAL(valueChanged(int)), couple.first, SLOT(setValue(int)));
    }
}

void VexoCam::closeSlot()
{
    for (const char *name : kBlockedControls) {
        if (QWidget *control = ui->tabWidget->findChild<QWidget *>(QLatin1String(name)))
            control->blockSignals(true);
    }
}

void VexoCam::openSlot()
{
    for (const char *name : kBlockedControls) {
        if (QWidget *control = ui->tabWidget->findChild<QWidget *>(QLatin1String(name)))
            control->blockSignals(false);
    }
}

// Filling the dock from the camera comes with the parameter panel; for now
// showing a camera only enables the dock and makes the camera current.
void VexoCam::initDeviceSetting(void *handle)
{
    closeSlot();
    ui->tabWidget->setEnabled(true);
    ui->widget_settingToolbar->setEnabled(true);
    m_cameraHandle = handle;
    openSlot();
}

// The handlers act on the current camera once the parameter dispatch lands.
void VexoCam::onRadioClickResult(bool) {}
void VexoCam::onCheckStatsResult(bool) {}
void VexoCam::onSliderResult(int) {}
void VexoCam::onLineEditResult(const QString &) {}
void VexoCam::onConboxResult(int) {}
void VexoCam::onDoubleSpinBoxFruits(double) {}
