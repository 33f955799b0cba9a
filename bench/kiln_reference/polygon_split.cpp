// Splitting a polygon that straddles a node's plane into two pieces.

#include "bsp_builder.hpp"
#include "plane_tests.hpp"
#include "polygon_corners.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace meshsmith::kiln {

namespace {

// A piece of more vertices than this is fan-triangulated before it is stored.
constexpr int kMaxPieceVertices = 10;
// A vertex this close to the plane is itself a cut point.
constexpr double kOnPlane = 0.001;
// New points this close to an existing vertex on every axis are that vertex.
constexpr double kSamePoint = 1e-6;

// A cut point: an existing vertex (at = its position) or a new point on the
// edge from position `at` to the next.
struct CutPoint {
    bool isNew = false;
    int at = 0;
    Corner corner;
};

struct Cuts {
    std::array<CutPoint, 2> points;
    int count = 0;
};

float distanceTo(const KilnState& k, std::int32_t vertex, int planeNum) {
    const auto v = static_cast<std::size_t>(vertex), p = static_cast<std::size_t>(planeNum);
    return k.a[p] * k.x[v] + k.b[p] * k.y[v] + k.c[p] * k.z[v] + k.d[p];
}

std::int32_t vertexNear(KilnState& k, float px, float py, float pz) {
    for (std::int32_t v = 0; v < k.vertCount; ++v) {
        const auto i = static_cast<std::size_t>(v);
        if (std::fabs(k.x[i] - px) <= kSamePoint && std::fabs(k.y[i] - py) <= kSamePoint &&
            std::fabs(k.z[i] - pz) <= kSamePoint)
            return v;
    }
    return appendVertex(k, px, py, pz);
}

float between(float from, float to, float t) {
    return (1 - t) * from + t * to;
}

std::uint8_t colourBetween(std::uint8_t from, std::uint8_t to, float t) {
    const float c = between(from, to, t);
    // The fraction is dropped; the clamp only guards rounding at the ends.
    return static_cast<std::uint8_t>(std::clamp(c, 0.0f, 255.0f));
}

// The point where the edge from corner ci (distance di) to cj (dj) meets the plane.
Corner crossing(KilnState& k, const Corner& ci, const Corner& cj, float di, float dj) {
    float t = di / (di - dj);
    // Distances so large that they overflowed give no usable fraction.
    if (!std::isfinite(t)) t = 0.5f;
    t = std::clamp(t, 0.0f, 1.0f);
    const auto vi = static_cast<std::size_t>(ci.vertex), vj = static_cast<std::size_t>(cj.vertex);
    Corner c;
    c.vertex = vertexNear(k, between(k.x[vi], k.x[vj], t), between(k.y[vi], k.y[vj], t),
                          between(k.z[vi], k.z[vj], t));
    c.tx = between(ci.tx, cj.tx, t);
    c.ty = between(ci.ty, cj.ty, t);
    c.red = colourBetween(ci.red, cj.red, t);
    c.green = colourBetween(ci.green, cj.green, t);
    c.blue = colourBetween(ci.blue, cj.blue, t);
    c.alpha = colourBetween(ci.alpha, cj.alpha, t);
    return c;
}

// Cut points of the crossing edges; only the first two are kept, so a polygon
// that is not convex creates no vertices beyond them.
Cuts crossingCuts(KilnState& k, const poly& src, const std::vector<float>& dist) {
    Cuts cuts;
    const int n = cornerCount(src);
    int taken[2] = {-1, -1}, takenCount = 0, firstNewEdge = -1;
    const auto canTake = [&](int pos) {
        return takenCount < 2 && pos != taken[0] && pos != taken[1] && pos != firstNewEdge;
    };
    const auto take = [&](int pos) {
        taken[takenCount++] = pos;
        cuts.points[static_cast<std::size_t>(cuts.count++)] =
            CutPoint{false, pos, cornerOf(src, pos)};
    };
    for (int i = 0; i < n && cuts.count < 2; ++i) {
        const int j = (i + 1) % n;
        const float di = dist[static_cast<std::size_t>(i)], dj = dist[static_cast<std::size_t>(j)];
        const int si = signum(di), sj = signum(dj);
        if (si == 0 || sj == 0 || si == sj) continue;
        if (std::fabs(di) <= kOnPlane && canTake(i)) {
            take(i);
        } else if (std::fabs(dj) <= kOnPlane && canTake(j)) {
            take(j);
        } else {
            if (firstNewEdge < 0) firstNewEdge = i;
            const Corner c = crossing(k, cornerOf(src, i), cornerOf(src, j), di, dj);
            cuts.points[static_cast<std::size_t>(cuts.count++)] = CutPoint{true, i, c};
        }
    }
    return cuts;
}

// Fewer than two crossings: the vertices in the plane, in order, make up the rest.
void addVerticesInPlane(const poly& src, const std::vector<float>& dist, Cuts& cuts) {
    for (int pos = 0; pos < cornerCount(src) && cuts.count < 2; ++pos) {
        if (signum(dist[static_cast<std::size_t>(pos)]) != 0) continue;
        if (cuts.count == 1 && !cuts.points[0].isNew && cuts.points[0].at == pos) continue;
        cuts.points[static_cast<std::size_t>(cuts.count++)] =
            CutPoint{false, pos, cornerOf(src, pos)};
    }
}

// The two pieces: A runs from V0 to the first cut point and on from the
// second; B runs between them (starting after C1 when both cut points are new).
void makePieces(const poly& src, const Cuts& cuts, Corners& pieceA, Corners& pieceB) {
    Corners boundary;
    int at[2] = {-1, -1};
    for (int pos = 0; pos < cornerCount(src); ++pos) {
        for (std::size_t c = 0; c < 2; ++c)
            if (!cuts.points[c].isNew && cuts.points[c].at == pos)
                at[c] = static_cast<int>(boundary.size());
        boundary.push_back(cornerOf(src, pos));
        for (std::size_t c = 0; c < 2; ++c) {
            if (!cuts.points[c].isNew || cuts.points[c].at != pos) continue;
            at[c] = static_cast<int>(boundary.size());
            boundary.push_back(cuts.points[c].corner);
        }
    }
    const auto p1 = static_cast<std::size_t>(std::min(at[0], at[1]));
    const auto p2 = static_cast<std::size_t>(std::max(at[0], at[1]));
    pieceA.assign(boundary.begin(), boundary.begin() + static_cast<std::ptrdiff_t>(p1) + 1);
    pieceA.insert(pieceA.end(), boundary.begin() + static_cast<std::ptrdiff_t>(p2), boundary.end());
    const bool bothNew = cuts.points[0].isNew && cuts.points[1].isNew;
    const std::size_t from = bothNew ? p1 + 1 : p1;
    pieceB.assign(boundary.begin() + static_cast<std::ptrdiff_t>(from),
                  boundary.begin() + static_cast<std::ptrdiff_t>(p2) + 1);
    if (bothNew) pieceB.push_back(boundary[p1]);
}

void storeRecord(KilnState& k, const poly& record, int slot) {
    if (slot >= 0)
        k.polygon[static_cast<std::size_t>(slot)] = record;
    else
        appendPolygon(k, record);
}

// Stores a piece in `slot`, or appends it when slot is -1. A piece of more
// than 10 vertices is stored as its fan (collinear triangles left out): the
// last triangle in the piece's place, the others appended live, as
// Triangulate leaves a stored piece, but without ever holding more than 11
// vertices in a record. A piece without area is not kept: appended nothing,
// or in its slot discarded.
void storePiece(KilnState& k, const poly& src, const Corners& piece, int slot) {
    const int n = static_cast<int>(piece.size());
    std::vector<Triangle> fan;
    if (n > kMaxPieceVertices) fan = fanTriangles(k, piece, 1);
    const bool fits = n >= 3 && n <= kMaxPolyVertices;
    if (n >= 3 && (n <= kMaxPieceVertices || (fan.empty() && fits))) {
        storeRecord(k, recordFrom(src, piece.data(), n), slot);
        return;
    }
    if (fan.empty()) {
        if (slot >= 0) k.e[static_cast<std::size_t>(slot)] = -1;
        return;
    }
    storeRecord(k, recordFrom(src, fan.back().data(), 3), slot);
    for (std::size_t t = 0; t + 1 < fan.size(); ++t)
        appendPolygon(k, recordFrom(src, fan[t].data(), 3));
}

// A piece that left its plane finds a new one; one that still straddles is dropped.
void checkPiece(KilnState& k, int p, int planeNum) {
    const auto u = static_cast<std::size_t>(p);
    if (k.e[u] != 0) return;
    const int inPlane = k.polygon[u].inPlane;
    if (inPlane < 0 || PolyPlaneREL(k, p, inPlane) != 0) FindPlanes(k, p, p + 1, k.planeCount);
    if (k.e[u] == 0 && PolyPlaneREL(k, p, planeNum) == kStraddles) {
        std::printf("ERROR! poly %d still straddles plane %d after split. removing...\n", p,
                    planeNum);
        k.e[u] = -1;
    }
}

} // namespace

void PolySplit(KilnState& k, int polyNum, int planeNum) {
    const poly src = k.polygon.at(static_cast<std::size_t>(polyNum));
    std::vector<float> dist;
    for (int pos = 0; pos < cornerCount(src); ++pos)
        dist.push_back(distanceTo(k, src.vertexList[static_cast<std::size_t>(pos)], planeNum));
    Cuts cuts = crossingCuts(k, src, dist);
    if (cuts.count < 2) addVerticesInPlane(src, dist, cuts);
    if (cuts.count < 2) {
        // No line to cut along: the polygon cannot be split and is dropped.
        std::printf("ERROR! poly %d still straddles plane %d after split. removing...\n", polyNum,
                    planeNum);
        k.e[static_cast<std::size_t>(polyNum)] = -1;
        return;
    }
    Corners pieceA, pieceB;
    makePieces(src, cuts, pieceA, pieceB);
    const int countBefore = k.polyCount;
    storePiece(k, src, pieceA, -1);
    storePiece(k, src, pieceB, polyNum);
    if (k.polyCount > countBefore) checkPiece(k, k.polyCount - 1, planeNum);
    checkPiece(k, polyNum, planeNum);
}

} // namespace meshsmith::kiln
