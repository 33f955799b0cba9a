#include "threedo_file.hpp"

#include <algorithm>
#include <bit>
#include <limits>
#include <utility>

namespace meshsmith::inspect3do {

bool isPolygonType(std::int32_t type) {
    return type == kPolygonRecord || type == kColouredPolygonRecord;
}

bool isNodeType(std::int32_t type) {
    return type >= kLeafNode && type <= kTwinNode;
}

std::string tagText(std::uint32_t tag) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const char c = static_cast<char>((tag >> shift) & 0xFF);
        text += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return text;
}

std::string Violation::text() const {
    return "violation: " + what + (atDataOffset ? " at data offset " : " at file offset ") +
           std::to_string(offset);
}

const Record* ThreeDoFile::recordAt(std::int32_t dataOffset) const {
    const auto it = std::lower_bound(
        records.begin(), records.end(), dataOffset,
        [](const Record& record, std::int32_t offset) { return record.offset < offset; });
    return (it != records.end() && it->offset == dataOffset) ? &*it : nullptr;
}

const StringEntry* ThreeDoFile::stringAt(std::int32_t offset) const {
    const auto it = std::lower_bound(
        strings.begin(), strings.end(), offset,
        [](const StringEntry& entry, std::int32_t value) { return entry.offset < value; });
    return (it != strings.end() && it->offset == offset) ? &*it : nullptr;
}

