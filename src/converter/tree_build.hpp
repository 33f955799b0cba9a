#pragma once
// What one tree build keeps between its nodes: the nodes from the root down
// to the one whose children are being built, with their regions and the
// polygons of those regions that straddle the planes asked about, and the
// log of the slots the build changed. Shared by the node construction and
// the choice of the children's planes.

#include "kiln_state.hpp"
#include "region_flags.hpp"
#include "straddle_index.hpp"
#include "vertex_merge.hpp"

#include <cstdint>
#include <memory>
#include <vector>

namespace meshsmith::kiln {

enum class ChildOrder { FrontFirst, BackFirst, CheaperFirst };

inline constexpr int kFront = 1, kBack = -1;

// The polygons of a node's region that straddle the planes its last pick
// asked about, as they were at a mark of the build's change log.
struct StraddlerLists {
    struct Span {
        int plane;
        std::size_t first, count; // in slots
    };
    std::vector<int> slots;
    std::vector<Span> spans; // sorted by plane
    std::size_t mark = 0;

    // The span of `plane`, or none.
    const Span* find(int plane) const;
    std::size_t bytes() const {
        return slots.capacity() * sizeof(int) + spans.capacity() * sizeof(Span);
    }
    void release() { *this = {}; }
};

// A node whose children are being built.
struct Frame {
    node* n;
    std::unique_ptr<RegionFlags> region;
    StraddlerLists straddlers;
    int stage = 0;     // 0: no child chosen yet, 1: the first side is done, 2: both done
    int firstSide = 0; // the side built (or tried) first
};

// One tree build. The nodes from the root down to the current one are kept
// on a stack of their own rather than the call stack, so a deep tree cannot
// overflow it.
struct Build {
    KilnState& k;
    ChildOrder order;
    StraddleIndex index;
    VertexMerger splitPoints; // of tolerance kSamePoint
    std::vector<Frame> frames;
    // The flags of the region being picked from, by polygon (kDead elsewhere).
    std::vector<std::uint8_t> regionByPolygon;
    // The split counts found in the pick going on, by plane (-1 none yet).
    std::vector<int> countByPlane;
};

// Gives back the regions and lists nearest the root while the stack holds
// more than its budget (a deep chain of nodes over a large table); they are
// worked out again, or found another way, when next needed.
void keepWithinBudget(Build& b);

} // namespace meshsmith::kiln
