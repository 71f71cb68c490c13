#include "histogram/histogramwidget.h"
#include "ui_histogramwidget.h"

#include "stream/cvideothread.h"
#include "textfields.h"

#include <QApplication>
#include <QCheckBox>
#include <QCursor>
#include <QEvent>
#include <QGraphicsPathItem>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QHeaderView>
#include <QPainterPath>
#include <QScreen>
#include <QTableWidgetItem>
#include <QTimer>

#include <algorithm>

using namespace HistogramMath;

namespace {

// Chart geometry in scene coordinates, y growing upwards.
constexpr int ChartLeft = 54;
constexpr int ChartRight = 566;
constexpr int ChartBottom = 50;
constexpr int ChartTop = 250;
constexpr int BarAlpha = 80;

const QColor ReadoutLine(102, 127, 187);
const QColor ReadoutFill(242, 211, 160, 100);

QTransform upright()
{
    // Undoes the chart's flip for items that must read the right way up.
    QTransform flip;
    flip.rotate(180, Qt::XAxis);
    return flip;
}

QColor channelColour(int channel)
{
    switch (channel) {
    case Red:
        return QColor(255, 0, 0, BarAlpha);
    case Green:
        return QColor(0, 255, 0, BarAlpha);
    default:
        return QColor(0, 74, 255, BarAlpha);
    }
}

QTableWidgetItem *centredItem(const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    return item;
}

} // namespace

histogramWidget::histogramWidget(void *handle, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::histogramWidget>()), m_cameraHandle(handle)
{
    ui->setupUi(this);
    QGraphicsView *overlay = ui->graphicsView_info;
    m_overlayScene = new QGraphicsScene(this);
    m_overlayScene->setSceneRect(1, 1, overlay->width() - 2, overlay->height() - 2);
    overlay->setScene(m_overlayScene);
    setAttribute(Qt::WA_QuitOnClose, false);
    initTableWidget();
    initHistView();
    overlay->installEventFilter(this);
    m_overlayScene->installEventFilter(this);
    overlay->setMouseTracking(true);

    m_readoutTimer = new QTimer(this);
    connect(m_readoutTimer, &QTimer::timeout, this, &histogramWidget::updateReadout);
    m_readoutTimer->start(ReadoutIntervalMs);
}

histogramWidget::~histogramWidget()
{
    m_readoutTimer->stop();
}

histogramWidget *histogramWidget::open(void *handle, CVideoThread *frames)
{
    auto *window = new histogramWidget(handle);
    char name[CAMERA_TEXT_BUFFER] = {};
    if (CameraGetFriendlyName(handle, name) == CAMERA_STATUS_SUCCESS)
        window->setWindowTitle(vexo::fromLocalField(name));
    if (frames != nullptr)
        frames->connectFrames(window, &histogramWidget::dealtData);
    // Next to the histograms already open, not over them, and on screen.
    QVector<QRect> open;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != window && other->isVisible() && qobject_cast<histogramWidget *>(other))
            open.append(other->frameGeometry());
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize frame = window->size() + QSize(8, 32); // the window manager's frame
        window->move(HistogramMath::placeBeside(open, frame, screen->availableGeometry()));
    }
    window->show();
    return window;
}

void histogramWidget::initTableWidget()
{
    QTableWidget *table = ui->tableWidget;
    table->setRowCount(ChannelCount);
    table->setColumnCount(6);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Six columns fill the table's width exactly and three rows its height:
    // no row numbers, no scroll bars.
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHeaderLabels();
    table->setColumnWidth(0, 30);
    for (int column = 1; column < 6; ++column)
        table->setColumnWidth(column, 113);

    const QString names[ChannelCount] = {QStringLiteral("Red"), QStringLiteral("Green"),
                                         QStringLiteral("Blue")};
    for (int channel = 0; channel < ChannelCount; ++channel) {
        auto *box = new QCheckBox(table);
        box->setChecked(true);
        table->setCellWidget(channel, 0, box);
        m_channelBoxes[size_t(channel)] = box;
        // Redrawn at once, so a paused camera's chart follows the boxes too.
        connect(box, &QCheckBox::toggled, this, &histogramWidget::updataScene);
        table->setItem(channel, 1, centredItem(names[channel]));
        for (size_t k = 0; k < 4; ++k) {
            QTableWidgetItem *item = centredItem(QStringLiteral("0"));
            table->setItem(channel, int(k) + 2, item);
            m_items[size_t(channel)][k] = item;
        }
    }
    setAttribute(Qt::WA_DeleteOnClose);
    table->show();
}

void histogramWidget::setHeaderLabels()
{
    ui->tableWidget->setHorizontalHeaderLabels({QStringLiteral("  "), tr("通道"), tr("最小值"), tr("最大值"),
                                                tr("平均值"), tr("标准差", "narrow column")});
}

void histogramWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The title is the camera's name, not the form's.
        const QString title = windowTitle();
        ui->retranslateUi(this);
        setWindowTitle(title);
        setHeaderLabels();
    }
    QWidget::changeEvent(event);
}

