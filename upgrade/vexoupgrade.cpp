#include "vexoupgrade.h"
#include "ui_vexoupgrade.h"

#include "toollanguage.h"

#include <QMessageBox>

VexoUpgrade::VexoUpgrade(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::VexoUpgrade>())
{
    ui->setupUi(this);

    const vexo::ToolLanguage language =
        vexo::installToolTranslation(m_translator, QStringLiteral("VexoUpgrade"));
    m_translationFile = language.qmFile;
    m_translationInstalled = language.installed;
    if (!language.installed)
        QMessageBox::critical(this, tr("提示"), tr("切换语言失败"), QMessageBox::Ok);
    ui->retranslateUi(this);
}

VexoUpgrade::~VexoUpgrade() = default;
