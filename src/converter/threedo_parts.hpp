#pragma once
// The pieces the 3DO writer is assembled from: a little-endian byte buffer,
// the plain chunks (header, XYZS, PLAN, STRN, HAND), the PRIM records written
// by postorder, and the collision data. Internal to the writer.

#include "kiln_state.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln {

// Bytes of a file under construction; every number little-endian whatever the
// machine, so the file is the same everywhere.
class LittleEndianBuffer {
  public:
    void int32(std::int32_t v);
    void float32(float v);
    void byte(std::uint8_t v);
    // Overwrites the int at byte position `at` (a field written earlier).
    void patchInt32(std::size_t at, std::int32_t v);
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

  private:
    std::vector<std::uint8_t> bytes_;
};

// Writes a chunk head (tag, 0, length -1) and returns the position of its
// length field, to be filled in once the data is written.
std::size_t beginChunk(LittleEndianBuffer& out, std::uint32_t tag);

void writeVertexChunk(const KilnState& k, LittleEndianBuffer& out);
void writePlaneChunk(const KilnState& k, LittleEndianBuffer& out);
// The written strings, the closing 0xFF and the padding spaces after the chunk.
void writeStringChunk(const KilnState& k, LittleEndianBuffer& out);
// HAND: the string offset of the last string entry and the collision data offset.
void writeHandChunk(const KilnState& k, LittleEndianBuffer& out, std::int32_t collisionData);

// Writes inside the PRIM chunk, whose data offsets count from `dataStart`
// (the root offset field).
struct PrimWriter {
    LittleEndianBuffer& out;
    std::size_t dataStart;
    std::int32_t dataOffset() const { return static_cast<std::int32_t>(out.size() - dataStart); }
};

// Writes the records of the tree under `root`, children before parents, sets
// every written node's nodeOffset and stores the root's offset at data offset
// 0 (left -1 when there is no root). A node met a second time on the walk (a
// loop in the tree) is not written again: its link is written as -1.
void postorder(KilnState& k, PrimWriter& w, node* root);

// Writes the collision volumes' list, volume and plane records; returns the
// data offset of the list record (C).
std::int32_t writeCollisionData(const KilnState& k, PrimWriter& w);

// The counters clamped to their tables, so a counter set out of range by a
// faulty stage never makes the writer read past a table. A clamped counter is
// reported on stderr (and asserted in debug builds).
std::int32_t usableCount(std::int32_t count, std::size_t capacity, const char* what);

// Reports input the writer leaves out because it would read past a table.
// Such input is a fault of an earlier stage, asserted in debug builds.
void reportSkipped(const std::string& what);

} // namespace meshsmith::kiln