void histogramWidget::initHistView()
{
    QGraphicsView *view = ui->graphicsView;
    m_chartScene = new QGraphicsScene(this);
    m_chartScene->setSceneRect(1, 1, view->width() - 2, view->height() - 2);
    view->setScene(m_chartScene);
    view->setTransform(upright());

    auto addText = [this](const QString &text, qreal x, qreal y) {
        QGraphicsSimpleTextItem *item = m_chartScene->addSimpleText(text);
        item->setTransform(upright());
        item->setPos(x, y);
        return item;
    };

    // The axes, ticks and grid stay; every frame replaces only the bars and
    // the count labels.
    m_chartScene->addLine(ChartLeft, ChartBottom, ChartRight, ChartBottom);
    m_chartScene->addLine(ChartLeft, ChartBottom, ChartLeft, ChartTop);
    for (int i = 0; i <= 5; ++i)
        addText(QString::number(50 * i), 46 + 100 * i, ChartBottom);
    for (int x = 156; x <= 556; x += 100)
        m_chartScene->addLine(x, ChartBottom, x, ChartBottom + 5);
    QPen grid(QColor(150, 150, 150));
    grid.setStyle(Qt::DotLine);
    for (int y = 100; y <= ChartTop; y += 50) {
        m_chartScene->addLine(ChartLeft, y, 60, y);
        m_chartScene->addLine(60, y, ChartRight, y, grid);
    }
    for (size_t i = 0; i < m_countLabels.size(); ++i)
        m_countLabels[i] = addText(QString(), 1, 110 + 50 * qreal(i));

    for (int channel = 0; channel < ChannelCount; ++channel) {
        QPen pen(channelColour(channel), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
        m_bars[size_t(channel)] = m_chartScene->addPath(QPainterPath(), pen);
    }
}

void histogramWidget::dealtData(QImage image)
{
    analyse(image, m_histograms);
    m_highest = HistogramMath::highestCount(m_histograms);
    for (int channel = 0; channel < ChannelCount; ++channel) {
        const ChannelStats stats = channelStats(m_histograms.bins[size_t(channel)], m_histograms.pixels);
        auto &items = m_items[size_t(channel)];
        items[0]->setText(QString::number(stats.minimum));
        items[1]->setText(QString::number(stats.maximum));
        items[2]->setText(QString::number(stats.mean));
        items[3]->setText(QString::number(stats.deviation, 'g', 6));
    }
    updataScene();
}

void histogramWidget::updataScene()
{
    const quint64 quarter = m_highest / 4;
    for (size_t i = 0; i < m_countLabels.size(); ++i)
        m_countLabels[i]->setText(QString::number(quarter * (i + 1)));

    for (int channel = 0; channel < ChannelCount; ++channel) {
        QGraphicsPathItem *bars = m_bars[size_t(channel)];
        const bool shown = m_channelBoxes[size_t(channel)]->isChecked();
        bars->setVisible(shown);
        if (!shown)
            continue;
        // One path per channel instead of 256 line items: the same picture
        // at a fraction of the scene's bookkeeping per frame.
        QPainterPath path;
        path.reserve(2 * Levels);
        const Bins &bins = m_histograms.bins[size_t(channel)];
        for (int level = 0; level < Levels; ++level) {
            const int height = barHeight(bins[size_t(level)], m_highest);
            if (height == 0)
                continue;
            const int x = ChartLeft + 2 * level;
            path.moveTo(x, ChartBottom);
            path.lineTo(x, ChartBottom + height);
        }
        bars->setPath(path);
    }
}

void histogramWidget::updateReadout()
{
    const size_t level = size_t(ui->spinBox_x->value());
    ui->label_red->setText(QString::number(m_histograms.bins[Red][level]));
    ui->label_green->setText(QString::number(m_histograms.bins[Green][level]));
    ui->label_blue->setText(QString::number(m_histograms.bins[Blue][level]));

    const QWidget *overlay = ui->graphicsView_info;
    const QPoint cursor = overlay->mapFromGlobal(QCursor::pos());
    if (isVisible() && overlay->rect().contains(cursor))
        drawCursorReadout(cursor.x());
}

void histogramWidget::drawCursorReadout(int x)
{
    m_overlayScene->clear();
    const size_t level = size_t(std::clamp(x / 2, 0, Levels - 1));
    const QPen pen(ReadoutLine, 1);
    m_overlayScene->addLine(x, 0, x, 250, pen);
    const int boxX = readoutBoxX(x, ui->graphicsView_info->width());
    const int boxY = 50;
    m_overlayScene->addRect(boxX, boxY, 80, 60, pen, ReadoutFill);
    const QString texts[] = {
        tr("X轴:%1").arg(level),
        QStringLiteral("Red:%1").arg(m_histograms.bins[Red][level]),
        QStringLiteral("Green:%1").arg(m_histograms.bins[Green][level]),
        QStringLiteral("Blue:%1").arg(m_histograms.bins[Blue][level]),
    };
    const int offsets[] = {1, 15, 30, 45};
    for (int i = 0; i < 4; ++i)
        m_overlayScene->addSimpleText(texts[i])->setPos(boxX, boxY + offsets[i]);
}

bool histogramWidget::eventFilter(QObject *watched, QEvent *event)
{
    // The view passes the cursor's leaving on to its scene as a plain Leave.
    if (event->type() == QEvent::Leave && (watched == ui->graphicsView_info || watched == m_overlayScene))
        m_overlayScene->clear();
    return QWidget::eventFilter(watched, event);
}
