#pragma once

#include "VexoCameraSDK.h"

#include <QString>
#include <QThread>

// One firmware upgrade on its own thread: opens the camera, writes the file
// and reports progress and the final status through its two signals. The
// camera stays open when it ends; whoever handles the result closes it.
class CbUpdateCamera final : public QThread
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CbUpdateCamera)

public:
    CbUpdateCamera(QString serial, QString upgradeFile, QObject *parent = nullptr);
    ~CbUpdateCamera() override;

    // The handle the worker opened, 0 when the open failed. Read it only
    // after the result arrived.
    CameraHandle handle() const { return cameraHandle; }

    static void UpdateCamera_Cb(int progress, void *context);

signals:
    void SendStatus(int progress);
    void SendRes(int status);

protected:
    void run() override;

private:
    CameraHandle cameraHandle = nullptr;
    QString upgradeFile;
    QString serial;
};
