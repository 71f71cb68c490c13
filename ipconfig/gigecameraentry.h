#pragma once

#include "VexoCameraSDK.h"

#include <cstddef>

// One GigE camera as the address tool lists it: its device record and its
// network record, read at the last refresh.
struct GigeCameraEntry
{
    stDeviceInfo deviceInfo{};
    stGigeInfo gigeInfo{};
};

static_assert(sizeof(GigeCameraEntry) == 772, "GigeCameraEntry");
static_assert(offsetof(GigeCameraEntry, gigeInfo) == 600, "GigeCameraEntry");
