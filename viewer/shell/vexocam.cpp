#include "shell/vexocam.h"

#include "capture/repairnotice.h"
#include "config/configparameter.h"
#include "devices/devicetree.h"
#include "dialogs/aboutwidget.h"
#include "dialogs/cameralistwidget.h"
#include "dialogs/configwidget.h"
#include "grid/cellgrid.h"
#include "layouts/customwindowsettingwidget.h"
#include "messagebox.h"
#include "params/parameterdock.h"
#include "params/parameterpanel.h"
#include "roi/roiwidget.h"
#include "shell/launcher.h"
#include "stream/cameraconnection.h"
#include "textfields.h"
#include "ui_vexocam.h"
#include "view/camerathread.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidgetItem>
#include <algorithm>

namespace {

const QString kEdition = QStringLiteral("EDITION");
const QString kLanguage = QStringLiteral("Language");

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/images/ICO/") + QLatin1String(name));
}

} // namespace

VexoCam::VexoCam(QWidget *parent) : VexoCam(QCoreApplication::applicationDirPath(), parent) {}

VexoCam::VexoCam(const QString &appDir, QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::VexoCam>()), m_appDir(appDir)
{
    init();
}

VexoCam::~VexoCam()
{
    // Stopping a camera reports to onCloseCamera and waits while serving
    // events: both must happen while the window is still whole, not from
    // the base class destructor after our members are gone.
    m_restoreTimer->stop();
    for (CameraThread *cell : cells())
        disconnect(cell, nullptr, this, nullptr);
    m_grid.reset();
}

void VexoCam::init()
{
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose);
    m_grid = std::make_unique<CellGrid>(ui->gridLayout_devicewindow, ui->widget_devicewindows, ui->widget_8);
    connect(m_grid.get(), &CellGrid::cellCreated, this, &VexoCam::wireCell);
    connect(m_grid.get(), &CellGrid::cellRetiring, this, [this](CameraThread *cell) {
        if (cell->cameraHandle() == m_cameraHandle)
            m_cameraHandle = nullptr;
    });
    m_devices = new DeviceTree(ui->treeWidget_devicelist, this);

    const int language = ConfigParameter::getInstance()->value(kEdition, kLanguage).toInt();
    m_translator = new QTranslator(this);
    if (!installLanguage(language))
        showBox(true, tr("提示"), tr("切换语言失败"));
    ui->retranslateUi(this);
    parameterDock()->retranslate();

    QHeaderView *header = ui->treeWidget_devicelist->header();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(false);
    initDeviceList();

    createDisplayMenu();
    m_displaySwitch = new QToolButton(this);
    m_displaySwitch->setMenu(m_displayMenu);
    m_displaySwitch->setPopupMode(QToolButton::InstantPopup);
    m_displaySwitch->setText(tr("画面切换"));
    m_displaySwitch->setIcon(icon("FourScreen.png"));
    m_displaySwitch->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    ui->toolBar->addWidget(m_displaySwitch);

    m_restoreTimer = new QTimer(this);
    m_restoreTimer->setSingleShot(true);
    connect(m_restoreTimer, &QTimer::timeout, this, &VexoCam::restoreDisplayLayout);
    m_restoreTimer->start(100);

    // Recordings a crash or a kill left unfinished become complete files.
    (new RepairNotice(this))->start({ConfigParameter::getInstance()->getRecordParament()->savePath});

    wireParameterPanel();

    // The side panes keep their width when the window grows; the grid takes
    // the rest.
    ui->splitter->setStretchFactor(0, 0);
    ui->splitter->setStretchFactor(1, 1);
    ui->splitter->setStretchFactor(2, 0);
    ui->splitter->setSizes({250, 625, 250});
}

QString VexoCam::translationFileName(int language)
{
    return language == 0 ? QStringLiteral("/VexoCam_zh_CN.qm") : QStringLiteral("/VexoCam_en_CN.qm");
}

bool VexoCam::isLayoutRestorePending() const
{
    return m_restoreTimer->isActive();
}

