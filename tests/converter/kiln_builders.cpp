#include "kiln_builders.hpp"

#include <cmath>

namespace meshsmith::kiln::test {

std::int32_t mergeVertex(KilnState& k, const Point& p) {
    for (std::int32_t i = 0; i < k.vertCount; ++i) {
        auto u = static_cast<std::size_t>(i);
        if (std::fabs(k.x[u] - p[0]) <= 0.001f && std::fabs(k.y[u] - p[1]) <= 0.001f &&
            std::fabs(k.z[u] - p[2]) <= 0.001f)
            return i;
    }
    return appendVertex(k, p[0], p[1], p[2]);
}

std::int32_t textureNamed(KilnState& k, const std::string& name) {
    for (std::int32_t i = 0; i < k.stringCount; ++i)
        if (k.stringy[static_cast<std::size_t>(i)] == name) return i;
    return appendString(k, name);
}

std::int32_t addPolygon(KilnState& k, const std::vector<Point>& corners, const std::string& texture,
                        const std::vector<UV>& uv) {
    poly p;
    p.polyVertexCount = static_cast<std::uint8_t>(corners.size());
    for (std::size_t i = 0; i < corners.size(); ++i) {
        p.vertexList.at(i) = mergeVertex(k, corners[i]);
        if (i < uv.size()) {
            p.tvertx[i] = uv[i][0];
            p.tverty[i] = uv[i][1];
        }
    }
    p.inPlane = -1;
    p.stringNum = textureNamed(k, texture);
    return appendPolygon(k, p);
}

} // namespace meshsmith::kiln::test
