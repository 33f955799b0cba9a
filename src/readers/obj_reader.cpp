#include "obj_reader.hpp"

#include "capacity_error.hpp"
#include "mtl_reader.hpp"
#include "reader_text.hpp"
#include "scan_format.hpp"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace meshsmith::readers {

namespace {

// One corner of a face as written: vertex and texture vertex numbers (1 is
// the first read, -1 the last read so far; 0 = no texture vertex given).
struct FaceGroup {
    std::int32_t vertex = 0, texture = 0;
};

bool isSeparator(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// "12", "-3": a whole number; false for anything else (also "" and "1a").
bool parseNumber(std::string_view text, std::int32_t& value) {
    std::size_t i = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    long long v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        if (v < 10'000'000'000LL) v = v * 10 + (text[i] - '0');
    }
    if (text[0] == '-') v = -v;
    value = static_cast<std::int32_t>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    return true;
}

class ObjLines {
  public:
    ObjLines(TextSource& file, const ObjRules& rules, ObjObserver* observer)
        : file_(file), rules_(rules), observer_(observer) {}

    void read(std::string_view line) {
        // Leading blanks and tabs are allowed before a keyword.
        std::size_t start = 0;
        while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
            ++start;
        line = line.substr(start);
        if (auto name = keywordRest(line, "mtllib"))
            result.mtlName = *name;
        else if (keywordRest(line, "v"))
            vertex(line);
        else if (keywordRest(line, "vt"))
            textureVertex(line);
        else if (auto material = keywordRest(line, "usemtl"))
            useMaterial(*material);
        else if (keywordRest(line, "f"))
            face(line.substr(1));
    }

    ObjText result;

  private:
    void useMaterial(const std::string& name) {
        if (name.empty()) throw lineError(file_, "usemtl needs a material name");
        textureName(file_, name); // refuses a name no 3DO could hold, for either side
        PlainMesh& mesh = result.mesh;
        const auto [known, added] =
            materialNumbers_.try_emplace(name, static_cast<std::int32_t>(mesh.materials.size()));
        if (added) mesh.materials.push_back({name, "", file_.lineNumber()});
        currentMaterial_ = known->second;
        if (observer_) observer_->materialUsed(mesh, currentMaterial_);
    }

    void vertex(std::string_view line) {
        float x = 0, y = 0, z = 0;
        if (scanFormatted(line, "v %f %f %f", {&x, &y, &z}).converted != 3)
            throw lineError(file_, "a vertex needs three coordinates");
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
            throw lineError(file_, "vertex coordinates must be finite");
        if (result.mesh.positions.size() >= kMaxObjVertices)
            throw CapacityError("vertex", kMaxObjVertices);
        result.mesh.positions.push_back({x, y, z});
        if (observer_) observer_->vertexRead(result.mesh);
    }

    void textureVertex(std::string_view line) {
        float u = 0, v = 0;
        // A missing v is 0, as the format defines it.
        if (scanFormatted(line, "vt %f %f", {&u, &v}).converted < 1)
            throw lineError(file_, "a texture vertex needs its coordinates");
        if (!std::isfinite(u) || !std::isfinite(v))
            throw lineError(file_, "texture coordinates must be finite");
        if (textureVertices_.size() >= kMaxObjTextureVertices)
            throw CapacityError("texture vertex", kMaxObjTextureVertices);
        textureVertices_.push_back({u, v});
    }

    // The groups after the "f", split at blanks and tabs.
    std::vector<FaceGroup> groupsOf(std::string_view text) const {
        std::vector<FaceGroup> groups;
        std::size_t i = 0;
        while (i < text.size()) {
            while (i < text.size() && isSeparator(text[i]))
                ++i;
            const std::size_t end = std::min(text.size(), text.find_first_of(" \t\r\n\v\f", i));
            if (end == i) break;
            if (groups.size() == kMaxObjFaceCorners)
                throw lineError(file_, "a face has more than " +
                                           std::to_string(kMaxObjFaceCorners) + " corners");
            groups.push_back(groupOf(text.substr(i, end - i)));
            i = end;
        }
        return groups;
    }

    // "v", "v/vt", "v/vt/vn" or "v//vn"; the normal is passed over.
    FaceGroup groupOf(std::string_view text) const {
        FaceGroup g;
        const std::size_t slash = text.find('/');
        const std::size_t slash2 =
            slash == std::string_view::npos ? slash : text.find('/', slash + 1);
        const std::string_view texture = slash == std::string_view::npos
                                             ? std::string_view()
                                             : text.substr(slash + 1, slash2 - slash - 1);
        if (!parseNumber(text.substr(0, slash), g.vertex) ||
            (!texture.empty() && !parseNumber(texture, g.texture)) ||
            (slash2 != std::string_view::npos &&
             text.find('/', slash2 + 1) != std::string_view::npos))
            throw lineError(file_, "\"" + std::string(text) + "\" is not a face corner (v/vt/vn)");
        if (!texture.empty() && g.texture == 0)
            throw lineError(file_, "texture vertex 0 does not exist (numbers start at 1)");
        return g;
    }

    // Position of number `n` in a list of `count` entries read so far:
    // 1 is the first, -1 the last.
    std::size_t listIndex(std::int32_t n, std::size_t count, const char* what) const {
        const long long index = n > 0 ? n - 1LL : static_cast<long long>(count) + n;
        if (n == 0 || index < 0 || index >= static_cast<long long>(count))
            throw lineError(file_, std::string(what) + " " + std::to_string(n) +
                                       " does not exist: " + std::to_string(count) +
                                       " were read before this line");
        return static_cast<std::size_t>(index);
    }

    // Whether the face's corners carry texture vertices; refuses a face the rules do not take.
    bool texturedFace(const std::vector<FaceGroup>& groups) const {
        const auto count = static_cast<std::size_t>(std::count_if(
            groups.begin(), groups.end(), [](const FaceGroup& g) { return g.texture != 0; }));
        if (count == 0 && rules_.untexturedFaceStops) throw UntexturedObjFace{file_.lineNumber()};
        if (count != 0 && count != groups.size())
            throw lineError(file_, "some corners of the face have texture vertices, others not");
        if (currentMaterial_ < 0 && rules_.faceNeedsMaterial)
            throw lineError(file_, "a face before any usemtl line: no material names its texture");
        return count != 0;
    }

    void face(std::string_view text) {
        const std::vector<FaceGroup> groups = groupsOf(text);
        const bool withTexture = texturedFace(groups);
        MeshFace f;
        f.material = currentMaterial_;
        f.line = file_.lineNumber();
        // The boundary runs opposite to the order in the file.
        for (auto g = groups.rbegin(); g != groups.rend(); ++g) {
            const std::size_t count = result.mesh.positions.size();
            f.corners.push_back(static_cast<std::int32_t>(listIndex(g->vertex, count, "vertex")));
            if (withTexture)
                f.uv.push_back(textureVertices_[listIndex(g->texture, textureVertices_.size(),
                                                          "texture vertex")]);
        }
        result.mesh.faces.push_back(std::move(f));
        if (observer_) observer_->faceRead(result.mesh);
    }

    TextSource& file_;
    const ObjRules& rules_;
    ObjObserver* observer_;
    std::vector<std::array<float, 2>> textureVertices_;
    std::unordered_map<std::string, std::int32_t> materialNumbers_;
    std::int32_t currentMaterial_ = -1;
};

} // namespace

ObjText readObj(TextSource& file, const std::string& firstLine, const ObjRules& rules,
                ObjObserver* observer) {
    ObjLines reader(file, rules, observer);
    reader.read(withoutByteOrderMark(firstLine));
    std::string line = firstLine;
    while (readstr(file, line))
        reader.read(line);
    return std::move(reader.result);
}

ObjFile readObjFile(const std::string& path, const ObjRules& rules) {
    std::optional<TextSource> source = TextSource::open(path);
    if (!source) throw InputError("Cannot open file " + path);
    if (source->isUtf16())
        throw InputError(path + " is UTF-16 text: save it as ANSI or UTF-8 text");
    std::string first;
    readstr(*source, first);
    ObjText text = readObj(*source, first, rules);
    ObjFile result{std::move(text.mesh), "", false};
    if (text.mtlName.empty()) return result;
    // The MTL file is named relative to the OBJ file, wherever the reader runs.
    result.mtlPath = besideFile(path, text.mtlName);
    if (std::optional<TextSource> mtl = TextSource::open(result.mtlPath)) {
        result.mtlFound = true;
        applyBitmaps(result.mesh, readMtl(*mtl, result.mtlPath));
    }
    return result;
}

} // namespace meshsmith::readers
