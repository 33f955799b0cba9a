#include "threedo_print.hpp"

#include <charconv>
#include <string>
#include <vector>

namespace meshsmith::inspect3do {

std::string floatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

std::string quoted(const std::string& text) {
    static const char* const hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
    }
    return out + "\"";
}

std::string indent(int depth) {
    return std::string(static_cast<std::size_t>(depth) * 2, ' ');
}

std::string planeText(const ThreeDoFile& f, std::int32_t number) {
    if (number < 0 || static_cast<std::size_t>(number) >= f.planes.size())
        return "plane " + std::to_string(number) + " (no such plane)";
    const Plane& p = f.planes[static_cast<std::size_t>(number)];
    return "plane " + std::to_string(number) + " (" + floatText(p.a) + " " + floatText(p.b) + " " +
           floatText(p.c) + " " + floatText(p.d) + ")";
}

std::string stringText(const ThreeDoFile& f, std::int32_t offset) {
    const StringEntry* entry = f.stringAt(offset);
    return "string offset " + std::to_string(offset) + " " +
           (entry ? quoted(entry->text) : "(no string starts there)");
}

std::string vertexText(const ThreeDoFile& f, std::int32_t number) {
    if (number < 0 || static_cast<std::size_t>(number) >= f.vertices.size())
        return "vertex " + std::to_string(number) + " (no such vertex)";
    const Vertex& v = f.vertices[static_cast<std::size_t>(number)];
    return "vertex " + std::to_string(number) + " (" + floatText(v.x) + " " + floatText(v.y) + " " +
           floatText(v.z) + ")";
}

void printHeaderAndTables(const ThreeDoFile& f, const ListingOptions& options, std::ostream& out) {
    out << "header: tag '" << tagText(f.tag) << "', version " << f.version << ", length field "
        << f.lengthField << " (file size " << f.fileSize << ")\n";
    out << "chunks:\n";
    for (const ChunkHead& c : f.chunks)
        out << "  '" << tagText(c.tag) << "' at file offset " << c.fileOffset << ": length "
            << c.length << "\n";
    out << "vertices: " << f.vertices.size() << "\n";
    for (std::size_t i = 0; options.verbose && i < f.vertices.size(); ++i) {
        const Vertex& v = f.vertices[i];
        out << "  " << i << ": " << floatText(v.x) << " " << floatText(v.y) << " " << floatText(v.z)
            << (v.w != 0.0f ? " (leading field " + floatText(v.w) + ")" : "") << "\n";
    }
    out << "planes: " << f.planes.size() << "\n";
    for (std::size_t i = 0; options.verbose && i < f.planes.size(); ++i) {
        const Plane& p = f.planes[i];
        out << "  " << i << ": " << floatText(p.a) << " " << floatText(p.b) << " " << floatText(p.c)
            << " " << floatText(p.d) << "\n";
    }
    out << "strings: " << f.strings.size() << " (padding " << f.strnPadding << ")\n";
    for (const StringEntry& s : f.strings)
        out << "  offset " << s.offset << ": " << quoted(s.text) << "\n";
}

void printPolygon(const ThreeDoFile& f, const Record& r, int depth, std::ostream& out) {
    out << "polygon " << (r.type == kColouredPolygonRecord ? "0x820" : "0x81F") << " at "
        << r.offset << ", " << r.vertices.size() << " vertices\n";
    for (std::size_t i = 0; i < r.vertices.size(); ++i) {
        out << indent(depth + 1) << vertexText(f, r.vertices[i]) << ", texture "
            << floatText(r.texCoords[i][0]) << " " << floatText(r.texCoords[i][1]);
        if (i < r.colours.size()) {
            const auto& c = r.colours[i];
            out << ", colour b " << int{c[0]} << " g " << int{c[1]} << " r " << int{c[2]} << " a "
                << int{c[3]};
        }
        out << "\n";
    }
}

struct TreeItem {
    std::string label;
    std::int32_t offset = -1;
    int depth = 0;
};

// Lists one record and pushes the items it refers to, so that they are listed
// next in field order.
void printRecord(const ThreeDoFile& f, const Record& r, int depth, std::ostream& out,
                 std::vector<TreeItem>& stack) {
    std::vector<TreeItem> children;
    if (isPolygonType(r.type)) {
        printPolygon(f, r, depth, out);
    } else if (r.type == kListRecord) {
        out << "list at " << r.offset << ", " << r.items.size() << " items\n";
        for (const std::int32_t item : r.items)
            children.push_back({"item", item, depth + 1});
    } else if (r.type == kTextureGroupRecord) {
        out << "texture group at " << r.offset << ", " << stringText(f, r.stringOffset)
            << ", display class " << r.displayClass << "\n";
        children.push_back({"child", r.child, depth + 1});
    } else {
        out << "node type " << r.type << " at " << r.offset << ", " << planeText(f, r.plane)
            << "\n";
        children.push_back({"front group", r.frontGroup, depth + 1});
        if (r.type == kTwoWayLeafNode || r.type == kTwoWayInnerNode)
            children.push_back({"back group", r.backGroup, depth + 1});
        if (r.type != kLeafNode && r.type != kTwoWayLeafNode) {
            children.push_back({"left (front subtree)", r.left, depth + 1});
            children.push_back({"right (back subtree)", r.right, depth + 1});
        }
    }
    stack.insert(stack.end(), children.rbegin(), children.rend());
}

void printTree(const ThreeDoFile& f, std::ostream& out) {
    out << "tree: root at data offset " << f.rootOffset << ", " << f.records.size() << " records\n";
    if (f.rootOffset == -1 && f.records.empty()) return;
    std::vector<bool> listed(f.records.size(), false);
    std::vector<TreeItem> stack{{"root", f.rootOffset, 1}};
    while (!stack.empty()) {
        const TreeItem item = stack.back();
        stack.pop_back();
        out << indent(item.depth) << item.label << ": ";
        const Record* r = f.recordAt(item.offset);
        if (item.offset == -1) {
            out << "none\n";
        } else if (r == nullptr) {
            out << "data offset " << item.offset << " (no record starts there)\n";
        } else if (listed[static_cast<std::size_t>(r - f.records.data())]) {
            out << "record at " << item.offset << " (listed above)\n";
        } else {
            listed[static_cast<std::size_t>(r - f.records.data())] = true;
            printRecord(f, *r, item.depth, out, stack);
        }
    }
}

void printCollision(const ThreeDoFile& f, std::ostream& out) {
    if (f.collision) {
        out << "collision data at data offset " << f.collision->offset << ": "
            << f.collision->volumes.size() << " volumes\n";
        for (std::size_t i = 0; i < f.collision->volumes.size(); ++i) {
            const CollisionVolume& v = f.collision->volumes[i];
            out << "  volume " << i << " at " << v.offset << ": " << v.planes.size() << " planes\n";
            for (const CollisionPlaneRecord& p : v.planes)
                out << "    plane record at " << p.offset << ": " << planeText(f, p.plane)
                    << ", type " << p.type << "\n";
        }
    }
    if (f.hand)
        out << "HAND: " << stringText(f, f.hand->stringOffset) << ", collision data at data offset "
            << f.hand->collisionOffset << "\n";
}

} // namespace

void printListing(const ThreeDoFile& file, const ListingOptions& options, std::ostream& out) {
    printHeaderAndTables(file, options, out);
    if (file.primDataStart == 0) return; // PRIM was never reached
    out << "PRIM data at file offset " << file.primDataStart << ", length " << file.primLength
        << "\n";
    printTree(file, out);
    printCollision(file, out);
}

} // namespace meshsmith::inspect3do
