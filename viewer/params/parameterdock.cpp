#include "params/parameterdock.h"

#include "params/featurebrowser.h"
#include "params/parameterpanel.h"
#include "ui_parameterdock.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLayout>

#include <algorithm>

ParameterDock::ParameterDock(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ParameterDock>())
{
    ui->setupUi(this);
    ui->toolBox_2->setCurrentIndex(0);
    m_specialPage = ui->page_special;
    ui->toolBox_2->removeItem(ui->toolBox_2->indexOf(m_specialPage));
    m_specialPage->hide();
    m_lostNotice = new QLabel(this);
    m_lostNotice->setObjectName(QStringLiteral("label_cameraLost"));
    m_lostNotice->setWordWrap(true);
    m_lostNotice->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0); font-weight: bold;"));
    m_lostNotice->hide();
    if (auto *column = qobject_cast<QBoxLayout *>(layout()))
        column->insertWidget(0, m_lostNotice);
    ui->tabWidget->installEventFilter(this);
    m_panel = std::make_unique<ParameterPanel>(ui.get(), this);
    // Every feature of the camera, beside the fixed pages: the two show one
    // camera, so a change in either reads the other again.
    m_features = new FeatureBrowser(ui->tabWidget);
    m_features->setObjectName(QStringLiteral("tab_features"));
    ui->tabWidget->addTab(m_features, tr("全部特性"));
    connect(m_panel.get(), &ParameterPanel::cameraShown, m_features,
            [this](void *handle) { m_features->setCamera(handle); });
    connect(m_features, &FeatureBrowser::cameraChanged, this, [this] {
        if (CameraHandle handle = m_panel->currentHandle())
            m_panel->initDeviceSetting(handle);
    });
    // Nothing acts before a camera was shown.
    disableUntilFilled();
}

ParameterDock::~ParameterDock() = default;

void ParameterDock::setSettingsEnabled(bool enabled)
{
    ui->tabWidget->setEnabled(enabled);
}

bool ParameterDock::eventFilter(QObject *watched, QEvent *event)
{
    // Whatever enables the settings again (a fill from a camera that is
    // there) ends the notice.
    if (watched == ui->tabWidget && event->type() == QEvent::EnabledChange && ui->tabWidget->isEnabled())
        m_lostNotice->hide();
    return QWidget::eventFilter(watched, event);
}

void ParameterDock::showCameraLost(const QString &reason)
{
    disableUntilFilled();
    // A camera opened again may hold other values (a restart resets what
    // only the feature tree set): the tree is read again when it is back.
    m_features->markStale();
    m_lostNotice->setText(reason);
    m_lostNotice->show();
}

void ParameterDock::disableUntilFilled()
{
    ui->tabWidget->setEnabled(false);
    ui->widget_settingToolbar->setEnabled(false);
}

int ParameterDock::missingWidth() const
{
    // The tool box shows its pages in scroll areas, which would cut a page
    // that needs more than the dock's width instead of growing the dock.
    QWidget *page = ui->toolBox_2->currentWidget();
    if (page == nullptr)
        return 0;
    // The page lies in the scroll area's viewport, which has the room the
    // dock gives it.
    QWidget *viewport = page->parentWidget();
    page->layout()->activate();
    const int room = viewport ? viewport->width() : page->width();
    if (room == 0)
        return 0;
    return std::max(0, page->minimumSizeHint().width() - room);
}

void ParameterDock::retranslate()
{
    ui->retranslateUi(this);
    ui->tabWidget->setTabText(ui->tabWidget->indexOf(m_features), tr("全部特性"));
}
