#include "sdkstatus.h"

#include "VexoCameraSDK.h"

#include <QCoreApplication>

namespace vexo {

namespace {

const char *wordsOf(int status)
{
    switch (status) {
    case CAMERA_STATUS_SUCCESS:
        return QT_TRANSLATE_NOOP("SdkStatus", "成功");
    case CAMERA_STATUS_INVALID_HANDLE:
        return QT_TRANSLATE_NOOP("SdkStatus", "相机未打开或已关闭");
    case CAMERA_STATUS_INVALID_ARGUMENT:
        return QT_TRANSLATE_NOOP("SdkStatus", "参数无效或超出范围");
    case CAMERA_STATUS_NOT_SUPPORTED:
        return QT_TRANSLATE_NOOP("SdkStatus", "相机不支持此功能或型号不匹配");
    case CAMERA_STATUS_TIMEOUT:
        return QT_TRANSLATE_NOOP("SdkStatus", "等待超时");
    case CAMERA_STATUS_DEVICE_LOST:
        return QT_TRANSLATE_NOOP("SdkStatus", "相机已断开");
    case CAMERA_STATUS_NO_DEVICE:
        return QT_TRANSLATE_NOOP("SdkStatus", "找不到相机");
    case CAMERA_STATUS_BUSY:
        return QT_TRANSLATE_NOOP("SdkStatus", "相机正忙");
    case CAMERA_STATUS_ALREADY_OPENED:
        return QT_TRANSLATE_NOOP("SdkStatus", "相机已被打开");
    case CAMERA_STATUS_FILE_PATH:
        return QT_TRANSLATE_NOOP("SdkStatus", "文件无法打开或读取");
    case CAMERA_STATUS_IO_ERROR:
        return QT_TRANSLATE_NOOP("SdkStatus", "磁盘已满或无法写入");
    case CAMERA_STATUS_FILE_CORRUPT:
        return QT_TRANSLATE_NOOP("SdkStatus", "文件已损坏、不完整或版本不符");
    default:
        return QT_TRANSLATE_NOOP("SdkStatus", "操作失败");
    }
}

} // namespace

QString statusWords(int status)
{
    return QCoreApplication::translate("SdkStatus", wordsOf(status));
}

QString statusText(int status)
{
    return QCoreApplication::translate("SdkStatus", "%1（%2）").arg(status).arg(statusWords(status));
}

} // namespace vexo
