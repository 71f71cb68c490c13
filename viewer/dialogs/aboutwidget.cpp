#include "dialogs/aboutwidget.h"
#include "ui_aboutwidget.h"

#include "textfields.h"

#include "VexoCameraSDK.h"

#include <QDebug>

AboutWidget::AboutWidget(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::AboutWidget>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);

    char version[CAMERA_SDK_VERSION_BUFFER] = {};
    CameraSdkGetVersionString(version);
    const QString sdkVersion = vexo::fromUtf8Field(version);
    qDebug() << "camera SDK version" << sdkVersion;
    ui->label->setText(QStringLiteral("VexoCamPro V1.5.0 SDK ") + sdkVersion);
}

AboutWidget::~AboutWidget() = default;

void AboutWidget::changeEvent(QEvent *event)
{
    // The version line is ours, not the form's: retranslating keeps it.
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void AboutWidget::on_pushButton_clicked()
{
    close();
}
