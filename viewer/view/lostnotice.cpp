#include "view/lostnotice.h"

#include "stream/cameraconnection.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>

LostNotice::LostNotice(QAbstractScrollArea *view) : QWidget(view), m_viewport(view->viewport())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("widget_lostNotice"));
    // The cell's style sheet would fill it and hide the picture.
    setStyleSheet(QStringLiteral("background: transparent;"));
    hide();
    m_viewport->installEventFilter(this);
    // Above the picture, below what floats over it.
    for (QObject *child : view->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (widget && widget != this && widget != view->viewport())
            widget->raise();
    }
    follow();
}

bool LostNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        follow();
    return false;
}

void LostNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));

    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(qBound(12, width() / 28, 22));
    painter.setFont(font);
    const QString text = CameraConnection::lostText();
    const int margin = font.pixelSize();
    const QRect room = rect().adjusted(margin, margin, -margin, -margin);
    QRect box = painter.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
    box.adjust(-margin, -margin / 2, margin, margin / 2);
    box = box.intersected(rect());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 60, 20, 220));
    painter.drawRoundedRect(box, 6, 6);
    painter.setPen(Qt::white);
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, text);
}

void LostNotice::follow()
{
    if (m_viewport)
        setGeometry(m_viewport->geometry());
}
