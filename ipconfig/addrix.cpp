#include "addrix.h"
#include "ui_addrix.h"

#include "toollanguage.h"

#include <QMessageBox>

Addrix::Addrix(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Addrix>())
{
    ui->setupUi(this);

    const vexo::ToolLanguage language = vexo::installToolTranslation(m_translator, QStringLiteral("Addrix"));
    m_translationFile = language.qmFile;
    m_translationInstalled = language.installed;
    if (!language.installed)
        QMessageBox::critical(this, tr("提示"), tr("切换语言失败"), QMessageBox::Ok);
    ui->retranslateUi(this);
    ui->splitter->setSizes({100, 664});
}

Addrix::~Addrix() = default;
