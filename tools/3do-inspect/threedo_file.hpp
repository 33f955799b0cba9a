#pragma once
// The contents of a 3DO object file, read from its bytes alone.
//
// A 3DO file is a 12-byte header (tag, version 1, file length - 12) followed by
// the chunks XYZS (vertices), PLAN (planes), STRN (texture names, padded with
// spaces to a multiple of 4), PRIM (the drawing tree and the collision data) and,
// for objects with collision volumes, HAND. Every number is 32-bit
// little-endian. Positions inside PRIM are data offsets: byte offsets from the
// first byte of PRIM's data, which holds the data offset of the root node.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace meshsmith::inspect3do {

inline constexpr std::uint32_t kFileTag = 0x33444F34; // bytes '4' 'O' 'D' '3'
inline constexpr std::uint32_t kXyzsTag = 0x58595A53;
inline constexpr std::uint32_t kPlanTag = 0x504C414E;
inline constexpr std::uint32_t kStrnTag = 0x5354524E;
inline constexpr std::uint32_t kPrimTag = 0x5052494D;
inline constexpr std::uint32_t kHandTag = 0x48414E44;

// Record types of the PRIM chunk.
inline constexpr std::int32_t kPolygonRecord = 0x81F;         // texture coordinates only
inline constexpr std::int32_t kColouredPolygonRecord = 0x820; // plus a colour per vertex
inline constexpr std::int32_t kListRecord = 4;
inline constexpr std::int32_t kTextureGroupRecord = 5;
inline constexpr std::int32_t kLeafNode = 6;        // plane, front group
inline constexpr std::int32_t kTwoWayLeafNode = 7;  // plane, front group, back group
inline constexpr std::int32_t kTwoWayInnerNode = 8; // plane, left, front, back, right
inline constexpr std::int32_t kInnerNode = 9;       // plane, left, front group, right
inline constexpr std::int32_t kTwinNode = 10;       // plane, left, front group, right

bool isPolygonType(std::int32_t type);
bool isNodeType(std::int32_t type);

// The tag as the four characters of its value, most significant first
// (0x58595A53 -> "XYZS"); bytes outside printable ASCII show as '?'.
std::string tagText(std::uint32_t tag);

// A fault in the file: what is wrong and where. The place is a data offset for
// faults inside the PRIM data, else a byte offset in the file.
struct Violation {
    std::string what;
    bool atDataOffset = false;
    std::int64_t offset = 0;

    // "violation: <what> at data offset <n>" (or "at file offset <n>").
    std::string text() const;
};

struct ChunkHead {
    std::uint32_t tag = 0;
    std::int32_t zero = 0;   // the second field, 0 in every chunk
    std::int32_t length = 0; // bytes of data after the 12-byte head
    std::int64_t fileOffset = 0;
};

struct Vertex {
    float w = 0, x = 0, y = 0, z = 0; // w is the leading 0.0 of each entry
};

// A point (x, y, z) lies on the plane where a*x + b*y + c*z + d = 0.
struct Plane {
    float a = 0, b = 0, c = 0, d = 0;
};

struct StringEntry {
    std::int32_t offset = 0; // from the first byte of STRN's data
    std::string text;
};

// One record of the PRIM chunk before the collision data. Only the fields of
// its type are meaningful; offsets are data offsets, -1 for none.
struct Record {
    std::int32_t offset = 0; // data offset of the type field
    std::int32_t type = 0;
    std::int32_t size = 0; // bytes

    // Polygon records, in file order (the polygon's last corner first).
    std::vector<std::int32_t> vertices;
    std::vector<std::array<float, 2>> texCoords;
    std::vector<std::array<std::uint8_t, 4>> colours; // blue, green, red, alpha

    std::vector<std::int32_t> items; // list record

    std::int32_t child = -1, stringOffset = 0, displayClass = 0; // texture group

    std::int32_t plane = -1, left = -1, right = -1, frontGroup = -1, backGroup = -1; // nodes
};

struct CollisionPlaneRecord {
    std::int32_t offset = 0; // data offset of the record
    std::int32_t plane = 0;  // into PLAN
    std::int32_t type = 0;
};

struct CollisionVolume {
    std::int32_t offset = 0; // data offset of the volume record
    std::vector<CollisionPlaneRecord> planes;
};

struct CollisionData {
    std::int32_t offset = 0; // data offset of the list of volumes
    std::vector<CollisionVolume> volumes;
};

struct HandChunk {
    std::int32_t stringOffset = 0;
    std::int32_t collisionOffset = 0; // data offset of the collision data
};

struct ThreeDoFile {
    std::int64_t fileSize = 0;
    std::uint32_t tag = 0;
    std::int32_t version = 0;
    std::int32_t lengthField = 0;
    std::vector<ChunkHead> chunks; // in file order
    std::vector<Vertex> vertices;
    std::vector<Plane> planes;
    std::vector<StringEntry> strings;
    std::int32_t strnPadding = 0;
    std::int64_t primDataStart = 0; // file offset of data offset 0
    std::int32_t primLength = 0;
    std::int32_t rootOffset = -1;
    std::vector<Record> records; // ascending data offsets
    std::optional<HandChunk> hand;
    std::optional<CollisionData> collision;

    // The record starting exactly at `dataOffset`, or none.
    const Record* recordAt(std::int32_t dataOffset) const;
    // The string starting exactly at `offset` in STRN's data, or none.
    const StringEntry* stringAt(std::int32_t offset) const;
};

struct ParsedFile {
    ThreeDoFile file; // everything read before the first layout fault
    std::optional<Violation> violation;
};

// Reads the layout of a 3DO file: header fields, chunk order, tags and lengths,
// STRN's strings, 0xFF end and space padding, the PRIM records (known types,
// fixed fields, each inside the chunk) and the collision data (list, volume and
// plane records laid out in order, offsets matching) and HAND. Stops at the
// first fault, keeping what was read before it. Never reads outside `bytes`;
// memory grows at most in proportion to the input. What the records refer to
// (offsets, vertex, plane and string numbers) and the geometry are left to
// checkThreeDo.
ParsedFile parseThreeDo(std::span<const std::uint8_t> bytes);

// Visits every polygon the drawing tree draws, as visit(node, texture group,
// polygon, in the node's back group), on a file whose references are sound.
// A twin node's polygons stand for their reversed twins as well.
template <typename Visit>
void forEachDrawnPolygon(const ThreeDoFile& f, Visit visit) {
    const auto items = [&](std::int32_t offset) {
        const Record* r = f.recordAt(offset);
        return r->type == kListRecord ? r->items : std::vector<std::int32_t>{offset};
    };
    for (const Record& node : f.records) {
        if (!isNodeType(node.type)) continue;
        for (const std::int32_t group : {node.frontGroup, node.backGroup}) {
            if (group == -1) continue;
            for (const std::int32_t g : items(group)) {
                const Record* texture = f.recordAt(g);
                for (const std::int32_t polygon : items(texture->child))
                    visit(node, *texture, *f.recordAt(polygon), group == node.backGroup);
            }
        }
    }
}

} // namespace meshsmith::inspect3do