const QList<CameraThread *> &VexoCam::cells() const
{
    // None while the grid is being torn down: stopping its cameras serves
    // queued calls, which may still ask.
    static const QList<CameraThread *> none;
    return m_grid ? m_grid->cells() : none;
}

QString VexoCam::translationFile() const
{
    return m_translator->filePath();
}

bool VexoCam::installLanguage(int language)
{
    const QString path = m_appDir + translationFileName(language);
    // Loading clears the translator first, so try the file on the side and
    // keep the current language when it is missing or empty.
    QTranslator probe;
    if (!probe.load(path) || probe.isEmpty())
        return false;
    // Installing the same translator again would list it twice.
    QCoreApplication::removeTranslator(m_translator);
    if (!m_translator->load(path))
        return false;
    return QCoreApplication::installTranslator(m_translator);
}

void VexoCam::switchLanguage(int language)
{
    if (!installLanguage(language))
        showBox(true, tr("提示"), tr("设置失败"));
    updateLanguage();
    ConfigParameter::getInstance()->setValue(kEdition, kLanguage, language);
}

void VexoCam::updateLanguage()
{
    ui->retranslateUi(this);
    parameterDock()->retranslate();
    m_displaySwitch->setText(tr("画面切换"));
    m_devices->retranslate();
    for (CameraThread *cell : cells())
        cell->updateLanguage();
    if (m_cameraHandle)
        initDeviceSetting(m_cameraHandle);
    if (QTreeWidgetItem *item = ui->treeWidget_devicelist->currentItem())
        on_treeWidget_devicelist_itemClicked(item, 0);
}

void VexoCam::on_action_language_CH_triggered()
{
    switchLanguage(0);
}

void VexoCam::on_action_language_EN_triggered()
{
    switchLanguage(1);
}

void VexoCam::showBox(bool critical, const QString &title, const QString &text)
{
    vexo::showMessage(this, critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
                      tr("确定"));
}

// ---- menu actions ---------------------------------------------------------

void VexoCam::on_action_opencamera_triggered()
{
    auto *list = new CameraListWidget;
    connect(list, SIGNAL(cameraWidget_open(QString)), this, SLOT(cameraWidget_open(QString)));
    list->show();
}

void VexoCam::on_action_about_triggered()
{
    (new AboutWidget)->show();
}

void VexoCam::openRoiEditor(void *handle)
{
    if (handle == nullptr)
        return;
    RoiWidget *editor = RoiWidget::open(handle, this);
    connect(editor, &RoiWidget::regionApplied, this, [this](void *applied) {
        if (applied == m_cameraHandle)
            initDeviceSetting(applied);
        refitCellAfterResolutionChange(applied);
    });
    // Closed without applying, the dock shows the resolution the camera
    // runs again, not "自定义".
    connect(editor, &RoiWidget::closedByUser, this, [this](void *closed) {
        if (closed == m_cameraHandle)
            initDeviceSetting(closed);
    });
    // The editor must not outlive its camera's handle.
    for (CameraThread *cell : cells()) {
        if (cell->cameraHandle() == handle)
            connect(cell, &CameraThread::cameraClose, editor, &QWidget::close);
    }
}

// The settings window has no parent and deletes itself when closed.
void VexoCam::on_action_capturesetting_triggered()
{
    (new ConfigWidget(0))->show();
}

void VexoCam::on_action_videosetting_triggered()
{
    (new ConfigWidget(1))->show();
}

void VexoCam::on_action_hotkey_triggered()
{
    (new ConfigWidget(2))->show();
}

void VexoCam::on_action_defaultParPath_triggered()
{
    vexo::openLocalPath(m_appDir);
}

void VexoCam::on_action_ipSettingTool_triggered()
{
    processOpen(QStringLiteral("Addrix"));
}

void VexoCam::on_action_update_triggered()
{
    processOpen(QStringLiteral("VexoUpgrade"));
}

void VexoCam::processOpen(const QString &name)
{
    if (vexo::launchSibling(m_appDir, name))
        return;
    // Each tool's message names the program that is missing.
    const QString text = name == QLatin1String("VexoUpgrade")
                             ? tr("打开失败,请检查程序执行目录下是否存在升级程序")
                             : tr("打开失败,请检查程序执行目录下是否存在IP配置程序");
    showBox(true, tr("错误"), text);
}

