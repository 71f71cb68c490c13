#include "roi/roiwidget.h"
#include "ui_roiwidget.h"

#include "messagebox.h"
#include "roi/roigeometry.h"
#include "typedentry.h"

#include <QCloseEvent>
#include <QImage>
#include <QIntValidator>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include <cmath>
#include <limits>
#include <new>

using namespace RoiGeometry;

namespace {

constexpr unsigned int SnapTimeoutMs = 5000;

void setTextIfChanged(QLineEdit *edit, int value)
{
    // Setting even the same text repaints the field, and the fields are
    // refreshed from our own repaint.
    const QString text = QString::number(value);
    if (edit->text() != text)
        edit->setText(text);
}

// The steps of the camera's horizontal and vertical offsets, from its
// feature tree; 1 where the tree does not tell.
QSize offsetSteps(CameraHandle handle)
{
    QSize steps(1, 1);
    int count = 0;
    if (CameraGetFeatureCount(handle, &count) != CAMERA_STATUS_SUCCESS)
        return steps;
    for (int i = 0; i < count; ++i) {
        stFeatureInfo info{};
        if (CameraGetFeatureInfo(handle, i, &info) != CAMERA_STATUS_SUCCESS ||
            info.iType != CAMERA_FEATURE_INTEGER || info.iIncrement < 1 || info.iIncrement > (1 << 16))
            continue;
        const QLatin1String name(info.acName);
        if (name == QLatin1String("OffsetX"))
            steps.setWidth(int(info.iIncrement));
        else if (name == QLatin1String("OffsetY"))
            steps.setHeight(int(info.iIncrement));
    }
    return steps;
}

} // namespace

RoiWidget::RoiWidget(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::RoiWidget>())
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    ui->Picture_Rect->installEventFilter(this);

    // The region can be typed as well as dragged; a field takes its value
    // when the typing is finished.
    for (QLineEdit *edit :
         {ui->lineEdit_Hshift, ui->lineEdit_Vshift, ui->lineEdit_width, ui->lineEdit_height}) {
        edit->setReadOnly(false);
        edit->setValidator(new QIntValidator(0, 1 << 20, edit));
        connect(TypedEntry::watch(edit), &TypedEntry::committed, this, &RoiWidget::regionTyped);
    }
    m_appliedLabel = new QLabel(this);
    m_appliedLabel->setObjectName(QStringLiteral("label_applied"));
    m_appliedLabel->setWordWrap(true);
    ui->formLayout_custom->addRow(m_appliedLabel);
}

RoiWidget::~RoiWidget() = default;

void RoiWidget::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closedByUser(m_cameraHandle);
}

RoiWidget *RoiWidget::open(CameraHandle handle, QWidget *owner)
{
    auto *editor = new RoiWidget(owner ? owner->window() : nullptr);
    if (owner) {
        // A window of its own that the window manager keeps above its owner.
        editor->setWindowFlags(Qt::Window);
        editor->placeOver(owner->window());
    }
    editor->setCameraHandle(handle);
    editor->show();
    editor->raise();
    editor->activateWindow();
    editor->init();
    return editor;
}

void RoiWidget::placeOver(QWidget *owner)
{
    const QScreen *screen = owner->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Room for the window frame around the dialog.
    const QMargins frame(8, 32, 8, 8);
    const QRect room = available.marginsRemoved(frame);
    QRect place(QPoint(0, 0), size().boundedTo(room.size()));
    place.moveCenter(owner->frameGeometry().center());
    place.moveLeft(qBound(room.left(), place.left(), room.right() - place.width() + 1));
    place.moveTop(qBound(room.top(), place.top(), room.bottom() - place.height() + 1));
    setGeometry(place);
}

void RoiWidget::init()
{
    stCameraCapability capability{};
    const CameraSdkStatus capabilityStatus = CameraGetCapability(m_cameraHandle, &capability);
    m_haveTemplate = capabilityStatus == CAMERA_STATUS_SUCCESS && capability.pImageSizeDesc != nullptr &&
                     capability.iImageSizeDesc > 0;
    if (m_haveTemplate) {
        m_template = capability.pImageSizeDesc[capability.iImageSizeDesc - 1];
        // The last preset is the whole sensor: the still must show all of it
        // even while the camera streams a smaller region, or the offsets
        // drawn on it would not be sensor offsets.
        CameraSetResolutionForSnap(m_cameraHandle, &m_template);
    }

    m_offsetStep = offsetSteps(m_cameraHandle);
    snapPreview();

    ui->comboBox->clear();
    if (capabilityStatus != CAMERA_STATUS_SUCCESS)
        showBox(false, tr("错误"), tr("获取分辨率失败，请重新获取"));
}

