#include "exact_vertex_index.hpp"

#include <bit>
#include <cmath>

namespace meshsmith {

bool ExactVertexIndex::keyOf(float x, float y, float z, Key& key) {
    if (std::isnan(x) || std::isnan(y) || std::isnan(z)) return false;
    // Adding 0.0f turns -0.0 into +0.0, so both zeros share one bit pattern.
    key = {std::bit_cast<std::uint32_t>(x + 0.0f), std::bit_cast<std::uint32_t>(y + 0.0f),
           std::bit_cast<std::uint32_t>(z + 0.0f)};
    return true;
}

std::size_t ExactVertexIndex::KeyHash::operator()(const Key& k) const {
    // The low bits of float patterns vary little along grid coordinates, so the
    // three words are mixed through a 64-bit finaliser before the table uses them.
    std::uint64_t h = (static_cast<std::uint64_t>(k.x) << 32 | k.y) * 0x9E3779B97F4A7C15ull;
    h ^= k.z + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return static_cast<std::size_t>(h);
}

std::int32_t ExactVertexIndex::find(float x, float y, float z) const {
    Key key;
    if (!keyOf(x, y, z, key)) return -1;
    auto it = firstIndex_.find(key);
    return it == firstIndex_.end() ? -1 : it->second;
}

void ExactVertexIndex::add(float x, float y, float z, std::int32_t index) {
    Key key;
    if (keyOf(x, y, z, key)) firstIndex_.emplace(key, index);
}

ExactVertexIndex indexVertices(const std::vector<Vertex>& vertices) {
    ExactVertexIndex index;
    index.reserve(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i)
        index.add(vertices[i], static_cast<std::int32_t>(i));
    return index;
}

} // namespace meshsmith