void VexoCam::on_action_help_triggered()
{
    const QString path = m_appDir + QStringLiteral("/软件使用说明书.pdf");
    if (vexo::openLocalPath(path))
        return;
    // No manual, or nothing to show it with: say which, and offer what the
    // user can still do with it.
    const bool present = QFileInfo::exists(path);
    QMessageBox box(QMessageBox::Critical, tr("提示"),
                    present ? tr("没有可以打开说明书的程序：%1").arg(QDir::toNativeSeparators(path))
                            : tr("请检查执行目录下是否存在软件使用说明书.pdf"),
                    QMessageBox::NoButton, this);
    box.addButton(tr("确定"), QMessageBox::AcceptRole);
    QAbstractButton *folder = box.addButton(tr("打开所在文件夹"), QMessageBox::ActionRole);
    QAbstractButton *copy = box.addButton(tr("复制路径"), QMessageBox::ActionRole);
    vexo::keepTitleWhole(box);
    box.exec();
    if (box.clickedButton() == folder && !vexo::openLocalPath(m_appDir))
        showBox(true, tr("提示"), tr("无法打开文件夹：%1").arg(QDir::toNativeSeparators(m_appDir)));
    else if (box.clickedButton() == copy)
        QGuiApplication::clipboard()->setText(QDir::toNativeSeparators(present ? path : m_appDir));
}

// ---- device tree ------------------------------------------------------------

void VexoCam::initDeviceList()
{
    QStringList lost;
    for (const CameraThread *cell : cells()) {
        if (cell->isCameraLost())
            lost.append(cell->cameraSerial());
    }
    m_devices->rebuild(lost);
}

void VexoCam::on_pushButton_refresh_clicked()
{
    initDeviceList();
    ui->stackedWidget_InterfaceInfo->setCurrentIndex(3);
}

void VexoCam::on_pushButton_expand_clicked()
{
    ui->treeWidget_devicelist->expandAll();
}

void VexoCam::on_pushButton_collapse_clicked()
{
    ui->treeWidget_devicelist->collapseAll();
}

void VexoCam::on_treeWidget_devicelist_itemClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    ui->stackedWidget_InterfaceInfo->setCurrentIndex(3);
    const stDeviceInfo *info = DeviceTree::recordOf(item);
    if (!info)
        return;

    const QString opened = DeviceTree::openStateText(item);
    if (DeviceTree::isGige(*info)) {
        stGigeInfo gige{};
        // A failed read (the camera is gone) shows empty address fields, not
        // an all-zero address that looks real.
        const bool known = CameraGigeGetIp(vexo::toLocal(DeviceTree::serialOf(*info)).constData(), &gige) ==
                           CAMERA_STATUS_SUCCESS;
        ui->label_gigeName->setText(vexo::fromLocalField(info->acProductName));
        ui->label_gigeIP->setText(known ? vexo::fromAsciiField(gige.acIp) : QString());
        ui->label_gigeNetMask->setText(known ? vexo::fromAsciiField(gige.acMask) : QString());
        ui->label_gigePorttype->setText(vexo::fromLocalField(info->acPortType));
        ui->label_gigePhyAdder->setText(known ? vexo::macText(gige.abMac) : QString());
        ui->label_gigeBroAdder->setText(opened);
        ui->stackedWidget_InterfaceInfo->setCurrentIndex(0);
    } else {
        ui->label_productName->setText(vexo::fromLocalField(info->acProductName));
        ui->label_productsSeries->setText(vexo::fromLocalField(info->acProductSeries));
        ui->label_sensor->setText(vexo::fromLocalField(info->acSensorType));
        ui->label_porttype->setText(vexo::fromLocalField(info->acPortType));
        ui->label_edition->setText(vexo::fromLocalField(info->acDeviceVersion));
        ui->label_firmware->setText(vexo::firmwareText(info->uFirmwareVersion));
        ui->label_status->setText(opened);
        ui->stackedWidget_InterfaceInfo->setCurrentIndex(2);
    }
    ui->pushButton_onoff->setIcon(icon(info->iOpened ? "disconnect.png" : "connect.png"));
    widenDevicePane();
}