bool RoiWidget::snapPreview()
{
    CameraFrameHandle frame = nullptr;
    stImageInfo head{};
    BYTE *raw = nullptr;
    if (CameraSnapToBuffer(m_cameraHandle, &frame, &head, &raw, SnapTimeoutMs) != CAMERA_STATUS_SUCCESS) {
        showBox(false, tr("错误"), tr("获取失败，请重新获取"));
        return false;
    }

    const quint64 capacity = quint64(head.uiWidth) * head.uiHeight * 4;
    std::unique_ptr<BYTE[]> out;
    if (raw != nullptr && capacity > 0 && capacity <= quint64(std::numeric_limits<int>::max()))
        out.reset(new (std::nothrow) BYTE[capacity]);
    const bool converted = out != nullptr && CameraGetOutImageBuffer(m_cameraHandle, &head, raw, out.get()) ==
                                                 CAMERA_STATUS_SUCCESS;
    CameraReleaseFrameHandle(m_cameraHandle, frame);
    // The converted head must still describe an image inside our buffer.
    if (!converted || head.uiWidth == 0 || head.uiHeight == 0 ||
        quint64(head.uiWidth) * head.uiHeight * 4 > capacity)
        return false;

    CameraImageOverlay(m_cameraHandle, out.get(), &head);
    QImage::Format format = QImage::Format_RGB888;
    if (head.uiMediaType != CAMERA_MEDIA_TYPE_RGB8) {
        CameraSetIspOutFormat(m_cameraHandle, CAMERA_MEDIA_TYPE_RGB8);
        // This still came in the old format: show it as what it is.
        if (head.uiMediaType == CAMERA_MEDIA_TYPE_MONO8)
            format = QImage::Format_Grayscale8;
        else if (head.uiMediaType == CAMERA_MEDIA_TYPE_BGR8)
            format = QImage::Format_BGR888;
        else
            return false;
    }

    const int width = int(head.uiWidth);
    const int height = int(head.uiHeight);
    const QImage still(out.get(), width, height, format);
    const QSize preview = ui->widget_6->size();
    ui->widget_6->setPixmap(
        QPixmap::fromImage(still.scaled(preview, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    ui->lineEdit_maxheight->setText(QString::number(height));
    ui->lineEdit_maxwidth->setText(QString::number(width));
    m_sensor = QSize(width, height);
    m_scaleX = double(width) / preview.width();
    m_scaleY = double(height) / preview.height();
    update();
    return true;
}

int RoiWidget::getMousePosStatus(const QSize &size, const QMouseEvent &event) const
{
    return RoiGeometry::dragZone(event.localPos().toPoint(), size, m_edgeMargin);
}

bool RoiWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->Picture_Rect)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // The zone is chosen where the drag starts and kept until release:
        // taken anew at every move, a fast drag or a move stopped at the
        // preview's edge would turn into a resize under the cursor.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        m_dragZone = getMousePosStatus(ui->Picture_Rect->size(), *mouse);
        setCursor(zoneCursor(m_dragZone));
        m_lastCursor = mouse->globalPos();
        break;
    }
    case QEvent::MouseButtonRelease:
        m_dragZone = NoZone;
        setCursor(Qt::ArrowCursor);
        break;
    case QEvent::MouseMove: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->buttons() == Qt::NoButton || m_dragZone == NoZone)
            break;
        const QPoint cursor = mouse->globalPos();
        m_typed = false;
        setRect(dragRect(ui->Picture_Rect->geometry(), m_dragZone, cursor - m_lastCursor,
                         ui->widget_6->size(), minimumRect()));
        m_lastCursor = cursor;
        break;
    }
    default:
        break;
    }
    return false;
}

void RoiWidget::setRect(const QRect &rect)
{
    m_typed = false;
    ui->Picture_Rect->setGeometry(rect);
    update();
}

