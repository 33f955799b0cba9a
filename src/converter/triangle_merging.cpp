// Merging pairs of 3ds Max triangles back into quads.

#include "plane_tests.hpp"
#include "polygon_corners.hpp"
#include "polygon_preparation.hpp"

#include <cmath>

namespace meshsmith::kiln {

namespace {

// The two shared vertices of a pair of triangles: their positions in each.
struct SharedEdge {
    int first1 = -1, second1 = -1; // positions in the first triangle, in its order
    int first2 = -1, second2 = -1; // positions of the same vertices in the second
};

const poly& polygonAt(const KilnState& k, int p) {
    return k.polygon[static_cast<std::size_t>(p)];
}

int positionOf(const poly& p, std::int32_t vertex) {
    for (int i = 0; i < 3; ++i)
        if (p.vertexList[static_cast<std::size_t>(i)] == vertex) return i;
    return -1;
}

// Exactly two shared vertex numbers (test 1, first half).
bool findSharedEdge(const poly& t1, const poly& t2, SharedEdge& s) {
    int shared = 0;
    for (int i = 0; i < 3; ++i) {
        const int j = positionOf(t2, t1.vertexList[static_cast<std::size_t>(i)]);
        if (j < 0) continue;
        ++shared;
        if (shared == 1) {
            s.first1 = i;
            s.first2 = j;
        } else if (shared == 2) {
            s.second1 = i;
            s.second2 = j;
        }
    }
    return shared == 2;
}

bool sameTexturePoint(const poly& t1, int i, const poly& t2, int j) {
    const auto u = static_cast<std::size_t>(i), w = static_cast<std::size_t>(j);
    return std::fabs(t1.tvertx[u] - t2.tvertx[w]) < 0.001 &&
           std::fabs(t1.tverty[u] - t2.tverty[w]) < 0.001;
}

float squaredLength(const KilnState& k, std::int32_t v1, std::int32_t v2) {
    const auto i = static_cast<std::size_t>(v1), j = static_cast<std::size_t>(v2);
    const float dx = k.x[j] - k.x[i], dy = k.y[j] - k.y[i], dz = k.z[j] - k.z[i];
    return dx * dx + dy * dy + dz * dz;
}

float edgeSum(const KilnState& k, const poly& t) {
    const auto& v = t.vertexList;
    return squaredLength(k, v[0], v[1]) + squaredLength(k, v[1], v[2]) +
           squaredLength(k, v[2], v[0]);
}

// The edge between positions i and j is longer than both other edges.
bool sharedEdgeLongest(const KilnState& k, const poly& t, int i, int j) {
    const int other = 3 - i - j;
    const auto& v = t.vertexList;
    const auto at = [&](int pos) { return v[static_cast<std::size_t>(pos)]; };
    const float shared = squaredLength(k, at(i), at(j));
    return shared > squaredLength(k, at(i), at(other)) &&
           shared > squaredLength(k, at(j), at(other));
}

// The signed texture-space area (tu - t1) x (t2 - t1).
float textureArea(const poly& t, int i1, int i2) {
    const auto p1 = static_cast<std::size_t>(i1), p2 = static_cast<std::size_t>(i2),
               pu = static_cast<std::size_t>(3 - i1 - i2);
    return (t.tvertx[pu] - t.tvertx[p1]) * (t.tverty[p2] - t.tverty[p1]) -
           (t.tverty[pu] - t.tverty[p1]) * (t.tvertx[p2] - t.tvertx[p1]);
}

bool similarSize(const KilnState& k, const poly& t1, const poly& t2) {
    const float l1 = edgeSum(k, t1), l2 = edgeSum(k, t2);
    if (!(l2 > 0)) return false;
    return std::fabs(l1 - l2) / l2 * 100 < 0.1;
}

bool mirroredTexture(const poly& t1, const poly& t2, const SharedEdge& s) {
    const float a1 = textureArea(t1, s.first1, s.second1);
    const float a2 = textureArea(t2, s.first2, s.second2);
    if (a1 == 0) return false;
    const float ratio = -a2 / a1;
    return ratio > 0.99 && ratio < 1.01;
}

bool coloursAgree(const KilnState& k, int p1, int p2, const SharedEdge& s) {
    const poly &t1 = polygonAt(k, p1), &t2 = polygonAt(k, p2);
    if (t1.flav == 0 && t2.flav == 0) return true;
    return t1.flav == 1 && t2.flav == 1 && ColorMatch(k, p1, s.first1, p2, s.first2) == 1 &&
           ColorMatch(k, p1, s.second1, p2, s.second2) == 1;
}

// Tests 1 to 6 of a pair of triangles.
bool mergeable(const KilnState& k, int p1, int p2, SharedEdge& s) {
    const poly &t1 = polygonAt(k, p1), &t2 = polygonAt(k, p2);
    // Only triangles are merged, and only over a plane that exists.
    if (t1.polyVertexCount != 3 || t2.polyVertexCount != 3) return false;
    if (!findSharedEdge(t1, t2, s)) return false;
    if (!sameTexturePoint(t1, s.first1, t2, s.first2) ||
        !sameTexturePoint(t1, s.second1, t2, s.second2))
        return false;
    if (t1.inPlane != t2.inPlane || t1.inPlane < 0 || t1.stringNum != t2.stringNum) return false;
    if (!similarSize(k, t1, t2)) return false;
    if (!sharedEdgeLongest(k, t1, s.first1, s.second1) ||
        !sharedEdgeLongest(k, t2, s.first2, s.second2))
        return false;
    if (!mirroredTexture(t1, t2, s)) return false;
    if (!coloursAgree(k, p1, p2, s)) return false;
    return Orientation(k, p1) == Orientation(k, p2);
}

// The quad: tri1's boundary from its first vertex, with tri2's unshared
// vertex between the two shared ones.
poly quadOf(const KilnState& k, int tri1, int tri2, std::int32_t shared1, std::int32_t shared2) {
    const poly &t1 = polygonAt(k, tri1), &t2 = polygonAt(k, tri2);
    int unshared = 0;
    for (int j = 0; j < 3; ++j) {
        const std::int32_t v = t2.vertexList[static_cast<std::size_t>(j)];
        if (v != shared1 && v != shared2) unshared = j;
    }
    const auto isShared = [&](int i) {
        const std::int32_t v = t1.vertexList[static_cast<std::size_t>(i % 3)];
        return v == shared1 || v == shared2;
    };
    Corner corners[4];
    int n = 0;
    for (int i = 0; i < 3; ++i) {
        corners[n++] = cornerOf(t1, i);
        if (i < 2 && isShared(i) && isShared(i + 1)) corners[n++] = cornerOf(t2, unshared);
    }
    // Shared vertices at positions 2 and 0: the new vertex closes the boundary.
    if (n == 3) corners[n++] = cornerOf(t2, unshared);
    return recordFrom(t1, corners, 4);
}

// Puts the quad in place of `p` when it lies in its plane; otherwise `p` is left as it was.
bool replaceWhenFlat(KilnState& k, int p, const poly& quad) {
    poly& slot = k.polygon[static_cast<std::size_t>(p)];
    const poly saved = slot;
    slot = quad;
    if (PolyPlaneREL(k, p, quad.inPlane) == 0) return true;
    slot = saved;
    return false;
}

} // namespace

int ColorMatch(const KilnState& k, int poly1, int pos1, int poly2, int pos2) {
    const Corner c1 = cornerOf(polygonAt(k, poly1), pos1), c2 = cornerOf(polygonAt(k, poly2), pos2);
    return c1.red == c2.red && c1.blue == c2.blue && c1.green == c2.green && c1.alpha == c2.alpha
               ? 1
               : 0;
}

int FindAdj2(KilnState& k, int polyNum) {
    mergeWithLaterTriangle(k, polyNum);
    return 0;
}

int mergeWithLaterTriangle(KilnState& k, int polyNum) {
    for (int j = polyNum + 1; j < k.polyCount; ++j) {
        SharedEdge s;
        if (!mergeable(k, polyNum, j, s)) continue;
        const poly& t1 = polygonAt(k, polyNum);
        const poly quad = quadOf(k, polyNum, j, t1.vertexList[static_cast<std::size_t>(s.first1)],
                                 t1.vertexList[static_cast<std::size_t>(s.second1)]);
        // The quad is built aside rather than in the slot past the table, so a
        // full table can still merge; a quad that is not flat is dropped.
        if (!replaceWhenFlat(k, polyNum, quad)) continue;
        const auto last = static_cast<std::size_t>(k.polyCount - 1);
        k.polygon[static_cast<std::size_t>(j)] = k.polygon[last];
        k.e[static_cast<std::size_t>(j)] = k.e[last];
        --k.polyCount;
        return j;
    }
    return -1;
}

} // namespace meshsmith::kiln
