#include "stream/cameraconnection.h"

CameraConnection::CameraConnection(QObject *parent) : QObject(parent) {}

QString CameraConnection::lostText()
{
    return tr("相机已断开，正在重新连接…");
}

void CameraConnection::setLost(bool lost)
{
    if (lost == m_lost)
        return;
    m_lost = lost;
    emit lostChanged(lost);
}
