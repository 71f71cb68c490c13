#include "dialogs/configwidget.h"
#include "ui_configwidget.h"

#include "config/configparameter.h"
#include "dialogs/customkeysequenceedit.h"
#include "dialogs/settingsrules.h"
#include "messagebox.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

using namespace SettingsRules;

namespace {

void showDuration(QSpinBox *spin, QComboBox *unit, int ms)
{
    const DurationDisplay shown = displayDuration(ms);
    spin->setValue(shown.value);
    unit->setCurrentIndex(shown.unit);
}

int checkState(const QCheckBox *box)
{
    return int(box->checkState());
}

} // namespace

ConfigWidget::ConfigWidget(int page, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::ConfigWidget>()), page(page)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    installEventFilter(this);
    for (CustomKeySequenceEdit *editor : keyEditors())
        editor->installEventFilter(this);
    ui->label_error->hide();

    connect(ui->radioButton_captureCountMode, SIGNAL(toggled(bool)), this, SLOT(onRadioClickResult(bool)));
    connect(ui->radioButton_captureTimeMode, SIGNAL(toggled(bool)), this, SLOT(onRadioClickResult(bool)));
    connect(ui->radioButton_originalSpeed, SIGNAL(toggled(bool)), this, SLOT(onRadioClickResult(bool)));
    connect(ui->radioButton_autoSpeed, SIGNAL(toggled(bool)), this, SLOT(onRadioClickResult(bool)));
    connect(ui->listWidget_menu, SIGNAL(currentRowChanged(int)), this, SLOT(listWidgetCurrentRow(int)));

    ui->listWidget_menu->setCurrentRow(page);
    ui->stackedWidget->setCurrentIndex(page);

    config = ConfigParameter::getInstance();
    readRecordInfo();
    readPhotoGraphInfo();
    readHotkeyInfo();
}

ConfigWidget::~ConfigWidget() = default;

QList<CustomKeySequenceEdit *> ConfigWidget::keyEditors() const
{
    return {ui->keySequenceEdit_WindowSize, ui->keySequenceEdit_OriginalSize, ui->keySequenceEdit_Enlarge,
            ui->keySequenceEdit_Narrow,     ui->keySequenceEdit_Recording,    ui->keySequenceEdit_Photogrape,
            ui->keySequenceEdit_Onoff,      ui->keySequenceEdit_DisplaySwitch};
}

void ConfigWidget::listWidgetCurrentRow(int row)
{
    ui->stackedWidget->setCurrentIndex(row);
}

void ConfigWidget::onRadioClickResult(bool)
{
    const QString name = sender() != nullptr ? sender()->objectName() : QString();
    if (name == QLatin1String("radioButton_captureCountMode"))
        ui->stackedWidget_2->setCurrentIndex(0);
    else if (name == QLatin1String("radioButton_captureTimeMode"))
        ui->stackedWidget_2->setCurrentIndex(1);
    else if (name == QLatin1String("radioButton_autoSpeed"))
        ui->widget_autoFrameRate->setEnabled(true);
    else if (name == QLatin1String("radioButton_originalSpeed"))
        ui->widget_autoFrameRate->setEnabled(false);
}

void ConfigWidget::showResetDone()
{
    vexo::showMessage(this, QMessageBox::Information, tr("提示"), tr("重置参数成功"), tr("确定"));
}

// ---- snapshot page ------------------------------------------------------------

void ConfigWidget::readPhotoGraphInfo()
{
    const CaptureParameter &c = *config->getCaptureParameter();
    ui->lineEdit_savePath->setText(c.savePath);
    ui->checkBox_autoSaveState->setChecked(c.autoSaveState != 0);
    ui->comboBox_pictureType->setCurrentIndex(c.pictureType);
    ui->lineEdit_nameRulePrefix->setText(c.nameRulePrefix);
    ui->comboBox_nameRuleFormat->setCurrentIndex(c.nameRuleFormat);
    if (c.captureMode != 0)
        ui->radioButton_captureTimeMode->setChecked(true);
    else
        ui->radioButton_captureCountMode->setChecked(true);
    ui->spinBox_captureAsRadix->setValue(c.grapNumberRadix);
    ui->checkBox_numberStop->setChecked(c.grapNumberStop != 0);
    ui->spinBox_captureAsCount->setValue(c.grapNumberCount);
    showDuration(ui->spinBox_grapTimeRadix, ui->comboBox_grapTimeRadix, c.grapTimeRadix);
    ui->checkBox_timeStop->setChecked(c.grapTimeStop != 0);
    showDuration(ui->spinBox_grapTimeCount, ui->comboBox_grapTimeCount, c.grapTimeCount);
}

