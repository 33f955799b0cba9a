#include "threedo_bytes.hpp"

#include <bit>
#include <cstring>
#include <stdexcept>

namespace meshsmith::kiln::test {

Bytes& Bytes::tag(const char* fourChars) {
    for (int n = 0; n < 4; ++n)
        v.push_back(static_cast<std::uint8_t>(fourChars[n]));
    return *this;
}
Bytes& Bytes::i(std::int32_t value) {
    auto u = static_cast<std::uint32_t>(value);
    v.insert(v.end(), {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)});
    return *this;
}
Bytes& Bytes::f(float value) {
    return i(std::bit_cast<std::int32_t>(value));
}
Bytes& Bytes::b(std::uint8_t value) {
    v.push_back(value);
    return *this;
}
Bytes& Bytes::text(const std::string& chars) {
    v.insert(v.end(), chars.begin(), chars.end());
    return *this;
}

ThreeDO::ThreeDO(std::vector<std::uint8_t> file) : bytes(std::move(file)) {
    std::size_t at = 12;
    while (at + 12 <= bytes.size()) {
        Chunk c{std::string(bytes.begin() + static_cast<long>(at),
                            bytes.begin() + static_cast<long>(at) + 4),
                at + 12, intAt(at + 8)};
        if (c.length < 0 || intAt(at + 4) != 0) return;
        chunks.push_back(c);
        // Chunks start on 4-byte boundaries (the strings are padded).
        at = c.data + (static_cast<std::size_t>(c.length) + 3) / 4 * 4;
    }
    walkedToEnd = at == bytes.size();
}

std::int32_t ThreeDO::intAt(std::size_t p) const {
    if (p + 4 > bytes.size()) throw std::out_of_range("read past the 3DO file");
    std::uint32_t u = bytes[p] | bytes[p + 1] << 8 | bytes[p + 2] << 16 |
                      static_cast<std::uint32_t>(bytes[p + 3]) << 24;
    return static_cast<std::int32_t>(u);
}

const ThreeDO::Chunk* ThreeDO::chunk(const std::string& tag) const {
    for (const Chunk& c : chunks)
        if (c.tag == tag) return &c;
    return nullptr;
}

std::int32_t ThreeDO::prim(std::int32_t dataOffset, int index) const {
    const Chunk* p = chunk("MIRP");
    if (!p || dataOffset < 0) throw std::out_of_range("no such PRIM record");
    return intAt(p->data + static_cast<std::size_t>(dataOffset) +
                 4 * static_cast<std::size_t>(index));
}

std::vector<std::int32_t> ThreeDO::primFields(std::int32_t dataOffset, int count) const {
    std::vector<std::int32_t> fields;
    for (int n = 0; n < count; ++n)
        fields.push_back(prim(dataOffset, n));
    return fields;
}

std::vector<ThreeDO::Drawn> ThreeDO::polygonsOf(std::int32_t group) const {
    std::vector<Drawn> out;
    if (group == -1) return out;
    if (prim(group, 0) == 4) {
        for (int n = 0; n < prim(group, 1); ++n)
            for (Drawn d : polygonsOf(prim(group, 2 + n)))
                out.push_back(d);
        return out;
    }
    if (prim(group, 0) != 5) throw std::runtime_error("not a texture group");
    std::int32_t child = prim(group, 1), stringOffset = prim(group, 3);
    if (prim(child, 0) != 4) return {{stringOffset, child}};
    for (int n = 0; n < prim(child, 1); ++n)
        out.push_back({stringOffset, prim(child, 2 + n)});
    return out;
}

namespace {
std::int32_t planeAtHeight(KilnState& k, int plane) {
    while (k.planeCount <= plane)
        appendPlane(k, 0, 0, 1, static_cast<float>(-k.planeCount));
    return plane;
}
} // namespace

std::int32_t addQuad(KilnState& k, int plane, bool forward, const std::string& texture, float u0) {
    auto z = static_cast<float>(plane);
    // Wound clockwise seen from +z, the quad's normal (P2 - P0) x (P1 - P0) is +z.
    std::vector<Point> corners{{0, 0, z}, {0, 1, z}, {1, 1, z}, {1, 0, z}};
    std::vector<UV> uv{{u0, 0}, {u0, 1}, {u0 + 1, 1}, {u0 + 1, 0}};
    if (!forward) {
        std::swap(corners[1], corners[3]);
        std::swap(uv[1], uv[3]);
    }
    std::int32_t p = addPolygon(k, corners, texture, uv);
    k.polygon[static_cast<std::size_t>(p)].inPlane = planeAtHeight(k, plane);
    return p;
}

node* makeNode(KilnState& k, int plane, std::initializer_list<std::int32_t> polys,
               std::int32_t headFlag, node* left, node* right) {
    node* n = newNode(k);
    n->nodeValue = plane;
    n->left = left;
    n->right = right;
    list* tail = n->centre = createList(k, headFlag);
    for (std::int32_t p : polys)
        tail = tail->next = createList(k, p);
    tail->next = createList(k, -1);
    return n;
}

void linkTree(KilnState& k, node* root) {
    root->parent = &k.rootParent;
    root->parentValue = kRootParentValue;
    for (node* child : {root->left, root->right}) {
        if (!child) continue;
        linkTree(k, child);
        child->parent = root;
        child->parentValue = root->nodeValue;
        child->isLeftNode = child == root->left ? 1 : 0;
    }
}

} // namespace meshsmith::kiln::test
