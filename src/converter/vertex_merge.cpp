#include "vertex_merge.hpp"

#include <cmath>
#include <limits>

namespace meshsmith::kiln {
std::size_t VertexMerger::CellHash::operator()(const Cell& c) const {
    auto h = static_cast<std::uint64_t>(c.x) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(c.y) * 0xC2B2AE3D27D4EB4Full + (h << 6) + (h >> 2);
    h ^= static_cast<std::uint64_t>(c.z) * 0x165667B19E3779F9ull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
}

VertexMerger::Cell VertexMerger::cellOf(float x, float y, float z) const {
    auto cell = [this](float v) {
        double c = std::floor(static_cast<double>(v) / (2 * tolerance_));
        // Coordinates beyond any real object share the outermost cells; the
        // exact test below still decides.
        const double limit = 4e15;
        return static_cast<std::int64_t>(std::isnan(c) ? 0
                                         : c < -limit  ? -limit
                                         : c > limit   ? limit
                                                       : c);
    };
    return {cell(x), cell(y), cell(z)};
}

VertexMerger::VertexMerger(KilnState& k, double tolerance) : k_(k), tolerance_(tolerance) {
    for (std::int32_t i = 0; i < k.vertCount; ++i)
        remember(i);
}

void VertexMerger::remember(std::int32_t index) {
    auto u = static_cast<std::size_t>(index);
    cells_[cellOf(k_.x[u], k_.y[u], k_.z[u])].push_back(index);
}

std::int32_t VertexMerger::merge(float x, float y, float z) {
    const auto within = [this](float a, float b) {
        return std::fabs(static_cast<double>(a - b)) <= tolerance_;
    };
    const Cell c = cellOf(x, y, z);
    std::int32_t best = std::numeric_limits<std::int32_t>::max();
    for (std::int64_t dx = -1; dx <= 1; ++dx)
        for (std::int64_t dy = -1; dy <= 1; ++dy)
            for (std::int64_t dz = -1; dz <= 1; ++dz) {
                auto it = cells_.find({c.x + dx, c.y + dy, c.z + dz});
                if (it == cells_.end()) continue;
                for (std::int32_t i : it->second) {
                    if (i >= best) break; // each cell lists its vertices in table order
                    auto u = static_cast<std::size_t>(i);
                    if (within(k_.x[u], x) && within(k_.y[u], y) && within(k_.z[u], z)) best = i;
                }
            }
    if (best != std::numeric_limits<std::int32_t>::max()) return best;
    std::int32_t i = appendVertex(k_, x, y, z);
    remember(i);
    return i;
}

void flipTextureY(KilnState& k) {
    for (std::int32_t p = 0; p < k.polyCount; ++p) {
        poly& pl = k.polygon[static_cast<std::size_t>(p)];
        const int n = pl.polyVertexCount;
        float m = 0;
        bool finite = true;
        for (int i = 0; i < n; ++i) {
            float& ty = pl.tverty[static_cast<std::size_t>(i)];
            ty = 1 - ty;
            finite = finite && std::isfinite(ty);
            if (ty < m) m = ty;
        }
        if (!finite) continue;
        if (m < -1e6f) {
            // Adding 1 at a time would take too long or change nothing at all.
            const float step = std::ceil(-m);
            for (int i = 0; i < n; ++i)
                pl.tverty[static_cast<std::size_t>(i)] += step;
            continue;
        }
        while (m < 0) {
            for (int i = 0; i < n; ++i)
                pl.tverty[static_cast<std::size_t>(i)] += 1;
            m += 1;
        }
    }
}

} // namespace meshsmith::kiln
