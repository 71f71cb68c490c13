#include "capture/recordingfailuretext.h"

#include "VexoCameraSDK.h"
#include "sdkstatus.h"

extern "C" {
#include <libavutil/error.h>
}

#include <cerrno>

namespace {

bool writes(RecordingFailure::Kind kind)
{
    return kind == RecordingFailure::CreateFile || kind == RecordingFailure::WriteFile ||
           kind == RecordingFailure::FinishFile || kind == RecordingFailure::ReplaceFile;
}

} // namespace

QString RecordingFailureText::causeWords(int status, RecordingFailure::Kind kind)
{
    if (status >= 0)
        return QString();
    switch (status) {
    case AVERROR(ENOSPC):
    case AVERROR(EDQUOT):
        return tr("磁盘已满");
    case AVERROR(EFBIG):
        return tr("文件超出文件系统允许的大小");
    case AVERROR(EACCES):
    case AVERROR(EPERM):
        return tr("没有写入权限");
    case AVERROR(EROFS):
        return tr("磁盘为只读");
    case AVERROR(ENOENT):
    case AVERROR(ENOTDIR):
        return writes(kind) ? tr("文件夹不存在") : tr("文件不存在");
    case AVERROR(ENOMEM):
        return tr("内存不足", "cause");
    case AVERROR_INVALIDDATA:
        return vexo::statusWords(CAMERA_STATUS_FILE_CORRUPT);
    default:
        // Anything else of the disk, in the words of the camera library's
        // own file statuses.
        return vexo::statusWords(writes(kind)                         ? CAMERA_STATUS_IO_ERROR
                                 : kind == RecordingFailure::ReadFile ? CAMERA_STATUS_FILE_PATH
                                                                      : CAMERA_STATUS_FAILED);
    }
}

QString RecordingFailureText::text(const RecordingFailure &failure)
{
    QString what;
    switch (failure.kind) {
    case RecordingFailure::None:
        return QString();
    case RecordingFailure::FrameRate:
        what = tr("帧率 %1 超出范围（1～%2）").arg(failure.number).arg(failure.second);
        break;
    case RecordingFailure::FrameSize:
        what = tr("图像尺寸 %1×%2 太小").arg(failure.number).arg(failure.second);
        break;
    case RecordingFailure::NoContainer:
        what = tr("此文件类型不能保存录像");
        break;
    case RecordingFailure::NoEncoder:
        what = tr("没有此文件类型的视频编码器");
        break;
    case RecordingFailure::EncoderSetup:
        what = tr("无法启动视频编码器");
        break;
    case RecordingFailure::OutOfMemory:
        what = tr("内存不足");
        break;
    case RecordingFailure::CreateFile:
        what = tr("无法创建文件");
        break;
    case RecordingFailure::WriteFile:
        what = tr("无法写入文件");
        break;
    case RecordingFailure::FinishFile:
        what = tr("无法完成文件");
        break;
    case RecordingFailure::Convert:
        what = tr("无法转换图像");
        break;
    case RecordingFailure::Encode:
        what = tr("无法编码图像");
        break;
    case RecordingFailure::ReadFile:
        what = tr("无法读取文件");
        break;
    case RecordingFailure::NoVideo:
        what = tr("文件中没有视频");
        break;
    case RecordingFailure::NoCompleteFrame:
        what = tr("文件中没有完整的帧");
        break;
    case RecordingFailure::WouldLoseFrames:
        what = tr("修复会丢失帧");
        break;
    case RecordingFailure::ReplaceFile:
        what = tr("无法用修复后的文件替换原文件");
        break;
    }
    const QString cause = causeWords(failure.status, failure.kind);
    // "Out of memory: out of memory" says nothing more.
    if (cause.isEmpty() || cause.compare(what, Qt::CaseInsensitive) == 0)
        return what;
    return tr("%1：%2").arg(what, cause);
}

QString RecordingFailureText::withFile(const QString &fileName, const RecordingFailure &failure)
{
    return tr("%1（%2）").arg(fileName, text(failure));
}
