#pragma once
// The BSP builder: planes of the polygons, root plane scoring, and the three
// tree builders with their splitting of straddling polygons.

#include "kiln_state.hpp"

namespace meshsmith::kiln {

// Finds the planes of polygons firstPoly .. lastPoly-1, appending new planes
// from firstPlane on, and sets their inPlane and e (degenerate: e = -1).
void FindPlanes(KilnState& k, int firstPoly, int lastPoly, int firstPlane);

// Root statistics f and g of every plane.
void SortPlanes(KilnState& k);
int PlaneQuality(const KilnState& k, int planeNum);
int PlaneQuality2(const KilnState& k, int planeNum);
// Raises f of the planes of clipper polygons by 10000; 0 when there is no clipper texture, else 1.
int FindClippers(KilnState& k);

// Split count of candidate plane `planeNum` (supplied by polygon `polyNum`) for
// a child of `treeNode`; -1 for a clipper plane.
int numCutPolys(const KilnState& k, int polyNum, int planeNum, const node* treeNode);

// 1 when polyTwo is the exact reverse of polyOne.
int find_0xa(const KilnState& k, int polyOne, int polyTwo);

// Build the subtree for plane nodeVal and return its node, or nullptr when
// nodeVal is -1. Every call adds one to nodeCount, including a call for -1.
// The root is built with parentVal kRootParentValue and parentNode &k.rootParent.
node* createLR(KilnState& k, int nodeVal, int parentVal, node* parentNode);
node* createRL(KilnState& k, int nodeVal, int parentVal, node* parentNode);
node* create2(KilnState& k, int nodeVal, int parentVal, node* parentNode);

// Splits straddling polygon polyNum by plane planeNum into two.
void PolySplit(KilnState& k, int polyNum, int planeNum);

} // namespace meshsmith::kiln
