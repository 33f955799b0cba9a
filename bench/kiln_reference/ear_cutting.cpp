// Cutting ears off concave or too-large polygons while they are read.

#include "plane_tests.hpp"
#include "polygon_preparation.hpp"

#include <algorithm>

namespace meshsmith::kiln {

namespace {

// A polygon leaves the ear cutting with at most this many vertices.
constexpr int kMaxKeptVertices = 10;

struct Vec3 {
    float x, y, z;
};

Vec3 vertexAt(const KilnState& k, std::int32_t v) {
    const auto i = static_cast<std::size_t>(v);
    return {k.x[i], k.y[i], k.z[i]};
}

Vec3 minus(const Vec3& p, const Vec3& q) {
    return {p.x - q.x, p.y - q.y, p.z - q.z};
}

// The corner vector e1 x e2, written out as the cutting has always computed it.
Vec3 cornerVector(const Vec3& e1, const Vec3& e2) {
    return {e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
}

float dot(const Vec3& p, const Vec3& q) {
    return p.x * q.x + p.y * q.y + p.z * q.z;
}

// The working lists of the polygon being cut.
struct Outline {
    ReadVertexList& vertices;
    ReadCoordList& tx;
    ReadCoordList& ty;
    int n;
};

// Fills `reflex` with the vertex number at every reflex position and -1
// elsewhere; returns whether any position is reflex.
bool findReflex(const KilnState& k, const Outline& o, ReadVertexList& reflex) {
    std::array<Vec3, kMaxReadVertices> corner{};
    Vec3 total{0, 0, 0};
    for (int i = 0; i < o.n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const Vec3 here = vertexAt(k, o.vertices[u]);
        const Vec3 prev = vertexAt(k, o.vertices[static_cast<std::size_t>((i + o.n - 1) % o.n)]);
        const Vec3 next = vertexAt(k, o.vertices[static_cast<std::size_t>((i + 1) % o.n)]);
        corner[u] = cornerVector(minus(next, here), minus(prev, next));
        total = {total.x + corner[u].x, total.y + corner[u].y, total.z + corner[u].z};
    }
    bool any = false;
    for (int i = 0; i < o.n; ++i) {
        const auto u = static_cast<std::size_t>(i);
        const bool isReflex = signum(dot(total, corner[u])) == -1;
        reflex[u] = isReflex ? o.vertices[u] : -1;
        any = any || isReflex;
    }
    return any;
}

std::array<std::int32_t, 3> earAt(const Outline& o, int pos) {
    return {o.vertices[static_cast<std::size_t>((pos + o.n - 1) % o.n)],
            o.vertices[static_cast<std::size_t>(pos)],
            o.vertices[static_cast<std::size_t>((pos + 1) % o.n)]};
}

// The first non-reflex position whose triangle holds no reflex vertex, or -1.
int findEar(const KilnState& k, const Outline& o, const ReadVertexList& reflex) {
    for (int pos = 0; pos < o.n; ++pos) {
        if (reflex[static_cast<std::size_t>(pos)] != -1) continue;
        if (EarTest(k, earAt(o, pos), reflex.data(), o.n) == 1) return pos;
    }
    return -1;
}

// Where to cut when no ear exists (a polygon that crosses itself): the first
// convex position, else position 0.
int forcedEar(const Outline& o, const ReadVertexList& reflex) {
    for (int pos = 0; pos < o.n; ++pos)
        if (reflex[static_cast<std::size_t>(pos)] == -1) return pos;
    return 0;
}

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
    for (int m = 0; m < MAX; ++m) {
        if (ReflexIndex[m] == -1) continue;
        const Vec3 r = vertexAt(k, ReflexIndex[m]);
        std::array<Vec3, 3> edge{};
        Vec3 sum{0, 0, 0};
        for (std::size_t j = 0; j < 3; ++j) {
            const Vec3 tj = vertexAt(k, triVert[j]);
            const Vec3 tnext = vertexAt(k, triVert[(j + 1) % 3]);
            edge[j] = cornerVector(minus(tj, r), minus(r, tnext));
            sum = {sum.x + edge[j].x, sum.y + edge[j].y, sum.z + edge[j].z};
        }
        // Inside: on the inner side of all three edges. A reflex vertex lying
        // on an edge (inner side of the other two) blocks the ear as well:
        // that edge would run along the outline, and the rest of the polygon
        // would touch itself there, so later ears could reach outside it.
        int innerSides = 0;
        bool outside = false;
        for (std::size_t j = 0; j < 3; ++j) {
            const int side = signum(dot(sum, edge[j]));
            innerSides += side == 1 ? 1 : 0;
            outside = outside || side == -1;
        }
        if (!outside && innerSides >= 2) return 0;
    }
    return 1;
}

int ConcaveProcess(KilnState& k, int polyNum, ReadVertexList& vertlist, ReadCoordList& tvertxlist,
                   ReadCoordList& tvertylist) {
    const int count = polygonSlot(k, polyNum).polyVertexCount;
    if (count > kMaxReadVertices) throw CapacityError("polygon vertex", kMaxReadVertices);
    Outline o{vertlist, tvertxlist, tvertylist, count};
    int cut = 0;
    ReadVertexList reflex{};
    while (o.n > 3) {
        const bool anyReflex = findReflex(k, o, reflex);
        if (!anyReflex && o.n <= kMaxKeptVertices) break;
        int pos = findEar(k, o, reflex);
        if (pos < 0) {
            // No ear: a concave rest may stay, but the record holds at most 11
            // vertices, so a larger rest keeps losing triangles until it fits.
            if (o.n <= kMaxKeptVertices) break;
            pos = forcedEar(o, reflex);
        }
        cutEar(k, polyNum, o, pos);
        cut = 1;
    }
    return cut;
}

} // namespace meshsmith::kiln
