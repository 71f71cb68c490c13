#include "mapping.h"

#include "VexoCameraSDK.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace vexo::aravis {

namespace {

constexpr double kSpeedFactor[3] = {0.25, 0.5, 1.0};

} // namespace

bool packDottedVersion(const std::string &text, uint16_t *out)
{
    size_t i = 0;
    while (i < text.size()) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        // One candidate: digits and dots from here.
        std::vector<int> parts;
        size_t j = i;
        bool fits = true;
        while (j < text.size()) {
            int value = 0;
            size_t digits = 0;
            while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
                value = std::min(value * 10 + (text[j] - '0'), 1000);
                ++j;
                ++digits;
            }
            if (digits == 0) {
                break;
            }
            parts.push_back(value);
            fits = fits && value <= 15;
            if (j + 1 < text.size() && text[j] == '.' &&
                std::isdigit(static_cast<unsigned char>(text[j + 1]))) {
                ++j;
                continue;
            }
            break;
        }
        if (parts.size() >= 2 && parts.size() <= 4 && fits) {
            uint16_t packed = 0;
            for (size_t k = 0; k < 4; ++k) {
                packed = static_cast<uint16_t>(packed << 4 | (k < parts.size() ? parts[k] : 0));
            }
            *out = packed;
            return true;
        }
        if (parts.size() >= 2) {
            return false; // the version is there but does not fit four digits
        }
        i = j;
    }
    return false;
}

int gainX1000(double cameraValue, bool decibel)
{
    const double factor = decibel ? std::pow(10.0, cameraValue / 20.0) : cameraValue;
    return static_cast<int>(std::lround(std::clamp(factor * 1000.0, 0.0, 1e9)));
}

double cameraGain(int x1000, bool decibel)
{
    const double factor = x1000 / 1000.0;
    return decibel ? 20.0 * std::log10(std::max(factor, 1e-6)) : factor;
}

double frameRateFor(int speed, double maximum)
{
    return maximum * kSpeedFactor[std::clamp(speed, 0, 2)];
}

int frameSpeedFor(double rate, double maximum)
{
    if (!(maximum > 0.0)) {
        return 2;
    }
    int best = 2;
    double distance = 1e300;
    for (int speed = 0; speed < 3; ++speed) {
        const double d = std::fabs(rate - maximum * kSpeedFactor[speed]);
        if (d < distance) {
            distance = d;
            best = speed;
        }
    }
    return best;
}

double fullSizeRate(double cameraMaximum, double bytesPerFrame, double linkBytesPerSecond)
{
    if (linkBytesPerSecond <= 0.0 || bytesPerFrame <= 0.0) {
        return cameraMaximum;
    }
    return std::min(cameraMaximum, linkBytesPerSecond / bytesPerFrame);
}

std::vector<uint32_t> usableFormats(const std::vector<int64_t> &cameraFormats)
{
    static const uint32_t order[] = {CAMERA_MEDIA_TYPE_BAYRG8, CAMERA_MEDIA_TYPE_BAYGR8,
                                     CAMERA_MEDIA_TYPE_BAYGB8, CAMERA_MEDIA_TYPE_BAYBG8,
                                     CAMERA_MEDIA_TYPE_RGB8,   CAMERA_MEDIA_TYPE_MONO8};
    std::vector<uint32_t> out;
    for (const uint32_t format : order) {
        if (std::find(cameraFormats.begin(), cameraFormats.end(), static_cast<int64_t>(format)) !=
            cameraFormats.end()) {
            out.push_back(format);
        }
    }
    return out;
}

const char *activationName(int signalType)
{
    static const char *const names[] = {"RisingEdge", "FallingEdge", "LevelHigh", "LevelLow"};
    return signalType >= 0 && signalType < 4 ? names[signalType] : nullptr;
}

int signalTypeOf(const std::string &activation)
{
    for (int type = 0; type < 4; ++type) {
        if (activation == activationName(type)) {
            return type;
        }
    }
    return -1;
}

} // namespace vexo::aravis
