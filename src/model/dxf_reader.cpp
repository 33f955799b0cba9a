#include "dxf_reader.hpp"

#include "number_text.hpp"

#include <charconv>
#include <optional>
#include <span>
#include <string_view>

namespace meshsmith {
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

FileError notAGroupCode(std::string_view line, std::size_t number) {
    return {"'" + std::string(quoted(line)) + "' is not a valid group code", number};
}

// The names the walks look for: those of kDxfKinds up to Polyline (a
// polyface mesh is a POLYLINE too), then the end of a POLYLINE's VERTEX run.
constexpr std::array<std::string_view, 6> kEntityNames{"POINT",  "VERTEX",   "LINE",
                                                       "3DFACE", "POLYLINE", "SEQEND"};
constexpr std::size_t kSeqend = 5;

// Walks the lines of a text, numbering them from 1. A copy walks on from
// where the original stands.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // The next line, without its line end; false at the end of the text.
    bool next(std::string_view& line) {
        if (at_ >= text_.size()) return false;
        std::size_t end = at_;
        while (end < text_.size() && text_[end] != '\n' && text_[end] != '\r')
            ++end;
        line = text_.substr(at_, end - at_);
        at_ = end;
        if (at_ < text_.size()) {
            if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
            ++at_;
        }
        ++number_;
        return true;
    }
    // The number of the line last given.
    std::size_t number() const { return number_; }

  private:
    std::string_view text_;
    std::size_t at_ = 0, number_ = 0;
};

// Calls found(name's index in `names`, cursor) for every line that is one of
// the names right after a line with group code 0; the cursor stands on it.
template <typename Found>
bool forEachEntity(std::string_view text, std::span<const std::string_view> names, Found&& found) {
    LineCursor cursor(text);
    std::string_view line, previous;
    bool first = true;
    while (cursor.next(line)) {
        for (std::size_t k = 0; k < names.size() && !first; ++k) {
            if (line != names[k]) continue;
            const auto code = groupCode(previous);
            if (code && *code == 0 && !found(k, cursor)) return false;
            break;
        }
        previous = line;
        first = false;
    }
    return true;
}

// The integer of the group code 70 (the flags) of the entity whose name the
// cursor stands on; 0 when it has none or it does not convert.
int entityFlags(LineCursor cursor) {
    std::string_view codeLine, valueLine;
    while (cursor.next(codeLine)) {
        const auto code = groupCode(codeLine);
        if (!code || *code == 0 || !cursor.next(valueLine)) break;
        if (*code != 70) continue;
        const std::string_view t = trimBlanks(valueLine);
        int flags = 0;
        auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), flags);
        return ec == std::errc() ? flags : 0;
    }
    return 0;
}

constexpr int kPolygonMeshFlag = 16;  // POLYLINE: a polygon mesh of M by N vertices
constexpr int kPolyfaceMeshFlag = 64; // POLYLINE: a polyface mesh; VERTEX: one of its vertices
constexpr int kFaceRecordFlag = 128;  // VERTEX: a face record of a polyface mesh

// A polyface mesh's face record: a VERTEX that holds corner numbers, not a position.
bool isFaceRecord(const LineCursor& at) {
    const int flags = entityFlags(at);
    return (flags & kFaceRecordFlag) != 0 && (flags & kPolyfaceMeshFlag) == 0;
}

// What the POLYLINE the cursor stands on is: Polyline (an outline) or
// Polyface; nullopt for a polygon mesh, which is never read as polygons.
std::optional<DxfKind> polylineKind(const LineCursor& at) {
    const int flags = entityFlags(at);
    if ((flags & kPolyfaceMeshFlag) != 0) return DxfKind::Polyface;
    if ((flags & kPolygonMeshFlag) != 0) return std::nullopt;
    return DxfKind::Polyline;
}

// Reads the corner numbers (group codes 71 to 74) of the face record whose
// name the cursor stands on, up to the next group code 0 or the end of the text.
bool readFaceRecord(LineCursor cursor, DxfFaceRecord& face, FileError& error) {
    face.line = cursor.number();
    std::string_view codeLine, valueLine;
    while (cursor.next(codeLine)) {
        const auto code = groupCode(codeLine);
        if (!code) {
            error = notAGroupCode(codeLine, cursor.number());
            return false;
        }
        if (*code == 0 || !cursor.next(valueLine)) return true;
        if (*code < 71 || *code > 74) continue;
        const auto number = parseInteger(trimBlanks(valueLine));
        if (!number) {
            error = {notAnIntegerMessage(quoted(valueLine)), cursor.number()};
            return false;
        }
        const std::int64_t n = *number;
        face.corners[static_cast<std::size_t>(*code - 71)] = n < 0 ? -n : n;
    }
    return true;
}

