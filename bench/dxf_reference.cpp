// The DXF import as it was at commit 721b692, for dxf_import_bench to time
// beside today's: the file split into one string per line, and the entities
// read from those lines. Copied unchanged but for the namespace (and one call
// named with it); it uses today's helpers, which have not changed since.

#include "dxf_reference.hpp"

#include "model/exact_vertex_index.hpp"
#include "model/geometry_text_exchange.hpp"
#include "model/number_text.hpp"
#include "model/text_file.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_set>

namespace meshsmith::dxf_reference {
namespace {


std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

// The number on a group-code line; nullopt when the line holds anything else.
std::optional<int> groupCode(std::string_view line) {
    std::string_view t = trimBlanks(line);
    if (t.empty() || t.size() > 7) return std::nullopt;
    int code = 0;
    auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), code);
    if (ec != std::errc() || end != t.data() + t.size()) return std::nullopt;
    return code;
}

// A line as a message quotes it: long lines (binary junk) are cut short.
std::string_view quoted(std::string_view line) {
    constexpr std::size_t kLongest = 60;
    return line.size() > kLongest ? line.substr(0, kLongest) : line;
}

bool isEntityStart(const std::vector<std::string>& lines, std::size_t i, const char* name) {
    if (i == 0 || lines[i] != name) return false;
    auto code = groupCode(lines[i - 1]);
    return code && *code == 0;
}

// Where the value texts of one entity's coordinates stand.
struct CornerTexts {
    // [axis][corner]: axis 0, 1, 2 for the 1x-, 2x- and 3x-codes.
    std::array<std::array<std::size_t, 4>, 3> valueLine{}; // 0 = not found
};

class EntityReader {
  public:
    EntityReader(const std::vector<std::string>& lines, DxfKind kind, FileError& error)
        : lines_(lines), kind_(kind), corners_(dxfCornerCount(kind)), error_(error) {}

    bool read(std::size_t nameIndex, DxfEntity& entity) {
        CornerTexts texts;
        bool closed = false;
        if (!locate(nameIndex, texts, closed)) return false;
        entity.line = nameIndex + 1;
        for (int k = 0; k < corners_; ++k) {
            if (kind_ == DxfKind::Face && k == 3 && closed && absent(texts, k)) {
                entity.corners[3] = entity.corners[2]; // three corners given: a triangle
                continue;
            }
            if (!readCorner(texts, k, closed, entity)) return false;
        }
        return true;
    }

  private:
    static bool absent(const CornerTexts& t, int k) {
        const auto c = static_cast<std::size_t>(k);
        return t.valueLine[0][c] == 0 && t.valueLine[1][c] == 0 && t.valueLine[2][c] == 0;
    }

    // Walks the code/value pairs after the entity name up to the next group
    // code 0 (closed) or the end of the text, noting the first value line of
    // every coordinate code that is needed.
    bool locate(std::size_t nameIndex, CornerTexts& texts, bool& closed) {
        const int needed = 3 * corners_;
        int found = 0;
        name_ = nameIndex;
        for (std::size_t j = nameIndex + 1; found < needed; j += 2) {
            if (j >= lines_.size()) return true;
            auto code = groupCode(lines_[j]);
            if (!code) {
                error_ = {"'" + std::string(quoted(lines_[j])) + "' is not a valid group code",
                          j + 1};
                return false;
            }
            if (*code == 0) {
                closed = true;
                return true;
            }
            if (j + 1 >= lines_.size()) return true; // a code without its value
            const int axis = *code / 10 - 1, corner = *code % 10;
            if (*code < 10 || *code >= 40 || corner >= corners_) continue;
            std::size_t& slot =
                texts.valueLine[static_cast<std::size_t>(axis)][static_cast<std::size_t>(corner)];
            if (slot == 0) {
                slot = j + 2; // 1-based line of the value
                ++found;
            }
        }
        return true;
    }

    bool readCorner(const CornerTexts& t, int k, bool closed, DxfEntity& entity) {
        float xyz[3] = {0, 0, 0};
        for (int axis = 0; axis < 3; ++axis) {
            std::size_t line =
                t.valueLine[static_cast<std::size_t>(axis)][static_cast<std::size_t>(k)];
            if (line == 0) {
                if (axis == 2 && closed) continue; // a flat entity: z = 0
                return missing((axis + 1) * 10 + k, closed);
            }
            const std::string& text = lines_[line - 1];
            auto value = parseReal(text);
            if (!value) {
                error_ = {notAFloatMessage(quoted(text)), line};
                return false;
            }
            xyz[axis] = *value;
        }
        entity.corners[static_cast<std::size_t>(k)] = {xyz[0], xyz[1], xyz[2]};
        return true;
    }

