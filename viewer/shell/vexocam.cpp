#include "vexocam.h"

#include "aboutwidget.h"
#include "cameraconnection.h"
#include "cameralistwidget.h"
#include "camerathread.h"
#include "configparameter.h"
#include "configwidget.h"
#include "customwindowsettingwidget.h"
#include "launcher.h"
#include "messagebox.h"
#include "parameterdock.h"
#include "parameterpanel.h"
#include "roiwidget.h"
#include "textfields.h"
#include "ui_vexocam.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
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
const QString kWidgetInfo = QStringLiteral("WIDGETINFO");
const QString kWidgetCount = QStringLiteral("WidgetCount");
const QString kCustomWidget = QStringLiteral("CUSTOMWIDGET");
const QString kUsedCustomWidget = QStringLiteral("UsedCustomWidget");
constexpr int kMaxGrid = 3;

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/images/ICO/") + QLatin1String(name));
}

stDeviceInfo *recordOf(const QTreeWidgetItem *item)
{
    if (!item)
        return nullptr;
    return static_cast<stDeviceInfo *>(item->data(0, Qt::UserRole).value<void *>());
}

const SceneFrameLayout &layoutOf(const QAction *action)
{
    return *static_cast<const SceneFrameLayout *>(action->data().value<void *>());
}

bool sameLayout(const SceneFrameLayout &a, const SceneFrameLayout &b)
{
    return a.name == b.name && a.row == b.row && a.column == b.column &&
           a.frameLayoutList == b.frameLayoutList;
}

bool isGigeRecord(const stDeviceInfo &info)
{
    return vexo::fromLocalField(info.acPortType).contains(QLatin1String("GigE"), Qt::CaseSensitive);
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
    const QList<CameraThread *> cells = m_cells;
    m_cells.clear();
    for (CameraThread *cell : cells)
        disconnect(cell, nullptr, this, nullptr);
    qDeleteAll(cells);
    // A grid shown full screen is a window of its own, not our child.
    if (m_gridContainer && !m_gridContainer->parent())
        delete m_gridContainer;
}

void VexoCam::init()
{
    ui->setupUi(this);
    setAttribute(Qt::WA_QuitOnClose);
    m_gridContainer = ui->widget_devicewindows;

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

    wireParameterPanel();

    ui->widget_devicewindows->installEventFilter(this);

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
    m_networkGroup->setText(0, tr("网络相机"));
    m_usbGroup->setText(0, tr("USB相机"));
    for (CameraThread *cell : qAsConst(m_cells))
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
    RoiWidget *editor = RoiWidget::open(handle);
    connect(editor, &RoiWidget::regionApplied, this, [this](void *applied) {
        if (applied == m_cameraHandle)
            initDeviceSetting(applied);
        refitCellAfterResolutionChange(applied);
    });
    // The editor must not outlive its camera's handle.
    for (CameraThread *cell : qAsConst(m_cells)) {
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
    if (!vexo::openLocalPath(path))
        showBox(true, tr("提示"), tr("请检查执行目录下是否存在软件使用说明书.pdf"));
}

// ---- device tree ------------------------------------------------------------

void VexoCam::initDeviceList()
{
    QTreeWidget *tree = ui->treeWidget_devicelist;
    // The items point into the records: drop the items first.
    tree->clear();
    m_deviceRecords.clear();
    m_networkGroup = new QTreeWidgetItem(tree, {tr("网络相机")});
    m_usbGroup = new QTreeWidgetItem(tree, {tr("USB相机")});

    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return;
    for (int index = 0; index < count; ++index) {
        auto record = std::make_unique<stDeviceInfo>();
        if (CameraGetEnumIndexInfo(index, record.get()) != CAMERA_STATUS_SUCCESS)
            continue;
        auto *item = new QTreeWidgetItem(isGigeRecord(*record) ? m_networkGroup : m_usbGroup);
        item->setData(0, Qt::UserRole, QVariant::fromValue<void *>(record.get()));
        item->setText(0, vexo::fromLocalField(record->acFriendlyName));
        item->setIcon(0, icon(record->iOpened ? "cameraOn.png" : "cameraOff.png"));
        m_deviceRecords.push_back(std::move(record));
    }
    tree->expandAll();
    for (const CameraThread *cell : qAsConst(m_cells)) {
        QTreeWidgetItem *item = cell->isCameraLost() ? findDeviceItem(cell->cameraSerial()) : nullptr;
        if (item)
            CameraConnection::markTreeItem(item, true);
    }
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
    const stDeviceInfo *info = recordOf(item);
    if (!info)
        return;

    const QString opened = openStateText(item);
    if (isGigeRecord(*info)) {
        stGigeInfo gige{};
        // A failed read (the camera is gone) shows empty address fields, not
        // an all-zero address that looks real.
        const bool known = CameraGigeGetIp(vexo::toLocal(vexo::fromLocalField(info->acSn)).constData(),
                                           &gige) == CAMERA_STATUS_SUCCESS;
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
    for (QTreeWidgetItem *group : {m_networkGroup, m_usbGroup}) {
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem *item = group->child(i);
            const stDeviceInfo *info = recordOf(item);
            if (info && vexo::fromLocalField(info->acSn) == serial)
                return item;
        }
    }
    return nullptr;
}

void VexoCam::markOpened(QTreeWidgetItem *item, bool opened)
{
    recordOf(item)->iOpened = opened ? 1 : 0;
    CameraConnection::markTreeItem(item, false);
    ui->pushButton_onoff->setIcon(icon(opened ? "disconnect.png" : "connect.png"));
    item->setIcon(0, icon(opened ? "cameraOn.png" : "cameraOff.png"));
}

QString VexoCam::openStateText(const QTreeWidgetItem *item) const
{
    const stDeviceInfo *info = recordOf(item);
    if (info == nullptr || !info->iOpened)
        return tr("未打开");
    return CameraConnection::isTreeItemLost(item) ? tr("已断开") : tr("已打开");
}

void VexoCam::on_treeWidget_devicelist_itemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    const stDeviceInfo *info = recordOf(item);
    if (!info || !openCamera(vexo::fromLocalField(info->acSn)))
        return;
    markOpened(item, true);
    emit ui->treeWidget_devicelist->itemClicked(item, 0);
}

