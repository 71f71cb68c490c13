#include "records.h"

#include "guards.h"

namespace vexo::capi {

void fillDeviceInfo(stDeviceInfo *info, const CameraModel &m, const std::string &nickname, uint16_t firmware,
                    bool opened, int index, const std::string &address)
{
    std::memset(info, 0, sizeof *info);
    copyText(info->acProductSeries, sizeof info->acProductSeries, m.productSeries);
    copyText(info->acProductName, sizeof info->acProductName, m.productName);
    copyText(info->acFriendlyName, sizeof info->acFriendlyName, nickname);
    copyText(info->acLinkName, sizeof info->acLinkName, m.linkName);
    copyText(info->acDeviceVersion, sizeof info->acDeviceVersion, m.deviceVersion);
    copyText(info->acSensorType, sizeof info->acSensorType, m.sensorType);
    copyText(info->acPortType, sizeof info->acPortType, m.portType);
    copyText(info->acSn, sizeof info->acSn, m.serial);
    info->uInstance = static_cast<uint32_t>(index);
    info->uFirmwareVersion = firmware;
    info->iOpened = opened ? 1 : 0;
    info->uLink = static_cast<uint8_t>(m.link);
    // An opened real GigE Vision camera is reached at the address it was listed with.
    const bool listed = address.empty() && m.link == CAMERA_LINK_GIGE_VISION;
    copyText(info->acAddress, sizeof info->acAddress, listed ? m.linkName : address);
}

stImageResolution resolutionRecord(const Region &r, const char *description)
{
    stImageResolution out{};
    out.iIndex = r.index;
    copyText(out.acDescription, sizeof out.acDescription, description);
    out.iHOffsetFOV = r.x;
    out.iVOffsetFOV = r.y;
    out.iWidthFOV = r.width;
    out.iHeightFOV = r.height;
    out.iWidth = r.width;
    out.iHeight = r.height;
    out.iWidthZoomSw = r.width;
    out.iHeightZoomSw = r.height;
    return out;
}

std::string sizeText(const Region &r)
{
    return std::to_string(r.width) + "X" + std::to_string(r.height);
}
} // namespace vexo::capi
