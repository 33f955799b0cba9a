#pragma once
// For the 3DO writer's tests: composing expected file bytes by hand, reading
// the records of a written file back, and building trees and quads by hand.

#include "converter/kiln_state.hpp"
#include "kiln_builders.hpp"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace meshsmith::kiln::test {

// Little-endian bytes written out field by field.
struct Bytes {
    std::vector<std::uint8_t> v;
    Bytes& tag(const char* fourChars); // the four bytes as they stand in the file
    Bytes& i(std::int32_t value);
    Bytes& f(float value);
    Bytes& b(std::uint8_t value);
    Bytes& text(const std::string& chars); // the characters without a terminator
};

// A written 3DO: its chunks (walked by their heads) and the PRIM records.
struct ThreeDO {
    struct Chunk {
        std::string tag; // as it stands in the file, e.g. "MIRP"
        std::size_t data;
        std::int32_t length;
    };
    explicit ThreeDO(std::vector<std::uint8_t> bytes);
    std::vector<std::uint8_t> bytes;
    std::vector<Chunk> chunks;
    bool walkedToEnd = false; // the chunk heads lead exactly to the end of the file

    std::int32_t intAt(std::size_t position) const;
    const Chunk* chunk(const std::string& tag) const;
    // Field `index` (0-based, 4 bytes each) of the PRIM record at `dataOffset`.
    std::int32_t prim(std::int32_t dataOffset, int index) const;
    std::vector<std::int32_t> primFields(std::int32_t dataOffset, int count) const;
    std::int32_t root() const { return prim(0, 0); }
    // The polygon records under a front or back group (one texture group or a
    // list of them), in order, each with its group's string offset.
    struct Drawn {
        std::int32_t stringOffset, record;
    };
    std::vector<Drawn> polygonsOf(std::int32_t group) const;
};

// Plane `plane` is z = plane with normal +z (added as needed). A quad in it,
// wound to face +z (forward) or -z (backward), with texture coordinates
// (u0 + 0..1, 0..1) in corner order.
std::int32_t addQuad(KilnState& k, int plane, bool forward, const std::string& texture = "wall",
                     float u0 = 0);
// A node on `plane` holding `polys`, its list head carrying `headFlag`.
node* makeNode(KilnState& k, int plane, std::initializer_list<std::int32_t> polys,
               std::int32_t headFlag = -1, node* left = nullptr, node* right = nullptr);
// Sets parent links and parentValue/isLeftNode of the tree below `root`, the root
// getting kRootParentValue.
void linkTree(KilnState& k, node* root);

} // namespace meshsmith::kiln::test
