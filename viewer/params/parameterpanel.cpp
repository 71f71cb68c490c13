// The parameter dock's controls wired to their handlers.
#include "params/parameterpanel.h"

#include "typedentry.h"
#include "ui_parameterdock.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QtGlobal>

#include <algorithm>

ParameterPanel::ParameterPanel(Ui::ParameterDock *form, QWidget *dock) : ui(form), m_dock(dock)
{
    m_crossRows = {{ui->checkBox_display1, ui->pushButton_color1, ui->lineEdit_x1, ui->lineEdit_y1},
                   {ui->checkBox_display2, ui->pushButton_color2, ui->lineEdit_x2, ui->lineEdit_y2},
                   {ui->checkBox_display3, ui->pushButton_color3, ui->lineEdit_x3, ui->lineEdit_y3},
                   {ui->checkBox_display4, ui->pushButton_color4, ui->lineEdit_x4, ui->lineEdit_y4},
                   {ui->checkBox_display5, ui->pushButton_color5, ui->lineEdit_x5, ui->lineEdit_y5},
                   {ui->checkBox_display6, ui->pushButton_color6, ui->lineEdit_x6, ui->lineEdit_y6},
                   {ui->checkBox_display7, ui->pushButton_color7, ui->lineEdit_x7, ui->lineEdit_y7},
                   {ui->checkBox_display8, ui->pushButton_color8, ui->lineEdit_x8, ui->lineEdit_y8},
                   {ui->checkBox_display9, ui->pushButton_color9, ui->lineEdit_x9, ui->lineEdit_y9}};
    buildRows();
    wire();
    addChannelRows();
}

ParameterPanel::~ParameterPanel() = default;

QStringList ParameterPanel::blockedControls() const
{
    QStringList names;
    for (const QWidget *control : m_blocked)
        names << control->objectName();
    return names;
}

template<typename Handler>
void ParameterPanel::wireFamily(const Family<Handler> &family)
{
    for (auto row = family.rows.cbegin(); row != family.rows.cend(); ++row) {
        QWidget *control = m_dock->findChild<QWidget *>(row.key());
        if (control == nullptr) {
            // A renamed control would never reach its handler.
            qWarning("ParameterPanel: no control %s in the dock", qPrintable(row.key()));
            m_unresolved << row.key();
            continue;
        }
        switch (family.quietOf(row.key())) {
        case Quiet::Blocked:
            m_blocked.append(control);
            break;
        case Quiet::Disconnected:
            // Connected by the first fill, after the partners' couplings.
            if (auto *slider = qobject_cast<QSlider *>(control))
                m_handlerSliders.append(slider);
            continue;
        case Quiet::Held:
            m_heldByFill.append(control);
            break;
        case Quiet::ByStep:
            break;
        }
        // A typed field reports through its entry, once the typing is done.
        QObject *source = control;
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            source = TypedEntry::watch(edit);
        connect(source, family.signal, this, family.slot);
    }
}

