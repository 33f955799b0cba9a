#pragma once
// Reading back and checking a built BSP tree in tests.

#include "converter/bsp_builder.hpp"
#include "converter/kiln_state.hpp"

#include <array>
#include <map>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

// The nodes of the tree in preorder (node, front subtree, back subtree).
std::vector<const node*> nodesOf(const node* root);

// The polygons listed in a node (between the head item and the end item).
std::vector<int> listedPolygons(const node* n);

// Twice the vector area of polygon p (its corners in boundary order), and its length.
std::array<double, 3> vectorArea(const KilnState& k, int p);
double polygonArea(const KilnState& k, int p);

// The total area per texture (stringNum) of the given polygons.
std::map<int, double> areaByTexture(const KilnState& k, const std::vector<int>& polygons);
// ... of every live polygon.
std::map<int, double> liveAreaByTexture(const KilnState& k);

// The three tree builders, each with the root plane the converter gives it:
// chooseRootPlanes's bestRoot for createLR and createRL, bestRoot2 for create2.
struct TreeBuilder {
    const char* name;
    node* (*build)(KilnState&, int, int, node*);
    bool secondRoot;
};
inline constexpr TreeBuilder kTreeBuilders[] = {
    {"lr", createLR, false}, {"rl", createRL, false}, {"two", create2, true}};

// Chooses the root plane as the converter does and builds the whole tree.
node* buildTree(KilnState& k, const TreeBuilder& b);

// Everything wrong with a finished tree: a listed polygon not in its node's
// plane, not placed, listed twice or not a triangle; a polygon of a front
// subtree behind an ancestor's plane or of a back subtree in front of it; a
// child whose parent links disagree; a live polygon left over; nodeCount not
// counting the nodes. Empty when the tree is sound.
std::vector<std::string> treeFaults(const KilnState& k, const node* root);

} // namespace meshsmith::kiln::test
