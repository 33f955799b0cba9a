// Reading 3ds Max ASE files into the tables: the mesh reader tells what it
// takes line by line, and the tables are filled right then (strings per
// bitmap, vertices merged as they come, colours per face, each object's
// triangles made polygons and merged into quads when it ends).

#include "max_preparation.hpp"
#include "reader_helpers.hpp"
#include "readers.hpp"
#include "readers/max_ase_reader.hpp"
#include "text_input.hpp"
#include "vertex_colours.hpp"
#include "vertex_merge.hpp"

#include <cstdio>

namespace meshsmith::kiln {

namespace {

static_assert(readers::kMaxObjectVertices == kMaxVertices);
static_assert(readers::kMaxObjectFaces == kMaxPolygons);
static_assert(readers::kMaxMaterials == kMaxStrings);

struct FaceColours {
    std::uint8_t flav = 0;
    std::array<std::uint8_t, 3> red{}, green{}, blue{}, alpha{};
};

class TableFilling final : public readers::MaxAseObserver {
  public:
    TableFilling(KilnState& k, VertexColourFile& colours, std::int32_t nextColoured)
        : k_(k), colours_(colours), merger_(k), nextColoured_(nextColoured) {}

    void bitmap(const std::string& texture) override {
        const std::int32_t entry = findOrAppendString(k_, texture);
        if (texture == "clipper" && k_.clipperStringNum == -1) k_.clipperStringNum = entry;
    }

    void faceCount(std::int32_t count) override {
        if (count > kMaxPolygons - k_.polyCount) throw CapacityError("polygon", kMaxPolygons);
        faceColours_.assign(static_cast<std::size_t>(count), FaceColours{});
    }

    void vertex(const std::array<float, 3>& p) override {
        tableVertex_.push_back(merger_.merge(p[0], p[1], p[2]));
    }

    void face(std::int32_t number, const std::string& meshName) override {
        if (nextColoured_ < 0 || number != nextColoured_ || colours_.meshOfFace() != meshName)
            return;
        for (std::size_t v = 0; v < 3; ++v)
            k_.tRed[v] = k_.tGreen[v] = k_.tBlue[v] = k_.tAlpha[v] = 255;
        // The vertex lines up to the next coloured face give this face's colours.
        nextColoured_ = colours_.readPolyShading3dsMax(k_);
        FaceColours& c = faceColours_[static_cast<std::size_t>(number)];
        c.flav = 1;
        for (std::size_t v = 0; v < 3; ++v) {
            c.red[v] = k_.tRed[v];
            c.green[v] = k_.tGreen[v];
            c.blue[v] = k_.tBlue[v];
            c.alpha[v] = k_.tAlpha[v];
        }
    }

    // Under the converter's rules every face of the object was given, so the
    // faces from `firstFace` on are its faces 0, 1, ... and all are textured.
    void objectEnd(const readers::PlainMesh& mesh, std::size_t firstFace) override {
        const std::vector<std::int32_t>& entry = stringEntries(mesh.materials);
        std::vector<poly> triangles;
        std::vector<std::int32_t> tags;
        for (std::size_t i = firstFace; i < mesh.faces.size(); ++i) {
            const readers::MeshFace& f = mesh.faces[i];
            poly p = maxTriangle(f, tableVertex_, entry[static_cast<std::size_t>(f.material)]);
            withColours(p, faceColours_[i - firstFace]);
            triangles.push_back(p);
            tags.push_back(static_cast<std::int32_t>(i));
        }
        appendMaxObject(k_, std::move(triangles), std::move(tags), slotFace_);
    }

  private:
    static void withColours(poly& p, const FaceColours& c) {
        p.flav = c.flav;
        for (std::size_t v = 0; v < 3; ++v) {
            p.red[v] = c.red[v];
            p.green[v] = c.green[v];
            p.blue[v] = c.blue[v];
            p.alpha[v] = c.alpha[v];
        }
    }

    // The string entry of each mesh material: the one its bitmap made (the
    // material list is complete before the first object ends).
    const std::vector<std::int32_t>& stringEntries(const std::vector<readers::MeshMaterial>& m) {
        for (std::size_t i = entries_.size(); i < m.size(); ++i)
            entries_.push_back(findOrAppendString(k_, textureNameOf(m[i].bitmap)));
        return entries_;
    }

    KilnState& k_;
    VertexColourFile& colours_;
    VertexMerger merger_;
    std::int32_t nextColoured_;
    std::vector<std::int32_t> tableVertex_; // position -> table vertex
    std::vector<FaceColours> faceColours_;  // per face number of the open object
    std::vector<std::int32_t> entries_;
    std::vector<std::int32_t> slotFace_;
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
    TableFilling tables(k, colours, nextColoured);
    readers::readMaxAse(ASEfile, readers::MaxRules{}, &tables);
    flipTextureY(k);
    markUnusedStrings(k);
    requireSomePolygon(k, "3ds Max");
    return 0;
}

} // namespace meshsmith::kiln
