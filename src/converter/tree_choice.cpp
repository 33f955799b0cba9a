// Building up to three candidate trees and keeping the best.

#include "tree_choice.hpp"

#include "bsp_builder.hpp"

#include <utility>
#include <vector>

namespace meshsmith::kiln {

namespace {

// The tables a build changes: polygons with their e values, and the vertices
// it added after `firstVertex`. The plane and string tables are not kept.
struct BuildState {
    std::vector<poly> polygons;
    std::vector<std::int32_t> e;
    std::vector<float> x, y, z;
    std::int32_t polyCount = 0, vertCount = 0, nodeCount = 0;
    node* root = nullptr;
};

template <typename T>
std::vector<T> head(const std::vector<T>& table, std::int32_t from, std::int32_t to) {
    return std::vector<T>(table.begin() + from, table.begin() + to);
}

template <typename T>
void putBack(std::vector<T>& table, std::int32_t from, const std::vector<T>& saved) {
    std::copy(saved.begin(), saved.end(), table.begin() + from);
}

BuildState capture(const KilnState& k, std::int32_t firstVertex, node* root) {
    BuildState s;
    s.polygons = head(k.polygon, 0, k.polyCount);
    s.e = head(k.e, 0, k.polyCount);
    s.x = head(k.x, firstVertex, k.vertCount);
    s.y = head(k.y, firstVertex, k.vertCount);
    s.z = head(k.z, firstVertex, k.vertCount);
    s.polyCount = k.polyCount;
    s.vertCount = k.vertCount;
    s.nodeCount = k.nodeCount;
    s.root = root;
    return s;
}

void restore(KilnState& k, std::int32_t firstVertex, const BuildState& s) {
    putBack(k.polygon, 0, s.polygons);
    putBack(k.e, 0, s.e);
    putBack(k.x, firstVertex, s.x);
    putBack(k.y, firstVertex, s.y);
    putBack(k.z, firstVertex, s.z);
    k.polyCount = s.polyCount;
    k.vertCount = s.vertCount;
    k.nodeCount = s.nodeCount;
}

using Builder = node* (*)(KilnState&, int, int, node*);

node* build(KilnState& k, Builder builder, int rootPlane, CandidateTree& result) {
    k.nodeCount = 0;
    node* root = builder(k, rootPlane, kRootParentValue, &k.rootParent);
    result = {k.polyCount, k.vertCount, k.nodeCount};
    return root;
}

// Fewer polygons, then fewer nodes.
bool strictlyBetter(const CandidateTree& a, const CandidateTree& b) {
    return a.polygons < b.polygons || (a.polygons == b.polygons && a.nodes < b.nodes);
}

} // namespace

RootPlanes chooseRootPlanes(KilnState& k) {
    SortPlanes(k);
    FindClippers(k);
    RootPlanes r;
    for (int p = 0; p < k.planeCount; ++p) {
        if (PlaneQuality(k, p) > PlaneQuality(k, r.bestRoot)) r.bestRoot = p;
        if (PlaneQuality2(k, p) > PlaneQuality2(k, r.bestRoot2)) r.bestRoot2 = p;
    }
    return r;
}

TreeChoice chooseTree(KilnState& k, const RootPlanes& roots) {
    TreeChoice choice;
    auto& [one, two, three] = choice.candidates;
    const std::int32_t origPolyCount = k.polyCount, origVertCount = k.vertCount;
    const BuildState snapshot = capture(k, origVertCount, nullptr);

    node* rootOne = build(k, createLR, roots.bestRoot, one);
    choice.root = rootOne;
    choice.built = choice.written = 1;
    if (origPolyCount >= kOneTreeLimit) return choice;

    BuildState treeOne = capture(k, origVertCount, rootOne);
    restore(k, origVertCount, snapshot);
    node* rootTwo = build(k, createRL, roots.bestRoot, two);
    choice.built = 2;
    if (origPolyCount >= kTwoTreeLimit) {
        if (strictlyBetter(one, two)) {
            restore(k, origVertCount, treeOne);
            choice.root = rootOne;
        } else {
            choice.root = rootTwo;
            choice.written = 2;
        }
        return choice;
    }

    const bool twoIsReference = strictlyBetter(two, one);
    const BuildState reference =
        twoIsReference ? capture(k, origVertCount, rootTwo) : std::move(treeOne);
    const CandidateTree referenceCounts = twoIsReference ? two : one;
    restore(k, origVertCount, snapshot);
    node* rootThree = build(k, create2, roots.bestRoot2, three);
    choice.built = 3;
    if (strictlyBetter(referenceCounts, three)) {
        restore(k, origVertCount, reference);
        choice.root = reference.root;
        choice.written = twoIsReference ? 2 : 1;
    } else {
        choice.root = rootThree;
        choice.written = 3;
    }
    return choice;
}

} // namespace meshsmith::kiln
