// The editor-dialect reader: objects and their slots, merging, texture
// coordinates, vertex colours, collision planes, and the faults it refuses.

#include "converter/line_reader.hpp"
#include "kiln_runs.hpp"
#include "support/golden.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;
using meshsmith::test::expectGolden;
using meshsmith::test::TempFolder;
using meshsmith::test::writeFile;

namespace {

const poly& polygonAt(const KilnState& k, int i) {
    return k.polygon[static_cast<std::size_t>(i)];
}

std::vector<AseCorner> triangle(float z, float v0, float v1, float v2) {
    return {{0, 0, z, 0, v0}, {1, 0, z, 1, v1}, {1, 1, z, 1, v2}};
}

// An L of six corners: one reflex corner, so ears are cut off into new slots.
std::vector<AseCorner> ell(float z) {
    return {{0, 0, z, 0, 0},       {2, 0, z, 1, 0},    {2, 1, z, 1, 0.5f},
            {1, 1, z, 0.5f, 0.5f}, {1, 2, z, 0.5f, 1}, {0, 2, z, 0, 1}};
}

} // namespace

TEST(ReadMeshsmith, AnObjectOfTwoVerticesGivesItsSlotToTheNext) {
    const std::vector<AseCorner> two = {{5, 5, 5, 0, 0}, {6, 5, 5, 0, 0}};
    KilnState k;
    readMeshsmithText(k, aseHeader({"a", "b"}) + aseObject(two, 0) + aseObject(square(0, 0, 0), 1));
    ASSERT_EQ(k.polyCount, 1);
    EXPECT_EQ(polygonAt(k, 0).polyVertexCount, 4);
    EXPECT_EQ(k.stringy[static_cast<std::size_t>(polygonAt(k, 0).stringNum)], "b");
    // Its vertices were merged all the same.
    EXPECT_EQ(k.vertCount, 6);

    KilnState three;
    const std::vector<AseCorner> tri = {{5, 5, 5, 0, 0}, {6, 5, 5, 0, 0}, {6, 6, 5, 0, 0}};
    readMeshsmithText(three, aseHeader({"a"}) + aseObject(tri, 0) + aseObject(square(0, 0, 0), 0));
    EXPECT_EQ(three.polyCount, 2);
}

TEST(ReadMeshsmith, VerticesWithinOneThousandthMergeAcrossObjects) {
    auto shifted = [](float by) {
        std::vector<AseCorner> s = square(1, 0, 0);
        for (AseCorner& c : s)
            c[2] += by;
        return s;
    };
    KilnState near, far;
    readMeshsmithText(near, aseHeader({"a"}) + aseObject(square(0, 0, 0), 0) +
                                aseObject(shifted(0.0009f), 0));
    readMeshsmithText(far, aseHeader({"a"}) + aseObject(square(0, 0, 0), 0) +
                               aseObject(shifted(0.0011f), 0));
    EXPECT_EQ(near.vertCount, 6);
    EXPECT_EQ(far.vertCount, 8);
    // Merged vertices keep the first object's coordinates.
    EXPECT_EQ(near.z[static_cast<std::size_t>(polygonAt(near, 1).vertexList[0])], 0.0f);
}

TEST(ReadMeshsmith, MaterialsMapToOneStringEachByNameAndTextureYIsFlippedAboveZero) {
    KilnState k;
    std::string out;
    readMeshsmithText(k,
                      aseHeader({"brick", "roof", "brick"}) + aseObject(square(0, 0, 0), 2) +
                          aseObject(square(0, 0, 1), 1) +
                          aseObject(triangle(2, 0.2f, 1.7f, 0.7f), 0),
                      "/nonexistent-folder/object.ase", &out);
    EXPECT_EQ(out, "ASE format: Meshsmith\n\ncollision volumes = 0\n");
    ASSERT_EQ(k.stringCount, 2);
    EXPECT_EQ(k.stringy[0], "brick");
    EXPECT_EQ((std::array<int, 3>{polygonAt(k, 0).stringNum, polygonAt(k, 1).stringNum,
                                  polygonAt(k, 2).stringNum}),
              (std::array<int, 3>{0, 1, 0}));
    const poly& t = polygonAt(k, 2);
    const std::array<float, 4> got{t.tverty[0], t.tverty[1], t.tverty[2], t.tvertx[1]},
        want{1.8f, 0.3f, 1.3f, 1.0f};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(got[i], want[i]) << i;
}

