// Reading 3ds Max ASE files: the material list with its bitmaps, then the
// meshes, whose triangles become polygons (pairs of them merged into quads).

#include "bsp_builder.hpp"
#include "max_materials.hpp"
#include "polygon_preparation.hpp"
#include "reader_helpers.hpp"
#include "readers.hpp"
#include "text_input.hpp"
#include "vertex_colours.hpp"
#include "vertex_merge.hpp"

#include <cmath>
#include <cstdio>

namespace meshsmith::kiln {

namespace {

constexpr int kMaxMeshTextureVertices = 20000;

constexpr const char* kFaceWithSmoothing =
    "\t\t\t*MESH_FACE   %i:    A:    %i B:   %i C:   %i AB:    %i BC:    %i CA:    %i\t "
    "*MESH_SMOOTHING %s \t*MESH_MTLID %i";
constexpr const char* kFaceWithoutSmoothing =
    "\t\t\t*MESH_FACE   %i:    A:    %i B:   %i C:   %i AB:    %i BC:    %i CA:    %i\t "
    "*MESH_SMOOTHING \t*MESH_MTLID %i";

struct TextureVertex {
    float x = 0, y = 0;
    bool given = false;
};

struct MeshFace {
    bool given = false, textured = false;
    std::array<std::int32_t, 3> vertex{}; // table vertices
    std::int32_t materialId = 0;
    std::array<float, 3> tx{}, ty{};
    std::uint8_t flav = 0;
    std::array<std::uint8_t, 3> red{}, green{}, blue{}, alpha{};
};

struct Mesh {
    std::string name; // the *NODE_NAME token, as the vertex-colour file names it
    bool named = false;
    std::size_t line = 0;             // its *GEOMOBJECT line
    std::vector<std::int32_t> vertex; // mesh vertex number -> table vertex, -1 not given
    std::vector<MeshFace> faces;
    std::vector<TextureVertex> textureVertices;
};

bool allFinite(float a, float b, float c) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c);
}

class MeshPass {
  public:
    MeshPass(KilnState& k, TextSource& file, const MaxMaterials& materials,
             VertexColourFile& colours, std::int32_t nextColoured)
        : k_(k), file_(file), materials_(materials), colours_(colours), merger_(k),
          nextColoured_(nextColoured) {}

    void read(const std::string& line) {
        if (skipsMappingChannel(line)) return;
        std::int32_t n = 0;
        std::string token;
        if (matches(line, " *GEOMOBJECT %s", {&token}))
            startMesh(token);
        else if (matches(line, " *NODE_NAME %s", {&token}))
            nameMesh(token);
        else if (matches(line, " *MESH_NUMVERTEX %i", {&n}))
            setVertexCount(n);
        else if (matches(line, " *MESH_NUMFACES %i", {&n}))
            setFaceCount(n);
        else if (matches(line, " *MESH_VERTEX %i", {&n}))
            vertex(line);
        else if (matches(line, kFaceWithSmoothing))
            face(line);
        else if (matches(line, " *MESH_NUMTVERTEX %i", {&n}))
            setTextureVertexCount(n);
        else if (matches(line, " *MESH_TVERT %i", {&n}))
            textureVertex(line);
        else if (matches(line, " *MESH_TFACE %i", {&n}))
            textureFace(line);
        else if (matches(line, " *MATERIAL_REF %i", {&n}))
            endMesh(n);
    }

    // At the end of the file: a mesh still open never named its material.
    void finish() const { requireNoOpenMesh(); }

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

    std::string meshLabel() const {
        return (mesh_.named ? "Mesh " + mesh_.name : std::string("The mesh")) + " (line " +
               std::to_string(mesh_.line) + ")";
    }

    void requireNoOpenMesh() const {
        if (!mesh_.faces.empty())
            throw InputError(meshLabel() +
                             " has faces but no *MATERIAL_REF: give it a material with a bitmap");
    }

