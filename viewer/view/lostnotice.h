#ifndef LOSTNOTICE_H
#define LOSTNOTICE_H

#include <QPointer>
#include <QWidget>

class QAbstractScrollArea;

// Dims a cell's frozen picture while its camera is lost and says why it does
// not move. Mouse events pass through, so zooming, panning, the context menu
// and closing still work. It covers the view's viewport; the widgets floating
// over the picture (button bar, navigation) stay on top.
class LostNotice final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LostNotice)

public:
    explicit LostNotice(QAbstractScrollArea *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();

    // Only the viewport: the view may be half destroyed when its children go.
    QPointer<QWidget> m_viewport;
};

#endif // LOSTNOTICE_H
