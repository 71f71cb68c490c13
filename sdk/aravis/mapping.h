// Pure conversions between the SDK's units and the standard camera features.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vexo::aravis {

// The first dotted number in text ("v1.2.0.3 build 7" -> 0x1203, "2.1" ->
// 0x2100), when it has two to four parts of 0..15; false otherwise.
bool packDottedVersion(const std::string &text, uint16_t *out);

// Analog gain as the SDK counts it (x1000 of the signal) from the camera's
// value: "Gain" is in decibels, "GainRaw" in the camera's own units.
int gainX1000(double cameraValue, bool decibel);
double cameraGain(int x1000, bool decibel);

// Frame speed 0 low, 1 medium, 2 high: a quarter, half and all of the
// camera's full-size maximum; a rate maps to the nearest speed.
double frameRateFor(int speed, double maximum);
int frameSpeedFor(double rate, double maximum);

// The fastest full-size rate: the camera's own maximum, no faster than the
// link carries frames of bytesPerFrame (0 = unlimited, as for a test camera).
double fullSizeRate(double cameraMaximum, double bytesPerFrame, double linkBytesPerSecond);

// The raw formats the image pipeline reads, picked from a camera's list:
// Bayer orders first, then RGB8, then Mono8 (a colour camera starts in colour).
std::vector<uint32_t> usableFormats(const std::vector<int64_t> &cameraFormats);

// TriggerActivation entries for the SDK's signal types 0..3 (rising edge,
// falling edge, high level, low level); -1 for another entry.
const char *activationName(int signalType);
int signalTypeOf(const std::string &activation);

} // namespace vexo::aravis