    void startMesh(const std::string& token) {
        requireNoOpenMesh();
        mesh_ = Mesh{};
        mesh_.name = token;
        mesh_.line = file_.lineNumber();
    }

    void nameMesh(const std::string& token) {
        if (mesh_.named) return; // the node's own name comes first
        mesh_.name = token;
        mesh_.named = true;
    }

    void setVertexCount(std::int32_t n) {
        if (n < 0) throw lineError(file_, "the vertex count is negative");
        if (n > kMaxVertices) throw CapacityError("vertex", kMaxVertices);
        mesh_.vertex.assign(static_cast<std::size_t>(n), -1);
    }

    void setFaceCount(std::int32_t n) {
        if (n < 0) throw lineError(file_, "the face count is negative");
        if (n > kMaxPolygons - k_.polyCount) throw CapacityError("polygon", kMaxPolygons);
        mesh_.faces.assign(static_cast<std::size_t>(n), MeshFace{});
    }

    void setTextureVertexCount(std::int32_t n) {
        if (n < 0) throw lineError(file_, "the texture vertex count is negative");
        if (n > kMaxMeshTextureVertices)
            throw CapacityError("texture vertex", kMaxMeshTextureVertices);
        mesh_.textureVertices.assign(static_cast<std::size_t>(n), TextureVertex{});
    }

    // Index `n` into a list of `size` entries declared by `countLine`.
    std::size_t checked(std::int32_t n, std::size_t size, const char* what,
                        const char* countLine) const {
        if (n < 0 || static_cast<std::size_t>(n) >= size)
            throw lineError(file_, std::string(what) + " " + std::to_string(n) +
                                       " is outside the " + std::to_string(size) + " of " +
                                       countLine + " of " + meshLabel());
        return static_cast<std::size_t>(n);
    }

    void vertex(const std::string& line) {
        std::int32_t i = 0;
        float x = 0, y = 0, z = 0;
        if (scanFormatted(line, " *MESH_VERTEX %i %f %f %f", {&i, &x, &y, &z}).converted != 4)
            throw lineError(file_, "a vertex needs its number and three coordinates");
        const std::size_t at = checked(i, mesh_.vertex.size(), "vertex", "*MESH_NUMVERTEX");
        if (!allFinite(x, y, z)) throw lineError(file_, "vertex coordinates must be finite");
        mesh_.vertex[at] = merger_.merge(x, y, z);
    }

    std::int32_t tableVertex(std::int32_t n) const {
        const std::size_t at = checked(n, mesh_.vertex.size(), "vertex", "*MESH_NUMVERTEX");
        if (mesh_.vertex[at] < 0)
            throw lineError(file_, "vertex " + std::to_string(n) + " of " + meshLabel() +
                                       " was not given");
        return mesh_.vertex[at];
    }

    void face(const std::string& line) {
        std::int32_t i = 0, a = 0, b = 0, c = 0, ab = 0, bc = 0, ca = 0, id = 0;
        std::string smoothing;
        const ScanResult with = scanFormatted(line, kFaceWithSmoothing,
                                              {&i, &a, &b, &c, &ab, &bc, &ca, &smoothing, &id});
        if (with.converted < 4)
            throw lineError(file_, "a face needs its number and three vertices (A: B: C:)");
        MeshFace& f = mesh_.faces[checked(i, mesh_.faces.size(), "face", "*MESH_NUMFACES")];
        f.given = true;
        f.vertex = {tableVertex(a), tableVertex(b), tableVertex(c)};
        // The material id is taken from whichever form (with or without a
        // smoothing group) the line matches to its end.
        std::int32_t idWithout = 0;
        const bool withoutSmoothing =
            scanFormatted(line, kFaceWithoutSmoothing, {&i, &a, &b, &c, &ab, &bc, &ca, &idWithout})
                .converted == 8;
        f.materialId = with.converted == 9 ? id : withoutSmoothing ? idWithout : 0;
        takeColours(i, f);
    }

