// The tree builders: node construction (split, centre, pairing,
// triangulation) and the choice of the children's planes.

#include "bsp_builder.hpp"
#include "bsp_regions.hpp"
#include "plane_tests.hpp"
#include "polygon_preparation.hpp"
#include "region_flags.hpp"

#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace meshsmith::kiln {

namespace {

enum class ChildOrder { FrontFirst, BackFirst, CheaperFirst };

constexpr int kFront = 1, kBack = -1;

bool isLive(const KilnState& k, int p) {
    return k.e[static_cast<std::size_t>(p)] == 0;
}

node* startNode(KilnState& k, int nodeVal, int parentVal, node* parentNode) {
    node* n = newNode(k);
    n->nodeValue = nodeVal;
    n->nodeOffset = -1;
    n->parentValue = parentVal;
    n->isLeftNode = k.isLefty;
    n->parent = parentNode;
    return n;
}

// Splits every live polygon of the node's region that straddles its plane,
// including pieces appended on the way.
void splitPass(KilnState& k, const node* n, StraddleIndex& index) {
    for (int p = 0; p < k.polyCount; ++p) {
        if (!isLive(k, p) || PolyPlaneREL(k, p, n->nodeValue) != kStraddles ||
            outsideBySplit(k, n, p))
            continue;
        PolySplit(k, p, n->nodeValue);
        index.rewritten(p);
    }
}

// The live polygons of the region lying in the node's plane, now placed.
std::vector<int> centrePass(KilnState& k, const node* n) {
    std::vector<int> listed;
    for (int p = 0; p < k.polyCount; ++p) {
        if (!isLive(k, p) || PolyPlaneREL(k, p, n->nodeValue) != 0 || outsideBySide(k, n, p))
            continue;
        listed.push_back(p);
        k.e[static_cast<std::size_t>(p)] = -1;
    }
    return listed;
}

// True when every listed polygon has a reversed twin among the listed ones
// (an empty list counts as all twins).
bool allTwins(const KilnState& k, const std::vector<int>& listed) {
    std::vector<bool> marked(listed.size(), false);
    for (std::size_t i = 0; i < listed.size(); ++i)
        for (std::size_t j = i + 1; j < listed.size(); ++j)
            if (find_0xa(k, listed[i], listed[j]) == 1) {
                marked[i] = marked[j] = true;
                break;
            }
    for (bool m : marked)
        if (!m) return false;
    return true;
}

// Each listed polygon followed by the triangles of its fan, most recent first;
// the new triangles are placed with it.
std::vector<int> triangulated(KilnState& k, const std::vector<int>& listed, StraddleIndex& index) {
    std::vector<int> out;
    for (int p : listed) {
        out.push_back(p);
        if (!k.TRIANGULARISE || k.polygon[static_cast<std::size_t>(p)].polyVertexCount <= 3)
            continue;
        const int before = k.polyCount;
        Triangulate(k, p, 0);
        index.rewritten(p);
        for (int t = k.polyCount - 1; t >= before; --t) {
            k.e[static_cast<std::size_t>(t)] = -1;
            out.push_back(t);
        }
    }
    return out;
}

list* polygonList(KilnState& k, const std::vector<int>& polygons, bool twinsOnly) {
    list* head = createList(k, twinsOnly ? 1 : -1);
    list* last = head;
    for (int p : polygons) {
        last->next = createList(k, p);
        last = last->next;
    }
    last->next = createList(k, -1);
    return head;
}

void fillNode(KilnState& k, node* n, StraddleIndex& index) {
    splitPass(k, n, index);
    const std::vector<int> listed = centrePass(k, n);
    const bool twinsOnly = allTwins(k, listed);
    n->centre = polygonList(k, triangulated(k, listed, index), twinsOnly);
}

// The region flags of the nodes on the path from the root may hold this much;
// beyond it the flags nearest the root are given back (a deep chain of nodes
// over a large table), to be worked out again for the live polygons left.
constexpr std::size_t kRegionFlagsBudget = std::size_t{64} << 20;

// A node whose children are being built: its region flags and how far it got.
struct Frame {
    node* n;
    std::unique_ptr<RegionFlags> region;
    int stage = 0;     // 0: no child chosen yet, 1: the first side is done, 2: both done
    int firstSide = 0; // the side built (or tried) first
};

// One tree build: the child order of its builder and what it keeps between
// nodes. The nodes from the root down to the current one are kept on a stack
// of their own rather than the call stack, so a deep tree cannot overflow it.
struct Build {
    KilnState& k;
    ChildOrder order;
    StraddleIndex index;
    std::vector<Frame> frames;
};

void keepWithinBudget(Build& b) {
    std::size_t held = 0;
    for (const Frame& f : b.frames)
        held += f.region->bytes();
    for (Frame& f : b.frames) {
        if (held <= kRegionFlagsBudget) break;
        held -= f.region->bytes();
        f.region->release();
    }
}

// The plane for a child on one side: the live polygon on that side of the
// node's plane, in its region, whose plane cuts the fewest polygons (ties
// keep the earlier polygon).
struct Pick {
    int poly = -1;
    int plane = -1;
    int cuts = 0;
    explicit operator bool() const { return poly >= 0; }
};

// numCutPolys for the candidates of one pick. A candidate strictly on the
// region's side of every parent plane leaves out exactly the straddling
// polygons outside the region or in a parent plane, the same for every such
// candidate of a plane; other candidates are counted in full.
class PickCounter {
  public:
    PickCounter(Build& b, const node* n, RegionFlags& region)
        : b_(b), region_(region), full_(b.k, n, &b.index) {}