void VexoCam::widenDevicePane()
{
    // A long value or a longer English caption needs more than the pane's
    // start width; the splitter does not grow a pane by itself once shown.
    QWidget *pane = ui->splitter->widget(0);
    pane->layout()->activate();
    QList<int> sizes = ui->splitter->sizes();
    const int missing = pane->minimumSizeHint().width() - sizes.value(0);
    if (missing <= 0 || sizes.size() < 2)
        return;
    sizes[0] += missing;
    sizes[1] -= missing;
    ui->splitter->setSizes(sizes);
}

QTreeWidgetItem *VexoCam::findDeviceItem(const QString &serial) const
{
    return m_devices->findItem(serial);
}

void VexoCam::markOpened(QTreeWidgetItem *item, bool opened)
{
    DeviceTree::markOpened(item, opened);
    ui->pushButton_onoff->setIcon(icon(opened ? "disconnect.png" : "connect.png"));
}

void VexoCam::on_treeWidget_devicelist_itemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    const stDeviceInfo *info = DeviceTree::recordOf(item);
    if (!info || !openCamera(DeviceTree::serialOf(*info)))
        return;
    markOpened(item, true);
    emit ui->treeWidget_devicelist->itemClicked(item, 0);
}

void VexoCam::on_pushButton_onoff_clicked()
{
    QTreeWidgetItem *item = ui->treeWidget_devicelist->currentItem();
    const stDeviceInfo *info = DeviceTree::recordOf(item);
    if (!info)
        return;
    const QString serial = DeviceTree::serialOf(*info);
    if (info->iOpened) {
        if (!closeCamera(serial)) {
            showBox(true, tr("提示"), tr("相机已在其它地方打开，无法关闭"));
            return;
        }
        // Closing waited for the grabber; look the item up again rather
        // than trust one held across the wait.
        item = findDeviceItem(serial);
        if (!item)
            return;
        markOpened(item, false);
    } else {
        if (!openCamera(serial))
            return;
        markOpened(item, true);
    }
    emit ui->treeWidget_devicelist->itemClicked(item, 0);
}

void VexoCam::cameraWidget_open(const QString serial)
{
    if (!openCamera(serial))
        return;
    QTreeWidgetItem *item = findDeviceItem(serial);
    if (!item)
        return;
    markOpened(item, true);
    ui->treeWidget_devicelist->setCurrentItem(item);
    emit ui->treeWidget_devicelist->itemClicked(item, 0);
}

// ---- cells and cameras ------------------------------------------------------

CameraThread *VexoCam::findCameraWidget(const QString &serial) const
{
    return m_grid->cellOf(serial);
}

CameraThread *VexoCam::findIdleCameraWidget() const
{
    return m_grid->idleCell();
}

bool VexoCam::openCamera(const QString &serial)
{
    CameraThread *cell = findCameraWidget(serial);
    if (!cell) {
        cell = findIdleCameraWidget();
        if (!cell || !cell->attachCamera(serial))
            return false;
    }
    parameterDock()->setSettingsEnabled(true);
    initDeviceSetting(cell->cameraHandle());
    m_grid->select(cell);
    return true;
}

bool VexoCam::closeCamera(const QString &serial)
{
    CameraThread *cell = findCameraWidget(serial);
    if (!cell)
        return false;
    cell->cameraStop();
    return true;
}

void VexoCam::onOpenCamera(const QString &serial)
{
    QTreeWidgetItem *item = findDeviceItem(serial);
    if (!item)
        return;
    markOpened(item, true);
    emit ui->treeWidget_devicelist->itemClicked(item, 0);
    auto *cell = qobject_cast<CameraThread *>(sender());
    if (!cell)
        return;
    m_cameraHandle = cell->cameraHandle();
    parameterDock()->setSettingsEnabled(true);
    initDeviceSetting(m_cameraHandle);
    m_grid->select(cell);
}

