#pragma once
// The choice among up to three candidate BSP trees: tree one (front subtree
// first), tree two (back subtree first) and tree three (cheaper side first,
// from the second root plane). Big objects try fewer trees, as every build is
// at least quadratic in the polygon count.

#include "kiln_state.hpp"

#include <array>

namespace meshsmith::kiln {

// From this many polygons only tree one is built.
inline constexpr int kOneTreeLimit = 350;
// From this many polygons trees one and two are built; below it all three.
inline constexpr int kTwoTreeLimit = 250;

// The two root planes: bestRoot scores best by PlaneQuality, bestRoot2 by
// PlaneQuality2; ties keep the lower plane number, both start at plane 0.
struct RootPlanes {
    int bestRoot = 0;
    int bestRoot2 = 0;
};

// Computes the plane statistics (SortPlanes), gives clipper planes priority
// (FindClippers) and picks the root planes. With no plane at all both are 0.
RootPlanes chooseRootPlanes(KilnState& k);

// What a build left: its polygon, vertex and node counts.
struct CandidateTree {
    int polygons = 0;
    int vertices = 0;
    int nodes = 0;
};

struct TreeChoice {
    node* root = nullptr; // the root of the tree whose tables are current
    int built = 0;        // trees built: 1, 2 or 3
    int written = 0;      // the tree kept: 1, 2 or 3
    std::array<CandidateTree, 3> candidates{};
};

// Builds tree one with createLR(bestRoot); below kOneTreeLimit polygons tree
// two with createRL(bestRoot), below kTwoTreeLimit tree three with
// create2(bestRoot2), each from the state before the first build (polygons,
// their e values, polyCount and vertCount; planes that a build added stay).
// A tree is better with fewer polygons, then fewer nodes; from kTwoTreeLimit
// on tree two wins ties with tree one, below it tree one stays the reference
// and tree three wins ties with the reference. On return the polygon table,
// e, polyCount, vertCount, nodeCount and the added vertices are those of the
// tree kept. Throws CapacityError when a build fills a table.
TreeChoice chooseTree(KilnState& k, const RootPlanes& roots);

} // namespace meshsmith::kiln