    void takeColours(std::int32_t faceNumber, MeshFace& f) {
        if (nextColoured_ < 0 || faceNumber != nextColoured_ || colours_.meshOfFace() != mesh_.name)
            return;
        for (std::size_t v = 0; v < 3; ++v)
            k_.tRed[v] = k_.tGreen[v] = k_.tBlue[v] = k_.tAlpha[v] = 255;
        // The vertex lines up to the next coloured face give this face's colours.
        nextColoured_ = colours_.readPolyShading3dsMax(k_);
        f.flav = 1;
        for (std::size_t v = 0; v < 3; ++v) {
            f.red[v] = k_.tRed[v];
            f.green[v] = k_.tGreen[v];
            f.blue[v] = k_.tBlue[v];
            f.alpha[v] = k_.tAlpha[v];
        }
    }

    void textureVertex(const std::string& line) {
        std::int32_t i = 0;
        float x = 0, y = 0, w = 0;
        // All three values must convert: "-1.#IND" reads as -1 followed by junk.
        if (scanFormatted(line, " *MESH_TVERT %i %f %f %f", {&i, &x, &y, &w}).converted != 4)
            throw lineError(file_, "a texture vertex needs its number and three numbers");
        TextureVertex& t = mesh_.textureVertices[checked(i, mesh_.textureVertices.size(),
                                                         "texture vertex", "*MESH_NUMTVERTEX")];
        if (!allFinite(x, y, 0)) throw lineError(file_, "texture coordinates must be finite");
        t = {x, y, true};
    }

    void textureFace(const std::string& line) {
        std::int32_t i = 0;
        std::array<std::int32_t, 3> t{};
        if (scanFormatted(line, " *MESH_TFACE %i %i %i %i", {&i, &t[0], &t[1], &t[2]}).converted !=
            4)
            throw lineError(file_, "a texture face needs its number and three texture vertices");
        MeshFace& f = mesh_.faces[checked(i, mesh_.faces.size(), "face", "*MESH_NUMFACES")];
        for (std::size_t v = 0; v < 3; ++v) {
            const TextureVertex& tv = mesh_.textureVertices[checked(
                t[v], mesh_.textureVertices.size(), "texture vertex", "*MESH_NUMTVERTEX")];
            if (!tv.given)
                throw lineError(file_, "texture vertex " + std::to_string(t[v]) + " of " +
                                           meshLabel() + " was not given");
            f.tx[v] = tv.x;
            f.ty[v] = tv.y;
        }
        f.textured = true;
    }

    std::string withoutBitmap(std::int32_t ref, const MeshFace& f) const {
        const MaxMaterial& m = materials_.materials[static_cast<std::size_t>(ref)];
        std::string which = "material " + std::to_string(ref) + " (\"" + m.name + "\")";
        if (!m.subBitmaps.empty()) {
            const auto n = static_cast<std::int32_t>(m.subBitmaps.size());
            which = "sub-material " + std::to_string(((f.materialId % n) + n) % n) + " of " + which;
        }
        return meshLabel() + " uses " + which + ", which has no bitmap";
    }

    // Every face of the mesh gets its texture; a face left out or without
    // texture coordinates stops the run before the tables change.
    void resolveTextures(std::int32_t ref, std::vector<std::int32_t>& texture) const {
        if (!materials_.listed)
            throw lineError(file_, "*MATERIAL_REF " + std::to_string(ref) + " of " + meshLabel() +
                                       " names a material, but the file has no material list "
                                       "(*MATERIAL_COUNT)");
        checked(ref, materials_.materials.size(), "material", "*MATERIAL_COUNT");
        for (std::size_t i = 0; i < mesh_.faces.size(); ++i) {
            const MeshFace& f = mesh_.faces[i];
            if (!f.given)
                throw lineError(file_,
                                meshLabel() + ": face " + std::to_string(i) + " was not given");
            texture[i] = getString(materials_, ref, f.materialId);
            if (texture[i] < 0) throw lineError(file_, withoutBitmap(ref, f));
        }
        for (std::size_t i = 0; i < mesh_.faces.size(); ++i)
            if (!mesh_.faces[i].textured)
                throw lineError(file_, meshLabel() + ": face " + std::to_string(i) +
                                           " has no texture coordinates (*MESH_TFACE)");
    }

