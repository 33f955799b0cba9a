// The 3ds Max mesh reader under the converter's and the editor's rules, and
// the converter's polygons made of its mesh: the same as the tables the
// converter fills while it reads.

#include "converter/max_preparation.hpp"
#include "converter/reader_helpers.hpp"
#include "converter/vertex_merge.hpp"
#include "reader_runs.hpp"
#include "readers/max_ase_reader.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <iomanip>
#include <sstream>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using namespace meshsmith::readers;
using meshsmith::test::corpusPath;
using meshsmith::test::sourcePath;

namespace {

// "positions | faces (corners/material[u v,...]) | materials (name=bitmap)".
std::string summary(const PlainMesh& m) {
    std::ostringstream out;
    out << m.positions.size() << " |";
    for (const MeshFace& f : m.faces) {
        out << ' ';
        for (std::size_t i = 0; i < f.corners.size(); ++i)
            out << (i ? "," : "") << f.corners[i];
        out << '/' << (f.material < 0 ? std::string("-") : std::to_string(f.material));
        for (std::size_t i = 0; i < f.uv.size(); ++i)
            out << (i ? "," : "[") << f.uv[i][0] << ' ' << f.uv[i][1]
                << (i + 1 < f.uv.size() ? "" : "]");
    }
    out << " |";
    for (const MeshMaterial& material : m.materials)
        out << ' ' << material.name << '=' << material.bitmap;
    return out.str();
}

std::string outcome(const std::string& path, bool texturesRequired) {
    try {
        return summary(readMaxAseFile(path, MaxRules{texturesRequired}));
    } catch (const std::exception& e) {
        return e.what();
    }
}

const std::string kChannel =
    "*MESH_MAPPINGCHANNEL 3 {\n*MESH_NUMTVERTEX 4\n*MESH_TVERTLIST {\n"
    "*MESH_TVERT 0\t-1.#IND\t-1.#IND\t-1.#IND\n*MESH_TVERT 1\t0.5\t0.5\t0\n"
    "}\n*MESH_TFACELIST {\n*MESH_TFACE 0\t1\t1\t1\n}\n}\n";
const std::string kSquare =
    "4 | 0,1,2/0[0 0,1 0,1 1] 0,2,3/0[0 0,1 1,0 1] | Wall=C:\\maps\\wall.bmp";

struct MeshCase {
    const char* what;
    std::string text, converter, editor; // editor "" = as the converter
};

std::vector<MeshCase> meshCases() {
    return {
        {"square", maxSquare(), kSquare, ""},
        {"objects number their vertices", maxSquare() + maxSquareObject(),
         "8 | 0,1,2/0[0 0,1 0,1 1] 0,2,3/0[0 0,1 1,0 1] 4,5,6/0[0 0,1 0,1 1] 4,6,7/0[0 0,1 1,0 1] "
         "| "
         "Wall=C:\\maps\\wall.bmp",
         ""},
        {"material id 3 of two sub-materials",
         maxSquare({{"\"Wall\"", "\"Multi\"\n*SUBMATERIAL 0 {\n*BITMAP \"grass.tga\"\n}\n"
                                 "*SUBMATERIAL 1 {\n*BITMAP \"sand.tga\"\n}"},
                    {"CA:    0\t *MESH_SMOOTHING 1 \t*MESH_MTLID 0\n\t\t}",
                     "CA:    0\t *MESH_SMOOTHING 1 \t*MESH_MTLID 3\n\t\t}"}}),
         "4 | 0,1,2/0[0 0,1 0,1 1] 0,2,3/1[0 0,1 1,0 1] | Multi/0=grass.tga Multi/1=sand.tga", ""},
        {"no material", maxSquare({{"*MATERIAL_REF 0", ""}}),
         "Mesh \"Plane01\" (line 12) has faces but no *MATERIAL_REF: give it a material with a "
         "bitmap",
         "4 | 0,1,2/- 0,2,3/- | Wall=C:\\maps\\wall.bmp"},
        {"no bitmap", maxSquare({{"*BITMAP", "*NOBITMAP"}}),
         "Line 41: Mesh \"Plane01\" (line 12) uses material 0 (\"Wall\"), which has no bitmap",
         "4 | 0,1,2/- 0,2,3/- |"},
        {"face 1 without texture face", maxSquare({{"*MESH_TFACE 1", "*MESH_TVERTLIST 1"}}),
         "Line 41: Mesh \"Plane01\" (line 12): face 1 has no texture coordinates (*MESH_TFACE)",
         "4 | 0,1,2/0[0 0,1 0,1 1] 0,2,3/- | Wall=C:\\maps\\wall.bmp"},
        {"second mapping channel", maxSquare({{"*MESH_NUMTVFACES", kChannel + "*MESH_NUMTVFACES"}}),
         kSquare, ""},
        {"texture vertex not a number",
         maxSquare({{"*MESH_TVERT 2\t1.0000", "*MESH_TVERT 2\t-1.#IND"}}),
         "Line 32: a texture vertex needs its number and three numbers", ""},
        {"no 3ds Max header", "*COMMENT \"x\"\n" + maxSquareObject(),
         "in.ase: ASE file format not recognised", ""},
    };
}

// What a converter's table holds: vertices, then per live polygon its
// corners with their texture coordinates and its texture name.
std::string polygonTable(const KilnState& k) {
    std::ostringstream out;
    out << std::setprecision(9);
    for (std::size_t v = 0; v < static_cast<std::size_t>(k.vertCount); ++v)
        out << k.x[v] << ' ' << k.y[v] << ' ' << k.z[v] << '\n';
    for (std::size_t p = 0; p < static_cast<std::size_t>(k.polyCount); ++p) {
        if (k.e[p] != 0) continue;
        const poly& q = k.polygon[p];
        for (std::size_t i = 0; i < q.polyVertexCount; ++i)
            out << q.vertexList[i] << '@' << q.tvertx[i] << ',' << q.tverty[i] << ' ';
        out << k.stringy[static_cast<std::size_t>(q.stringNum)] << '\n';
    }
    return out.str();
}

// The prepared polygons as the converter's table, texture v turned over as it does.
std::string preparedTable(const PlainMesh& m) {
    KilnState k;
    for (const auto& p : m.positions)
        appendVertex(k, p[0], p[1], p[2]);
    for (const MeshFace& f : m.faces) {
        poly q;
        q.polyVertexCount = static_cast<std::uint8_t>(f.corners.size());
        q.stringNum = findOrAppendString(
            k, textureNameOf(m.materials[static_cast<std::size_t>(f.material)].bitmap));
        for (std::size_t i = 0; i < f.corners.size(); ++i) {
            q.vertexList[i] = f.corners[i];
            q.tvertx[i] = f.uv[i][0];
            q.tverty[i] = f.uv[i][1];
        }
        appendPolygon(k, q);
    }
    flipTextureY(k);
    return polygonTable(k);
}

std::vector<std::string> maxFiles() {
    std::vector<std::string> files;
    for (const std::string& folder : {sourcePath("tests/data/converter/readers/3dsmax"),
                                      sourcePath("fuzz/seeds/kiln_3dsmax"), corpusPath("ase")}) {
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
            std::string extension = e.path().extension().string();
            for (char& c : extension)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            // The converter's colours keep some triangles apart.
            const bool coloured =
                std::filesystem::exists(std::filesystem::path(e.path()).replace_extension(".lux"));
            if (extension == ".ase" && !coloured) files.push_back(e.path().string());
        }
    }
    return files;
}

} // namespace

TEST(MaxMeshReader, ObjectsMaterialsAndRefusalsUnderBothRules) {
    meshsmith::test::TempFolder folder;
    const std::string path = folder.file("in.ase");
    for (const MeshCase& c : meshCases()) {
        meshsmith::test::writeFile(path, c.text);
        const auto seen = [&](bool rules) {
            return meshsmith::test::placeholder(outcome(path, rules), folder.folder(), "");
        };
        EXPECT_EQ(seen(true), c.converter) << c.what;
        EXPECT_EQ(seen(false), c.editor.empty() ? c.converter : c.editor) << c.what;
    }
}

TEST(MaxMeshReader, PreparedPolygonsAreTheConvertersTable) {
    for (const std::string& file : maxFiles()) {
        testing::internal::CaptureStdout();
        const ReaderRun converter = read3dsMaxFile(file);
        testing::internal::GetCapturedStdout();
        std::string prepared;
        try {
            prepared = preparedTable(prepareMaxPolygons(readMaxAseFile(file, MaxRules{})));
        } catch (const std::exception& e) {
            prepared = e.what();
        }
        EXPECT_EQ(prepared, converter.read ? polygonTable(*converter.k) : converter.error) << file;
    }
}
