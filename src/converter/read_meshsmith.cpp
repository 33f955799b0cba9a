// The reader of the editor's own ASE dialect: one object per polygon, each
// ended by its *MATERIAL_REF; then line objects (not read) and the collision
// block.

#include "bsp_builder.hpp"
#include "meshsmith_collision.hpp"
#include "polygon_preparation.hpp"
#include "reader_helpers.hpp"
#include "readers.hpp"
#include "readers/editor_ase_lines.hpp"
#include "text_input.hpp"
#include "vertex_colours.hpp"
#include "vertex_merge.hpp"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <cstdio>
#include <tuple>

namespace meshsmith::kiln {

namespace {

// The object being read: its working lists, indexed by the vertex numbers of
// its *MESH_VERTEX and *MESH_TVERT lines.
struct ObjectText {
    bool started = false; // a *GEOMOBJECT was read
    bool ended = false;   // its *MATERIAL_REF was read
    std::int32_t slot = -1;
    std::int32_t number = -1; // the polygon number of the vertex-colour file
    std::int32_t lastVertex = -1;
    std::size_t line = 0; // of its *GEOMOBJECT line
    ReadVertexList vertices{};
    ReadCoordList tx{}, ty{};
    std::bitset<kMaxReadVertices> hasVertex, hasTexture;
};

using Keyword = readers::EditorAseKeyword;

bool finite(float a, float b, float c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

class MeshsmithReader {
  public:
    MeshsmithReader(KilnState& k, TextSource& file, VertexColourFile& colours)
        : k_(k), file_(file), colours_(colours), merger_(k),
          nextColoured_(colours.readPolyShading(k)) {}

    // Reads up to the end of the file, the first line object or the first
    // line of the collision block (read into `collision`).
    void geometryPass(CollisionBlock& collision);

  private:
    // One line; false when it ends the pass.
    bool geometryLine(const std::string& line, CollisionBlock& collision);
    void bitmap(const std::string& line);
    void startObject();
    void vertex(const readers::EditorAseLine& read);
    void textureVertex(const readers::EditorAseLine& read);
    void materialRef(const readers::EditorAseLine& read);
    void requireEnded() const;
    std::int32_t vertexNumber(std::int32_t i, const char* keyword);
    std::int32_t stringOfMaterial(std::int32_t material);
    void storePolygon(int count);

    KilnState& k_;
    TextSource& file_;
    VertexColourFile& colours_;
    VertexMerger merger_;
    std::int32_t nextColoured_;
    ObjectText object_;
    std::vector<std::string> textureNames_; // by material number, in *BITMAP order
    std::vector<std::int32_t> materialString_;
};

void MeshsmithReader::geometryPass(CollisionBlock& collision) {
    std::string line;
    while (readstr(file_, line))
        if (!geometryLine(line, collision)) break;
    requireEnded();
}

bool MeshsmithReader::geometryLine(const std::string& line, CollisionBlock& collision) {
    const readers::EditorAseLine read = readers::readEditorAseLine(line);
    switch (read.keyword) {
    case Keyword::Bitmap: bitmap(line); break;
    case Keyword::DisplayClass:
        if (read.fields > 0) k_.displayClass = read.number;
        break;
    case Keyword::GeomObject: startObject(); break;
    case Keyword::LineObject: return false;
    case Keyword::Vertex: vertex(read); break;
    case Keyword::TextureVertex: textureVertex(read); break;
    case Keyword::MaterialRef: materialRef(read); break;
    case Keyword::Other:
        // Face lines and everything else are passed over: the vertices in the
        // order of their numbers are the polygon's boundary.
        return !readCollisionLine(line, file_, collision);
    }
    return true;
}

void MeshsmithReader::bitmap(const std::string& line) {
    if (static_cast<int>(textureNames_.size()) >= kMaxStrings)
        throw CapacityError("material", kMaxStrings);
    // The name stands between the quotes; without a closing quote it runs to
    // the end of the line.
    const std::size_t open = line.find('"');
    const std::size_t close = line.find('"', open + 1);
    std::string name = close == std::string::npos ? line.substr(open + 1)
                                                  : line.substr(open + 1, close - open - 1);
    textureNames_.push_back(trimmed(name).substr(0, kMaxStringLength));
}

void MeshsmithReader::startObject() {
    requireEnded();
    const bool keepsSlot = object_.started && object_.lastVertex <= 1;
    const std::int32_t slot = keepsSlot ? object_.slot : k_.polyCount;
    // An object of fewer than three vertices gives up its slot to the next one.
    polygonSlot(k_, slot) = poly{};
    k_.e[static_cast<std::size_t>(slot)] = 0;
    const std::int32_t number = !object_.started ? 0 : object_.number + (keepsSlot ? 0 : 1);
    if (!keepsSlot) ++k_.polyCount;
    object_ = ObjectText{};
    object_.started = true;
    object_.slot = slot;
    object_.number = number;
    object_.line = file_.lineNumber();
}

// An object that has vertices needs its *MATERIAL_REF before the next one
// starts: without it the polygon has no texture.
void MeshsmithReader::requireEnded() const {
    if (object_.started && !object_.ended && object_.lastVertex >= 0)
        throw InputError("Line " + std::to_string(object_.line) +
                         ": the object starting here has vertices but no *MATERIAL_REF");
}

std::int32_t MeshsmithReader::vertexNumber(std::int32_t i, const char* keyword) {
    if (!object_.started) throw lineError(file_, std::string(keyword) + " outside an object");
    if (object_.ended)
        throw lineError(file_, std::string(keyword) + " after the object's *MATERIAL_REF");
    if (i < 0 || i >= kMaxReadVertices)
        throw lineError(file_, "vertex number " + std::to_string(i) + " is outside 0 to " +
                                   std::to_string(kMaxReadVertices - 1));
    return i;
}

void MeshsmithReader::vertex(const readers::EditorAseLine& read) {
    const auto [i, x, y, z] = std::tuple(read.number, read.x, read.y, read.z);
    if (read.fields < 4) throw lineError(file_, "*MESH_VERTEX needs a number and x, y and z");
    const auto u = static_cast<std::size_t>(vertexNumber(i, "*MESH_VERTEX"));
    if (!finite(x, y, z)) throw lineError(file_, "a vertex coordinate is not a finite number");
    object_.vertices[u] = merger_.merge(x, y, z);
    object_.hasVertex.set(u);
    object_.lastVertex = i;
}

void MeshsmithReader::textureVertex(const readers::EditorAseLine& read) {
    const auto [i, u, v] = std::tuple(read.number, read.x, read.y);
    if (read.fields < 3) throw lineError(file_, "*MESH_TVERT needs a number and u and v");
    const auto at = static_cast<std::size_t>(vertexNumber(i, "*MESH_TVERT"));
    if (!finite(u, v, 0)) throw lineError(file_, "a texture coordinate is not a finite number");
    object_.tx[at] = u;
    object_.ty[at] = v;
    object_.hasTexture.set(at);
}

std::int32_t MeshsmithReader::stringOfMaterial(std::int32_t material) {
    if (material < 0 || material >= static_cast<std::int32_t>(textureNames_.size()))
        throw lineError(file_, "material " + std::to_string(material) + " has no *BITMAP line");
    const auto m = static_cast<std::size_t>(material);
    if (materialString_.size() <= m) materialString_.resize(m + 1, -1);
    if (materialString_[m] == -1) materialString_[m] = findOrAppendString(k_, textureNames_[m]);
    return materialString_[m];
}

void MeshsmithReader::materialRef(const readers::EditorAseLine& read) {
    const std::int32_t material = read.number;
    if (!object_.started) throw lineError(file_, "*MATERIAL_REF outside an object");
    if (object_.ended) throw lineError(file_, "a second *MATERIAL_REF for one object");
    if (read.fields < 1) throw lineError(file_, "*MATERIAL_REF needs a material number");
    const std::int32_t stringNum = stringOfMaterial(material);
    const int count = object_.lastVertex + 1;
    for (int i = 0; i < count; ++i) {
        const auto u = static_cast<std::size_t>(i);
        if (!object_.hasVertex[u] || !object_.hasTexture[u])
            throw lineError(file_, std::string("the object has no *MESH_") +
                                       (object_.hasVertex[u] ? "TVERT " : "VERTEX ") +
                                       std::to_string(i));
    }
    poly& p = polygonSlot(k_, object_.slot);
    p.stringNum = stringNum;
    p.polyVertexCount = static_cast<std::uint8_t>(count);
    if (nextColoured_ >= 0 && nextColoured_ == object_.number) {
        p.flav = 1;
        for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i)
            k_.tRed[i] = k_.tGreen[i] = k_.tBlue[i] = k_.tAlpha[i] = 255;
        nextColoured_ = colours_.readPolyShading(k_);
    }
    storePolygon(count);
    object_.ended = true;
}

// Cuts ears off the polygon and stores what remains in its slot.
void MeshsmithReader::storePolygon(int count) {
    ConcaveProcess(k_, object_.slot, object_.vertices, object_.tx, object_.ty);
    poly& p = polygonSlot(k_, object_.slot);
    const int kept = std::min<int>(p.polyVertexCount, count);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kept); ++i) {
        p.vertexList.at(i) = object_.vertices[i];
        p.tvertx[i] = object_.tx[i];
        p.tverty[i] = object_.ty[i];
        if (p.flav == 1) {
            p.red[i] = k_.tRed[i];
            p.green[i] = k_.tGreen[i];
            p.blue[i] = k_.tBlue[i];
            p.alpha[i] = k_.tAlpha[i];
        }
    }
}

} // namespace

int read_Meshsmith(KilnState& k, TextSource& ASEfile, std::string& fileName) {
    VertexColourFile colours;
    colours.open(k, fileName);
    std::printf("ASE format: Meshsmith\n\n");
    CollisionBlock collision;
    MeshsmithReader(k, ASEfile, colours).geometryPass(collision);
    // The collision block may stand anywhere after the objects: the editor
    // writes its line objects first.
    readCollisionBlock(ASEfile, collision);

    flipTextureY(k);
    FindPlanes(k, 0, k.polyCount, 0);
    triangulateNonFlat(k);
    requireSomePolygon(k, "ASE");
    std::printf("collision volumes = %u\n", static_cast<unsigned>(collision.volumes.size()));
    addCollisionVolumes(k, collision);
    return 0;
}

} // namespace meshsmith::kiln
