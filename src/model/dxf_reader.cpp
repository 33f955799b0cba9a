#include "dxf_reader.hpp"

#include "number_text.hpp"

#include <charconv>
#include <optional>
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

bool isEntityStart(const std::vector<std::string>& lines, std::size_t i, const char* name) {
    if (i == 0 || lines[i] != name) return false;
    auto code = groupCode(lines[i - 1]);
    return code && *code == 0;
}

// The integer of the entity's group code 70 (its flags); 0 when it has none
// or it does not convert.
int entityFlags(const std::vector<std::string>& lines, std::size_t nameIndex) {
    for (std::size_t j = nameIndex + 1; j + 1 < lines.size(); j += 2) {
        const auto code = groupCode(lines[j]);
        if (!code || *code == 0) break;
        if (*code != 70) continue;
        int flags = 0;
        const std::string_view t = trimBlanks(lines[j + 1]);
        auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), flags);
        return ec == std::errc() ? flags : 0;
    }
    return 0;
}

constexpr int kPolyfaceMeshFlag = 64;  // POLYLINE: a polyface mesh; VERTEX: one of its vertices
constexpr int kFaceRecordFlag = 128;   // VERTEX: a face record of a polyface mesh

// A polyface mesh's face record: a VERTEX that holds corner numbers, not a position.
bool isFaceRecord(const std::vector<std::string>& lines, std::size_t nameIndex) {
    const int flags = entityFlags(lines, nameIndex);
    return (flags & kFaceRecordFlag) != 0 && (flags & kPolyfaceMeshFlag) == 0;
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
    }
    return "";
}

int dxfCornerCount(DxfKind kind) {
    switch (kind) {
    case DxfKind::Line:
        return 2;
    case DxfKind::Face:
        return 4;
    default:
        return 1;
    }
}

bool isBinaryDxf(const std::vector<std::string>& lines) {
    return !lines.empty() && lines.front() == "AutoCAD Binary DXF";
}

std::array<std::size_t, 4> countDxfEntities(const std::vector<std::string>& lines) {
    std::array<std::size_t, 4> counts{};
    for (std::size_t i = 1; i < lines.size(); ++i)
        for (std::size_t k = 0; k < kDxfKinds.size(); ++k)
            if (isEntityStart(lines, i, dxfEntityName(kDxfKinds[k]))) {
                if (kDxfKinds[k] != DxfKind::Vertex || !isFaceRecord(lines, i)) ++counts[k];
                break;
            }
    return counts;
}

DxfPolyfaces countDxfPolyfaces(const std::vector<std::string>& lines) {
    DxfPolyfaces found;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (isEntityStart(lines, i, "POLYLINE") && (entityFlags(lines, i) & kPolyfaceMeshFlag))
            ++found.meshes;
        else if (isEntityStart(lines, i, "VERTEX") && isFaceRecord(lines, i))
            ++found.faces;
    }
    return found;
}

bool readDxfEntities(const std::vector<std::string>& lines, DxfKind kind,
                     std::vector<DxfEntity>& entities, FileError& error) {
    entities.clear();
    EntityReader reader(lines, kind, error);
    const char* name = dxfEntityName(kind);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        if (!isEntityStart(lines, i, name)) continue;
        if (kind == DxfKind::Vertex && isFaceRecord(lines, i)) continue;
        DxfEntity entity;
        if (!reader.read(i, entity)) return false;
        entities.push_back(entity);
    }
    return true;
}

} // namespace meshsmith
