#pragma once
// What the tree builders ask about the region of a node: the two subspace
// tests and the split counts of candidate planes.

#include "kiln_state.hpp"
#include "straddle_index.hpp"

#include <map>
#include <utility>
#include <vector>

namespace meshsmith::kiln {

// FindClippers raises a clipper plane's f by this much; numCutPolys gives -1
// for a plane whose f is above it.
inline constexpr int kClipperBonus = 10000;

// The parent planes met walking from `n` upward while parentValue is not
// kRootParentValue: n's parentValue first.
std::vector<int> ancestorPlanes(const node* n);

// Split test: p is outside the region of node `n` when, for some parent plane
// A on the walk, its relation to A is the opposite of chosenPoly's.
bool outsideBySplit(const KilnState& k, const node* n, int p);

// Side test: p is outside the region of node `n` when it lies wholly on the
// other side of a parent plane than the node on the walk (polygons in the
// plane or straddling it pass).
bool outsideBySide(const KilnState& k, const node* n, int p);

// numCutPolys for many candidates of one node while the tables do not change:
// the relations of each polygon to the parent planes are worked out once,
// and the polygons a plane straddles come from `index` when one is given.
// Gives exactly the counts numCutPolys gives.
class CutCounter {
  public:
    CutCounter(const KilnState& k, const node* treeNode, StraddleIndex* index = nullptr);
    int count(int polyNum, int planeNum);

  private:
    // Where PolyPlaneREL of polygon q with each parent plane (in walk order)
    // starts in relations_.
    int relationsOf(int q);
    // Whether straddling polygon r is left out of the count for a candidate
    // whose relations start at `ownOffset`.
    bool excluded(int r, int ownOffset);

    const KilnState& k_;
    StraddleIndex* index_;
    std::vector<int> ancestors_;
    std::vector<int> offsets_; // per polygon: start in relations_, or -1
    std::vector<int> relations_;
    std::map<std::pair<int, std::vector<int>>, int> counts_;
};

} // namespace meshsmith::kiln
