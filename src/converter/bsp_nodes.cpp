// The tree builders: node construction (split, centre, pairing,
// triangulation) and the choice of the children's planes.

#include "bsp_builder.hpp"
#include "bsp_regions.hpp"
#include "child_planes.hpp"
#include "plane_tests.hpp"
#include "polygon_preparation.hpp"
#include "region_flags.hpp"
#include "tree_build.hpp"

#include <memory>
#include <stdexcept>
#include <vector>

namespace meshsmith::kiln {

namespace {

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

// The split test of node n gives the side test's answers when the polygon
// that gave n its plane (chosenPoly, whose relations the split test compares
// with) is strictly on the region's side of every parent plane; the root has
// no parent plane to test.
bool splitTestIsSideTest(const KilnState& k, const node* n, const RegionFlags& region) {
    if (n->parentValue == kRootParentValue) return true;
    return (region[k.chosenPoly] & (RegionFlags::kOutside | RegionFlags::kOffSide)) == 0;
}

void split(Build& b, const node* n, int p) {
    PolySplit(b.k, p, n->nodeValue, b.splitPoints);
    b.index.rewritten(p);
}

void splitIfStraddling(Build& b, const node* n, int p) {
    if (!isLive(b.k, p) || PolyPlaneREL(b.k, p, n->nodeValue) != kStraddles ||
        outsideBySplit(b.k, n, p))
        return;
    split(b, n, p);
}

// Splits every live polygon of the node's region that straddles its plane,
// in index order, including pieces appended on the way. When the split test
// is the side test only the region's polygons need a look.
void splitPass(Build& b, const node* n, RegionFlags& region) {
    const int start = b.k.polyCount;
    if (splitTestIsSideTest(b.k, n, region)) {
        const std::vector<int>& members = region.members();
        for (std::size_t i = 0; i < members.size(); ++i)
            if (isLive(b.k, members[i]) && region.relationAt(i) == kStraddles)
                split(b, n, members[i]);
    } else {
        for (int p = 0; p < start; ++p)
            splitIfStraddling(b, n, p);
    }
    for (int p = start; p < b.k.polyCount; ++p)
        splitIfStraddling(b, n, p);
}

// The live polygons of the region lying in the node's plane, now placed.
std::vector<int> centrePass(KilnState& k, RegionFlags& region, const StraddleIndex& index) {
    region.refresh(index.changes());
    std::vector<int> listed;
    const std::vector<int>& members = region.members();
    for (std::size_t i = 0; i < members.size(); ++i) {
        const int p = members[i];
        if (!isLive(k, p) || region.relationAt(i) != 0) continue;
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

void fillNode(Build& b, node* n, RegionFlags& region) {
    KilnState& k = b.k;
    StraddleIndex& index = b.index;
    splitPass(b, n, region);
    const std::vector<int> listed = centrePass(k, region, index);
    const bool twinsOnly = allTwins(k, listed);
    n->centre = polygonList(k, triangulated(k, listed, index), twinsOnly);
}

// The regions and lists of the nodes on the path from the root may hold this
// much; beyond it those nearest the root are given back.
constexpr std::size_t kFrameBudget = std::size_t{64} << 20;

// Counts the node, creates it, places its polygons and puts it on the stack
// for its children; none for plane -1.
node* enter(Build& b, int nodeVal, int parentVal, node* parentNode, RegionFlags* parentRegion) {
    ++b.k.nodeCount;
    if (nodeVal == -1) return nullptr;
    if (nodeVal < 0 || nodeVal >= kMaxPlanes) throw std::out_of_range("BSP node: plane number");
    node* n = startNode(b.k, nodeVal, parentVal, parentNode);
    auto region = std::make_unique<RegionFlags>(b.k, n, parentRegion, b.index.changes());
    fillNode(b, n, *region);
    b.frames.push_back(Frame{n, std::move(region), {}});
    keepWithinBudget(b);
    return n;
}

struct NextChild {
    Pick pick;
    int side = 0;
};

// The next child of the node on top of the stack, in its builder's order, or
// none when both sides are done.
NextChild nextChild(Build& b) {
    Frame& f = b.frames.back();
    const Frame* parent = b.frames.size() > 1 ? &b.frames[b.frames.size() - 2] : nullptr;
    if (f.stage == 0) {
        f.stage = 1;
        if (b.order == ChildOrder::CheaperFirst) {
            const Pick back = pickChildPlane(b, f, parent, kBack);
            const Pick front = pickChildPlane(b, f, parent, kFront);
            f.firstSide = kFront;
            if (back && (!front || back.cuts <= front.cuts)) {
                f.firstSide = kBack;
                return {back, kBack};
            }
            if (front) return {front, kFront};
        } else {
            f.firstSide = b.order == ChildOrder::BackFirst ? kBack : kFront;
            if (const Pick first = pickChildPlane(b, f, parent, f.firstSide))
                return {first, f.firstSide};
        }
    }
    if (f.stage == 1) {
        f.stage = 2;
        // The second side chooses from the polygons that remain after the first.
        const int second = -f.firstSide;
        if (const Pick again = pickChildPlane(b, f, parent, second)) return {again, second};
    }
    return {};
}

node* buildTree(KilnState& k, int nodeVal, int parentVal, node* parentNode, ChildOrder order) {
    Build b{k, order, StraddleIndex(k), VertexMerger(k, kSamePoint), {}, {}, {}};
    node* root = enter(b, nodeVal, parentVal, parentNode, nullptr);
    while (!b.frames.empty()) {
        const NextChild next = nextChild(b);
        Frame& top = b.frames.back();
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

void keepWithinBudget(Build& b) {
    std::size_t held = 0;
    for (const Frame& f : b.frames)
        held += f.region->bytes() + f.straddlers.bytes();
    for (Frame& f : b.frames) {
        if (held <= kFrameBudget) break;
        held -= f.region->bytes() + f.straddlers.bytes();
        f.region->release();
        f.straddlers.release();
    }
}

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