namespace {

// Fixed sizes of the records whose size does not depend on a count.
std::int64_t fixedRecordSize(std::int32_t type) {
    switch (type) {
    case kTextureGroupRecord:
        return 20;
    case kLeafNode:
        return 12;
    case kTwoWayLeafNode:
        return 16;
    case kTwoWayInnerNode:
        return 24;
    case kInnerNode:
    case kTwinNode:
        return 20;
    default:
        return 0;
    }
}

class Parser {
  public:
    explicit Parser(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    ParsedFile run() {
        file_.fileSize = size();
        readAll();
        return {std::move(file_), std::move(violation_)};
    }

  private:
    std::span<const std::uint8_t> bytes_;
    ThreeDoFile file_;
    std::optional<Violation> violation_;

    std::int64_t size() const { return static_cast<std::int64_t>(bytes_.size()); }
    bool has(std::int64_t pos, std::int64_t count) const {
        return pos >= 0 && count >= 0 && pos <= size() && count <= size() - pos;
    }
    std::uint32_t u32(std::int64_t pos) const {
        const auto p = static_cast<std::size_t>(pos);
        return std::uint32_t{bytes_[p]} | std::uint32_t{bytes_[p + 1]} << 8 |
               std::uint32_t{bytes_[p + 2]} << 16 | std::uint32_t{bytes_[p + 3]} << 24;
    }
    std::int32_t i32(std::int64_t pos) const { return static_cast<std::int32_t>(u32(pos)); }
    float f32(std::int64_t pos) const { return std::bit_cast<float>(u32(pos)); }
    // A PRIM field by its data offset; the caller has checked it lies in the data.
    std::int32_t dataInt(std::int64_t dataOffset) const {
        return i32(file_.primDataStart + dataOffset);
    }

    bool failAtFile(std::string what, std::int64_t offset) {
        violation_ = Violation{std::move(what), false, offset};
        return false;
    }
    bool failAtData(std::string what, std::int64_t offset) {
        violation_ = Violation{std::move(what), true, offset};
        return false;
    }

    void readAll() {
        std::int64_t pos = 12;
        if (!readHeader() || !readVertices(pos) || !readPlanes(pos) || !readStrings(pos) ||
            !readPrimHead(pos) || !readHand(pos))
            return;
        const std::int32_t treeEnd = file_.hand ? file_.hand->collisionOffset : file_.primLength;
        if (!readRecords(treeEnd)) return;
        if (file_.hand) readCollisionData(treeEnd);
    }

    bool readHeader() {
        if (!has(0, 12)) return failAtFile("file is shorter than the 12-byte header", 0);
        file_.tag = u32(0);
        file_.version = i32(4);
        file_.lengthField = i32(8);
        if (file_.tag != kFileTag) return failAtFile("header tag is not '3DO4'", 0);
        if (file_.version != 1) return failAtFile("header version is not 1", 4);
        if (size() > std::numeric_limits<std::int32_t>::max())
            return failAtFile("file is larger than 2 GiB", 8);
        if (file_.lengthField != size() - 12)
            return failAtFile("file length field " + std::to_string(file_.lengthField) +
                                  " is not the file size " + std::to_string(size()) + " - 12",
                              8);
        return true;
    }

    // Reads the chunk head at `pos`, which must carry `tag`, and checks that its
    // data lies inside the file.
    bool readChunkHead(std::int64_t pos, std::uint32_t tag, ChunkHead& head) {
        const std::string name = tagText(tag);
        if (!has(pos, 12)) return failAtFile("file ends before the " + name + " chunk head", pos);
        head = ChunkHead{u32(pos), i32(pos + 4), i32(pos + 8), pos};
        file_.chunks.push_back(head);
        if (head.tag != tag)
            return failAtFile("chunk tag '" + tagText(head.tag) + "' where '" + name + "' belongs",
                              pos);
        if (head.zero != 0) return failAtFile(name + " chunk head field 2 is not 0", pos + 4);
        if (head.length < 0) return failAtFile(name + " chunk length is negative", pos + 8);
        if (!has(pos + 12, head.length))
            return failAtFile(name + " chunk length " + std::to_string(head.length) +
                                  " runs past the end of the file",
                              pos + 8);
        return true;
    }

    bool readVertices(std::int64_t& pos) {
        ChunkHead head;
        if (!readChunkHead(pos, kXyzsTag, head)) return false;
        if (head.length % 16 != 0)
            return failAtFile("XYZS chunk length is not a multiple of 16", pos + 8);
        for (std::int64_t at = pos + 12; at < pos + 12 + head.length; at += 16)
            file_.vertices.push_back({f32(at), f32(at + 4), f32(at + 8), f32(at + 12)});
        pos += 12 + head.length;
        return true;
    }

    bool readPlanes(std::int64_t& pos) {
        ChunkHead head;
        if (!readChunkHead(pos, kPlanTag, head)) return false;
        if (head.length % 16 != 0)
            return failAtFile("PLAN chunk length is not a multiple of 16", pos + 8);
        for (std::int64_t at = pos + 12; at < pos + 12 + head.length; at += 16)
            file_.planes.push_back({f32(at), f32(at + 4), f32(at + 8), f32(at + 12)});
        pos += 12 + head.length;
        return true;
    }

    bool readStrings(std::int64_t& pos) {
        ChunkHead head;
        if (!readChunkHead(pos, kStrnTag, head)) return false;
        const std::int64_t data = pos + 12;
        const std::int64_t end = data + head.length;
        if (head.length < 1 || bytes_[static_cast<std::size_t>(end - 1)] != 0xFF)
            return failAtFile("STRN does not end in 0xFF", end - 1);
        std::int64_t at = data;
        while (at < end - 1) {
            // A 0xFF where a string would start ends the table for a reader.
            if (bytes_[static_cast<std::size_t>(at)] == 0xFF)
                return failAtFile("0xFF before the end of STRN", at);
            std::int64_t zero = at;
            while (zero < end - 1 && bytes_[static_cast<std::size_t>(zero)] != 0)
                ++zero;
            if (zero == end - 1) return failAtFile("string in STRN is not ended by a 0 byte", at);
            const auto first = bytes_.begin() + at;
            file_.strings.push_back(
                {static_cast<std::int32_t>(at - data), std::string(first, bytes_.begin() + zero)});
            at = zero + 1;
        }
        file_.strnPadding = static_cast<std::int32_t>((4 - head.length % 4) % 4);
        if (!has(end, file_.strnPadding)) return failAtFile("file ends in the STRN padding", end);
        for (std::int64_t p = end; p < end + file_.strnPadding; ++p)
            if (bytes_[static_cast<std::size_t>(p)] != 0x20)
                return failAtFile("STRN padding byte is not a space", p);
        pos = end + file_.strnPadding;
        return true;
    }

    bool readPrimHead(std::int64_t& pos) {
        ChunkHead head;
        if (!readChunkHead(pos, kPrimTag, head)) return false;
        file_.primDataStart = pos + 12;
        file_.primLength = head.length;
        if (head.length < 4)
            return failAtFile("PRIM chunk is too short for the root offset", pos + 8);
        file_.rootOffset = dataInt(0);
        pos += 12 + head.length;
        return true;
    }

    // HAND, when bytes follow PRIM; it must end the file.
    bool readHand(std::int64_t pos) {
        if (pos == size()) return true;
        if (!has(pos, 12)) return failAtFile("bytes after the PRIM chunk do not form a chunk", pos);
        ChunkHead head;
        if (!readChunkHead(pos, kHandTag, head)) return false;
        if (head.length != 8) return failAtFile("HAND chunk length is not 8", pos + 8);
        HandChunk hand{i32(pos + 12), i32(pos + 16)};
        if (pos + 20 != size()) return failAtFile("bytes after the HAND chunk", pos + 20);
        // The collision data holds at least the list head and one offset.
        if (hand.collisionOffset < 4 || hand.collisionOffset > file_.primLength - 12)
            return failAtFile("HAND collision data offset " + std::to_string(hand.collisionOffset) +
                                  " lies outside the PRIM data",
                              pos + 16);
        file_.hand = hand;
        return true;
    }

    // The drawing records from data offset 4 up to `end`.
    bool readRecords(std::int32_t end) {
        std::int64_t at = 4;
        while (at < end) {
            const std::int64_t recordSize = readRecord(at, end);
            if (recordSize == 0) return false;
            at += recordSize;
        }
        return true;
    }

    // Reads the record at data offset `at`, which must end by `end`; returns its
    // size, or 0 after a fault.
    std::int64_t readRecord(std::int64_t at, std::int64_t end) {
        const char* const pastEnd = file_.hand ? "record runs into the collision data"
                                               : "record runs past the end of the PRIM chunk";
        if (end - at < 4) return failAtData(pastEnd, at);
        Record record;
        record.offset = static_cast<std::int32_t>(at);
        record.type = dataInt(at);
        std::int64_t recordSize = fixedRecordSize(record.type);
        if (isPolygonType(record.type)) {
            if (end - at < 16) return failAtData(pastEnd, at);
            const std::int64_t n = dataInt(at + 12);
            if (n < 0) return failAtData("polygon record has a negative vertex count", at);
            recordSize = 16 + n * (record.type == kColouredPolygonRecord ? 16 : 12);
        } else if (record.type == kListRecord) {
            if (end - at < 8) return failAtData(pastEnd, at);
            const std::int64_t count = dataInt(at + 4);
            if (count < 0) return failAtData("list record has a negative count", at);
            recordSize = 8 + 4 * count;
        } else if (recordSize == 0) {
            return failAtData("unknown record type " + std::to_string(record.type), at);
        }
        if (recordSize > end - at) return failAtData(pastEnd, at);
        record.size = static_cast<std::int32_t>(recordSize);
        if (!readFields(record)) return 0;
        file_.records.push_back(std::move(record));
        return recordSize;
    }

    bool readFields(Record& r) {
        const std::int64_t at = r.offset;
        if (isPolygonType(r.type)) return readPolygon(r);
        if (r.type == kListRecord) {
            for (std::int64_t p = at + 8; p < at + r.size; p += 4)
                r.items.push_back(dataInt(p));
        } else if (r.type == kTextureGroupRecord) {
            if (dataInt(at + 8) != kTextureGroupRecord)
                return failAtData("texture group field 3 is not 5", at);
            r.child = dataInt(at + 4);
            r.stringOffset = dataInt(at + 12);
            r.displayClass = dataInt(at + 16);
        } else {
            readNode(r);
        }
        return true;
    }

    bool readPolygon(Record& r) {
        const std::int64_t at = r.offset;
        if (dataInt(at + 4) != 0) return failAtData("polygon record field 2 is not 0", at);
        if (dataInt(at + 8) != -1) return failAtData("polygon record field 3 is not -1", at);
        const std::int64_t n = dataInt(at + 12);
        const std::int64_t coords = at + 16;
        const std::int64_t numbers = coords + 8 * n;
        const std::int64_t colours = numbers + 4 * n;
        for (std::int64_t i = 0; i < n; ++i) {
            const std::int64_t uv = file_.primDataStart + coords + 8 * i;
            r.texCoords.push_back({f32(uv), f32(uv + 4)});
            r.vertices.push_back(dataInt(numbers + 4 * i));
            if (r.type == kColouredPolygonRecord) {
                const auto p = static_cast<std::size_t>(file_.primDataStart + colours + 4 * i);
                r.colours.push_back({bytes_[p], bytes_[p + 1], bytes_[p + 2], bytes_[p + 3]});
            }
        }
        return true;
    }

    void readNode(Record& r) {
        const std::int64_t at = r.offset;
        r.plane = dataInt(at + 4);
        switch (r.type) {
        case kLeafNode:
            r.frontGroup = dataInt(at + 8);
            break;
        case kTwoWayLeafNode:
            r.frontGroup = dataInt(at + 8);
            r.backGroup = dataInt(at + 12);
            break;
        case kTwoWayInnerNode:
            r.left = dataInt(at + 8);
            r.frontGroup = dataInt(at + 12);
            r.backGroup = dataInt(at + 16);
            r.right = dataInt(at + 20);
            break;
        default: // 9 and 10
            r.left = dataInt(at + 8);
            r.frontGroup = dataInt(at + 12);
            r.right = dataInt(at + 16);
        }
    }

    // The collision data from `start` to the end of PRIM: the list of volumes,
    // then each volume record followed by its plane records, every offset
    // pointing at the record that follows in this order.
    bool readCollisionData(std::int64_t start) {
        const std::int64_t end = file_.primLength;
        CollisionData data;
        data.offset = static_cast<std::int32_t>(start);
        if (dataInt(start) != kListRecord)
            return failAtData("collision data does not start with a list record", start);
        const std::int64_t n = dataInt(start + 4);
        if (n < 1) return failAtData("collision list holds no volumes", start);
        if (n > (end - start - 8) / 4)
            return failAtData("collision list runs past the end of the PRIM chunk", start);
        std::int64_t at = start + 8 + 4 * n;
        for (std::int64_t i = 0; i < n; ++i) {
            if (dataInt(start + 8 + 4 * i) != at)
                return failAtData("offset of collision volume " + std::to_string(i) +
                                      " does not point at its volume record",
                                  start);
            CollisionVolume volume;
            if (!readVolume(at, end, volume)) return false;
            data.volumes.push_back(std::move(volume));
        }
        file_.collision = std::move(data);
        if (at != end) return failAtData("bytes after the collision data", at);
        return true;
    }

    // The volume record at `at` and its plane records; moves `at` past them.
    bool readVolume(std::int64_t& at, std::int64_t end, CollisionVolume& volume) {
        volume.offset = static_cast<std::int32_t>(at);
        if (end - at < 8) return failAtData("collision volume runs past the end of PRIM", at);
        if (dataInt(at) != kListRecord)
            return failAtData("collision volume record type is not 4", at);
        const std::int64_t m = dataInt(at + 4);
        if (m < 0) return failAtData("collision volume has a negative plane count", at);
        if (m > (end - at - 8) / 28)
            return failAtData("collision volume runs past the end of PRIM", at);
        const std::int64_t first = at + 8 + 4 * m;
        for (std::int64_t j = 0; j < m; ++j) {
            if (dataInt(at + 8 + 4 * j) != first + 24 * j)
                return failAtData("offset of collision plane " + std::to_string(j) +
                                      " does not point at its plane record",
                                  at);
        }
        for (std::int64_t p = first; p < first + 24 * m; p += 24) {
            if (dataInt(p) != 6) return failAtData("collision plane record type is not 6", p);
            // The third field points at the field after it (its own offset + 4), the
            // 16, 1, type record that follows inside the plane record.
            if (dataInt(p + 8) != p + 12)
                return failAtData(
                    "collision plane record field 3 does not point at the field after it", p);
            if (dataInt(p + 12) != 16)
                return failAtData("collision plane record field 4 is not 16", p);
            if (dataInt(p + 16) != 1)
                return failAtData("collision plane record field 5 is not 1", p);
            volume.planes.push_back(
                {static_cast<std::int32_t>(p), dataInt(p + 4), dataInt(p + 20)});
        }
        at = first + 24 * m;
        return true;
    }
};

} // namespace

ParsedFile parseThreeDo(std::span<const std::uint8_t> bytes) {
    return Parser(bytes).run();
}

} // namespace meshsmith::inspect3do
