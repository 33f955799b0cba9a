// The geometry pass: lines are read one by one into the open object, whose
// faces join the mesh when its *MATERIAL_REF ends it.

#include "max_mesh_pass.hpp"

#include "capacity_error.hpp"
#include "max_object.hpp"
#include "reader_text.hpp"
#include "scan_format.hpp"

#include <array>
#include <cmath>
#include <utility>

namespace meshsmith::readers {

namespace {

constexpr const char* kFaceWithSmoothing =
    "\t\t\t*MESH_FACE   %i:    A:    %i B:   %i C:   %i AB:    %i BC:    %i CA:    %i\t "
    "*MESH_SMOOTHING %s \t*MESH_MTLID %i";
constexpr const char* kFaceWithoutSmoothing =
    "\t\t\t*MESH_FACE   %i:    A:    %i B:   %i C:   %i AB:    %i BC:    %i CA:    %i\t "
    "*MESH_SMOOTHING \t*MESH_MTLID %i";

bool allFinite(float a, float b, float c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

// A keyword line whose first field is a number.
struct NumberedLine {
    const std::string& text;
    std::int32_t number;
};

class MeshPass {
  public:
    MeshPass(TextSource& file, const MaxRules& rules, const MaxMaterialList& list, PlainMesh& mesh,
             MaxAseObserver* observer)
        : file_(file), rules_(rules), list_(list), mesh_(mesh), observer_(observer) {}

    void read(const std::string& line) {
        if (skipsMappingChannel(line)) return;
        std::string token;
        if (matches(line, " *GEOMOBJECT %s", {&token})) return startObject(token);
        if (matches(line, " *NODE_NAME %s", {&token})) return nameObject(token);
        for (const auto& [pattern, take] : kNumberedLines) {
            std::int32_t n = 0;
            if (matches(line, pattern, {&n})) return (this->*take)({line, n});
        }
    }

    // At the end of the file: an object still open never named its material.
    void finish() { endObject(std::nullopt); }

  private:
    // Lines of a second texture channel (*MESH_MAPPINGCHANNEL { ... }) repeat
    // the texture vertex and face lines one level deeper; only the first
    // channel gives the texture coordinates, so the block is passed over.
    bool skipsMappingChannel(const std::string& line) {
        if (!inChannel_) {
            std::int32_t n = 0;
            if (!matches(line, " *MESH_MAPPINGCHANNEL %i", {&n})) return false;
            inChannel_ = true;
            channelOpened_ = false;
            channelDepth_ = 0;
        } else if (std::string token; matches(line, " *GEOMOBJECT %s", {&token})) {
            inChannel_ = false; // a block left open ends with its object
            return false;
        }
        for (char c : line) {
            if (c == '{') ++channelDepth_, channelOpened_ = true;
            if (c == '}') --channelDepth_;
        }
        if (channelOpened_ && channelDepth_ <= 0) inChannel_ = false;
        return true;
    }

    void startObject(const std::string& token) {
        endObject(std::nullopt);
        object_ = MaxObject{};
        object_.name = token;
        object_.line = file_.lineNumber();
    }

    void nameObject(const std::string& token) {
        if (object_.named) return; // the node's own name comes first
        object_.name = token;
        object_.named = true;
    }

    void setVertexCount(const NumberedLine& l) {
        const std::int32_t n = l.number;
        if (n < 0) throw lineError(file_, "the vertex count is negative");
        if (n > kMaxObjectVertices) throw CapacityError("vertex", kMaxObjectVertices);
        object_.vertex.assign(static_cast<std::size_t>(n), -1);
    }

    void setFaceCount(const NumberedLine& l) {
        const std::int32_t n = l.number;
        if (n < 0) throw lineError(file_, "the face count is negative");
        if (n > kMaxObjectFaces) throw CapacityError("polygon", kMaxObjectFaces);
        if (observer_) observer_->faceCount(n);
        object_.faces.assign(static_cast<std::size_t>(n), MaxFace{});
    }

    void setTextureVertexCount(const NumberedLine& l) {
        const std::int32_t n = l.number;
        if (n < 0) throw lineError(file_, "the texture vertex count is negative");
        if (n > kMaxObjectTextureVertices)
            throw CapacityError("texture vertex", kMaxObjectTextureVertices);
        object_.textureVertices.assign(static_cast<std::size_t>(n), MaxTextureVertex{});
    }

    std::size_t checked(std::int32_t n, std::size_t size, const char* what,
                        const char* countLine) const {
        return checkedIndex(file_, object_, n, size, what, countLine);
    }

    // A numbered line of three reals, all of which must convert ("-1.#IND"
    // reads as -1 followed by junk); `refusal` when they do not.
    struct NumberedPoint {
        std::int32_t number = 0;
        std::array<float, 3> value{};
    };
    NumberedPoint numberedPoint(const std::string& line, const char* pattern,
                                const char* refusal) const {
        NumberedPoint p;
        auto& [x, y, z] = p.value;
        if (scanFormatted(line, pattern, {&p.number, &x, &y, &z}).converted != 4)
            throw lineError(file_, refusal);
        return p;
    }

    void vertex(const NumberedLine& l) {
        const NumberedPoint p = numberedPoint(l.text, " *MESH_VERTEX %i %f %f %f",
                                              "a vertex needs its number and three coordinates");
        const std::size_t at =
            checked(p.number, object_.vertex.size(), "vertex", "*MESH_NUMVERTEX");
        const auto& [x, y, z] = p.value;
        if (!allFinite(x, y, z)) throw lineError(file_, "vertex coordinates must be finite");
        if (observer_) observer_->vertex(p.value);
        object_.vertex[at] = static_cast<std::int32_t>(mesh_.positions.size());
        mesh_.positions.push_back(p.value);
    }

    std::int32_t position(std::int32_t n) const {
        const std::size_t at = checked(n, object_.vertex.size(), "vertex", "*MESH_NUMVERTEX");
        if (object_.vertex[at] < 0)
            throw lineError(file_, "vertex " + std::to_string(n) + " of " + object_.label() +
                                       " was not given");
        return object_.vertex[at];
    }

    void face(const NumberedLine& l) {
        const std::string& line = l.text;
        std::int32_t i = 0, a = 0, b = 0, c = 0, ab = 0, bc = 0, ca = 0, id = 0;
        std::string smoothing;
        const ScanResult with = scanFormatted(line, kFaceWithSmoothing,
                                              {&i, &a, &b, &c, &ab, &bc, &ca, &smoothing, &id});
        if (with.converted < 4)
            throw lineError(file_, "a face needs its number and three vertices (A: B: C:)");
        MaxFace& f = object_.faces[checked(i, object_.faces.size(), "face", "*MESH_NUMFACES")];
        f.given = true;
        f.corner = {position(a), position(b), position(c)};
        f.line = file_.lineNumber();
        // The material id is taken from whichever form (with or without a
        // smoothing group) the line matches to its end.
        std::int32_t idWithout = 0;
        const bool withoutSmoothing =
            scanFormatted(line, kFaceWithoutSmoothing, {&i, &a, &b, &c, &ab, &bc, &ca, &idWithout})
                .converted == 8;
        f.materialId = with.converted == 9 ? id : withoutSmoothing ? idWithout : 0;
        if (observer_) observer_->face(i, object_.name);
    }

    void textureVertex(const NumberedLine& l) {
        const NumberedPoint p =
            numberedPoint(l.text, " *MESH_TVERT %i %f %f %f",
                          "a texture vertex needs its number and three numbers");
        MaxTextureVertex& t = object_.textureVertices[checked(
            p.number, object_.textureVertices.size(), "texture vertex", "*MESH_NUMTVERTEX")];
        const auto& [u, v, w] = p.value;
        if (!allFinite(u, v, 0)) throw lineError(file_, "texture coordinates must be finite");
        t = {{u, v}, true};
    }

    void textureFace(const NumberedLine& l) {
        const std::string& line = l.text;
        std::int32_t i = 0;
        std::array<std::int32_t, 3> t{};
        if (scanFormatted(line, " *MESH_TFACE %i %i %i %i", {&i, &t[0], &t[1], &t[2]}).converted !=
            4)
            throw lineError(file_, "a texture face needs its number and three texture vertices");
        MaxFace& f = object_.faces[checked(i, object_.faces.size(), "face", "*MESH_NUMFACES")];
        for (std::size_t v = 0; v < 3; ++v) {
            const MaxTextureVertex& tv = object_.textureVertices[checked(
                t[v], object_.textureVertices.size(), "texture vertex", "*MESH_NUMTVERTEX")];
            if (!tv.given)
                throw lineError(file_, "texture vertex " + std::to_string(t[v]) + " of " +
                                           object_.label() + " was not given");
            f.uv[v] = tv.uv;
        }
        f.textured = true;
    }

    void materialRef(const NumberedLine& l) { endObject(l.number); }

    // The object's faces join the mesh: at its *MATERIAL_REF, or without one
    // (`ref` nullopt) when the next object starts or the file ends.
    void endObject(std::optional<std::int32_t> ref) {
        if (object_.faces.empty()) return;
        if (rules_.texturesRequired) requireTextures(file_, object_, list_, ref);
        const std::size_t first = mesh_.faces.size();
        takeFaces(object_, list_, ref, mesh_.faces);
        object_.faces.clear();
        if (mesh_.faces.size() == first) return;
        mesh_.objectStarts.push_back(first);
        if (observer_) observer_->objectEnd(mesh_, first);
    }

    using Take = void (MeshPass::*)(const NumberedLine&);
    // The keyword lines after the object's own, tried in this order.
    static constexpr std::pair<const char*, Take> kNumberedLines[] = {
        {" *MESH_NUMVERTEX %i", &MeshPass::setVertexCount},
        {" *MESH_NUMFACES %i", &MeshPass::setFaceCount},
        {" *MESH_VERTEX %i", &MeshPass::vertex},
        {kFaceWithSmoothing, &MeshPass::face},
        {" *MESH_NUMTVERTEX %i", &MeshPass::setTextureVertexCount},
        {" *MESH_TVERT %i", &MeshPass::textureVertex},
        {" *MESH_TFACE %i", &MeshPass::textureFace},
        {" *MATERIAL_REF %i", &MeshPass::materialRef}};

    TextSource& file_;
    const MaxRules& rules_;
    const MaxMaterialList& list_;
    PlainMesh& mesh_;
    MaxAseObserver* observer_;
    MaxObject object_;
    bool inChannel_ = false, channelOpened_ = false;
    int channelDepth_ = 0;
};

} // namespace

void readMaxMeshes(TextSource& file, const std::string* firstLine, const MaxRules& rules,
                   const MaxMaterialList& list, PlainMesh& mesh, MaxAseObserver* observer) {
    MeshPass pass(file, rules, list, mesh, observer);
    if (firstLine) pass.read(*firstLine);
    std::string line;
    while (readstr(file, line))
        pass.read(line);
    pass.finish();
}

} // namespace meshsmith::readers
