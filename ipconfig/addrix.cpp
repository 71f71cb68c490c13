#include "addrix.h"
#include "ui_addrix.h"

#include "ipmodify.h"
#include "messagebox.h"
#include "tablefit.h"
#include "textfields.h"
#include "toollanguage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QHeaderView>
#include <QListWidget>
#include <QListWidgetItem>
#include <QNetworkInterface>
#include <QScrollBar>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

constexpr int kColumnCount = 10;

bool isGige(const stDeviceInfo &info)
{
    return vexo::fromLocalField(info.acPortType).contains(QLatin1String("GigE"), Qt::CaseSensitive);
}

} // namespace

Addrix::Addrix(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::Addrix>())
{
    ui->setupUi(this);

    const vexo::ToolLanguage language = vexo::installToolTranslation(m_translator, QStringLiteral("Addrix"));
    m_translationFile = language.qmFile;
    m_translationInstalled = language.installed;
    if (!language.installed)
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("切换语言失败"), tr("确定"));
    ui->retranslateUi(this);
    ui->splitter->setSizes({100, 664});

    initDeviceList();
    initDeviceInfo();
    initDeviceTable();
    on_listWidget_itemDoubleClicked(ui->listWidget->item(0));
}

Addrix::~Addrix() = default;

QList<Addrix::HostItem> Addrix::hostItems(const QList<HostInterface> &interfaces)
{
    QList<HostItem> items;
    for (const HostInterface &nic : interfaces) {
        if (nic.loopback)
            continue;
        for (const QHostAddress &address : nic.addresses) {
            if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback())
                continue;
            const QString ip = address.toString();
            items.append({QStringLiteral("    ") + nic.name + QLatin1Char('[') + ip + QLatin1Char(']'), ip});
            break;
        }
    }
    return items;
}

QList<Addrix::HostInterface> Addrix::systemInterfaces()
{
    QList<HostInterface> result;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &nic : interfaces) {
        HostInterface entry;
        entry.name = nic.humanReadableName();
        entry.loopback = nic.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry &address : nic.addressEntries())
            entry.addresses.append(address.ip());
        result.append(entry);
    }
    return result;
}

void Addrix::initDeviceList()
{
    auto *all = new QListWidgetItem(QStringLiteral("Gige"), ui->listWidget);
    QFont font = all->font();
    font.setWeight(75);
    font.setPointSize(10);
    all->setFont(font);
    for (const HostItem &host : hostItems(systemInterfaces())) {
        auto *item = new QListWidgetItem(host.text, ui->listWidget);
        item->setToolTip(host.text);
        item->setData(Qt::UserRole, host.address);
    }
}

void Addrix::initDeviceInfo()
{
    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS || count < 1)
        return;
    for (int index = 0; index < count; ++index) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(index, &info) != CAMERA_STATUS_SUCCESS || !isGige(info))
            continue;
        auto entry = std::make_unique<GigeCameraEntry>();
        // A failed read leaves the network fields empty; the camera is still listed.
        CameraGigeGetIp(vexo::toLocal(vexo::fromLocalField(info.acSn)).constData(), &entry->gigeInfo);
        entry->deviceInfo = info;
        gigeCameras.push_back(std::move(entry));
    }
}

void Addrix::initDeviceTable()
{
    QTableWidget *table = ui->tableWidget;
    table->clear();
    table->setRowCount(0);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setColumnCount(kColumnCount);
    table->setHorizontalHeaderLabels({tr("设备名称"), tr("接口类型"), tr("sensor版本"), tr("设备驱动"),
                                      tr("物理地址"), tr("IP配置"), tr("IP地址"), tr("子网掩码"),
                                      tr("默认网关"), tr("状态")});
    QHeaderView *header = table->horizontalHeader();
    // Every value and header whole (the MAC and the addresses above all);
    // the last column takes what is left, a narrow window scrolls.
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
}

