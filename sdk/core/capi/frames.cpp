// Streaming, lent raw frames, the image pipeline, overlays, stills and saved pictures.

#include "VexoCameraSDK.h"

#include "guards.h"
#include "image_io.h"
#include "isp.h"
#include "state_store.h"

#include <vector>

using namespace vexo::capi;
using namespace vexo::sdk;

namespace {

constexpr size_t kMaxLentFrames = 64;

CameraSdkStatus lend(Session &s, std::shared_ptr<const Frame> frame, CameraFrameHandle *out)
{
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.lent.size() >= kMaxLentFrames) {
        return CAMERA_STATUS_FAILED; // the caller forgot to release its frames
    }
    const uintptr_t id = s.nextFrame++;
    s.lent[id] = std::move(frame);
    *out = reinterpret_cast<CameraFrameHandle>(id);
    return CAMERA_STATUS_SUCCESS;
}

// How the pipeline converts a raw frame of this camera now.
struct Conversion
{
    Settings settings;
    IspSettings isp;
    uint32_t outType = 0;
    int width = 0, height = 0;
};

// Checks a conversion's arguments against the camera and the frames it lent,
// and gathers the pipeline's settings.
CameraSdkStatus conversionFor(Session &s, const stImageInfo *info, const BYTE *raw, const BYTE *out,
                              Conversion *c)
{
    if (info == nullptr || raw == nullptr || out == nullptr) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    const CameraModel &m = s.device->model();
    const int w = static_cast<int>(info->uiWidth);
    const int h = static_cast<int>(info->uiHeight);
    const int rawBpp = rawBytesPerPixel(info->uiMediaType);
    if (!between(info->uiWidth, 2, m.sensorWidth) || !between(info->uiHeight, 2, m.sensorHeight)) {
        return CAMERA_STATUS_INVALID_ARGUMENT;
    }
    if (rawBpp == 0) {
        return CAMERA_STATUS_NOT_SUPPORTED;
    }
    c->settings = s.device->settings();
    int regionX = c->settings.region.x, regionY = c->settings.region.y;
    {
        std::lock_guard<std::mutex> lock(s.mutex);
        c->outType = s.ispOutFormat;
        // Where the frame sat on the sensor, for the defect map; and a
        // head that claims more pixels than a lent frame holds is refused.
        for (const auto &entry : s.lent) {
            if (entry.second->data.data() == raw) {
                if (entry.second->data.size() < static_cast<size_t>(w) * h * rawBpp) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                regionX = entry.second->regionX;
                regionY = entry.second->regionY;
                break;
            }
        }
    }
    c->isp = ispSettingsFrom(c->settings, &m.defects);
    c->isp.regionX = regionX;
    c->isp.regionY = regionY;
    if (!m.lutSupported) {
        c->isp.lutMode = 2;
    }
    if (m.features.mirrorOnDevice) {
        c->isp.mirrorH = c->isp.mirrorV = false;
    }
    if (m.features.whiteBalanceOnDevice) {
        c->isp.rGain = c->isp.gGain = c->isp.bGain = 100;
    }
    c->width = w;
    c->height = h;
    return CAMERA_STATUS_SUCCESS;
}

} // namespace

extern "C" {

CameraSdkStatus CameraPlay(CameraHandle handle)
{
    return call(
        "CameraPlay", true,
        [&] { return onSession(handle, Access::Write, [](Session &s) { return s.device->play(); }); },
        handle);
}

CameraSdkStatus CameraPause(CameraHandle handle)
{
    return call(
        "CameraPause", true,
        [&] { return onSession(handle, Access::Read, [](Session &s) { return s.device->pause(); }); },
        handle);
}

CameraSdkStatus CameraGetFrameStatistic(CameraHandle handle, stFrameStatistic *statistic)
{
    return call(
        "CameraGetFrameStatistic", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (statistic == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *statistic = s->device->statistic(); // readable after an unplug too
            return CAMERA_STATUS_SUCCESS;
        },
        handle, statistic);
}

CameraSdkStatus CameraGetRawImageBuffer(CameraHandle handle, CameraFrameHandle *frame, unsigned int timeoutMs)
{
    return call(
        "CameraGetRawImageBuffer", false,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (frame == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                {
                    std::lock_guard<std::mutex> lock(s.mutex);
                    if (s.lent.size() >= kMaxLentFrames) {
                        return CAMERA_STATUS_FAILED;
                    }
                }
                std::shared_ptr<const Frame> f;
                const CameraSdkStatus status = s.device->fetchFrame(timeoutMs, &f);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                return lend(s, std::move(f), frame);
            });
        },
        handle, frame, timeoutMs);
}