QSize RoiWidget::minimumRect() const
{
    // The camera's smallest region, in preview pixels.
    if (m_scaleX <= 0 || m_scaleY <= 0)
        return QSize(1, 1);
    return QSize(int(std::ceil(MinRegionWidth / m_scaleX)), int(std::ceil(MinRegionHeight / m_scaleY)));
}

Region RoiWidget::chosenRegion() const
{
    return m_typed ? m_typedRegion : toCamera(ui->Picture_Rect->geometry(), m_scaleX, m_scaleY);
}

Region RoiWidget::regionToApply() const
{
    return m_sensor.isEmpty() ? chosenRegion() : alignedRegion(chosenRegion(), m_sensor, m_offsetStep);
}

void RoiWidget::regionTyped()
{
    if (m_sensor.isEmpty())
        return;
    Region typed;
    typed.hOffset = ui->lineEdit_Hshift->text().toInt();
    typed.vOffset = ui->lineEdit_Vshift->text().toInt();
    typed.width = ui->lineEdit_width->text().toInt();
    typed.height = ui->lineEdit_height->text().toInt();
    // What the camera can take of it, shown at once in the fields.
    m_typedRegion = alignedRegion(typed, m_sensor, m_offsetStep);
    m_typed = true;
    ui->Picture_Rect->setGeometry(toPreview(m_typedRegion, m_scaleX, m_scaleY));
    refreshRegionTexts();
    update();
}

void RoiWidget::refreshRegionTexts()
{
    const Region region = chosenRegion();
    // A field being typed in keeps what the user typed.
    const auto show = [](QLineEdit *edit, int value) {
        if (!edit->hasFocus() || edit->isReadOnly())
            setTextIfChanged(edit, value);
    };
    show(ui->lineEdit_width, region.width);
    show(ui->lineEdit_VShift, region.width);
    show(ui->lineEdit_height, region.height);
    show(ui->lineEdit_HShift, region.height);
    show(ui->lineEdit_Hshift, region.hOffset);
    show(ui->lineEdit_Vshift, region.vOffset);
    const Region applied = regionToApply();
    const QString text = tr("将设置为：偏移 %1, %2，尺寸 %3 × %4")
                             .arg(applied.hOffset)
                             .arg(applied.vOffset)
                             .arg(applied.width)
                             .arg(applied.height);
    if (m_appliedLabel->text() != text)
        m_appliedLabel->setText(text);
}

void RoiWidget::paintEvent(QPaintEvent *event)
{
    refreshRegionTexts();
    QWidget::paintEvent(event);
}

void RoiWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}

void RoiWidget::on_pushButton_refresh_clicked()
{
    init();
}

void RoiWidget::on_pushButton_center_clicked()
{
    setRect(presetRect(Preset::Center, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_LeftTop_clicked()
{
    setRect(presetRect(Preset::LeftTop, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_RightTop_clicked()
{
    setRect(presetRect(Preset::RightTop, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_LeftBottom_clicked()
{
    setRect(presetRect(Preset::LeftBottom, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_RightBottom_clicked()
{
    setRect(presetRect(Preset::RightBottom, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_max_clicked()
{
    setRect(presetRect(Preset::Max, ui->widget_6->size()));
}

void RoiWidget::on_pushButton_setup_clicked()
{
    // Without a preset resolution there is no template for the region.
    if (!m_haveTemplate) {
        showBox(true, tr("提示"), tr("设置失败，请重新设置"));
        return;
    }
    // The region fields show exactly this; computing it here does not depend
    // on a repaint having refreshed them.
    refreshRegionTexts();
    const stImageResolution resolution = customResolution(m_template, regionToApply());
    if (CameraSetResolutionEx(m_cameraHandle, &resolution) != CAMERA_STATUS_SUCCESS) {
        showBox(true, tr("提示"), tr("设置失败，请重新设置"));
        return;
    }
    emit regionApplied(m_cameraHandle);
    showBox(false, tr("提示"), tr("设置成功"));
    init();
}

void RoiWidget::showBox(bool critical, const QString &title, const QString &text)
{
    vexo::showMessage(this, critical ? QMessageBox::Critical : QMessageBox::Information, title, text,
                      tr("确定"));
}