void Addrix::on_listWidget_itemDoubleClicked(QListWidgetItem *item)
{
    initDeviceTable();
    const QString host = item ? item->data(Qt::UserRole).toString() : QString();
    QTableWidget *table = ui->tableWidget;
    for (const auto &entry : gigeCameras) {
        const stDeviceInfo &device = entry->deviceInfo;
        const stGigeInfo &gige = entry->gigeInfo;
        if (!host.isEmpty() && host != vexo::fromAsciiField(gige.acNicIp))
            continue;
        const QString texts[kColumnCount] = {
            vexo::fromLocalField(device.acFriendlyName),
            vexo::fromLocalField(device.acPortType),
            vexo::fromLocalField(device.acSensorType),
            vexo::fromLocalField(device.acDeviceVersion),
            vexo::macText(gige.abMac),
            gige.iIpMode != 0 ? tr("静态IP") : tr("动态IP"),
            vexo::fromAsciiField(gige.acIp),
            vexo::fromAsciiField(gige.acMask),
            vexo::fromAsciiField(gige.acGateway),
            device.iOpened != 0 ? tr("已打开") : tr("空闲"),
        };
        const int row = table->rowCount();
        table->insertRow(row);
        for (int column = 0; column < kColumnCount; ++column) {
            auto *cell = new QTableWidgetItem(texts[column]);
            cell->setToolTip(texts[column]);
            cell->setTextAlignment(Qt::AlignCenter);
            table->setItem(row, column, cell);
        }
        table->item(row, 0)->setData(Qt::UserRole, vexo::fromLocalField(device.acSn));
        if (device.iOpened == 1)
            table->item(row, kColumnCount - 1)->setBackground(QColor(117, 241, 60));
    }
    table->show();
}

QString Addrix::serialOfRow(int row) const
{
    const QTableWidgetItem *first = ui->tableWidget->item(row, 0);
    return first ? first->data(Qt::UserRole).toString() : QString();
}

void Addrix::modifyIp(int row)
{
    const QString serial = row < 0 ? QString() : serialOfRow(row);
    if (serial.isEmpty()) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("请选择相机"), tr("确定"));
        return;
    }
    // A second request for the same camera brings its open dialog forward
    // instead of stacking another editor of the same record on top.
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        auto *dialog = qobject_cast<ipModify *>(window);
        if (dialog && dialog->cameraSerial() == serial && dialog->isVisible()) {
            dialog->raise();
            dialog->activateWindow();
            return;
        }
    }
    auto *dialog = new ipModify(serial, nullptr);
    connect(dialog, &ipModify::modifySucces, this, &Addrix::on_pushButton_refresh_clicked);
    dialog->show();
}

void Addrix::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_fitted) {
        m_fitted = true;
        // The interfaces whole on the left, the rest for the table; a wider
        // window widens the table only.
        QListWidget *list = ui->listWidget;
        const int listWidth = std::max(100, list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                                                list->verticalScrollBar()->sizeHint().width());
        ui->splitter->setStretchFactor(0, 0);
        ui->splitter->setStretchFactor(1, 1);
        ui->splitter->setSizes({listWidth, std::max(0, ui->splitter->width() - listWidth)});
        vexo::growToShowTable(this, ui->tableWidget);
    }
}

void Addrix::closeEvent(QCloseEvent *event)
{
    const QList<QWidget *> windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *dialog = qobject_cast<ipModify *>(window))
            dialog->close();
    }
    QWidget::closeEvent(event);
}

void Addrix::on_pushButton_modifyIP_clicked()
{
    modifyIp(ui->tableWidget->currentRow());
}

void Addrix::on_tableWidget_itemDoubleClicked(QTableWidgetItem *item)
{
    modifyIp(item ? item->row() : -1);
}

void Addrix::on_pushButton_refresh_clicked()
{
    gigeCameras.clear();
    initDeviceInfo();
    ui->listWidget->setCurrentRow(0);
    on_listWidget_itemDoubleClicked(ui->listWidget->item(0));
}

void Addrix::on_tableWidget_itemClicked(QTableWidgetItem *item)
{
    if (!item)
        return;
    const QString serial = serialOfRow(item->row());
    for (const auto &entry : gigeCameras) {
        if (vexo::fromLocalField(entry->deviceInfo.acSn) == serial) {
            ui->lineEdit_deviceName->setText(vexo::fromLocalField(entry->deviceInfo.acFriendlyName));
            return;
        }
    }
}

void Addrix::on_pushButton_clicked()
{
    const int row = ui->tableWidget->currentRow();
    const QString serial = row < 0 ? QString() : serialOfRow(row);
    if (serial.isEmpty()) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("请选择设备"), tr("确定"));
        return;
    }
    CameraHandle handle = nullptr;
    if (CameraInitEx3(&handle, vexo::toLocal(serial).constData()) != CAMERA_STATUS_SUCCESS) {
        vexo::showMessage(nullptr, QMessageBox::Critical, tr("提示"), tr("相机打开失败，无法修改名称"),
                          tr("确定"));
        return;
    }
    const QByteArray name = vexo::toLocal(ui->lineEdit_deviceName->text());
    const CameraSdkStatus status = CameraSetFriendlyName(handle, name.constData());
    // Released before the box so the camera is free while the user reads it.
    CameraUnInit(handle);
    if (status == CAMERA_STATUS_SUCCESS)
        QMessageBox::about(nullptr, tr("提示"), tr("修改名称成功"));
    else
        vexo::showMessage(nullptr, QMessageBox::Critical, tr("提示"), tr("修改名称失败"), tr("确定"));
}