CameraSdkStatus CameraGetImageInfo(CameraHandle handle, CameraFrameHandle frame, stImageInfo *info,
                                   BYTE **raw)
{
    return call(
        "CameraGetImageInfo", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            // Like every output pointer, a missing one is refused: the pixels
            // are what a caller fetches a frame for.
            if (info == nullptr || raw == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            std::lock_guard<std::mutex> lock(s->mutex);
            const auto it = s->lent.find(reinterpret_cast<uintptr_t>(frame));
            if (it == s->lent.end()) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            *info = it->second->info;
            *raw = const_cast<BYTE *>(it->second->data.data());
            return CAMERA_STATUS_SUCCESS;
        },
        handle, frame, info, raw);
}

CameraSdkStatus CameraGetOutImageBuffer(CameraHandle handle, stImageInfo *info, const BYTE *raw, BYTE *out)
{
    return call(
        "CameraGetOutImageBuffer", false,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                Conversion c;
                const CameraSdkStatus status = conversionFor(s, info, raw, out, &c);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                const int stride = paddedRowBytes(c.width, outputBytesPerPixel(c.outType));
                if (!runIsp(c.isp, raw, c.width, c.height, info->uiMediaType, out, stride, c.outType)) {
                    return CAMERA_STATUS_FAILED;
                }
                info->uiBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(c.height);
                info->uiMediaType = c.outType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, info, raw, out);
}

