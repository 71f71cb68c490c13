#include "vexoupgrade.h"
#include "ui_vexoupgrade.h"

#include "cbupdatecamera.h"
#include "messagebox.h"
#include "tablefit.h"
#include "textfields.h"
#include "toollanguage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTableWidgetItem>

namespace {

constexpr int kColumnCount = 7;
constexpr int kStatusColumn = 6;

} // namespace

VexoUpgrade::VexoUpgrade(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::VexoUpgrade>())
{
    ui->setupUi(this);

    const vexo::ToolLanguage language =
        vexo::installToolTranslation(m_translator, QStringLiteral("VexoUpgrade"));
    m_translationFile = language.qmFile;
    m_translationInstalled = language.installed;
    if (!language.installed)
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("切换语言失败"), tr("确定"));
    ui->retranslateUi(this);

    QTableWidget *table = ui->tableWidget;
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // One line a row, each as high as its text from the start; every value
    // and header whole, the last column taking what is left.
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    ui->progressBar->setRange(0, 100);
    ui->progressBar->setValue(0);

    Init();
}

VexoUpgrade::~VexoUpgrade()
{
    // The program may end while an upgrade runs (the session closes): let the
    // camera finish rather than cut it off, and never leave it locked.
    releaseWorker();
}

VexoUpgrade::ResultMessage VexoUpgrade::resultMessage(int status)
{
    switch (status) {
    case CAMERA_STATUS_SUCCESS:
        return {true, QMessageBox::Information, tr("升级成功,请断电重启相机")};
    case CAMERA_STATUS_FAILED:
        return {true, QMessageBox::Critical, tr("升级失败,操作失败")};
    case CAMERA_STATUS_NOT_MATCH:
        return {true, QMessageBox::Critical, tr("升级失败,升级文件不匹配")};
    case CAMERA_STATUS_ALREADY_OPENED:
        return {true, QMessageBox::Critical, tr("升级失败,设备已经打开")};
    case CAMERA_STATUS_FILE_PATH:
        return {true, QMessageBox::Critical, tr("升级失败,升级文件路径错误")};
    case CAMERA_STATUS_DEVICE_LOST:
    case CAMERA_STATUS_NO_DEVICE:
        // The camera went away before or during the write: the user must
        // know the firmware was not replaced.
        return {true, QMessageBox::Critical, tr("升级失败,设备已断开连接")};
    default:
        return {};
    }
}

QString VexoUpgrade::upgradeFileFilter()
{
    // File names are case-sensitive here, and a filter without parentheses
    // would be taken as three literal names that hide every firmware file.
    return QStringLiteral("Camera upgrade file (*.upg* *.UPG*)");
}

void VexoUpgrade::Init()
{
    QTableWidget *table = ui->tableWidget;
    table->clear();
    table->setColumnCount(kColumnCount);
    table->setHorizontalHeaderLabels({tr("设备名称"), tr("设备类型"), tr("产品系列"), tr("产品名称"),
                                      tr("sensor版本"), tr("软件版本"), tr("状态")});

    int count = 0;
    CameraEnumerateDevice(&count);
    count = std::max(count, 0);
    // With no camera the earlier rows stay, empty; they cannot start an upgrade.
    if (count != 0)
        table->setRowCount(count);
    for (int index = 0; index < count; ++index) {
        stDeviceInfo info{};
        // A record that cannot be read leaves its row empty rather than
        // offering a camera that is not there.
        if (CameraGetEnumIndexInfo(index, &info) != CAMERA_STATUS_SUCCESS)
            continue;
        const bool opened = info.iOpened == 1;
        const QString texts[kColumnCount] = {
            vexo::fromLocalField(info.acFriendlyName),  vexo::fromLocalField(info.acPortType),
            vexo::fromLocalField(info.acProductSeries), vexo::fromLocalField(info.acProductName),
            vexo::fromLocalField(info.acSensorType),    vexo::firmwareText(info.uFirmwareVersion),
            opened ? tr("已打开") : tr("空闲"),
        };
        for (int column = 0; column < kColumnCount; ++column) {
            auto *cell = new QTableWidgetItem(texts[column]);
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(index, column, cell);
        }
        QTableWidgetItem *status = table->item(index, kStatusColumn);
        status->setData(Qt::UserRole, vexo::fromLocalField(info.acSn));
        if (opened)
            status->setBackground(QColor(117, 241, 60));
    }
    table->resizeRowsToContents();
}