    bool missing(int code, bool closed) {
        const std::string name = dxfEntityName(kind_);
        if (closed)
            error_ = {"The " + name + " entity has no group code " + std::to_string(code),
                      name_ + 1};
        else
            error_ = {"The file ends inside the " + name + " entity", name_ + 1};
        return false;
    }

    const std::vector<std::string>& lines_;
    DxfKind kind_;
    int corners_;
    FileError& error_;
    std::size_t name_ = 0;
};


bool isBinaryDxf(const std::vector<std::string>& lines) {
    return !lines.empty() && lines.front() == "AutoCAD Binary DXF";
}

bool readDxfEntities(const std::vector<std::string>& lines, DxfKind kind,
                     std::vector<DxfEntity>& entities, FileError& error) {
    entities.clear();
    EntityReader reader(lines, kind, error);
    const char* name = dxfEntityName(kind);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!isEntityStart(lines, i, name)) continue;
        DxfEntity entity;
        if (!reader.read(i, entity)) return false;
        entities.push_back(entity);
    }
    return true;
}


constexpr auto kMaxVertices = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());

// The corners of a face as it is stored: neighbouring corners at one position
// (also the last and the first) count once, so a face written as a triangle,
// whichever pair of its four corners repeats, becomes one. Faces that do not
// reduce to three corners keep all four, unless the fourth repeats the third.
std::vector<DxfCorner> faceCorners(const DxfEntity& e) {
    std::vector<DxfCorner> distinct;
    for (const DxfCorner& c : e.corners)
        if (distinct.empty() || !(c == distinct.back())) distinct.push_back(c);
    if (distinct.size() > 1 && distinct.back() == distinct.front()) distinct.pop_back();
    if (distinct.size() == 3) return distinct;
    if (e.corners[2] == e.corners[3]) return {e.corners[0], e.corners[1], e.corners[2]};
    return {e.corners.begin(), e.corners.end()};
}

std::uint64_t lineKey(std::int32_t a, std::int32_t b) {
    if (a > b) std::swap(a, b);
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(a)) << 32 |
           static_cast<std::uint32_t>(b);
}

// Adds entities to the project's tables, finding the vertices and lines that
// are there already in constant time.
class DxfMerge {
  public:
    explicit DxfMerge(Project& p) : p_(p), vertexAt_(indexVertices(p.object.vertices)) {
        for (const ObjectData& l : p.object.lines)
            if (l.VertexIndices.size() == 2)
                lineKeys_.insert(lineKey(l.VertexIndices[0], l.VertexIndices[1]));
    }

    bool addVertex(const DxfEntity& e) {
        if (find(e.corners[0]) >= 0) return false;
        append(e.corners[0]);
        return true;
    }

    bool addLine(const DxfEntity& e) {
        std::int32_t start = find(e.corners[0]), end = find(e.corners[1]);
        if (start < 0) start = append(e.corners[0]);
        if (end < 0) end = append(e.corners[1]);
        if (!lineKeys_.insert(lineKey(start, end)).second) return false;
        ObjectData line;
        line.Red = line.Green = line.Blue = 0.5f;
        line.VertexCount = 2;
        line.VertexIndices = {start, end};
        p_.object.lines.push_back(std::move(line));
        return true;
    }

    void addFace(const DxfEntity& e, RandomColours& colours) {
        const std::vector<DxfCorner> corners = faceCorners(e);
        ObjectData poly;
        for (const DxfCorner& c : corners)
            poly.VertexIndices.push_back(find(c));
        for (std::size_t k = 0; k < corners.size(); ++k)
            if (poly.VertexIndices[k] < 0) poly.VertexIndices[k] = append(corners[k]);
        poly.VertexIndices.push_back(poly.VertexIndices.front());
        poly.VertexCount = static_cast<std::int32_t>(poly.VertexIndices.size());
        poly.Red = colours.next();
        poly.Green = colours.next();
        poly.Blue = colours.next();
        p_.object.polygons.push_back(std::move(poly));
    }

  private:
    std::int32_t find(const DxfCorner& c) const { return vertexAt_.find(c.x, c.y, c.z); }