CameraSdkStatus CameraGetOutImageBufferSampled(CameraHandle handle, stImageInfo *info, const BYTE *raw,
                                               BYTE *out, int outWidth, int outHeight, int overlay)
{
    return call(
        "CameraGetOutImageBufferSampled", false,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                Conversion c;
                const CameraSdkStatus status = conversionFor(s, info, raw, out, &c);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                if (!between(outWidth, 1, c.width) || !between(outHeight, 1, c.height)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::vector<int> columns(static_cast<size_t>(outWidth)), rows(static_cast<size_t>(outHeight));
                centreSamples(c.width, outWidth, columns.data());
                centreSamples(c.height, outHeight, rows.data());
                const int stride = paddedRowBytes(outWidth, outputBytesPerPixel(c.outType));
                if (!runIspSampled(c.isp, raw, c.width, c.height, info->uiMediaType, columns.data(), outWidth,
                                   rows.data(), outHeight, out, stride, c.outType)) {
                    return CAMERA_STATUS_FAILED;
                }
                if (overlay != 0) {
                    drawCrossLinesSampled(c.settings.crossLines.data(), CAMERA_CROSSLINE_COUNT, out,
                                          columns.data(), outWidth, rows.data(), outHeight, stride,
                                          c.outType);
                }
                info->uiWidth = static_cast<uint32_t>(outWidth);
                info->uiHeight = static_cast<uint32_t>(outHeight);
                info->uiBytes = static_cast<uint32_t>(stride) * static_cast<uint32_t>(outHeight);
                info->uiMediaType = c.outType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, info, raw, out, outWidth, outHeight, overlay);
}

CameraSdkStatus CameraReleaseFrameHandle(CameraHandle handle, CameraFrameHandle frame)
{
    return call(
        "CameraReleaseFrameHandle", false,
        [&] {
            const std::shared_ptr<Session> s = lib().session(handle);
            if (!s) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            std::lock_guard<std::mutex> lock(s->mutex);
            return s->lent.erase(reinterpret_cast<uintptr_t>(frame)) == 1 ? CAMERA_STATUS_SUCCESS
                                                                          : CAMERA_STATUS_INVALID_ARGUMENT;
        },
        handle, frame);
}

CameraSdkStatus CameraSetIspOutFormat(CameraHandle handle, uint32_t mediaType)
{
    return call(
        "CameraSetIspOutFormat", true,
        [&] {
            return onSession(handle, Access::Read, [&](Session &s) {
                if (outputBytesPerPixel(mediaType) == 0) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                std::lock_guard<std::mutex> lock(s.mutex);
                s.ispOutFormat = mediaType;
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, mediaType);
}

CameraSdkStatus CameraGetIspOutFormat(CameraHandle handle, uint32_t *mediaType)
{
    return getter(
        "CameraGetIspOutFormat", handle, nullptr,
        [&](Session &s) {
            std::lock_guard<std::mutex> lock(s.mutex);
            *mediaType = s.ispOutFormat;
        },
        mediaType);
}

CameraSdkStatus CameraImageOverlay(CameraHandle handle, BYTE *image, const stImageInfo *info)
{
    return call(
        "CameraImageOverlay", false,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (image == nullptr || info == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const int bpp = outputBytesPerPixel(info->uiMediaType);
                const CameraModel &m = s.device->model();
                if (bpp == 0 || !between(info->uiWidth, 1, m.sensorWidth) ||
                    !between(info->uiHeight, 1, m.sensorHeight)) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                const int w = static_cast<int>(info->uiWidth);
                const int h = static_cast<int>(info->uiHeight);
                drawCrossLines(settings.crossLines.data(), CAMERA_CROSSLINE_COUNT, image, w, h,
                               paddedRowBytes(w, bpp), info->uiMediaType);
                return CAMERA_STATUS_SUCCESS;
            });
        },
        handle, image, info);
}

CameraSdkStatus CameraGetOutImageSize(CameraHandle handle, int *width, int *height)
{
    return getter(
        "CameraGetOutImageSize", handle, nullptr,
        [&](Session &, const Settings &s) {
            *width = s.region.width;
            *height = s.region.height;
        },
        width, height);
}

CameraSdkStatus CameraSnapToBuffer(CameraHandle handle, CameraFrameHandle *frame, stImageInfo *info,
                                   BYTE **raw, unsigned int timeoutMs)
{
    return call(
        "CameraSnapToBuffer", true,
        [&] {
            return readSettings(handle, [&](Session &s, const Settings &settings) {
                if (frame == nullptr || info == nullptr || raw == nullptr) {
                    return CAMERA_STATUS_INVALID_ARGUMENT;
                }
                Region region = settings.region;
                {
                    std::lock_guard<std::mutex> lock(s.mutex);
                    if (s.snapRegionSet) {
                        region = s.snapRegion;
                    }
                }
                std::shared_ptr<const Frame> f;
                CameraSdkStatus status = s.device->snap(region, timeoutMs, &f);
                if (status != CAMERA_STATUS_SUCCESS) {
                    return status;
                }
                const stImageInfo head = f->info;
                BYTE *pixels = const_cast<BYTE *>(f->data.data());
                status = lend(s, std::move(f), frame);
                if (status == CAMERA_STATUS_SUCCESS) {
                    *info = head;
                    *raw = pixels;
                }
                return status;
            });
        },
        handle, frame, info, raw, timeoutMs);
}

CameraSdkStatus CameraSaveImage(CameraHandle handle, const char *path, const BYTE *image,
                                const stImageInfo *info, int fileType, int quality)
{
    return call(
        "CameraSaveImage", true,
        [&] {
            if (!lib().session(handle)) {
                return CAMERA_STATUS_INVALID_HANDLE;
            }
            if (path == nullptr || image == nullptr || info == nullptr) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            const char *extension = imageExtension(fileType);
            const long length = textLength(path, kMaxPath);
            const int bpp = outputBytesPerPixel(info->uiMediaType);
            if (extension == nullptr || length <= 0 || bpp == 0 || !between(info->uiWidth, 1, 16384) ||
                !between(info->uiHeight, 1, 16384) || (fileType == FILE_JPG && !between(quality, 1, 100))) {
                return CAMERA_STATUS_INVALID_ARGUMENT;
            }
            const int w = static_cast<int>(info->uiWidth);
            const int h = static_cast<int>(info->uiHeight);
            std::vector<uint8_t> bytes;
            if (!encodeImage(image, w, h, paddedRowBytes(w, bpp), info->uiMediaType, fileType, quality,
                             &bytes)) {
                return CAMERA_STATUS_FAILED;
            }
            const std::string target = std::string(path) + extension;
            return writeFileAtomic(target, bytes.data(), bytes.size()) ? CAMERA_STATUS_SUCCESS
                                                                       : CAMERA_STATUS_IO_ERROR;
        },
        handle, path, image, info, fileType, quality);
}

} // extern "C"