    // The mesh ends: its faces become polygons, after those over collinear
    // vertices are dropped (the last face taking the freed place).
    void endMesh(std::int32_t ref) {
        if (mesh_.faces.empty()) return;
        std::vector<std::int32_t> texture(mesh_.faces.size());
        resolveTextures(ref, texture);
        std::vector<MeshFace>& faces = mesh_.faces;
        std::size_t n = faces.size();
        for (std::size_t i = 0; i < n;) {
            const MeshFace& f = faces[i];
            if (checkCollinear(k_, f.vertex[0], f.vertex[1], f.vertex[2]) == 1) {
                faces[i] = faces[n - 1];
                texture[i] = texture[n - 1];
                --n;
            } else {
                ++i;
            }
        }
        const std::int32_t first = k_.polyCount;
        for (std::size_t i = 0; i < n; ++i)
            appendPolygon(k_, polygonOf(faces[i], texture[i]));
        FindPlanes(k_, first, k_.polyCount, k_.planeCount);
        for (std::int32_t p = first; p < k_.polyCount - 1; ++p)
            FindAdj2(k_, p);
        mesh_.faces.clear();
    }

    static poly polygonOf(const MeshFace& f, std::int32_t texture) {
        poly p;
        p.flav = f.flav;
        p.polyVertexCount = 3;
        p.inPlane = -1;
        p.stringNum = texture;
        for (std::size_t v = 0; v < 3; ++v) {
            p.vertexList[v] = f.vertex[v];
            p.tvertx[v] = f.tx[v];
            p.tverty[v] = f.ty[v];
            p.red[v] = f.red[v];
            p.green[v] = f.green[v];
            p.blue[v] = f.blue[v];
            p.alpha[v] = f.alpha[v];
        }
        return p;
    }

    KilnState& k_;
    TextSource& file_;
    const MaxMaterials& materials_;
    VertexColourFile& colours_;
    VertexMerger merger_;
    std::int32_t nextColoured_;
    Mesh mesh_;
    bool inChannel_ = false, channelOpened_ = false;
    int channelDepth_ = 0;
};

// Textures that no polygon shows are left out of the 3DO.
void markUnusedStrings(KilnState& k) {
    std::vector<bool> used(static_cast<std::size_t>(k.stringCount), false);
    for (std::int32_t p = 0; p < k.polyCount; ++p) {
        const std::int32_t s = k.polygon[static_cast<std::size_t>(p)].stringNum;
        if (s >= 0 && s < k.stringCount) used[static_cast<std::size_t>(s)] = true;
    }
    for (std::int32_t s = 0; s < k.stringCount; ++s)
        k.stringNotWritten[static_cast<std::size_t>(s)] = !used[static_cast<std::size_t>(s)];
}

} // namespace

int read_3dsMax(KilnState& k, TextSource& ASEfile, std::string& fileName) {
    VertexColourFile colours;
    colours.open(k, fileName);
    const std::int32_t nextColoured = colours.readPolyShading3dsMax(k);
    std::printf("ASE format: 3ds Max\n\n");
    ASEfile.rewind();

    MaxMaterials materials;
    std::string line;
    const bool atObject = readMaterialList(k, ASEfile, line, materials);
    MeshPass meshes(k, ASEfile, materials, colours, nextColoured);
    if (atObject) meshes.read(line);
    while (readstr(ASEfile, line))
        meshes.read(line);
    meshes.finish();

    flipTextureY(k);
    markUnusedStrings(k);
    requireSomePolygon(k, "3ds Max");
    return 0;
}

} // namespace meshsmith::kiln
