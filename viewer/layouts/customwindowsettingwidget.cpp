#include "layouts/customwindowsettingwidget.h"

#include "config/configparameter.h"
#include "layouts/layoutgrid.h"
#include "messagebox.h"
#include "ui_customwindowsettingwidget.h"

#include <QEvent>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>

namespace {

constexpr int kMaxGrid = 3;
const char *const kChecked = "ischeck";

// A list entry owns the working copy of its layout.
class LayoutItem final : public QListWidgetItem
{
public:
    explicit LayoutItem(const SceneFrameLayout &layout)
        : QListWidgetItem(nullptr, UserType + 1), record(layout)
    {
        setText(layout.name);
        setToolTip(layout.name);
        setIcon(QIcon(QStringLiteral(":/images/ICO/CustomScreen.png")));
        setSizeHint(QSize(100, 100));
        setData(Qt::UserRole, QVariant::fromValue<void *>(&record));
    }

    SceneFrameLayout record;
};

QPixmap fadedLogo()
{
    const QImage logo(QStringLiteral(":/images/ICO/logomin.png"));
    QImage faded(logo.size(), QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    QPainter painter(&faded);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, logo);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(faded.rect(), QColor(0, 0, 0, 25));
    painter.end();
    return QPixmap::fromImage(faded);
}

bool isChecked(const QLabel *cell)
{
    return cell->property(kChecked).toBool();
}

} // namespace

CustomWindowSettingWidget::CustomWindowSettingWidget(QVector<SceneFrameLayout> layouts, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::CustomWindowSettingWidget>()), m_fadedLogo(fadedLogo())
{
    ui->setupUi(this);
    faultLabel = new QLabel(this);
    faultLabel->setObjectName(QStringLiteral("label_layoutFault"));
    faultLabel->setWordWrap(true);
    faultLabel->setStyleSheet(QStringLiteral("color: red;"));
    faultLabel->hide();
    ui->verticalLayout_preview->addWidget(faultLabel);
    ui->listWidget->blockSignals(true);
    for (const SceneFrameLayout &layout : layouts)
        appendItem(layout);
    ui->listWidget->blockSignals(false);
}

CustomWindowSettingWidget::~CustomWindowSettingWidget() = default;

QListWidgetItem *CustomWindowSettingWidget::appendItem(const SceneFrameLayout &layout)
{
    auto *item = new LayoutItem(layout);
    ui->listWidget->addItem(item);
    return item;
}

SceneFrameLayout &CustomWindowSettingWidget::recordOf(QListWidgetItem *item)
{
    return static_cast<LayoutItem *>(item)->record;
}

QListWidgetItem *CustomWindowSettingWidget::firstSelectedItem() const
{
    const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QVector<SceneFrameLayout> CustomWindowSettingWidget::layouts() const
{
    QVector<SceneFrameLayout> records;
    for (int i = 0; i < ui->listWidget->count(); ++i)
        records.append(recordOf(ui->listWidget->item(i)));
    return records;
}

void CustomWindowSettingWidget::collectPreview(SceneFrameLayout &layout) const
{
    // The map's key order is the row-major order of the frames' corners.
    QStringList frames;
    for (auto it = frameLabels.cbegin(); it != frameLabels.cend(); ++it) {
        FramePlacement frame;
        if (parseFrameText(it.key(), &frame))
            frames.append(frameText(frame));
    }
    layout.frameLayoutList = frames;
}

void CustomWindowSettingWidget::sizeByDivision(SceneFrameLayout &layout) const
{
    const int size = ui->comboBox_framdivision->currentIndex() == 1 ? 3 : 2;
    layout.row = size;
    layout.column = size;
    layout.frameLayoutList = unitFrames(size);
}

void CustomWindowSettingWidget::on_listWidget_itemSelectionChanged()
{
    if (previewItem && !previewRefused)
        collectPreview(recordOf(previewItem));
    QListWidgetItem *item = firstSelectedItem();
    if (!item) {
        clearPreview();
        previewItem = nullptr;
        return;
    }
    previewItem = item;
    SceneFrameLayout &record = recordOf(item);
    // A layout just added gets its size when first shown. Its frame list is
    // replaced, not appended to, so a record that lost its size keys in a
    // hand-edited file cannot end up with overlapping frames.
    if (record.row == 0 && record.column == 0)
        sizeByDivision(record);
    cameraWindowSetting(record);
}

void CustomWindowSettingWidget::clearPreview()
{
    faultLabel->hide();
    previewRefused = false;
    while (!frameLabels.isEmpty())
        removePreviewCell(frameLabels.firstKey());
    ui->pushButton_merge->setEnabled(false);
}

void CustomWindowSettingWidget::cameraWindowSetting(SceneFrameLayout &layout)
{
    {
        const QSignalBlocker blocker(ui->comboBox_framdivision);
        if (layout.row == 3 && layout.column == 3)
            ui->comboBox_framdivision->setCurrentIndex(1);
        else if (layout.row == 2 && layout.column == 2)
            ui->comboBox_framdivision->setCurrentIndex(0);
    }
    clearPreview();

    QGridLayout *grid = ui->gridLayout_fram;
    for (int i = 0; i < kMaxGrid; ++i) {
        grid->setRowStretch(i, 0);
        grid->setColumnStretch(i, 0);
    }
    const int rows = qBound(0, layout.row, kMaxGrid);
    const int columns = qBound(0, layout.column, kMaxGrid);
    for (int i = 0; i < rows; ++i)
        grid->setRowStretch(i, 1);
    for (int i = 0; i < columns; ++i)
        grid->setColumnStretch(i, 1);

    // Only a hand-edited file holds a layout that does not cover its grid
    // exactly once. It is judged as the menu and the start judge it, and
    // nothing of it is drawn: the reason stands in its place until a
    // division is chosen.
    const LayoutFault fault = layoutFault(layout);
    previewRefused = fault != LayoutFault::None;
    faultLabel->setVisible(previewRefused);
    if (previewRefused) {
        faultLabel->setText(tr("此布局无法使用：%1。请选择画面分割重新划分。").arg(layoutFaultText(fault)));
        return;
    }
    for (const FramePlacement &frame : layoutPlacements(layout))
        addPreviewCell(frame);
}

QLabel *CustomWindowSettingWidget::addPreviewCell(const FramePlacement &frame)
{
    auto *cell = new QLabel(this);
    cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    cell->setAlignment(Qt::AlignCenter);
    cell->setFrameShape(QFrame::Box);
    cell->setPixmap(m_fadedLogo);
    cell->installEventFilter(this);
    cell->setProperty(kChecked, false);
    ui->gridLayout_fram->addWidget(cell, frame.row, frame.column, frame.rowSpan, frame.columnSpan);
    frameLabels.insert(frameText(frame), cell);
    return cell;
}

void CustomWindowSettingWidget::removePreviewCell(const QString &key)
{
    QLabel *cell = frameLabels.take(key);
    if (!cell)
        return;
    ui->gridLayout_fram->removeWidget(cell);
    // Never called from the cell's own event handling, so it can go at once.
    delete cell;
}

QVector<QPoint> CustomWindowSettingWidget::markedCells(QStringList *keys) const
{
    QVector<QPoint> points;
    for (auto it = frameLabels.cbegin(); it != frameLabels.cend(); ++it) {
        FramePlacement frame;
        if (!isChecked(it.value()) || !parseFrameText(it.key(), &frame))
            continue;
        points += frameCells(frame);
        if (keys)
            keys->append(it.key());
    }
    return points;
}

bool CustomWindowSettingWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return false;
    auto *cell = qobject_cast<QLabel *>(watched);
    // Only cells still in the preview toggle.
    if (!cell || frameLabels.key(cell).isEmpty())
        return false;
    const bool checked = !isChecked(cell);
    cell->setProperty(kChecked, checked);
    cell->setStyleSheet(checked ? QStringLiteral("border: 1px solid red;")
                                : QStringLiteral("border: 1px solid black;"));
    ui->pushButton_merge->setEnabled(isFrameMerge(markedCells()));
    return false;
}

