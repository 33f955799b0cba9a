// Cutting ears off concave or too-large polygons while they are read. The
// rule (which corners are reflex, which triangle is an ear) is the one the
// editor's view fills polygons with (geometry/polygon_ears.hpp).

#include "geometry/polygon_ears.hpp"
#include "polygon_preparation.hpp"

#include <algorithm>
#include <vector>

namespace meshsmith::kiln {

namespace {

// A polygon leaves the ear cutting with at most this many vertices.
constexpr int kMaxKeptVertices = 10;

geometry::Point3f vertexAt(const KilnState& k, std::int32_t v) {
    const auto i = static_cast<std::size_t>(v);
    return {k.x[i], k.y[i], k.z[i]};
}

// The working lists of the polygon being cut.
struct Outline {
    ReadVertexList& vertices;
    ReadCoordList& tx;
    ReadCoordList& ty;
    int n;
};

// Appends the ear around `pos` as a triangle and removes its middle vertex
// from the lists and the colour buffers.
void cutEar(KilnState& k, int polyNum, Outline& o, int pos) {
    const poly& source = k.polygon[static_cast<std::size_t>(polyNum)];
    poly ear;
    ear.flav = source.flav;
    ear.inPlane = source.inPlane;
    ear.stringNum = source.stringNum;
    ear.polyVertexCount = 3;
    const int positions[3] = {(pos + o.n - 1) % o.n, pos, (pos + 1) % o.n};
    for (std::size_t c = 0; c < 3; ++c) {
        const auto from = static_cast<std::size_t>(positions[c]);
        ear.vertexList[c] = o.vertices[from];
        ear.tvertx[c] = o.tx[from];
        ear.tverty[c] = o.ty[from];
        if (ear.flav == 1) {
            ear.red[c] = k.tRed[from];
            ear.green[c] = k.tGreen[from];
            ear.blue[c] = k.tBlue[from];
            ear.alpha[c] = k.tAlpha[from];
        }
    }
    appendPolygon(k, ear);
    const auto drop = [&](auto& list) {
        std::copy(list.begin() + pos + 1, list.begin() + o.n, list.begin() + pos);
    };
    drop(o.vertices);
    drop(o.tx);
    drop(o.ty);
    drop(k.tRed);
    drop(k.tGreen);
    drop(k.tBlue);
    drop(k.tAlpha);
    --o.n;
    k.polygon[static_cast<std::size_t>(polyNum)].polyVertexCount = static_cast<std::uint8_t>(o.n);
}

} // namespace

int EarTest(const KilnState& k, const std::array<std::int32_t, 3>& triVert,
            const std::int32_t* ReflexIndex, int MAX) {
    std::vector<geometry::Point3f> reflex;
    for (int m = 0; m < MAX; ++m)
        if (ReflexIndex[m] != -1) reflex.push_back(vertexAt(k, ReflexIndex[m]));
    const std::array<geometry::Point3f, 3> triangle{vertexAt(k, triVert[0]), vertexAt(k, triVert[1]),
                                                    vertexAt(k, triVert[2])};
    return geometry::triangleHoldsAny(triangle, reflex) ? 0 : 1;
}

int ConcaveProcess(KilnState& k, int polyNum, ReadVertexList& vertlist, ReadCoordList& tvertxlist,
                   ReadCoordList& tvertylist) {
    const int count = polygonSlot(k, polyNum).polyVertexCount;
    if (count > kMaxReadVertices) throw CapacityError("polygon vertex", kMaxReadVertices);
    Outline o{vertlist, tvertxlist, tvertylist, count};
    std::vector<geometry::Point3f> corners;
    for (int i = 0; i < count; ++i)
        corners.push_back(vertexAt(k, vertlist[static_cast<std::size_t>(i)]));
    const std::vector<int> cuts = geometry::earCuts(corners, kMaxKeptVertices);
    for (const int pos : cuts)
        cutEar(k, polyNum, o, pos);
    return cuts.empty() ? 0 : 1;
}

} // namespace meshsmith::kiln
