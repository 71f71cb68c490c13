#ifndef CAMERACONNECTION_H
#define CAMERACONNECTION_H

#include <QIcon>
#include <QObject>
#include <QString>

class QAbstractScrollArea;
class QTreeWidgetItem;
class QWidget;

// Whether a display cell's camera is there. It follows the grabber's
// reports: while the camera is lost a notice lies over the frozen picture,
// and the status line and the device tree say so. The library reconnects by
// itself, so all of it goes with the first frame that comes again.
class CameraConnection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CameraConnection)

public:
    // view: the picture view whose viewport the notice covers; the widgets
    // floating over the picture (button bar, navigation) stay on top.
    explicit CameraConnection(QAbstractScrollArea *view);

    bool isLost() const { return m_lost; }
    // The camera was closed: no notice, and no news of it.
    void reset();
    // The notice is on (visible whenever the cell is).
    bool isNoticeShown() const;

    // "Camera disconnected, reconnecting…", for the status line.
    static QString lostText();
    // A tree item of an open camera, marked lost or not.
    static void markTreeItem(QTreeWidgetItem *item, bool lost);
    static bool isTreeItemLost(const QTreeWidgetItem *item);

public slots:
    void setLost(bool lost);

signals:
    void lostChanged(bool lost);

private:
    QWidget *m_notice;
    bool m_lost = false;
};

#endif // CAMERACONNECTION_H
