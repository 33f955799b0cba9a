#include "import/bitmap_resample.hpp"

#include "model/edits/texture_edits.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace meshsmith {
namespace {

// The old pixels one new pixel covers along an axis, with their weights
// (summing to 1).
struct Cover {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Cover> coversOf(int from, int to) {
    std::vector<Cover> covers(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int d = 0; d < to; ++d) {
        const double lo = d * scale, hi = (d + 1) * scale;
        Cover& c = covers[static_cast<std::size_t>(d)];
        c.first = std::min(static_cast<int>(lo), from - 1);
        const int last = std::clamp(static_cast<int>(std::ceil(hi)) - 1, c.first, from - 1);
        for (int s = c.first; s <= last; ++s)
            c.weights.push_back((std::min(hi, s + 1.0) - std::max(lo, static_cast<double>(s))) /
                                scale);
    }
    return covers;
}

std::uint32_t channel(double value) {
    return static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L));
}

Colour average(const BmpImage& image, const Cover& cx, const Cover& cy) {
    double r = 0, g = 0, b = 0;
    for (std::size_t j = 0; j < cy.weights.size(); ++j)
        for (std::size_t i = 0; i < cx.weights.size(); ++i) {
            const double w = cx.weights[i] * cy.weights[j];
            const Colour c =
                image.at(cx.first + static_cast<int>(i), cy.first + static_cast<int>(j));
            r += w * redOf(c);
            g += w * greenOf(c);
            b += w * blueOf(c);
        }
    return channel(r) | channel(g) << 8 | channel(b) << 16;
}

} // namespace

int nearestTextureSide(int side) {
    int best = kTextureSides.front();
    for (int allowed : kTextureSides)
        if (std::abs(allowed - side) <= std::abs(best - side)) best = allowed;
    return best;
}

BmpImage resampleImage(const BmpImage& image, int width, int height) {
    BmpImage out;
    out.width = width;
    out.height = height;
    out.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const std::vector<Cover> xs = coversOf(image.width, width), ys = coversOf(image.height, height);
    for (const Cover& cy : ys)
        for (const Cover& cx : xs)
            out.pixels.push_back(average(image, cx, cy));
    return out;
}

} // namespace meshsmith
