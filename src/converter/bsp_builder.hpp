#pragma once
// The BSP builder: planes of the polygons, root plane scoring, and the three
// tree builders with their splitting of straddling polygons.

#include "kiln_state.hpp"
#include "vertex_merge.hpp"

#include <utility>
#include <vector>

namespace meshsmith::kiln {

// Finds the planes of polygons firstPoly .. lastPoly-1, appending new planes
// from firstPlane on (planeCount becomes firstPlane first), and sets their
// inPlane (the lowest plane each lies in, -1 for none) and e (degenerate:
// every vertex triple collinear, e = -1). A polygon that is not flat keeps the
// plane of its first non-collinear triple in the table but may lie in no
// plane. Throws CapacityError when a new plane finds the table full.
void FindPlanes(KilnState& k, int firstPoly, int lastPoly, int firstPlane);
// What FindPlanes over each range in turn would do, the first from
// firstPlane on and every later one from the planeCount the one before left.
// The ranges must not overlap.
void FindPlanesInTurn(KilnState& k, const std::vector<std::pair<int, int>>& ranges, int firstPlane);

// Root statistics of every plane: f = over the live polygons in the plane,
// the number of planes straddling them; g = the live polygons it straddles.
void SortPlanes(KilnState& k);
int PlaneQuality(const KilnState& k, int planeNum);
int PlaneQuality2(const KilnState& k, int planeNum);
// Raises f of the planes of clipper polygons by 10000; 0 when there is no clipper texture, else 1.
int FindClippers(KilnState& k);

// Split count of candidate plane `planeNum` (supplied by polygon `polyNum`) for
// a child of `treeNode`; -1 for a clipper plane (f above 10000).
int numCutPolys(const KilnState& k, int polyNum, int planeNum, const node* treeNode);

// 1 when polyTwo is the exact reverse of polyOne.
int find_0xa(const KilnState& k, int polyOne, int polyTwo);

// Build the subtree for plane nodeVal and return its node, or nullptr when
// nodeVal is -1. Every call adds one to nodeCount, including a call for -1;
// children are built only for planes found. The root is built with parentVal
// kRootParentValue and parentNode &k.rootParent. Polygons are split, placed
// (e = -1) and triangulated as they go; a polygon that cannot be split
// cleanly is dropped with the "still straddles" line on standard output.
// Throws CapacityError when a table is full, std::out_of_range for a plane
// number outside the table.
node* createLR(KilnState& k, int nodeVal, int parentVal, node* parentNode);
node* createRL(KilnState& k, int nodeVal, int parentVal, node* parentNode);
node* create2(KilnState& k, int nodeVal, int parentVal, node* parentNode);

// Splits straddling polygon polyNum by plane planeNum into two: piece A is
// appended live, piece B takes the slot. Only the first two cut points are
// used (a polygon that is not convex may cross more often); a piece of more
// than 10 vertices is stored as its fan of triangles, so no record ever holds
// more than 11 vertices; a piece without area is not kept. A piece that still
// straddles the plane, or a polygon without two cut points, is discarded with
// "ERROR! poly %d still straddles plane %d after split. removing...\n".
void PolySplit(KilnState& k, int polyNum, int planeNum);
// The same with the new points merged through `points`, a merger of
// tolerance kSamePoint over the vertex table.
void PolySplit(KilnState& k, int polyNum, int planeNum, VertexMerger& points);

// New points of a split this close to an existing vertex on every axis are that vertex.
inline constexpr double kSamePoint = 1e-6;

} // namespace meshsmith::kiln
