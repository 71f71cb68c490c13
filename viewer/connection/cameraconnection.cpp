#include "cameraconnection.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QTreeWidgetItem>
#include <QWidget>

namespace {

// Marks a device-tree item whose camera is lost; the record of the camera
// itself is under Qt::UserRole.
constexpr int LostRole = Qt::UserRole + 1;

// Dims the frozen picture and says why it does not move. Mouse events pass
// through, so zooming, panning, the context menu and closing still work.
class LostNotice final : public QWidget
{
public:
    explicit LostNotice(QAbstractScrollArea *view) : QWidget(view), m_viewport(view->viewport())
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

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
            follow();
        return false;
    }

    void paintEvent(QPaintEvent *) override
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

private:
    void follow()
    {
        if (m_viewport)
            setGeometry(m_viewport->geometry());
    }

    // Only the viewport: the view may be half destroyed when its children go.
    QPointer<QWidget> m_viewport;
};

} // namespace

CameraConnection::CameraConnection(QAbstractScrollArea *view) : QObject(view), m_notice(new LostNotice(view))
{
}

QString CameraConnection::lostText()
{
    return tr("相机已断开，正在重新连接…");
}

bool CameraConnection::isNoticeShown() const
{
    return !m_notice->isHidden();
}

void CameraConnection::setLost(bool lost)
{
    if (lost == m_lost)
        return;
    m_lost = lost;
    m_notice->setVisible(lost);
    emit lostChanged(lost);
}

void CameraConnection::reset()
{
    m_lost = false;
    m_notice->hide();
}

void CameraConnection::markTreeItem(QTreeWidgetItem *item, bool lost)
{
    item->setIcon(0, QIcon(lost ? QStringLiteral(":/images/ICO/cameraLost.png")
                                : QStringLiteral(":/images/ICO/cameraOn.png")));
    item->setToolTip(0, lost ? lostText() : QString());
    item->setData(0, LostRole, lost);
}

bool CameraConnection::isTreeItemLost(const QTreeWidgetItem *item)
{
    return item != nullptr && item->data(0, LostRole).toBool();
}
