// Reading Wavefront OBJ files: the shared reader (readers/) reads the lines,
// and each vertex, material and face goes into the tables the moment the
// reader takes it in; the textures come from the MTL file the OBJ names.

#include "bsp_builder.hpp"
#include "console_pause.hpp"
#include "polygon_preparation.hpp"
#include "reader_helpers.hpp"
#include "readers.hpp"
#include "readers/obj_reader.hpp"
#include "text_input.hpp"
#include "vertex_colours.hpp"
#include "vertex_merge.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace meshsmith::kiln {

namespace {

static_assert(readers::kMaxObjVertices == kMaxVertices);
static_assert(readers::kMaxObjFaceCorners == static_cast<std::size_t>(kMaxReadVertices));

// Fills the tables from what the OBJ reader takes in, line by line.
class TableFilling final : public readers::ObjObserver {
  public:
    TableFilling(KilnState& k, VertexColourFile& colours)
        : k_(k), colours_(colours), merger_(k), nextColoured_(colours.readPolyShading(k)) {}

    void vertexRead(const readers::PlainMesh& mesh) override {
        const auto& [x, y, z] = mesh.positions.back();
        k_.s[mesh.positions.size() - 1] = merger_.merge(x, y, z);
    }

    void materialUsed(const readers::PlainMesh& mesh, std::int32_t material) override {
        currentString_ =
            findOrAppendString(k_, mesh.materials[static_cast<std::size_t>(material)].name);
    }

    void faceRead(const readers::PlainMesh& mesh) override {
        const readers::MeshFace& face = mesh.faces.back();
        ReadVertexList vertices{};
        ReadCoordList tx{}, ty{};
        for (std::size_t i = 0; i < face.corners.size(); ++i) {
            vertices[i] = k_.s[static_cast<std::size_t>(face.corners[i])];
            tx[i] = face.uv[i][0];
            ty[i] = face.uv[i][1];
        }
        store(static_cast<int>(face.corners.size()), vertices, tx, ty);
    }

  private:
    void store(int n, ReadVertexList& vertices, ReadCoordList& tx, ReadCoordList& ty) {
        poly record;
        record.polyVertexCount = static_cast<std::uint8_t>(n);
        record.stringNum = currentString_;
        record.inPlane = -1;
        const std::int32_t slot = appendPolygon(k_, record);
        const std::int32_t faceNumber = faces_++;
        if (nextColoured_ >= 0 && faceNumber == nextColoured_) {
            k_.polygon[static_cast<std::size_t>(slot)].flav = 1;
            for (std::size_t v = 0; v < static_cast<std::size_t>(n); ++v)
                k_.tRed[v] = k_.tGreen[v] = k_.tBlue[v] = k_.tAlpha[v] = 255;
            nextColoured_ = colours_.readPolyShading(k_);
        }
        ConcaveProcess(k_, slot, vertices, tx, ty);
        poly& p = k_.polygon[static_cast<std::size_t>(slot)];
        const std::size_t kept = std::min<std::size_t>(p.polyVertexCount, kMaxPolyVertices);
        for (std::size_t v = 0; v < kept; ++v) {
            p.vertexList[v] = vertices[v];
            p.tvertx[v] = tx[v];
            p.tverty[v] = ty[v];
            if (p.flav == 1) {
                p.red[v] = k_.tRed[v];
                p.green[v] = k_.tGreen[v];
                p.blue[v] = k_.tBlue[v];
                p.alpha[v] = k_.tAlpha[v];
            }
        }
    }

    KilnState& k_;
    VertexColourFile& colours_;
    VertexMerger merger_;
    std::int32_t nextColoured_;
    std::int32_t currentString_ = -1;
    std::int32_t faces_ = 0;
};

[[noreturn]] void untextured() {
    std::printf("Untextured polygon detected! Terminating...\n");
    std::fflush(stdout);
    pauseIfInteractive();
    throw UntexturedFace{};
}

} // namespace

int read_OBJ(KilnState& k, TextSource& OBJfile, std::string& fileName,
             const std::string& firstLine) {
    std::printf("OBJ format\n\n");
    const std::string inputName = fileName;
    VertexColourFile colours;
    colours.open(k, fileName);
    TableFilling filling(k, colours);
    std::string mtlName;
    try {
        mtlName = readers::readObj(OBJfile, firstLine, readers::ObjRules{}, &filling).mtlName;
    } catch (const readers::UntexturedObjFace&) {
        untextured();
    }
    flipTextureY(k);
    // The MTL file is named relative to the OBJ file, wherever the converter runs.
    read_MTL(k, mtlName.empty() ? std::string() : besideFile(inputName, mtlName));
    FindPlanes(k, 0, k.polyCount, 0);
    triangulateNonFlat(k);
    requireSomePolygon(k, "OBJ");
    return 1;
}

} // namespace meshsmith::kiln