void VexoCam::onCloseCamera(const QString &serial)
{
    QTreeWidgetItem *item = findDeviceItem(serial);
    if (!item)
        return;
    markOpened(item, false);
    if (item == ui->treeWidget_devicelist->currentItem())
        emit ui->treeWidget_devicelist->itemClicked(item, 0);
    auto *cell = qobject_cast<CameraThread *>(sender());
    if (cell && m_cameraHandle && cell->cameraHandle() == m_cameraHandle) {
        m_cameraHandle = nullptr;
        parameterDock()->setSettingsEnabled(false);
    }
}

void VexoCam::onCameraLost(const QString &serial, bool lost)
{
    if (QTreeWidgetItem *item = findDeviceItem(serial)) {
        DeviceTree::markLost(item, lost);
        // The identity page of this camera, if shown, is read again: its
        // state, and the addresses a camera that is away could not give.
        const int page = ui->stackedWidget_InterfaceInfo->currentIndex();
        if (item == ui->treeWidget_devicelist->currentItem() && (page == 0 || page == 2))
            emit ui->treeWidget_devicelist->itemClicked(item, 0);
    }
    // A control touched while the camera was away disabled the dock; the
    // camera back in the dock's cell gets it filled and enabled again.
    auto *cell = qobject_cast<CameraThread *>(sender());
    if (!cell || !m_cameraHandle || cell->cameraHandle() != m_cameraHandle)
        return;
    // The dock's camera: greyed out with the reason while it is away, and
    // filled again by itself when it is back.
    if (lost)
        parameterDock()->showCameraLost(CameraConnection::lostText());
    else
        initDeviceSetting(m_cameraHandle);
}

void VexoCam::mousePressEvent(QMouseEvent *event)
{
    QMainWindow::mousePressEvent(event);
    if (cells().size() > 1) {
        QWidget *grid = ui->widget_devicewindows;
        const QPoint point = grid->mapFromGlobal(event->globalPos());
        if (!grid->rect().contains(point))
            return;
        for (CameraThread *cell : cells()) {
            if (cell->geometry().contains(point)) {
                parameterDock()->disableUntilFilled();
                if (cell->isAttachCamera())
                    initDeviceSetting(cell->cameraHandle());
                cell->setFrame();
            } else {
                cell->resetFrame();
            }
        }
    } else if (cells().size() == 1) {
        parameterDock()->disableUntilFilled();
        if (cells().first()->isAttachCamera())
            initDeviceSetting(cells().first()->cameraHandle());
    }
}

void VexoCam::on_action_fullScreen_triggered()
{
    m_grid->toggleFullScreen();
}

// ---- the grid's cells --------------------------------------------------------

void VexoCam::wireCell(CameraThread *cell)
{
    connect(cell, SIGNAL(enterFullScreen()), this, SLOT(onCameraWidgetEnterFullScreen()));
    connect(cell, SIGNAL(exitFullScreen()), this, SLOT(onCameraWidgetExitFullScreen()));
    connect(cell, SIGNAL(cameraClose(const QString &)), this, SLOT(onCloseCamera(const QString &)));
    connect(cell, SIGNAL(cameraOpen(const QString &)), this, SLOT(onOpenCamera(const QString &)));
    connect(cell, &CameraThread::cameraLost, this, &VexoCam::onCameraLost);
    connect(cell, SIGNAL(windowMoving(int &, int &, int &, int &)), this,
            SLOT(onWindowMoving(int &, int &, int &, int &)));
}

void VexoCam::onCameraWidgetEnterFullScreen()
{
    if (auto *cell = qobject_cast<CameraThread *>(sender()))
        m_grid->takeOut(cell);
}

void VexoCam::onCameraWidgetExitFullScreen()
{
    if (auto *cell = qobject_cast<CameraThread *>(sender()))
        m_grid->putBack(cell);
}

void VexoCam::onWindowMoving(int &fromRow, int &fromColumn, int &toRow, int &toColumn)
{
    m_grid->swap(fromRow, fromColumn, toRow, toColumn);
}
