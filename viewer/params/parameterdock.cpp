#include "params/parameterdock.h"

#include "params/parameterpanel.h"
#include "ui_parameterdock.h"

#include <QLayout>

#include <algorithm>

ParameterDock::ParameterDock(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::ParameterDock>())
{
    ui->setupUi(this);
    ui->toolBox_2->setCurrentIndex(0);
    m_specialPage = ui->page_special;
    ui->toolBox_2->removeItem(ui->toolBox_2->indexOf(m_specialPage));
    m_specialPage->hide();
    m_panel = std::make_unique<ParameterPanel>(ui.get(), this);
    // Nothing acts before a camera was shown.
    disableUntilFilled();
}

ParameterDock::~ParameterDock() = default;

void ParameterDock::setSettingsEnabled(bool enabled)
{
    ui->tabWidget->setEnabled(enabled);
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
}
