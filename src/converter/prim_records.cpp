// The PRIM records of the BSP tree: polygon records, lists, texture groups and
// node records, written children first by postorder.

#include "polygon_preparation.hpp"
#include "threedo_parts.hpp"
#include "threedo_writer.hpp"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace meshsmith::kiln {

namespace {
constexpr std::int32_t kPlainPolygon = 0x81F;
constexpr std::int32_t kColouredPolygon = 0x820;
constexpr std::int32_t kListRecord = 4;
constexpr std::int32_t kTextureGroup = 5;
constexpr std::int32_t kNone = -1;

// The polygons of one node, sorted by texture, with their facing.
struct NodePolygons {
    std::vector<std::int32_t> polys;
    std::vector<int> facing; // against the node's plane: 1 forward, -1 backward
    bool twinsOnly = false;  // head flag 1: every polygon has its reversed twin here
};

// Why polygon `p` cannot be written without reading past a table; empty when it can.
std::string unusablePolygon(const KilnState& k, std::int32_t p) {
    if (p < 0 || p >= std::min(k.polyCount, kMaxPolygons)) return "is not in the polygon table";
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    if (q.polyVertexCount < 3 || q.polyVertexCount > kMaxPolyVertices)
        return "has " + std::to_string(q.polyVertexCount) + " vertices";
    for (int i = 0; i < q.polyVertexCount; ++i)
        if (q.vertexList[static_cast<std::size_t>(i)] < 0 ||
            q.vertexList[static_cast<std::size_t>(i)] >= std::min(k.vertCount, kMaxVertices))
            return "has a vertex outside the vertex table";
    if (q.inPlane < 0 || q.inPlane >= std::min(k.planeCount, kMaxPlanes))
        return "has no plane in the plane table";
    if (q.stringNum < 0 || q.stringNum >= std::min(k.stringCount, kMaxStrings))
        return "has a texture outside the string table";
    return {};
}

NodePolygons readCentre(const KilnState& k, const node& n) {
    NodePolygons np;
    if (!n.centre) return np;
    np.twinsOnly = n.centre->polyIndex == 1;
    int items = 0;
    for (const list* it = n.centre->next; it && it->polyIndex != -1; it = it->next) {
        // A list holds each polygon at most once; a longer one loops.
        if (++items > kMaxPolygons) {
            reportSkipped("the polygon list of a node on plane " + std::to_string(n.nodeValue) +
                          " does not end; the rest is left out");
            break;
        }
        std::string why = unusablePolygon(k, it->polyIndex);
        if (why.empty()) {
            np.polys.push_back(it->polyIndex);
        } else {
            reportSkipped("polygon " + std::to_string(it->polyIndex) + " " + why +
                          "; it is left out");
        }
    }
    auto byTexture = [&](std::int32_t p, std::int32_t q) {
        return k.polygon[static_cast<std::size_t>(p)].stringNum <
               k.polygon[static_cast<std::size_t>(q)].stringNum;
    };
    std::stable_sort(np.polys.begin(), np.polys.end(), byTexture);
    for (std::int32_t p : np.polys)
        np.facing.push_back(FacingInNode(k, p, n.nodeValue));
    return np;
}

// Vertices, texture coordinates and colours go from the last vertex to the first.
std::int32_t writePolygonRecord(const KilnState& k, PrimWriter& w, std::int32_t p) {
    const poly& q = k.polygon[static_cast<std::size_t>(p)];
    std::int32_t offset = w.dataOffset();
    w.out.int32(q.flav == 1 ? kColouredPolygon : kPlainPolygon);
    w.out.int32(0);
    w.out.int32(-1);
    w.out.int32(q.polyVertexCount);
    for (std::size_t i = q.polyVertexCount; i-- > 0;) {
        w.out.float32(q.tvertx[i]);
        w.out.float32(q.tverty[i]);
    }
    for (std::size_t i = q.polyVertexCount; i-- > 0;)
        w.out.int32(q.vertexList[i]);
    if (q.flav == 1) {
        for (std::size_t i = q.polyVertexCount; i-- > 0;) {
            w.out.byte(q.blue[i]);
            w.out.byte(q.green[i]);
            w.out.byte(q.red[i]);
            w.out.byte(q.alpha[i]);
        }
    }
    return offset;
}

// One record stands for itself; several are gathered in a list record.
std::int32_t oneOrList(PrimWriter& w, const std::vector<std::int32_t>& offsets) {
    if (offsets.empty()) return kNone;
    if (offsets.size() == 1) return offsets.front();
    std::int32_t offset = w.dataOffset();
    w.out.int32(kListRecord);
    w.out.int32(static_cast<std::int32_t>(offsets.size()));
    for (std::int32_t o : offsets)
        w.out.int32(o);
    return offset;
}

std::int32_t writeTextureGroup(const KilnState& k, PrimWriter& w, std::int32_t child,
                               std::int32_t stringNum) {
    std::int32_t offset = w.dataOffset();
    w.out.int32(kTextureGroup);
    w.out.int32(child);
    w.out.int32(kTextureGroup);
    w.out.int32(stringOffset(k, stringNum));
    w.out.int32(k.displayClass);
    return offset;
}

// Writes the texture groups of the polygons facing `side` (clipper polygons are
// never drawn) and returns the group structure's offset, or -1 when nothing was
// written; `written` grows by the number of polygon records.
std::int32_t writeSide(const KilnState& k, PrimWriter& w, const NodePolygons& np, int side,
                       int& written) {
    auto textureOf = [&](std::size_t i) {
        return k.polygon[static_cast<std::size_t>(np.polys[i])].stringNum;
    };
    std::vector<std::int32_t> groups;
    for (std::size_t run = 0, end = 0; run < np.polys.size(); run = end) {
        std::int32_t texture = textureOf(run);
        std::vector<std::int32_t> records;
        for (end = run; end < np.polys.size() && textureOf(end) == texture; ++end)
            if (np.facing[end] == side && texture != k.clipperStringNum)
                records.push_back(writePolygonRecord(k, w, np.polys[end]));
        if (!records.empty())
            groups.push_back(writeTextureGroup(k, w, oneOrList(w, records), texture));
        written += static_cast<int>(records.size());
    }
    return oneOrList(w, groups);
}

struct Links {
    std::int32_t left, right, front, back;
};

void writeNodeRecord(PrimWriter& w, const node& n, std::int32_t type, const Links& l) {
    w.out.int32(type);
    w.out.int32(n.nodeValue);
    switch (type) {
    case 6:
        w.out.int32(l.front);
        break;
    case 7:
        w.out.int32(l.front);
        w.out.int32(l.back);
        break;
    case 8:
        w.out.int32(l.left);
        w.out.int32(l.front);
        w.out.int32(l.back);
        w.out.int32(l.right);
        break;
    default: // 9 and 10
        w.out.int32(l.left);
        w.out.int32(l.front);
        w.out.int32(l.right);
        break;
    }
}

// The node's groups and its own record; children are written already.
std::int32_t writeNode(KilnState& k, PrimWriter& w, const node& n, Links links) {
    NodePolygons np = readCentre(k, n);
    bool anyForward = std::find(np.facing.begin(), np.facing.end(), 1) != np.facing.end();
    int forwardWritten = 0, backWritten = 0;
    if (anyForward) links.front = writeSide(k, w, np, 1, forwardWritten);
    // A twin pair draws from both sides through its forward polygon alone.
    if (forwardWritten < static_cast<int>(np.polys.size()) && !np.twinsOnly)
        links.back = writeSide(k, w, np, -1, backWritten);

    bool children = n.left || n.right;
    std::int32_t type;
    if (forwardWritten == static_cast<int>(np.polys.size()) || forwardWritten + backWritten == 0)
        type = children ? 9 : 6;
    else if (np.twinsOnly)
        type = 10;
    else
        type = children ? 8 : 7;
    std::int32_t offset = w.dataOffset();
    writeNodeRecord(w, n, type, links);
    return offset;
}
} // namespace