bool CustomWindowSettingWidget::isFrameMerge(const QVector<QPoint> &points)
{
    return ::isFrameMerge(points);
}

void CustomWindowSettingWidget::on_pushButton_addFram_clicked()
{
    QStringList names;
    for (int i = 0; i < ui->listWidget->count(); ++i)
        names.append(ui->listWidget->item(i)->text());

    QInputDialog input(this);
    input.setWindowTitle(tr("自定义画面分割"));
    input.setLabelText(tr("画面分割名称"));
    input.setTextEchoMode(QLineEdit::Normal);
    input.setTextValue(QStringLiteral("name"));
    // Room for the title and for names longer than a word; the dialog
    // sizes itself from its contents.
    if (auto *edit = input.findChild<QLineEdit *>())
        edit->setMinimumWidth(300);
    input.setOkButtonText(tr("确定"));
    input.setCancelButtonText(tr("取消"));
    if (input.exec() != QDialog::Accepted)
        return;
    const QString name = input.textValue();
    if (layoutNameProblem(name, names) != LayoutNameProblem::None) {
        vexo::showMessage(this, QMessageBox::Critical, tr("提示"), tr("创建失败，请检查名称是否重复或者为空"),
                          tr("确定"));
        return;
    }
    SceneFrameLayout layout;
    layout.name = name;
    QListWidgetItem *item = appendItem(layout);
    ui->listWidget->setCurrentItem(item);
}

void CustomWindowSettingWidget::on_pushButton_deleteFram_clicked()
{
    // The preview belongs to an item that is going away.
    previewItem = nullptr;
    {
        const QSignalBlocker blocker(ui->listWidget);
        const QList<QListWidgetItem *> selected = ui->listWidget->selectedItems();
        qDeleteAll(selected);
    }
    on_listWidget_itemSelectionChanged();
}

void CustomWindowSettingWidget::on_comboBox_framdivision_currentIndexChanged(int index)
{
    Q_UNUSED(index)
    QListWidgetItem *item = firstSelectedItem();
    if (!item)
        return;
    SceneFrameLayout &record = recordOf(item);
    sizeByDivision(record);
    cameraWindowSetting(record);
}

void CustomWindowSettingWidget::on_pushButton_merge_clicked()
{
    if (!firstSelectedItem())
        return;
    QStringList keys;
    const QVector<QPoint> points = markedCells(&keys);
    if (!isFrameMerge(points))
        return;
    for (const QString &key : qAsConst(keys))
        removePreviewCell(key);
    addPreviewCell(boundingFrame(points));
    ui->pushButton_merge->setEnabled(false);
}

void CustomWindowSettingWidget::on_pushButton_division_clicked()
{
    if (!firstSelectedItem())
        return;
    QStringList keys;
    const QVector<QPoint> points = markedCells(&keys);
    for (const QString &key : qAsConst(keys))
        removePreviewCell(key);
    for (const QPoint &point : points)
        addPreviewCell({point.x(), point.y(), 1, 1});
    ui->pushButton_merge->setEnabled(false);
}

void CustomWindowSettingWidget::on_pushButton_save_clicked()
{
    if (QListWidgetItem *item = firstSelectedItem(); item && !previewRefused)
        collectPreview(recordOf(item));
    ConfigParameter::getInstance()->writeSceneFrameLayout(layouts());
    accept();
}
