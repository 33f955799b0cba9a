#include "random_colours.hpp"

#include <chrono>

namespace meshsmith {

RandomColours RandomColours::fromClock() {
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return RandomColours(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

float RandomColours::next() {
    float v = std::generate_canonical<float, 24>(rng_);
    return v < 1.0f ? v : 0.0f;
}

} // namespace meshsmith