void VexoCam::on_pushButton_onoff_clicked()
{
    QTreeWidgetItem *item = ui->treeWidget_devicelist->currentItem();
    const stDeviceInfo *info = recordOf(item);
    if (!info)
        return;
    const QString serial = vexo::fromLocalField(info->acSn);
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
    for (CameraThread *cell : m_cells) {
        if (cell->isMyAttachCamera(serial))
            return cell;
    }
    return nullptr;
}

CameraThread *VexoCam::findIdleCameraWidget() const
{
    for (CameraThread *cell : m_cells) {
        if (!cell->isAttachCamera())
            return cell;
    }
    return nullptr;
}

void VexoCam::selectCell(CameraThread *selected)
{
    if (m_cells.size() <= 1)
        return;
    for (CameraThread *cell : qAsConst(m_cells)) {
        if (cell == selected)
            cell->setFrame();
        else
            cell->resetFrame();
    }
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
    selectCell(cell);
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
    selectCell(cell);
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
        CameraConnection::markTreeItem(item, lost);
        // The identity page of this camera, if shown, says so too.
        if (item == ui->treeWidget_devicelist->currentItem()) {
            const int page = ui->stackedWidget_InterfaceInfo->currentIndex();
            QLabel *status = page == 0 ? ui->label_gigeBroAdder : page == 2 ? ui->label_status : nullptr;
            if (status)
                status->setText(openStateText(item));
        }
    }
    // A control touched while the camera was away disabled the dock; the
    // camera back in the dock's cell gets it filled and enabled again.
    auto *cell = qobject_cast<CameraThread *>(sender());
    if (!lost && cell && m_cameraHandle && cell->cameraHandle() == m_cameraHandle)
        initDeviceSetting(m_cameraHandle);
}

void VexoCam::mousePressEvent(QMouseEvent *event)
{
    QMainWindow::mousePressEvent(event);
    if (m_cells.size() > 1) {
        QWidget *grid = ui->widget_devicewindows;
        const QPoint point = grid->mapFromGlobal(event->globalPos());
        if (!grid->rect().contains(point))
            return;
        for (CameraThread *cell : qAsConst(m_cells)) {
            if (cell->geometry().contains(point)) {
                parameterDock()->disableUntilFilled();
                if (cell->isAttachCamera())
                    initDeviceSetting(cell->cameraHandle());
                cell->setFrame();
            } else {
                cell->resetFrame();
            }
        }
    } else if (m_cells.size() == 1) {
        parameterDock()->disableUntilFilled();
        if (m_cells.first()->isAttachCamera())
            initDeviceSetting(m_cells.first()->cameraHandle());
    }
}