TEST(ReadMeshsmith, VertexColourFileColoursOnlyKind820ByObjectNumber) {
    TempFolder dir;
    // Object 0 is an L whose ears take slots 1 and more; object 1 (the
    // square) stands after them. A header of kind 5 colours nothing, but its
    // vertex lines still fill the buffers.
    writeFile(dir.file("lit.lux"), "POLYGON 0 5\nVERTEX 0 1 2 3 4\n"
                                   "/ comment\nPOLYGON 1 820\nVERTEX 0 10 20 30 40\n"
                                   "VERTEX 2 50 60 70 80\n");
    KilnState k;
    readMeshsmithText(k, aseHeader({"a"}) + aseObject(ell(0), 0) + aseObject(square(5, 5, 0), 0),
                      dir.file("lit.ase"));
    EXPECT_TRUE(k.AS2_ON);
    int coloured = -1;
    for (int p = 0; p < k.polyCount; ++p)
        if (polygonAt(k, p).flav == 1) {
            EXPECT_EQ(coloured, -1) << "a second coloured polygon " << p;
            coloured = p;
        }
    ASSERT_GT(coloured, 1);
    const poly& sq = polygonAt(k, coloured);
    ASSERT_EQ(sq.polyVertexCount, 4);
    EXPECT_EQ(k.x[static_cast<std::size_t>(sq.vertexList[0])], 5.0f);
    EXPECT_EQ((std::array<int, 4>{sq.red[0], sq.green[0], sq.blue[0], sq.alpha[0]}),
              (std::array<int, 4>{10, 20, 30, 40}));
    EXPECT_EQ((std::array<int, 4>{sq.red[1], sq.green[1], sq.blue[1], sq.alpha[1]}),
              (std::array<int, 4>{255, 255, 255, 255}));
    EXPECT_EQ(sq.blue[2], 70);
}

TEST(ReadMeshsmith, CollisionPlanesWithinOneThousandthShareAPlane) {
    const std::string block = "*COLLISION_VOLUMES 2\r\n \r\n"
                              "*COLLISION_PLANES 2\r\n"
                              "*COLLISION_PLANE 1 1.000 0.000 0.000 -5.000\r\n"
                              "*COLLISION_PLANE 2 1.0009 0.0009 -0.0009 -5.0009\r\n \r\n"
                              "*COLLISION_PLANES 2\r\n"
                              "*COLLISION_PLANE 0 1.002 0.000 0.000 -5.000\r\n"
                              "*COLLISION_PLANE 257 0 0 1 0\r\n \r\n";
    KilnState k;
    readMeshsmithText(k, aseHeader({"a"}) + aseObject(square(0, 0, 0), 0) + block);
    // The square's plane (0, 0, -1, 0) is plane 0.
    ASSERT_EQ(k.numCollisionVolumes, 2);
    const cVolume& first = k.collisionVol[0];
    const cVolume& second = k.collisionVol[1];
    ASSERT_EQ(first.numPlanes, 2);
    EXPECT_EQ(first.collisionPlane[0], 1);
    EXPECT_EQ(first.collisionPlane[1], 1);
    EXPECT_EQ(second.collisionPlane[0], 2);
    EXPECT_EQ(second.collisionPlane[1], 3);
    EXPECT_EQ(k.planeCount, 4);
    EXPECT_EQ((std::array<int, 4>{first.type[0], first.type[1], second.type[0], second.type[1]}),
              (std::array<int, 4>{1, 2, 0, 1}));
    EXPECT_FLOAT_EQ(k.a[2], 1.002f); // kept as read
}

TEST(ReadMeshsmith, CollisionBlockIsFoundAfterLineObjectsAndGeometryBeforeIt) {
    const std::string lines = "*LINEOBJECT\r\n*MESH_VERTEX 0 0 0 0\r\n*MESH_VERTEX 1 7 0 0\r\n"
                              "*LINECOLOR 1 1 1\r\n \r\n \r\n";
    const std::string block = "*COLLISION_VOLUMES 1\r\n \r\n*COLLISION_PLANES 1\r\n"
                              "*COLLISION_PLANE 1 1 0 0 -3\r\n \r\n";
    for (const std::string& tail : {lines + block, block + lines}) {
        KilnState k;
        std::string out;
        readMeshsmithText(k, aseHeader({"a"}) + aseObject(square(0, 0, 0), 0) + tail,
                          "/nonexistent-folder/object.ase", &out);
        EXPECT_EQ(k.numCollisionVolumes, 1);
        EXPECT_EQ(out, "ASE format: Meshsmith\n\ncollision volumes = 1\n");
        // Line objects are not geometry.
        EXPECT_EQ(k.vertCount, 4);
        EXPECT_EQ(k.polyCount, 1);
    }
}