void VexoUpgrade::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        vexo::growToShowTable(this, ui->tableWidget);
    }
}

QString VexoUpgrade::chooseUpgradeFile()
{
    // Start where the current file lies, else in the user's home.
    const QString current = ui->lineEdit_path->text();
    const QFileInfo info(current);
    const QString start =
        !current.isEmpty() && info.absoluteDir().exists() ? info.absolutePath() : QDir::homePath();
    return QFileDialog::getOpenFileName(this, tr("打开"), start, upgradeFileFilter());
}

void VexoUpgrade::on_pushButton_open_clicked()
{
    const QString path = chooseUpgradeFile();
    if (!path.isEmpty())
        ui->lineEdit_path->setText(path);
}

void VexoUpgrade::on_pushButton_upgrade_clicked()
{
    if (m_worker)
        return;
    if (ui->lineEdit_path->text().isEmpty()) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("请选择相机升级文件路径"), tr("确定"));
        on_pushButton_open_clicked();
        return;
    }
    const QModelIndexList rows = ui->tableWidget->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const QTableWidgetItem *status = ui->tableWidget->item(rows.constFirst().row(), kStatusColumn);
    const QString serial = status ? status->data(Qt::UserRole).toString() : QString();
    if (serial.isEmpty())
        return;

    ui->widget->setEnabled(false);
    m_worker = std::make_unique<CbUpdateCamera>(serial, ui->lineEdit_path->text());
    connect(m_worker.get(), &CbUpdateCamera::SendStatus, this, &VexoUpgrade::SendStatus);
    connect(m_worker.get(), &CbUpdateCamera::SendRes, this, &VexoUpgrade::SendRes);
    m_worker->start(QThread::InheritPriority);
}

void VexoUpgrade::on_pushButton_clicked()
{
    Init();
}

void VexoUpgrade::SendStatus(int value)
{
    ui->progressBar->setValue(value);
}

void VexoUpgrade::SendRes(int code)
{
    if (!m_worker || sender() != m_worker.get())
        return;
    // The camera is released before the message so that it is free while the
    // user reads it (and can open it in the viewer at once).
    releaseWorker();
    // The result answers a pending "please wait" notice.
    if (m_closeNotice)
        m_closeNotice->done(0);
    const ResultMessage message = resultMessage(code);
    if (message.shown)
        vexo::showMessage(this, message.icon, tr("提示"), message.text, tr("确定"));
    ui->widget->setEnabled(true);
}

void VexoUpgrade::releaseWorker()
{
    if (!m_worker)
        return;
    // The result is the worker's last act, so this wait is short.
    m_worker->wait();
    if (const CameraHandle handle = m_worker->handle())
        CameraUnInit(handle);
    m_worker.reset();
}

void VexoUpgrade::closeEvent(QCloseEvent *event)
{
    // Cutting a firmware write short can leave the camera unusable; the
    // window stays until the upgrade has ended.
    if (m_worker) {
        event->ignore();
        if (m_closeNotice)
            return;
        QMessageBox notice(QMessageBox::Information, tr("提示"), tr("固件升级中，请等待升级完成后再关闭窗口"),
                           QMessageBox::NoButton, this);
        notice.addButton(tr("确定"), QMessageBox::AcceptRole);
        m_closeNotice = &notice;
        notice.exec();
        return;
    }
    QWidget::closeEvent(event);
}