void ConfigWidget::writePhotoGraphInfo()
{
    CaptureParameter c;
    c.savePath = ui->lineEdit_savePath->text();
    c.autoSaveState = checkState(ui->checkBox_autoSaveState);
    c.pictureType = ui->comboBox_pictureType->currentIndex();
    c.nameRulePrefix = ui->lineEdit_nameRulePrefix->text();
    c.nameRuleFormat = ui->comboBox_nameRuleFormat->currentIndex();
    c.nameRuleIndex = config->getCaptureParameter()->nameRuleIndex;
    c.captureMode = ui->radioButton_captureCountMode->isChecked() ? 0 : 1;
    c.grapNumberRadix = ui->spinBox_captureAsRadix->text().toInt();
    c.grapNumberStop = checkState(ui->checkBox_numberStop);
    c.grapNumberCount = ui->spinBox_captureAsCount->text().toInt();
    c.grapTimeRadix =
        durationMs(ui->spinBox_grapTimeRadix->value(), ui->comboBox_grapTimeRadix->currentIndex());
    c.grapTimeStop = checkState(ui->checkBox_timeStop);
    c.grapTimeCount =
        durationMs(ui->spinBox_grapTimeCount->value(), ui->comboBox_grapTimeCount->currentIndex());
    config->writeCaptureParament(&c);
}

void ConfigWidget::on_pushButton_save_clicked()
{
    writePhotoGraphInfo();
    close();
}

void ConfigWidget::on_pushButton_init_clicked()
{
    ui->lineEdit_savePath->setText(QStringLiteral("D:/"));
    ui->checkBox_autoSaveState->setChecked(false);
    ui->comboBox_pictureType->setCurrentIndex(0);
    ui->lineEdit_nameRulePrefix->setText(QStringLiteral("Image_"));
    ui->comboBox_nameRuleFormat->setCurrentIndex(0);
    ui->radioButton_captureCountMode->setChecked(true);
    ui->spinBox_captureAsRadix->setValue(1);
    ui->spinBox_captureAsCount->setValue(1);
    ui->spinBox_grapTimeRadix->setValue(1);
    ui->spinBox_grapTimeCount->setValue(1);
    ui->checkBox_numberStop->setChecked(false);
    ui->checkBox_timeStop->setChecked(false);
    ui->comboBox_grapTimeRadix->setCurrentIndex(0);
    ui->comboBox_grapTimeCount->setCurrentIndex(0);
    showResetDone();
}

void ConfigWidget::on_pushButton_openFile_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("选择"), QCoreApplication::applicationDirPath(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        ui->lineEdit_savePath->setText(folder);
}

// ---- recording page -----------------------------------------------------------

void ConfigWidget::readRecordInfo()
{
    const RecordParameter &r = *config->getRecordParament();
    ui->lineEdit_recordPath->setText(r.savePath);
    ui->checkBox_recordAutoSaveState->setChecked(r.autoSaveState != 0);
    ui->comboBox_videoType->setCurrentIndex(r.videoType);
    ui->comboBox_videoQuality->setCurrentIndex(r.videoQuality);
    if (r.playSpeed != 0) {
        ui->radioButton_originalSpeed->setChecked(true);
        ui->widget_autoFrameRate->setEnabled(false);
    } else {
        ui->radioButton_autoSpeed->setChecked(true);
        ui->widget_autoFrameRate->setEnabled(true);
    }
    ui->lineEdit_autoFrameRate->setText(QString::number(r.autoFrameRate));
    ui->lineEdit_recordNameRulePrefix->setText(r.nameRulePrefix);
    ui->comboBox_recordNameRuleFormat->setCurrentIndex(r.nameRuleFormat);
}