    int count(int q, int plane) {
        if (region_[q] & RegionFlags::kOffSide) return full_.count(q, plane);
        if (b_.k.f[static_cast<std::size_t>(plane)] > kClipperBonus) return -1;
        if (auto known = typical_.find(plane); known != typical_.end()) return known->second;
        int cuts = 0;
        for (int r : b_.index.straddling(plane))
            if (!(region_[r] & (RegionFlags::kOutside | RegionFlags::kInParentPlane))) ++cuts;
        typical_.emplace(plane, cuts);
        return cuts;
    }

  private:
    Build& b_;
    RegionFlags& region_;
    CutCounter full_;
    std::unordered_map<int, int> typical_;
};

Pick pickChildPlane(Build& b, const node* n, int side, RegionFlags& region) {
    const KilnState& k = b.k;
    region.refresh(b.index.changes());
    PickCounter counter(b, n, region);
    Pick best;
    for (int q = 0; q < k.polyCount; ++q) {
        const int plane = k.polygon[static_cast<std::size_t>(q)].inPlane;
        // A polygon without a plane cannot supply one.
        if (!isLive(k, q) || plane < 0) continue;
        if (PolyPlaneREL(k, q, n->nodeValue) != side || (region[q] & RegionFlags::kOutside))
            continue;
        const int cuts = counter.count(q, plane);
        if (!best || cuts < best.cuts) best = Pick{q, plane, cuts};
    }
    return best;
}

// Counts the node, creates it, places its polygons and puts it on the stack
// for its children; none for plane -1.
node* enter(Build& b, int nodeVal, int parentVal, node* parentNode, RegionFlags* parentRegion) {
    ++b.k.nodeCount;
    if (nodeVal == -1) return nullptr;
    if (nodeVal < 0 || nodeVal >= kMaxPlanes) throw std::out_of_range("BSP node: plane number");
    node* n = startNode(b.k, nodeVal, parentVal, parentNode);
    fillNode(b.k, n, b.index);
    b.frames.push_back(
        Frame{n, std::make_unique<RegionFlags>(b.k, n, parentRegion, b.index.changes())});
    keepWithinBudget(b);
    return n;
}

struct NextChild {
    Pick pick;
    int side = 0;
};

// The next child of the node on top of the stack, in its builder's order, or
// none when both sides are done.
NextChild nextChild(Build& b, Frame& f) {
    if (f.stage == 0) {
        f.stage = 1;
        if (b.order == ChildOrder::CheaperFirst) {
            const Pick back = pickChildPlane(b, f.n, kBack, *f.region);
            const Pick front = pickChildPlane(b, f.n, kFront, *f.region);
            f.firstSide = kFront;
            if (back && (!front || back.cuts <= front.cuts)) {
                f.firstSide = kBack;
                return {back, kBack};
            }
            if (front) return {front, kFront};
        } else {
            f.firstSide = b.order == ChildOrder::BackFirst ? kBack : kFront;
            if (const Pick first = pickChildPlane(b, f.n, f.firstSide, *f.region))
                return {first, f.firstSide};
        }
    }
    if (f.stage == 1) {
        f.stage = 2;
        // The second side chooses from the polygons that remain after the first.
        const int second = -f.firstSide;
        if (const Pick again = pickChildPlane(b, f.n, second, *f.region)) return {again, second};
    }
    return {};
}

node* buildTree(KilnState& k, int nodeVal, int parentVal, node* parentNode, ChildOrder order) {
    Build b{k, order, StraddleIndex(k), {}};
    node* root = enter(b, nodeVal, parentVal, parentNode, nullptr);
    while (!b.frames.empty()) {
        Frame& top = b.frames.back();
        const NextChild next = nextChild(b, top);
        if (!next.pick) {
            b.frames.pop_back();
            continue;
        }
        node* n = top.n; // `top` does not survive the push below
        b.k.isLefty = next.side == kFront ? 1 : 0;
        b.k.chosenPoly = next.pick.poly;
        node* child = enter(b, next.pick.plane, n->nodeValue, n, top.region.get());
        (next.side == kFront ? n->left : n->right) = child;
    }
    return root;
}

} // namespace

node* createLR(KilnState& k, int nodeVal, int parentVal, node* parentNode) {
    return buildTree(k, nodeVal, parentVal, parentNode, ChildOrder::FrontFirst);
}

node* createRL(KilnState& k, int nodeVal, int parentVal, node* parentNode) {
    return buildTree(k, nodeVal, parentVal, parentNode, ChildOrder::BackFirst);
}

node* create2(KilnState& k, int nodeVal, int parentVal, node* parentNode) {
    return buildTree(k, nodeVal, parentVal, parentNode, ChildOrder::CheaperFirst);
}

} // namespace meshsmith::kiln