void ParameterPanel::wire()
{
    // Every spin box of the dock takes typed text only once it is finished.
    for (QAbstractSpinBox *box : m_dock->findChildren<QAbstractSpinBox *>())
        TypedEntry::watch(box);
    wireFamily(m_radioRows);
    wireFamily(m_checkRows);
    wireFamily(m_lineEditRows);
    wireFamily(m_comboRows);
    wireFamily(m_spinRows);

    for (auto row = m_lineEditRows.rows.cbegin(); row != m_lineEditRows.rows.cend(); ++row) {
        if (auto *edit = m_dock->findChild<QLineEdit *>(row.key()))
            m_typedEdits.append(edit);
    }
    // Values refused while typing stay visible only until the edit ends.
    for (QLineEdit *edit : qAsConst(m_typedEdits))
        connect(edit, &QLineEdit::editingFinished, this, &ParameterPanel::restoreTypedValues);
    // Times of the I/O lines go to the camera when their edit ends.
    for (QLineEdit *edit : {ui->lineEdit_time, ui->lineEdit_ldelay, ui->lineEdit_lpulsewidth,
                            ui->lineEdit_pwmcycle, ui->lineEdit_pwmhighttime})
        connect(TypedEntry::watch(edit), &TypedEntry::committed, this, [this, edit] { sendLineTimes(edit); });

    // While the operator types into a spin box it keeps the typed text; once
    // the edit ends it shows what its slider sent.
    const std::pair<QDoubleSpinBox *, QSlider *> scaled[] = {
        {ui->doubleSpinBox_gainred, ui->horizontalSlider_gainred},
        {ui->doubleSpinBox_gaingreen, ui->horizontalSlider_gaingreen},
        {ui->doubleSpinBox_gainblue, ui->horizontalSlider_gainblue},
        {ui->doubleSpinBox_gamma, ui->horizontalSlider_gamma},
        {ui->doubleSpinBox_contrast, ui->horizontalSlider_contrast},
        {ui->doubleSpinBox_analogGain, ui->horizontalSlider_analogGain},
        {ui->doubleSpinBox_exposureTime, ui->horizontalSlider_exposureTime},
    };
    for (const auto &pair : scaled) {
        QSlider *slider = pair.second;
        connect(pair.first, &QDoubleSpinBox::editingFinished, this,
                [this, slider] { syncSpinFromSlider(slider, true); });
    }

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
    // The sliders that report to the handler, after these couplings.
    wireFamily(m_sliderRows);

    for (int row = 0; row < m_crossRows.size(); ++row)
        connect(m_crossRows.at(row).colour, &QPushButton::clicked, this, [this, row] { pickColour(row); });

    connect(ui->pushButton_tirggeronce, &QPushButton::clicked, this, &ParameterPanel::softTrigger);
    connect(ui->pushButton_onetouth, &QPushButton::clicked, this, &ParameterPanel::oneTouchWhiteBalance);
    connect(ui->pushButton_roi, &QPushButton::clicked, this, [this] { emit roiEditorRequested(m_handle); });
    connect(ui->pushButton_restore, &QPushButton::clicked, this, &ParameterPanel::restoreFocus);
    for (QPushButton *save : {ui->pushButton_save, ui->pushButton_saveInfo})
        connect(save, &QPushButton::clicked, this, &ParameterPanel::saveToGroup);
    for (QPushButton *load : {ui->pushButton_load, ui->pushButton_loadParametersToFile})
        connect(load, &QPushButton::clicked, this, &ParameterPanel::loadFromFile);
    connect(ui->pushButton_savefile, &QPushButton::clicked, this, [this] { exportToFile(false); });
    connect(ui->pushButton_saveParametersToFile, &QPushButton::clicked, this, [this] { exportToFile(true); });
    for (QPushButton *restore : {ui->pushButton_recove, ui->pushButton_restoreDefaultParameters})
        connect(restore, &QPushButton::clicked, this, &ParameterPanel::restoreFactoryDefaults);
    connect(ui->pushButton_deviceName, &QPushButton::clicked, this, &ParameterPanel::setNickname);
    connect(ui->pushButton_ipsett, &QPushButton::clicked, this, &ParameterPanel::setGigeAddress);
    connect(ui->pushButton_packetSizeSett, &QPushButton::clicked, this,
            &ParameterPanel::setPacketSizeAndDelay);

    const QList<QWidget *> valueControls = m_dock->findChildren<QWidget *>();
    for (QWidget *control : valueControls) {
        // The pages' own scroll bars are sliders too: they must keep the
        // wheel, or a page never scrolls by it.
        if (qobject_cast<QComboBox *>(control) || qobject_cast<QAbstractSpinBox *>(control) ||
            (qobject_cast<QAbstractSlider *>(control) && !qobject_cast<QScrollBar *>(control))) {
            control->setFocusPolicy(Qt::StrongFocus);
            control->installEventFilter(this);
        }
    }

    // Only numbers can be typed where numbers are meant.
    const QRegularExpression decimal(QStringLiteral("\\d{0,7}(\\.\\d{0,6})?"));
    for (QLineEdit *edit : {ui->lineEdit_minExposureRange, ui->lineEdit_maxExposureRange})
        edit->setValidator(new QRegularExpressionValidator(decimal, edit));
    const QRegularExpression whole(QStringLiteral("\\d{0,9}"));
    for (QLineEdit *edit : {ui->lineEdit_minGainRange, ui->lineEdit_maxGainRange, ui->lineEdit_tirggerframes,
                            ui->lineEdit_tirggerdelay, ui->lineEdit_time, ui->lineEdit_ldelay,
                            ui->lineEdit_lpulsewidth, ui->lineEdit_pwmcycle, ui->lineEdit_pwmhighttime,
                            ui->lineEdit_PacketSize, ui->lineEdit_netWorkIntervalTime})
        edit->setValidator(new QRegularExpressionValidator(whole, edit));
    for (const CrossRow &row : qAsConst(m_crossRows)) {
        for (QLineEdit *edit : {row.x, row.y})
            edit->setValidator(
                new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), edit));
    }
}

bool ParameterPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Every value the dock shows goes to the camera at once: a wheel turned
    // to scroll the dock must not change one on its way. A control takes the
    // wheel once it has been clicked (focused); otherwise the page scrolls.
    if (event->type() == QEvent::Wheel && !static_cast<QWidget *>(watched)->hasFocus()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ParameterPanel::closeSlot()
{
    for (QWidget *control : qAsConst(m_blocked))
        control->blockSignals(true);
}

void ParameterPanel::openSlot()
{
    for (QWidget *control : qAsConst(m_blocked))
        control->blockSignals(false);
}

void ParameterPanel::connectSliders(bool connected)
{
    for (QSlider *slider : qAsConst(m_handlerSliders)) {
        if (connected)
            connect(slider, m_sliderRows.signal, this, m_sliderRows.slot, Qt::UniqueConnection);
        else
            disconnect(slider, m_sliderRows.signal, this, m_sliderRows.slot);
    }
}