void ConfigWidget::writeRecordInfo()
{
    RecordParameter r;
    r.savePath = ui->lineEdit_recordPath->text();
    r.autoSaveState = checkState(ui->checkBox_recordAutoSaveState);
    r.videoType = ui->comboBox_videoType->currentIndex();
    r.videoQuality = ui->comboBox_videoQuality->currentIndex();
    r.autoFrameRate = ui->lineEdit_autoFrameRate->text().toInt();
    r.nameRulePrefix = ui->lineEdit_recordNameRulePrefix->text();
    r.nameRuleFormat = ui->comboBox_recordNameRuleFormat->currentIndex();
    r.playSpeed = ui->radioButton_autoSpeed->isChecked() ? 0 : 1;
    r.nameRuleIndex = config->getRecordParament()->nameRuleIndex;
    config->writeRecordParameter(&r);
}

void ConfigWidget::on_pushButton_recordSave_clicked()
{
    writeRecordInfo();
    close();
}

void ConfigWidget::on_pushButton_recordInit_clicked()
{
    ui->lineEdit_recordPath->setText(QStringLiteral("D:/"));
    ui->checkBox_recordAutoSaveState->setChecked(false);
    ui->comboBox_videoType->setCurrentIndex(0);
    ui->comboBox_videoQuality->setCurrentIndex(0);
    ui->radioButton_originalSpeed->setChecked(true);
    ui->widget_autoFrameRate->setEnabled(false);
    ui->lineEdit_autoFrameRate->setText(QStringLiteral("0"));
    ui->lineEdit_recordNameRulePrefix->setText(QStringLiteral("Video_"));
    ui->comboBox_recordNameRuleFormat->setCurrentIndex(0);
    showResetDone();
}

void ConfigWidget::on_pushButton_recordFileSelect_clicked()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, tr("选择"), QCoreApplication::applicationDirPath(), QFileDialog::ShowDirsOnly);
    if (!folder.isEmpty())
        ui->lineEdit_recordPath->setText(folder);
}

// ---- hotkey page --------------------------------------------------------------

void ConfigWidget::readHotkeyInfo()
{
    const HotkeyParameter &stored = *config->getHotkeyParameter();
    const QStringList texts = hotkeyTexts(stored);
    const QList<CustomKeySequenceEdit *> editors = keyEditors();
    for (int i = 0; i < editors.size(); ++i)
        editors.at(i)->setKeySequence(QKeySequence(texts.at(i)));
    hotkey = stored;
    QString *bound[] = {&hotkey.windowSize, &hotkey.originalSize, &hotkey.enlarge, &hotkey.narrow,
                        &hotkey.recording,  &hotkey.photogrape,   &hotkey.onoff,   &hotkey.displaySwitch};
    for (int i = 0; i < editors.size(); ++i)
        editors.at(i)->setKeyAddres(bound[i]);
}

void ConfigWidget::writeHotkeyInfo()
{
    QStringList texts;
    for (const CustomKeySequenceEdit *editor : keyEditors())
        texts << editor->keySequence().toString(QKeySequence::PortableText);
    HotkeyParameter h{texts.at(0), texts.at(1), texts.at(2), texts.at(3),
                      texts.at(4), texts.at(5), texts.at(6), texts.at(7)};
    config->writeHotkeyParameter(&h);
}

void ConfigWidget::on_pushButton_hotkeySave_clicked()
{
    writeHotkeyInfo();
    close();
}

void ConfigWidget::on_pushButton_hoykeyInit_clicked()
{
    const char *typed[] = {"Ctrl+p", "Ctrl+w", "Ctrl+e", "Ctrl+r", "Ctrl+t", "Ctrl+y", "Ctrl+u", "Ctrl+i"};
    const QList<CustomKeySequenceEdit *> editors = keyEditors();
    for (int i = 0; i < editors.size(); ++i)
        editors.at(i)->setKeySequence(QKeySequence(QString::fromLatin1(typed[i])));
    hotkey = ConfigParameter::defaultHotkeys();
    showResetDone();
}

bool ConfigWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && qobject_cast<CustomKeySequenceEdit *>(watched) != nullptr) {
        const bool conflict = hasHotkeyConflict(hotkeyTexts(hotkey));
        ui->label_error->setVisible(conflict);
        ui->pushButton_hotkeySave->setEnabled(!conflict);
    }
    return false;
}