bool VexoCam::eventFilter(QObject *watched, QEvent *event)
{
    // The full-screen grid closed through the window manager comes back into
    // the window, as Escape would bring it; closing would only hide it.
    if (watched == m_gridContainer && event->type() == QEvent::Close && !m_gridContainer->parent()) {
        event->ignore();
        restoreGridContainer();
        refitCells();
        return true;
    }
    if (watched == ui->widget_devicewindows && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        if (!m_gridContainer->parent())
            restoreGridContainer();
        refitCells();
    }
    return QMainWindow::eventFilter(watched, event);
}

void VexoCam::restoreGridContainer()
{
    ui->widget_8->layout()->addWidget(m_gridContainer);
    m_gridContainer->setWindowFlags(Qt::SubWindow);
    m_gridContainer->setParent(ui->widget_8);
    m_gridContainer->showNormal();
}

void VexoCam::refitCells()
{
    for (CameraThread *cell : qAsConst(m_cells))
        cell->fullScreenZoom();
}

void VexoCam::on_action_fullScreen_triggered()
{
    if (m_gridContainer->parent()) {
        for (CameraThread *cell : qAsConst(m_cells))
            cell->resetFrame();
        ui->widget_8->layout()->removeWidget(m_gridContainer);
        m_gridContainer->setParent(nullptr);
        // Closing the main window must still end the program.
        m_gridContainer->setAttribute(Qt::WA_QuitOnClose, false);
        m_gridContainer->showFullScreen();
    } else {
        restoreGridContainer();
    }
    refitCells();
}

// ---- display layouts ----------------------------------------------------------

void VexoCam::createDisplayMenu()
{
    m_displayMenu = new QMenu(this);
    m_displayMenu->setToolTipsVisible(true);
    m_displayMenu->addAction(ui->action_oneframe);
    m_displayMenu->addAction(ui->action_fourframe);
    m_displayMenu->addAction(ui->action_nineframe);
    m_displayMenu->addSeparator();
    m_displayMenu->addAction(ui->action_customframe);
    m_displayMenu->addAction(ui->action_fullScreen);
    m_displayMenu->addSeparator();
    appendCustomLayoutActions();
}

void VexoCam::appendCustomLayoutActions()
{
    const QVector<SceneFrameLayout> layouts = ConfigParameter::getInstance()->readSceneFrameLayout();
    for (const SceneFrameLayout &layout : layouts) {
        // A hand-edited layout that cannot be shown whole is not offered.
        if (!isUsableLayout(layout))
            continue;
        m_customLayouts.push_back(std::make_unique<SceneFrameLayout>(layout));
        // A name of any length must not stretch the menu past the screen.
        const QString text = m_displayMenu->fontMetrics().elidedText(layout.name, Qt::ElideMiddle, 400);
        auto *action = new QAction(icon("FourScreen.png"), text, this);
        action->setToolTip(layout.name);
        action->setData(QVariant::fromValue<void *>(m_customLayouts.back().get()));
        connect(action, &QAction::triggered, this, [this, action] { applyCustomLayout(action); });
        m_displayMenu->addAction(action);
        m_customLayoutActions.append(action);
    }
}

void VexoCam::removeCustomLayoutActions()
{
    for (QAction *action : qAsConst(m_customLayoutActions)) {
        m_displayMenu->removeAction(action);
        delete action;
    }
    m_customLayoutActions.clear();
    m_customLayouts.clear();
}

QAction *VexoCam::findCustomLayoutAction(const QString &name) const
{
    for (QAction *action : m_customLayoutActions) {
        if (static_cast<SceneFrameLayout *>(action->data().value<void *>())->name == name)
            return action;
    }
    return nullptr;
}

QVector<FramePlacement> VexoCam::framePlacements(const SceneFrameLayout &layout)
{
    return layoutPlacements(layout);
}

