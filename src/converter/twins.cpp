// Double-sided polygon pairs: a polygon and its exact reverse.

#include "bsp_builder.hpp"
#include "polygon_corners.hpp"

namespace meshsmith::kiln {

namespace {
// Vertex number and exact texture coordinates agree, and for coloured
// polygons the colours as well.
bool sameCorner(const Corner& c1, const Corner& c2, bool coloured) {
    if (c1.vertex != c2.vertex || c1.tx != c2.tx || c1.ty != c2.ty) return false;
    return !coloured ||
           (c1.red == c2.red && c1.green == c2.green && c1.blue == c2.blue && c1.alpha == c2.alpha);
}
} // namespace

int find_0xa(const KilnState& k, int polyOne, int polyTwo) {
    const poly& p1 = k.polygon.at(static_cast<std::size_t>(polyOne));
    const poly& p2 = k.polygon.at(static_cast<std::size_t>(polyTwo));
    const int n = cornerCount(p1);
    if (p1.polyVertexCount != p2.polyVertexCount || p1.stringNum != p2.stringNum ||
        p1.flav != p2.flav || p1.stringNum == k.clipperStringNum || n == 0)
        return 0;
    const Corner first = cornerOf(p1, 0);
    int m = -1;
    for (int pos = 0; pos < n; ++pos) {
        const Corner c = cornerOf(p2, pos);
        if (c.vertex == first.vertex && c.tx == first.tx && c.ty == first.ty) m = pos;
    }
    if (m < 0) return 0;
    const bool coloured = p1.flav == 1;
    // polyTwo read backwards from m meets polyOne read forwards.
    for (int t = 0; t < n; ++t)
        if (!sameCorner(cornerOf(p1, t), cornerOf(p2, ((m - t) % n + n) % n), coloured)) return 0;
    return 1;
}

} // namespace meshsmith::kiln
