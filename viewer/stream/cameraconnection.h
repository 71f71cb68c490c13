#ifndef CAMERACONNECTION_H
#define CAMERACONNECTION_H

#include <QObject>
#include <QString>

// Whether a display cell's camera is there. It follows the grabber's
// reports; the cell shows a notice over the frozen picture, and the status
// line and the device tree say so. The library reconnects by itself, so all
// of it goes with the first frame that comes again.
class CameraConnection final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CameraConnection)

public:
    explicit CameraConnection(QObject *parent = nullptr);

    bool isLost() const { return m_lost; }
    // The camera was closed: not lost, and no news of it.
    void reset() { m_lost = false; }

    // "Camera disconnected, reconnecting…", for the status line.
    static QString lostText();

public slots:
    void setLost(bool lost);

signals:
    void lostChanged(bool lost);

private:
    bool m_lost = false;
};

#endif // CAMERACONNECTION_H
