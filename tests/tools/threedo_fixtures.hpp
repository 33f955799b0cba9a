#pragma once
// Small 3DO files that the inspector's and the viewer's tests share: one
// node, two nodes, a polygon filed in a group of either side.

#include "threedo_compose.hpp"

namespace meshsmith::test {

// One quad in the plane z = 0, facing up, under one leaf node:
// data 4 polygon, 68 texture group "wall", 88 node type 6 (the root).
inline ThreeDoParts singleNodeParts() {
    ThreeDoParts parts;
    parts.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    parts.planes = {{0, 0, 1, 0}};
    parts.strings = {"wall"};
    parts.prim.i32(88).append(polygonRecord({0, 1, 2, 3}));
    parts.prim.ints({5, 4, 5, 0, 3}).ints({6, 0, 68});
    return parts;
}

// The single-node file plus one collision volume of 3 planes from data offset
// 100 and HAND naming "collision".
inline ThreeDoParts collisionParts() {
    ThreeDoParts parts = singleNodeParts();
    parts.strings.push_back("collision");
    parts.prim.ints({4, 1, 112}).ints({4, 3, 132, 156, 180});
    for (const std::int32_t at : {132, 156, 180})
        parts.prim.ints({6, 0, at + 12, 16, 1, 2});
    parts.hand = {{5, 100}};
    return parts;
}

// A root node (type 9, plane z = 0, its own quad) with one child leaf holding a
// quad in the plane x = 0.5 that runs from z = zLow to z = zHigh. The child is
// the front (left) or back (right) subtree. Child leaf at 88, root at 184.
inline ThreeDoParts twoNodeParts(float zLow, float zHigh, bool childInFront) {
    ThreeDoParts parts = singleNodeParts();
    parts.vertices.insert(parts.vertices.end(),
                          {{0.5f, 0, zLow}, {0.5f, 1, zLow}, {0.5f, 1, zHigh}, {0.5f, 0, zHigh}});
    parts.planes.push_back({1, 0, 0, -0.5f});
    parts.prim = LeBytes{};
    parts.prim.i32(184).append(polygonRecord({4, 5, 6, 7})).ints({5, 4, 5, 0, 3}).ints({6, 1, 68});
    parts.prim.append(polygonRecord({0, 1, 2, 3})).ints({5, 100, 5, 0, 3});
    parts.prim.ints({9, 0, childInFront ? 88 : -1, 164, childInFront ? -1 : 88});
    return parts;
}

// The single node with its polygon's corners in `order` (vertex 4 lies 0.001
// beside vertex 1, for a sliver), filed in the front group of a type 6 node
// or the back group of a type 7 node.
inline std::vector<std::uint8_t> singleNodeFacing(const std::vector<std::int32_t>& order,
                                                  bool back) {
    ThreeDoParts parts = singleNodeParts();
    parts.vertices.push_back({1, 0.001f, 0});
    const LeBytes polygon = polygonRecord(order);
    const std::int32_t group = 4 + polygon.size(), node = group + 20;
    parts.prim = LeBytes{};
    parts.prim.i32(node).append(polygon).ints({5, 4, 5, 0, 3});
    if (back)
        parts.prim.ints({7, 0, -1, group});
    else
        parts.prim.ints({6, 0, group});
    return assemble(parts);
}

} // namespace meshsmith::test
