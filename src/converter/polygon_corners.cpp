#include "polygon_corners.hpp"

#include "polygon_preparation.hpp"

#include <algorithm>
#include <stdexcept>

namespace meshsmith::kiln {

int cornerCount(const poly& p) {
    return std::min<int>(p.polyVertexCount, kMaxPolyVertices);
}

Corner cornerOf(const poly& p, int pos) {
    const auto i = static_cast<std::size_t>(pos);
    return Corner{p.vertexList[i], p.tvertx[i], p.tverty[i], p.red[i],
                  p.green[i],      p.blue[i],   p.alpha[i]};
}

Corners cornersOf(const poly& p) {
    Corners out;
    const int n = cornerCount(p);
    out.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out.push_back(cornerOf(p, i));
    return out;
}

poly recordFrom(const poly& source, const Corner* corners, int n) {
    if (n < 0 || n > kMaxPolyVertices)
        throw std::logic_error("a polygon record holds at most 11 vertices");
    poly out;
    out.flav = source.flav;
    out.inPlane = source.inPlane;
    out.stringNum = source.stringNum;
    out.polyVertexCount = static_cast<std::uint8_t>(n);
    for (int i = 0; i < n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Corner& c = corners[u];
        out.vertexList[u] = c.vertex;
        out.tvertx[u] = c.tx;
        out.tverty[u] = c.ty;
        if (source.flav == 1) {
            out.red[u] = c.red;
            out.green[u] = c.green;
            out.blue[u] = c.blue;
            out.alpha[u] = c.alpha;
        }
    }
    return out;
}

std::vector<Triangle> fanTriangles(const KilnState& k, const Corners& corners, int discard) {
    std::vector<Triangle> out;
    const std::size_t n = corners.size();
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const Triangle t{corners[0], corners[i], corners[i + 1]};
        if (discard == 1 && checkCollinear(k, t[0].vertex, t[1].vertex, t[2].vertex) == 1) continue;
        out.push_back(t);
    }
    return out;
}

} // namespace meshsmith::kiln
