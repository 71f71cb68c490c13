// The user-interface thread's share of one shown frame in a display cell:
// the grabber's picture handed to the cell (a 1080p frame shown in a
// 640x400 cell) and the cell repainted and put on the screen. Run on the
// screen the viewer uses (DISPLAY set: xcb; otherwise offscreen) with
//   bench_cellpaint --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include "stream/displaypicture.h"
#include "view/camerathread.h"

#include <QApplication>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

constexpr QSize kFrame(1920, 1080);
constexpr QSize kCell(640, 400);

// Two pictures in turn, so that every repaint shows new pixels.
QImage picture(QSize size, int shade)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(shade, 40, 200 - shade));
    gradient.setColorAt(1, QColor(250 - shade, 220, shade));
    painter.fillRect(image.rect(), gradient);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("%1").arg(shade));
    return image;
}

void BM_ShownFrame(benchmark::State &state)
{
    CameraThread cell;
    cell.resize(kCell);
    cell.show();
    QApplication::processEvents();
    auto *view = cell.findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    if (view == nullptr) {
        state.SkipWithError("no picture view");
        return;
    }
    // The first frame fits the picture to the view; later ones come at the
    // size the grabber makes for that zoom.
    cell.showFrame(picture(kFrame, 90), kFrame);
    QApplication::processEvents();
    const QSize shown = DisplayPicture::sizeFor(kFrame, view->transform().m11());
    if (shown.isEmpty() || shown.width() > kCell.width()) {
        state.SkipWithError("the picture is not fitted to the cell");
        return;
    }
    const QImage pictures[2] = {picture(shown, 30), picture(shown, 160)};
    state.SetLabel(QStringLiteral("%1x%2 picture").arg(shown.width()).arg(shown.height()).toStdString());
    int i = 0;
    for (auto _ : state) {
        cell.showFrame(pictures[i++ & 1], kFrame);
        // The repaint and flush a posted update would do, done at once.
        view->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ShownFrame)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