    std::int32_t append(const DxfCorner& c) {
        const auto index = static_cast<std::int32_t>(p_.object.vertices.size());
        p_.object.vertices.push_back({c.x, c.y, c.z});
        vertexAt_.add(c.x, c.y, c.z, index);
        return index;
    }

    Project& p_;
    ExactVertexIndex vertexAt_;
    std::unordered_set<std::uint64_t> lineKeys_;
};

// Adds the offset to every corner; false (with the entity's line) when a
// coordinate leaves the float range.
bool applyOffset(std::vector<DxfEntity>& entities, DxfKind kind, VertexOffset o, FileError& error) {
    const auto corners = static_cast<std::size_t>(dxfCornerCount(kind));
    for (DxfEntity& e : entities)
        for (std::size_t k = 0; k < corners; ++k) {
            DxfCorner& c = e.corners[k];
            c = {c.x + o.x, c.y + o.y, c.z + o.z};
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) {
                error = {std::string("The offset moves the ") + dxfEntityName(kind) +
                             " entity out of the range of coordinates",
                         e.line};
                return false;
            }
        }
    return true;
}

void startReplacement(Project& p) {
    p.object.vertices.clear();
    p.object.lines.clear();
    p.object.visLines.clear();
    p.object.polygons.clear();
    p.object.collision.clear();
}

std::string logLine(DxfKind kind, ImportMode mode, std::size_t n, const std::string& path) {
    const bool replace = mode == ImportMode::Replace;
    const std::string count = std::to_string(n);
    switch (kind) {
    case DxfKind::Line:
        return count +
               (replace ? " valid Lines loaded from file " : " additional Lines added from file ") +
               path;
    case DxfKind::Face:
        return count +
               (replace ? " valid Polygons loaded from file "
                        : " additional Polygons added from file ") +
               path;
    default:
        return count +
               (replace ? " valid Vertices loaded from file "
                        : " additional valid Vertices added from file ") +
               path;
    }
}

std::size_t mergeEntities(Project& p, const std::vector<DxfEntity>& entities, DxfKind kind,
                          RandomColours& colours) {
    DxfMerge merge(p);
    std::size_t added = 0;
    for (const DxfEntity& e : entities) {
        switch (kind) {
        case DxfKind::Line:
            added += merge.addLine(e) ? 1 : 0;
            break;
        case DxfKind::Face:
            merge.addFace(e, colours);
            ++added;
            break;
        default:
            added += merge.addVertex(e) ? 1 : 0;
        }
    }
    return added;
}

} // namespace

OperationResult importDxfLines(Project& p, const std::vector<std::string>& lines,
                               const std::string& path, DxfKind kind, UserPrompts& prompts,
                               LogSink& log, RandomColours& colours) {
    if (isBinaryDxf(lines)) return OperationResult::refused(kBinaryDxfMessage);
    std::vector<DxfEntity> entities;
    FileError error;
    if (!readDxfEntities(lines, kind, entities, error))
        return fileFailure(log, "importing", path, error);
    if (entities.empty())
        return OperationResult::refused(std::string("Sorry, no '") + dxfEntityName(kind) +
                                         "' objects in DXF file...");

    const ImportMode mode = importModeOf(p);
    const auto offset = importOffset(mode, prompts);
    if (!offset) return OperationResult::cancelled();
    if (mode == ImportMode::Append && !applyOffset(entities, kind, *offset, error))
        return fileFailure(log, "importing", path, error);
    const std::size_t base = mode == ImportMode::Append ? p.object.vertices.size() : 0;
    const auto newCorners = entities.size() * static_cast<std::size_t>(dxfCornerCount(kind));
    if (base > kMaxVertices || newCorners > kMaxVertices - base)
        return fileFailure(log, "importing", path, {"The project cannot hold more than " + std::to_string(kMaxVertices) + " vertices", 0});

    if (mode == ImportMode::Replace) startReplacement(p);
    const std::size_t added = mergeEntities(p, entities, kind, colours);
    if (mode == ImportMode::Replace) p.GeometryPresent = true;
    log.addLine(logLine(kind, mode, added, path));
    updateBounds(p);
    return {};
}

OperationResult importDxf(Project& p, const std::string& path, DxfKind kind, UserPrompts& prompts,
                          LogSink& log, RandomColours& colours) {
    TextLines file = readTextLines(path);
    if (!file.ok()) return fileFailure(log, "importing", path, {"Unable to load file " + path, 0});
    return dxf_reference::importDxfLines(p, file.lines, path, kind, prompts, log, colours);
}

} // namespace meshsmith::dxf_reference