// False, naming the record, at the first face record with a corner number
// beyond its mesh's position vertices.
bool checkFaceCorners(const std::vector<DxfEntity>& entities, FileError& error) {
    for (const DxfEntity& mesh : entities)
        for (const DxfFaceRecord& face : mesh.faces)
            for (std::int64_t n : face.corners) {
                if (n <= static_cast<std::int64_t>(mesh.outline.size())) continue;
                error = {"The face record names vertex " + std::to_string(n) +
                             ", but its polyface mesh has " + std::to_string(mesh.outline.size()) +
                             " vertices",
                         face.line};
                return false;
            }
    return true;
}

// Where the value texts of one entity's coordinates stand.
struct CornerTexts {
    struct Value {
        std::string_view text;
        std::size_t line = 0; // 1-based; 0 = not found
    };
    // [axis][corner]: axis 0, 1, 2 for the 1x-, 2x- and 3x-codes.
    std::array<std::array<Value, 4>, 3> value{};
};

class EntityReader {
  public:
    EntityReader(DxfKind kind, FileError& error)
        : kind_(kind), corners_(dxfCornerCount(kind)), error_(error) {}

    // Reads the entity whose name the cursor stands on.
    bool read(LineCursor cursor, DxfEntity& entity) {
        CornerTexts texts;
        bool closed = false;
        name_ = cursor.number();
        if (!locate(cursor, texts, closed)) return false;
        entity.line = name_;
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
        return t.value[0][c].line == 0 && t.value[1][c].line == 0 && t.value[2][c].line == 0;
    }

    // Walks the code/value pairs after the entity name up to the next group
    // code 0 (closed) or the end of the text, noting the first value of every
    // coordinate code that is needed.
    bool locate(LineCursor& cursor, CornerTexts& texts, bool& closed) {
        const int needed = 3 * corners_;
        int found = 0;
        std::string_view codeLine, valueLine;
        while (found < needed) {
            if (!cursor.next(codeLine)) return true;
            auto code = groupCode(codeLine);
            if (!code) {
                error_ = notAGroupCode(codeLine, cursor.number());
                return false;
            }
            if (*code == 0) {
                closed = true;
                return true;
            }
            if (!cursor.next(valueLine)) return true; // a code without its value
            const int axis = *code / 10 - 1, corner = *code % 10;
            if (*code < 10 || *code >= 40 || corner >= corners_) continue;
            CornerTexts::Value& slot =
                texts.value[static_cast<std::size_t>(axis)][static_cast<std::size_t>(corner)];
            if (slot.line == 0) {
                slot = {valueLine, cursor.number()};
                ++found;
            }
        }
        return true;
    }

