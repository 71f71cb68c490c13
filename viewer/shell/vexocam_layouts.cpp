// The main window's display menu ("画面切换"): the one/four/nine presets,
// the saved custom layouts and their editor, and the layout remembered from
// the last run. The grid itself places the cells (grid/cellgrid).
#include "shell/vexocam.h"

#include "config/configparameter.h"
#include "grid/cellgrid.h"
#include "layouts/customwindowsettingwidget.h"
#include "ui_vexocam.h"
#include "view/camerathread.h"

#include <QAction>
#include <QMenu>

namespace {

const QString kWidgetInfo = QStringLiteral("WIDGETINFO");
const QString kWidgetCount = QStringLiteral("WidgetCount");
const QString kCustomWidget = QStringLiteral("CUSTOMWIDGET");
const QString kUsedCustomWidget = QStringLiteral("UsedCustomWidget");

QIcon icon(const char *name)
{
    return QIcon(QStringLiteral(":/images/ICO/") + QLatin1String(name));
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

} // namespace

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

SceneFrameLayout VexoCam::presetLayout(int size)
{
    return CellGrid::presetLayout(size);
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
    if (count == 4) {
        applyRememberedCustomLayout();
        return;
    }
    // A missing or unknown count (a hand-edited or cut Config.ini) starts
    // with one cell rather than with an empty grid.
    SceneFrameLayout layout = presetLayout(count >= 1 && count <= 3 ? count : 1);
    cameraWindowSetting(layout);
}

void VexoCam::cameraWindowSetting(SceneFrameLayout &layout)
{
    if (!m_grid->apply(layout))
        return;
    if (!m_cameraHandle) {
        for (CameraThread *cell : cells()) {
            if (cell->isAttachCamera()) {
                initDeviceSetting(cell->cameraHandle());
                return;
            }
        }
        parameterDock()->setSettingsEnabled(false);
    }
}