void postorder(KilnState& k, PrimWriter& w, node* root) {
    // An explicit stack: a deep tree must not exhaust the call stack.
    struct Frame {
        node* n;
        int stage; // 0 front child next, 1 back child next, 2 the node itself
    };
    std::vector<Frame> stack;
    std::unordered_set<const node*> entered;
    std::unordered_map<const node*, std::int32_t> written;
    auto enter = [&](node* n) {
        if (!n) return;
        if (!entered.insert(n).second) {
            reportSkipped("the node on plane " + std::to_string(n->nodeValue) +
                          " is reached twice; it is written once and a link back up the tree is "
                          "written as -1");
            return;
        }
        stack.push_back({n, 0});
    };
    auto offsetOf = [&](const node* n) {
        auto it = written.find(n);
        return it == written.end() ? kNone : it->second;
    };
    enter(root);
    while (!stack.empty()) {
        Frame& f = stack.back();
        node* n = f.n;
        if (f.stage < 2) {
            node* child = f.stage == 0 ? n->left : n->right;
            ++f.stage;
            enter(child);
            continue;
        }
        stack.pop_back();
        n->nodeOffset = writeNode(k, w, *n, {offsetOf(n->left), offsetOf(n->right), kNone, kNone});
        written[n] = n->nodeOffset;
    }
    if (root) w.out.patchInt32(w.dataStart, root->nodeOffset);
}

} // namespace meshsmith::kiln