    bool readCorner(const CornerTexts& t, int k, bool closed, DxfEntity& entity) {
        float xyz[3] = {0, 0, 0};
        for (int axis = 0; axis < 3; ++axis) {
            const CornerTexts::Value& v =
                t.value[static_cast<std::size_t>(axis)][static_cast<std::size_t>(k)];
            if (v.line == 0) {
                if (axis == 2 && closed) continue; // a flat entity: z = 0
                return missing((axis + 1) * 10 + k, closed);
            }
            auto value = parseReal(v.text);
            if (!value) {
                error_ = {notAFloatMessage(quoted(v.text)), v.line};
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
            error_ = {"The " + name + " entity has no group code " + std::to_string(code), name_};
        else
            error_ = {"The file ends inside the " + name + " entity", name_};
        return false;
    }

    DxfKind kind_;
    int corners_;
    FileError& error_;
    std::size_t name_ = 0;
};

// Where readDxfEntities puts each entity that its walk meets.
class EntityCollector {
  public:
    EntityCollector(DxfKind kind, std::vector<DxfEntity>& entities, FileError& error,
                    DxfPolyfaces& skipped)
        : kind_(kind), entities_(entities), error_(error), skipped_(skipped) {}

    // The entity named kEntityNames[name], on whose name the cursor stands.
    bool found(std::size_t name, const LineCursor& at) {
        if (name == kSeqend) {
            into_ = Into::Nothing;
            return true;
        }
        const DxfKind kind = kDxfKinds[name];
        if (kind == DxfKind::Vertex) return vertex(at);
        into_ = Into::Nothing;
        if (kind == DxfKind::Polyline) return polyline(at);
        return !wanted(kind) || read(kind, at, entities_.emplace_back());
    }

  private:
    // Where the VERTEX entities met go: entities of their own, or into entities_.back().
    enum class Into { Nothing, Outline, Mesh };

    bool wanted(DxfKind k) const {
        return k == kind_ || (kind_ == DxfKind::All && k != DxfKind::Vertex);
    }

    bool vertex(const LineCursor& at) {
        if (isFaceRecord(at)) {
            if (into_ == Into::Mesh)
                return readFaceRecord(at, entities_.back().faces.emplace_back(), error_);
            ++skipped_.faces;
            return true;
        }
        if (into_ == Into::Nothing && !wanted(DxfKind::Vertex)) return true;
        DxfEntity vertex;
        if (!read(DxfKind::Vertex, at, vertex)) return false;
        if (into_ == Into::Nothing)
            entities_.push_back(vertex);
        else
            entities_.back().outline.push_back(vertex.corners[0]);
        return true;
    }

    bool polyline(const LineCursor& at) {
        const std::optional<DxfKind> kind = polylineKind(at);
        if (!kind) return true;
        if (!wanted(*kind)) {
            if (*kind == DxfKind::Polyface) ++skipped_.meshes;
            return true;
        }
        DxfEntity& e = entities_.emplace_back();
        e.kind = *kind;
        e.line = at.number();
        into_ = *kind == DxfKind::Polyface ? Into::Mesh : Into::Outline;
        return true;
    }

    bool read(DxfKind kind, const LineCursor& at, DxfEntity& e) {
        e.kind = kind;
        return EntityReader(kind, error_).read(at, e);
    }

    DxfKind kind_;
    std::vector<DxfEntity>& entities_;
    FileError& error_;
    DxfPolyfaces& skipped_;
    Into into_ = Into::Nothing;
};

} // namespace

const char* dxfEntityName(DxfKind kind) {
    switch (kind) {
    case DxfKind::Point:
        return "POINT";
    case DxfKind::Vertex:
        return "VERTEX";
    case DxfKind::Line:
        return "LINE";
    case DxfKind::Face:
        return "3DFACE";
    case DxfKind::Polyline:
    case DxfKind::Polyface:
        return "POLYLINE";
    case DxfKind::All:
        return "POINT, LINE, 3DFACE or POLYLINE";
    }
    return "";
}

int dxfCornerCount(DxfKind kind) {
    switch (kind) {
    case DxfKind::Point:
    case DxfKind::Vertex:
        return 1;
    case DxfKind::Line:
        return 2;
    case DxfKind::Face:
        return 4;
    default:
        return 0;
    }
}

bool isBinaryDxf(std::string_view text) {
    std::string_view first;
    return LineCursor(text).next(first) && first == "AutoCAD Binary DXF";
}

DxfCounts countDxfEntities(std::string_view text) {
    DxfCounts counts;
    forEachEntity(text, std::span(kEntityNames).first(kSeqend),
                  [&](std::size_t k, const LineCursor& at) {
                      std::optional<DxfKind> kind = kDxfKinds[k];
                      if (kind == DxfKind::Vertex && isFaceRecord(at)) {
                          ++counts.faces;
                          return true;
                      }
                      if (kind == DxfKind::Polyline) kind = polylineKind(at);
                      if (kind) ++counts.entities[static_cast<std::size_t>(*kind)];
                      return true;
                  });
    return counts;
}

std::string dxfTextOf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return text;
}

bool readDxfEntities(std::string_view text, DxfKind kind, std::vector<DxfEntity>& entities,
                     FileError& error, DxfPolyfaces& skipped) {
    entities.clear();
    skipped = {};
    EntityCollector collector(kind, entities, error, skipped);
    const auto found = [&](std::size_t k, const LineCursor& at) { return collector.found(k, at); };
    return forEachEntity(text, kEntityNames, found) && checkFaceCorners(entities, error);
}

} // namespace meshsmith
