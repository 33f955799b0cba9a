// Projects the ASE file cannot take, and files that cannot be written: the
// writer refuses or fails with a clear message and leaves the path as it was.

#include "export/ase_writer.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Textured sample: quad 0, triangles 1 and 2, lines, one volume of planes 0 and 1.
Project texturedSample() {
    Project p = sampleProject();
    p.object.polygons[2].TextureIndex = 0;
    p.object.polygons[2].TexCoords = {{0, 0}, {1, 0}, {1, 1}};
    return p;
}

// writeAse must refuse with `message` and leave an existing file untouched.
void expectRefusedAndUntouched(const Project& p, const std::string& message) {
    TempFolder dir;
    std::string path = dir.file("object.ase");
    writeFile(path, "previous contents\r\n");
    RecordingLog log;
    OperationResult r = writeAse(p, path, log);
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.message, message);
    EXPECT_EQ(readFile(path), "previous contents\r\n");
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

} // namespace

TEST(AseRefusal, SoundProjectsPassBothChecks) {
    Project p = texturedSample();
    EXPECT_EQ(checkAseWrite(p).message, "");
    EXPECT_EQ(checkAseData(p).message, "");
    // Lines alone, without polygons, may be written too.
    p.object.polygons.clear();
    p.object.collision.clear();
    EXPECT_EQ(checkAseWrite(p).message, "");
    EXPECT_EQ(checkAseData(p).message, "");
}

TEST(AseRefusal, PreconditionsInTheirOrder) {
    Project p = sampleProject(); // polygon 2 is untextured
    EXPECT_EQ(checkAseWrite(p).message, "Only entirely textured objects supported so far !");
    expectRefusedAndUntouched(p, "Only entirely textured objects supported so far !");
    p.object.vertices.clear(); // both fail: the vertex check comes first
    EXPECT_EQ(checkAseWrite(p).message, "Not enough Data to write ASE-file !");
    expectRefusedAndUntouched(p, "Not enough Data to write ASE-file !");
    EXPECT_EQ(checkAseWrite(Project{}).message, "Not enough Data to write ASE-file !");
}

TEST(AseRefusal, CollisionPlaneOfAMissingPolygon) {
    Project p = texturedSample();
    p.object.collision[0].PlanePolygons[1] = 7;
    expectRefusedAndUntouched(p, "Collision volume 0, plane 1: polygon 7 does not exist.");
    p.object.collision[0].PlanePolygons[1] = -1;
    expectRefusedAndUntouched(p, "Collision volume 0, plane 1: polygon -1 does not exist.");
}

TEST(AseRefusal, CollisionPlaneOfADegeneratePolygon) {
    Project p = texturedSample();
    p.object.vertices.push_back({2, 2, 2, 0});
    p.object.vertices.push_back({4, 4, 4, 0});
    p.object.vertices.push_back({6, 6, 6, 0});
    p.object.polygons.push_back(
        makeTexturedPolygon({6, 7, 8, 0}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    p.object.collision.push_back(p.object.collision[0]);
    p.object.collision[1].PlanePolygons[1] = 3;
    EXPECT_EQ(checkAseWrite(p).message, "");
    expectRefusedAndUntouched(
        p, "Collision volume 1, plane 1: polygon 3 has no plane (its first three corners lie on "
           "one line).");

    // Two corners only: no plane either.
    p.object.polygons[3] = makeTexturedPolygon({6, 7}, 0, {{0, 0}, {1, 0}});
    expectRefusedAndUntouched(
        p,
        "Collision volume 1, plane 1: polygon 3 has no plane (it has fewer than three corners).");
}

TEST(AseRefusal, DegeneratePolygonWithoutCollisionIsWritten) {
    // Only a collision plane needs a plane; the converter drops degenerate polygons itself.
    Project p = texturedSample();
    p.object.polygons[2].VertexIndices = {0, 0, 0, 0};
    EXPECT_EQ(checkAseData(p).message, "");
}

TEST(AseRefusal, PlaneCountThatDisagreesWithItsLists) {
    Project p = texturedSample();
    p.object.collision[0].PlaneCount = 3;
    expectRefusedAndUntouched(p, "Collision volume 0 counts 3 planes but lists 2 polygons and 2 "
                                 "rebounds.");
    p.object.collision[0].PlaneCount = 2;
    p.object.collision[0].PlaneRebounds.pop_back();
    expectRefusedAndUntouched(p, "Collision volume 0 counts 2 planes but lists 2 polygons and 1 "
                                 "rebounds.");
}

TEST(AseRefusal, TextureIndexOutOfRangeNamesThePolygon) {
    Project p = texturedSample();
    p.object.polygons[1].TextureIndex = 2; // two textures: 0 and 1
    expectRefusedAndUntouched(p, "Polygon 1 uses texture 2, which does not exist.");
    p.object.polygons[1].TextureIndex = -3;
    expectRefusedAndUntouched(p, "Polygon 1 uses texture -3, which does not exist.");
}

TEST(AseRefusal, VertexReferencesOutOfRange) {
    Project p = texturedSample();
    p.object.polygons[0].VertexIndices[2] = 6; // six vertices: 0 .. 5
    expectRefusedAndUntouched(p, "Polygon 0: corner 2 refers to vertex 6, which does not exist.");
    p = texturedSample();
    p.object.lines[1].VertexIndices[0] = -1;
    expectRefusedAndUntouched(p, "Line 1 refers to vertex -1, which does not exist.");
    p.object.lines[1].VertexIndices = {3};
    expectRefusedAndUntouched(p, "Line 1 does not have two vertices.");
}

TEST(AseRefusal, FaultyProjectsStillGiveFiniteTextWithoutReadingOutside) {
    Project p = texturedSample();
    p.object.polygons[0].VertexIndices[1] = 600;
    p.object.polygons[1].TexCoords.clear();
    p.object.polygons[1].TextureIndex = 44;
    p.object.lines[0].VertexIndices = {};
    p.object.collision[0].PlaneCount = 9;
    p.object.collision[0].PlanePolygons = {1, 40};
    p.object.collision[0].PlaneRebounds = {1, 2};
    p.object.vertices[4] = p.object.vertices[3]; // polygon 1 degenerate: its first corners 3, 2, 3
    p.object.polygons[1].VertexIndices = {3, 2, 3, 3};
    std::string text = aseText(p);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("*COLLISION_PLANES 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("*COLLISION_PLANE 2 0.000 0.000 0.000 0.000\r\n"), std::string::npos);
}

TEST(AseWriteFailure, UnwritablePathFailsAndLeavesNothing) {
    TempFolder dir;
    RecordingLog log;
    std::string path = dir.file("missing-folder/object.ase");
    OperationResult r = writeAse(texturedSample(), path, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_NE(r.message.find("object.ase"), std::string::npos) << r.message;
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(log.lines.empty());
}

TEST(AseWriteFailure, PathThatIsAFolderStaysAFolder) {
    TempFolder dir;
    RecordingLog log;
    std::string path = dir.file("taken.ase");
    std::filesystem::create_directory(path);
    writeFile(dir.file("taken.ase/inside.txt"), "keep");
    OperationResult r = writeAse(texturedSample(), path, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_FALSE(r.message.empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(readFile(dir.file("taken.ase/inside.txt")), "keep");
    EXPECT_TRUE(log.lines.empty());
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}
