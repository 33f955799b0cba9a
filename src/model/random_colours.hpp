#pragma once
// Random polygon colours for imported polygons. The editor seeds it from the
// clock; tests seed it with a number to get the same colours every time.

#include <cstdint>
#include <random>

namespace meshsmith {

class RandomColours {
  public:
    explicit RandomColours(std::uint32_t seed) : rng_(seed) {}
    static RandomColours fromClock();
    // A value in [0, 1).
    float next();

  private:
    std::mt19937 rng_;
};

} // namespace meshsmith
