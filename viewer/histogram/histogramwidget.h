#ifndef HISTOGRAMWIDGET_H
#define HISTOGRAMWIDGET_H

#include "histogram/histogrammath.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <memory>

class CVideoThread;
class QCheckBox;
class QGraphicsPathItem;
class QGraphicsScene;
class QGraphicsSimpleTextItem;
class QTableWidgetItem;
class QTimer;

namespace Ui {
class histogramWidget;
}

// Red, green and blue histograms of a camera's live picture with per-channel
// statistics, a read-out of one level and a cursor read-out over the chart.
class histogramWidget final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(histogramWidget)

public:
    explicit histogramWidget(void *handle, QWidget *parent = nullptr);
    ~histogramWidget() override;

    // A window titled with the camera's friendly name that analyses every
    // frame of frames; it deletes itself when closed.
    static histogramWidget *open(void *handle, CVideoThread *frames);

    void initTableWidget();
    void initHistView();

    const HistogramMath::Histograms &histograms() const { return m_histograms; }
    quint32 highestCount() const { return m_highest; }
    QGraphicsScene *chartScene() const { return m_chartScene; }
    QGraphicsScene *overlayScene() const { return m_overlayScene; }

    static constexpr int ReadoutIntervalMs = 100;

public slots:
    void dealtData(QImage image);
    void updataScene();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setHeaderLabels();
    void updateReadout();
    void drawCursorReadout(int x);

    std::unique_ptr<Ui::histogramWidget> ui;
    void *m_cameraHandle = nullptr;
    HistogramMath::Histograms m_histograms;
    std::array<QCheckBox *, HistogramMath::ChannelCount> m_channelBoxes{};
    QGraphicsScene *m_chartScene = nullptr;
    QGraphicsScene *m_overlayScene = nullptr;
    // Minimum, maximum, mean and deviation of each channel.
    std::array<std::array<QTableWidgetItem *, 4>, HistogramMath::ChannelCount> m_items{};
    quint32 m_highest = 0;
    QTimer *m_readoutTimer = nullptr;
    std::array<QGraphicsPathItem *, HistogramMath::ChannelCount> m_bars{};
    std::array<QGraphicsSimpleTextItem *, 4> m_countLabels{};
};

#endif // HISTOGRAMWIDGET_H