SceneFrameLayout VexoCam::presetLayout(int size)
{
    SceneFrameLayout layout;
    layout.row = size;
    layout.column = size;
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column)
            layout.frameLayoutList.append(frameText({row, column, 1, 1}));
    }
    return layout;
}

void VexoCam::applyPreset(int size)
{
    SceneFrameLayout layout = presetLayout(size);
    cameraWindowSetting(layout);
    ConfigParameter::getInstance()->setValue(kWidgetInfo, kWidgetCount, size);
}

void VexoCam::applyCustomLayout(QAction *action)
{
    auto *layout = static_cast<SceneFrameLayout *>(action->data().value<void *>());
    cameraWindowSetting(*layout);
    ConfigParameter::getInstance()->setValue(kWidgetInfo, kWidgetCount, 4);
    ConfigParameter::getInstance()->setValue(kCustomWidget, kUsedCustomWidget, layout->name);
}

void VexoCam::on_action_oneframe_triggered()
{
    applyPreset(1);
}

void VexoCam::on_action_fourframe_triggered()
{
    applyPreset(2);
}

void VexoCam::on_action_nineframe_triggered()
{
    applyPreset(3);
}

void VexoCam::on_action_customframe_triggered()
{
    // Saving may drop the in-use name, so remember what is shown first.
    const QString inUse = ConfigParameter::getInstance()->value(kCustomWidget, kUsedCustomWidget).toString();
    const QAction *action = findCustomLayoutAction(inUse);
    const SceneFrameLayout shown = action ? layoutOf(action) : SceneFrameLayout{};
    CustomWindowSettingWidget editor(ConfigParameter::getInstance()->readSceneFrameLayout(), this);
    if (editor.exec() == QDialog::Accepted)
        reloadCustomLayouts(action ? &shown : nullptr);
}

void VexoCam::reloadCustomLayouts(const SceneFrameLayout *shown)
{
    removeCustomLayoutActions();
    appendCustomLayoutActions();
    if (ConfigParameter::getInstance()->value(kWidgetInfo, kWidgetCount).toInt() != 4)
        return;
    // An unchanged layout stays as it is, with any cells the user swapped.
    const QString name = ConfigParameter::getInstance()->value(kCustomWidget, kUsedCustomWidget).toString();
    const QAction *action = findCustomLayoutAction(name);
    if (shown && action && sameLayout(*shown, layoutOf(action)))
        return;
    applyRememberedCustomLayout();
}

void VexoCam::applyRememberedCustomLayout()
{
    const QString name = storedText(ConfigParameter::getInstance()->value(kCustomWidget, kUsedCustomWidget));
    // Only usable layouts have an action: anything else gets the one-cell preset.
    QAction *action = findCustomLayoutAction(name);
    SceneFrameLayout layout =
        action ? *static_cast<SceneFrameLayout *>(action->data().value<void *>()) : presetLayout(1);
    cameraWindowSetting(layout);
}

void VexoCam::restoreDisplayLayout()
{
    const int count = ConfigParameter::getInstance()->value(kWidgetInfo, kWidgetCount).toInt();
    if (count >= 1 && count <= 3) {
        SceneFrameLayout layout = presetLayout(count);
        cameraWindowSetting(layout);
    } else if (count == 4) {
        applyRememberedCustomLayout();
    }
}

