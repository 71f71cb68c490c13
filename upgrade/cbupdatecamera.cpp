#include "cbupdatecamera.h"

#include "textfields.h"

CbUpdateCamera::CbUpdateCamera(QString serial, QString upgradeFile, QObject *parent)
    : QThread(parent), upgradeFile(std::move(upgradeFile)), serial(std::move(serial))
{
}

CbUpdateCamera::~CbUpdateCamera()
{
    wait();
}

void CbUpdateCamera::UpdateCamera_Cb(int progress, void *context)
{
    emit static_cast<CbUpdateCamera *>(context)->SendStatus(progress);
}

void CbUpdateCamera::run()
{
    const CameraSdkStatus opened = CameraInitEx3(&cameraHandle, vexo::toLocal(serial).constData());
    if (opened != CAMERA_STATUS_SUCCESS) {
        cameraHandle = nullptr;
        emit SendRes(opened);
        return;
    }
    emit SendRes(CameraUpgrade(cameraHandle, vexo::toLocal(upgradeFile).constData(), &UpdateCamera_Cb, this));
}