// Each edit of a good file (the first `from` replaced by `to`, or `to` appended
// when `from` is empty) is refused naming its line, or converts to a 3DO that
// passes the inspector; the golden file lists every edit with its outcome.
// Damaged and cut-off files in general are the fuzz harnesses'.
TEST(ReadMeshsmith, EditsAreRefusedNamingTheLineOrConvertSoundly) {
    const std::string good = aseHeader({"a"}) + aseObject(square(0, 0, 0), 0);
    const std::string ref = "*MATERIAL_REF", vol = "*COLLISION_VOLUMES 1\r\n";
    // The object's lines: 8 *GEOMOBJECT, 9..12 vertices, 16..19 texture vertices, 21
    // material, 23 the last; collision lines follow from 24.
    const std::pair<std::string, std::string> cases[] = {
        {"*MESH_VERTEX 3", "*MESH_VERTEX 100"},
        {"*MESH_VERTEX 0", "*MESH_VERTEX -1"},
        {"*MESH_TVERT 1", "*MESH_TVERT 4000000000"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF 1"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF -3"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF"},
        {"*MATERIAL_REF 0", "*GEOMOBJECT"},
        {"*MESH_VERTEX 1 1.00000 0.00000 0.00000", "*MESH_VERTEX 1 1.00000"},
        {"*MESH_VERTEX 1 1.00000", "*MESH_VERTEX 1 nan"},
        {"*MESH_VERTEX 1 1.00000 0.00000", "*MESH_VERTEX 1 1.00000 1e39"},
        {"*MESH_TVERT 2 1.00000", "*MESH_TVERT 2 -inf"},
        {"*MESH_TVERT 2", "*MESH_TVERT 7"},
        {"*GEOMOBJECT", "*MESH_VERTEX 0 0 0 0\r\n*GEOMOBJECT"},
        {"*MATERIAL_REF 0", "*MATERIAL_REF 0\r\n*MATERIAL_REF 0"},
        {ref, "*MESH_VERTEX 3 1e38 -3e38 3e38\r\n" + ref},
        {ref, "*MESH_VERTEX 3 3.4e38 3.4e38 -3.4e38\r\n" + ref},
        {ref, "*MESH_TVERT 3 3e38 -3e38 0\r\n" + ref},
        {ref, "*MESH_TVERT 3 1e-45 -1e30 0\r\n" + ref},
        {ref, "*DISPLAY_CLASS 99999999999\r\n" + ref},
        {ref, "*MESH_VERTEX 99 0 0 0\r\n" + ref},
        {ref, "*MESH_VERTEX 2147483648 0 0 0\r\n" + ref},
        {ref, "*MESH_VERTEX 0x7fffffffff 0 0 0\r\n" + ref},
        {ref, "*MESH_FACE 0 A: " + std::string(300, '9') + "\r\n" + ref},
        {ref, "/" + std::string(5000, 'x') + "\r\n" + ref},
        {"", "*MATERIAL_REF -2147483649\r\n"},
        {"", "*COLLISION_PLANES 1\r\n"},
        {"", vol + "*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", "*COLLISION_VOLUMES 2\r\n*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 2\r\n*COLLISION_PLANE 1 1 0 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 1 0 0\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE 1 3e38 -3e38 3e38 -3e38\r\n"},
        {"", vol + "*COLLISION_PLANES 1\r\n*COLLISION_PLANE -1 0 0 0 nan\r\n"},
        {"", vol + vol},
        {"", "*COLLISION_VOLUMES 300\r\n"},
        {"", vol + "*COLLISION_PLANES 31\r\n"},
    };
    std::string seen = "unchanged: " + convertVerdict(good) + "\n";
    for (const auto& [from, to] : cases) {
        std::string text = good;
        if (from.empty())
            text += to;
        else
            text.replace(text.find(from), from.size(), to);
        seen += oneLine(to.substr(0, 80)) + ": " + convertVerdict(text) + "\n";
    }
    // Bitmaps beyond the string table's capacity.
    seen += "too many bitmaps: " +
            convertVerdict(aseHeader(std::vector<std::string>(kMaxStrings + 1, "t"))) + "\n";
    expectGolden(seen, "converter/meshsmith_edits.txt");
}
