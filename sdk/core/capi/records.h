// Records the C layer fills in for more than one section of the header.
#pragma once

#include "model.h"

#include <string>

namespace vexo::capi {

// address: a GigE camera's address as enumerated ("" = none known).
void fillDeviceInfo(stDeviceInfo *info, const sdk::CameraModel &m, const std::string &nickname,
                    uint16_t firmware, bool opened, int index, const std::string &address = {});
stImageResolution resolutionRecord(const sdk::Region &r, const char *description);
// "1920X1080"
std::string sizeText(const sdk::Region &r);

} // namespace vexo::capi
