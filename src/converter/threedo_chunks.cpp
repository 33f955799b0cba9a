// The plain chunks of a 3DO file and the little-endian buffer they are built in.

#include "threedo_parts.hpp"
#include "threedo_writer.hpp"

#include <algorithm>
#include <bit>
#include <cassert>
#include <iostream>

namespace meshsmith::kiln {

namespace {
constexpr std::uint32_t kTagXYZS = 0x58595A53;
constexpr std::uint32_t kTagPLAN = 0x504C414E;
constexpr std::uint32_t kTagSTRN = 0x5354524E;
constexpr std::uint32_t kTagHAND = 0x48414E44;
constexpr std::uint8_t kStringsEnd = 0xFF;
constexpr std::uint8_t kPadding = 0x20;

bool isWritten(const KilnState& k, std::size_t i) {
    return i < k.stringNotWritten.size() && !k.stringNotWritten[i];
}
} // namespace

void LittleEndianBuffer::int32(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_.push_back(static_cast<std::uint8_t>(u >> shift));
}

void LittleEndianBuffer::float32(float v) {
    int32(static_cast<std::int32_t>(std::bit_cast<std::uint32_t>(v)));
}

void LittleEndianBuffer::byte(std::uint8_t v) {
    bytes_.push_back(v);
}

void LittleEndianBuffer::patchInt32(std::size_t at, std::int32_t v) {
    assert(at + 4 <= bytes_.size());
    auto u = static_cast<std::uint32_t>(v);
    for (std::size_t i = 0; i < 4 && at + i < bytes_.size(); ++i)
        bytes_[at + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void reportSkipped(const std::string& what) {
    std::cerr << "3DO writer: " << what << '\n';
    assert(!"the tree or the tables hold something the 3DO writer cannot write");
}

std::int32_t usableCount(std::int32_t count, std::size_t capacity, const char* what) {
    auto cap = static_cast<std::int32_t>(capacity);
    if (count >= 0 && count <= cap) return count;
    reportSkipped(std::string(what) + " count " + std::to_string(count) +
                  " is outside its table; writing " +
                  (count < 0 ? "none" : "the table's capacity"));
    return count < 0 ? 0 : cap;
}

std::size_t beginChunk(LittleEndianBuffer& out, std::uint32_t tag) {
    out.int32(static_cast<std::int32_t>(tag));
    out.int32(0);
    std::size_t lengthField = out.size();
    out.int32(-1);
    return lengthField;
}

void writeVertexChunk(const KilnState& k, LittleEndianBuffer& out) {
    std::int32_t n =
        usableCount(k.vertCount, std::min({k.x.size(), k.y.size(), k.z.size()}), "vertex");
    std::size_t lengthField = beginChunk(out, kTagXYZS);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        out.float32(0.0f);
        out.float32(k.x[i]);
        out.float32(k.y[i]);
        out.float32(k.z[i]);
    }
    out.patchInt32(lengthField, n * 16);
}

void writePlaneChunk(const KilnState& k, LittleEndianBuffer& out) {
    std::int32_t n = usableCount(
        k.planeCount, std::min({k.a.size(), k.b.size(), k.c.size(), k.d.size()}), "plane");
    std::size_t lengthField = beginChunk(out, kTagPLAN);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        out.float32(k.a[i]);
        out.float32(k.b[i]);
        out.float32(k.c[i]);
        out.float32(k.d[i]);
    }
    out.patchInt32(lengthField, n * 16);
}

void writeStringChunk(const KilnState& k, LittleEndianBuffer& out) {
    std::int32_t n = usableCount(k.stringCount, k.stringy.size(), "string");
    std::size_t lengthField = beginChunk(out, kTagSTRN);
    std::size_t start = out.size();
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        if (!isWritten(k, i)) continue;
        for (char ch : k.stringy[i])
            out.byte(static_cast<std::uint8_t>(ch));
        out.byte(0);
    }
    out.byte(kStringsEnd);
    auto length = static_cast<std::int32_t>(out.size() - start);
    out.patchInt32(lengthField, length);
    // The padding keeps the next chunk on a 4-byte boundary; it is not part of the length.
    for (std::int32_t pad = (4 - length % 4) % 4; pad > 0; --pad)
        out.byte(kPadding);
}

std::int32_t stringOffset(const KilnState& k, int stringNum) {
    std::int32_t n = usableCount(k.stringCount, k.stringy.size(), "string");
    if (stringNum < 0 || stringNum >= n)
        reportSkipped("string number " + std::to_string(stringNum) +
                      " is outside the string table; its offset is taken as the table's end");
    std::int32_t offset = 0;
    auto end = static_cast<std::size_t>(std::clamp(stringNum, 0, n));
    for (std::size_t i = 0; i < end; ++i)
        if (isWritten(k, i)) offset += static_cast<std::int32_t>(k.stringy[i].size()) + 1;
    return offset;
}

void writeHandChunk(const KilnState& k, LittleEndianBuffer& out, std::int32_t collisionData) {
    std::size_t lengthField = beginChunk(out, kTagHAND);
    out.int32(stringOffset(k, k.stringCount - 1));
    out.int32(collisionData);
    out.patchInt32(lengthField, 8);
}

} // namespace meshsmith::kiln
