// The synthetic picture a simulated sensor sees: colour chart, grey ramp,
// a moving disc and a frame counter, as BayerRG8 (colour) or Mono8 raw data.
#pragma once

#include "model.h"

#include <cstdint>
#include <vector>

namespace vexo::sim {

class SceneGenerator final
{
public:
    // The static parts are rendered once here, for the whole sensor.
    SceneGenerator(int width, int height, bool color);

    // Full sensor frame into raw (width * height bytes). brightness 1.0 is
    // a well-exposed picture; the scene saturates above about 2.
    void render(uint8_t *raw, uint64_t frameIndex, double brightness) const;

    // A window of the sensor (x, y even) into raw with rows of stride bytes.
    void renderRegion(uint8_t *raw, int stride, int x, int y, int width, int height, uint64_t frameIndex,
                      double brightness) const;

    // Stuck-bright pixels, drawn at full scale whatever the brightness.
    void setDefects(const std::vector<sdk::DefectPixel> &defects) { defects_ = defects; }

    // Mean raw level of the scene at brightness 1.0 (for auto exposure).
    double baseMean() const { return baseMean_; }

    int width() const { return width_; }
    int height() const { return height_; }

private:
    uint8_t sample(int x, int y, int r, int g, int b) const;

    int width_;
    int height_;
    bool color_;
    std::vector<uint8_t> background_;
    std::vector<sdk::DefectPixel> defects_;
    double baseMean_ = 0.0;
};

} // namespace vexo::sim