void VexoCam::cameraWindowSetting(SceneFrameLayout &layout)
{
    // A layout that cannot be shown whole is never applied in part.
    const QVector<FramePlacement> frames = framePlacements(layout);
    if (frames.isEmpty())
        return;
    const int n = frames.size();
    // Stopping cameras below waits for their grabbers; take what we need of
    // the layout now rather than read it afterwards.
    const int rows = layout.row;
    const int columns = layout.column;

    QGridLayout *grid = ui->gridLayout_devicewindow;
    while (QLayoutItem *item = grid->takeAt(0))
        delete item;
    for (CameraThread *cell : qAsConst(m_cells))
        cell->resetFrame();

    QList<CameraThread *> idle;
    for (CameraThread *cell : qAsConst(m_cells)) {
        if (!cell->isAttachCamera())
            idle.append(cell);
    }
    for (CameraThread *cell : qAsConst(idle)) {
        m_cells.removeOne(cell);
        delete cell;
    }
    while (m_cells.size() > n) {
        CameraThread *cell = m_cells.takeLast();
        if (cell->cameraHandle() == m_cameraHandle)
            m_cameraHandle = nullptr;
        cell->cameraStop();
        delete cell;
    }
    while (m_cells.size() < n) {
        auto *cell = new CameraThread(ui->widget_devicewindows);
        connect(cell, SIGNAL(enterFullScreen()), this, SLOT(onCameraWidgetEnterFullScreen()));
        connect(cell, SIGNAL(exitFullScreen()), this, SLOT(onCameraWidgetExitFullScreen()));
        connect(cell, SIGNAL(cameraClose(const QString &)), this, SLOT(onCloseCamera(const QString &)));
        connect(cell, SIGNAL(cameraOpen(const QString &)), this, SLOT(onOpenCamera(const QString &)));
        connect(cell, &CameraThread::cameraLost, this, &VexoCam::onCameraLost);
        connect(cell, SIGNAL(windowMoving(int &, int &, int &, int &)), this,
                SLOT(onWindowMoving(int &, int &, int &, int &)));
        // A cell may still go away by itself (closed as a window): the list
        // must never keep it.
        connect(cell, &QObject::destroyed, this, [this, cell] { m_cells.removeAll(cell); });
        cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        m_cells.append(cell);
    }

    for (int i = 0; i < kMaxGrid; ++i) {
        grid->setRowStretch(i, 0);
        grid->setColumnStretch(i, 0);
    }
    for (int i = 0; i < qMin(rows, kMaxGrid); ++i)
        grid->setRowStretch(i, 1);
    for (int i = 0; i < qMin(columns, kMaxGrid); ++i)
        grid->setColumnStretch(i, 1);

    for (int i = 0; i < n; ++i) {
        const FramePlacement &f = frames.at(i);
        m_cells.at(i)->setPostionInGridLayout(f.row, f.column, f.rowSpan, f.columnSpan);
        grid->addWidget(m_cells.at(i), f.row, f.column, f.rowSpan, f.columnSpan);
        m_cells.at(i)->show();
    }

    if (!m_cameraHandle) {
        for (CameraThread *cell : qAsConst(m_cells)) {
            if (cell->isAttachCamera()) {
                initDeviceSetting(cell->cameraHandle());
                return;
            }
        }
        parameterDock()->setSettingsEnabled(false);
    }
}

void VexoCam::onCameraWidgetEnterFullScreen()
{
    if (auto *cell = qobject_cast<CameraThread *>(sender()))
        ui->gridLayout_devicewindow->removeWidget(cell);
}

void VexoCam::onCameraWidgetExitFullScreen()
{
    auto *cell = qobject_cast<CameraThread *>(sender());
    if (!cell)
        return;
    int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
    cell->positionInGridLayout(row, column, rowSpan, columnSpan);
    ui->gridLayout_devicewindow->addWidget(cell, row, column, rowSpan, columnSpan);
}

void VexoCam::onWindowMoving(int &fromRow, int &fromColumn, int &toRow, int &toColumn)
{
    QGridLayout *grid = ui->gridLayout_devicewindow;
    QLayoutItem *fromItem = grid->itemAtPosition(fromRow, fromColumn);
    QLayoutItem *toItem = grid->itemAtPosition(toRow, toColumn);
    if (!fromItem || !toItem || fromItem == toItem)
        return;
    auto *from = qobject_cast<CameraThread *>(fromItem->widget());
    auto *to = qobject_cast<CameraThread *>(toItem->widget());
    if (!from || !to)
        return;
    int fr = 0, fc = 0, frs = 1, fcs = 1, tr_ = 0, tc = 0, trs = 1, tcs = 1;
    grid->getItemPosition(grid->indexOf(from), &fr, &fc, &frs, &fcs);
    grid->getItemPosition(grid->indexOf(to), &tr_, &tc, &trs, &tcs);
    grid->removeWidget(from);
    grid->removeWidget(to);
    from->setPostionInGridLayout(tr_, tc, trs, tcs);
    to->setPostionInGridLayout(fr, fc, frs, fcs);
    grid->addWidget(from, tr_, tc, trs, tcs);
    grid->addWidget(to, fr, fc, frs, fcs);
}
