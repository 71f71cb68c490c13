#include "dialogs/cameralistwidget.h"
#include "ui_cameralistwidget.h"

#include "tablefit.h"
#include "textfields.h"

#include "VexoCameraSDK.h"

#include <QHeaderView>
#include <QTableWidgetItem>

#include <algorithm>

namespace {

// The five columns every camera list has, then how each camera is reached.
constexpr int ColumnCount = 7;
constexpr int ColumnStatus = 4;
// More than any host can attach; a larger count from the SDK is not believed.
constexpr int MaxCameras = 256;
const QColor OpenedColour(117, 241, 60);

} // namespace

CameraListWidget::CameraListWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CameraListWidget>())
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    ui->tableWidget->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui->tableWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ui->tableWidget, &QTableWidget::itemDoubleClicked, this,
            &CameraListWidget::openCameraByTableWidgetItem);
    refreshCameraList();
}

void CameraListWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Once, when the form is laid out: later the user's size stays.
    if (!m_fitted) {
        m_fitted = true;
        // The window opens large enough for every column and row, so that
        // no value hides behind a scroll bar.
        vexo::growToShowTable(this, ui->tableWidget);
    }
}

CameraListWidget::~CameraListWidget() = default;

QString CameraListWidget::linkText(int link)
{
    switch (link) {
    case CAMERA_LINK_GIGE_VISION:
        return QStringLiteral("GigE Vision");
    case CAMERA_LINK_USB3_VISION:
        return QStringLiteral("USB3 Vision");
    case CAMERA_LINK_TEST_CAMERA:
        return tr("测试相机");
    default:
        return tr("模拟相机");
    }
}

void CameraListWidget::refreshCameraList()
{
    QTableWidget *table = ui->tableWidget;
    table->clear();
    table->setRowCount(0);
    table->setColumnCount(ColumnCount);
    table->setHorizontalHeaderLabels({tr("设备名称"), tr("接口类型", "narrow column"),
                                      tr("sensor版本", "narrow column"), tr("设备版本", "narrow column"),
                                      tr("状态"), tr("链路"), tr("IP地址")});

    int count = 0;
    if (CameraEnumerateDevice(&count) != CAMERA_STATUS_SUCCESS)
        return;
    count = std::clamp(count, 0, MaxCameras);
    table->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        stDeviceInfo info{};
        if (CameraGetEnumIndexInfo(row, &info) != CAMERA_STATUS_SUCCESS)
            continue;
        const QString texts[ColumnCount] = {
            vexo::fromLocalField(info.acFriendlyName),     vexo::fromLocalField(info.acPortType),
            vexo::fromLocalField(info.acSensorType),       vexo::firmwareText(info.uFirmwareVersion),
            info.iOpened != 0 ? tr("已打开") : tr("空闲"), linkText(info.uLink),
            vexo::fromLocalField(info.acAddress),
        };
        for (int column = 0; column < ColumnCount; ++column) {
            auto *item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
        if (info.iOpened == 1)
            table->item(row, ColumnStatus)->setBackground(OpenedColour);
        table->item(row, 0)->setData(Qt::UserRole, vexo::fromLocalField(info.acSn));
    }
    table->show();
    // Every column as wide as its values and header, the last one taking
    // what is left: a narrow window scrolls rather than cutting a value.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
}

void CameraListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // Headers and states are ours: list again in the new language.
        refreshCameraList();
    }
    QWidget::changeEvent(event);
}

void CameraListWidget::on_pushButton_refresh_clicked()
{
    refreshCameraList();
}

void CameraListWidget::on_pushButton_open_clicked()
{
    const QList<QTableWidgetItem *> selected = ui->tableWidget->selectedItems();
    if (!selected.isEmpty())
        openCameraByTableWidgetItem(selected.constFirst());
}

void CameraListWidget::openCameraByTableWidgetItem(QTableWidgetItem *item)
{
    if (item == nullptr)
        return;
    const QTableWidgetItem *first = ui->tableWidget->item(item->row(), 0);
    const QString serial = first != nullptr ? first->data(Qt::UserRole).toString() : QString();
    // A row whose record could not be read names no camera.
    if (serial.isEmpty())
        return;
    emit cameraWidget_open(serial);
    close();
}
