// Projects the ASE file cannot take, and files that cannot be written: the
// writer refuses or fails with a clear message and leaves the path as it was.

#include "export/ase_writer.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

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

// Polygon 3 over three points on one line (or two corners), in a second volume.
void addDegeneratePlane(Project& p, std::vector<std::int32_t> corners) {
    for (float f : {2.0f, 4.0f, 6.0f})
        p.object.vertices.push_back({f, f, f});
    p.object.polygons.push_back(makeTexturedPolygon(corners, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}}));
    p.object.collision.push_back(p.object.collision[0]);
    p.object.collision[1].PlanePolygons[1] = 3;
}

} // namespace

TEST(AseRefusal, EachFaultIsRefusedAndTheFileLeftAsItWas) {
    using Change = std::function<void(Project&)>;
    const std::pair<Change, std::string> cases[] = {
        {[](Project& p) { p.object.polygons[2].TextureIndex = NoTexture; },
         "Only entirely textured objects supported so far !"},
        // Both preconditions fail: the vertex check comes first.
        {[](Project& p) { p.object.polygons[2].TextureIndex = NoTexture, p.object.vertices.clear(); },
         "Not enough Data to write ASE-file !"},
        {[](Project& p) { p.object.collision[0].PlanePolygons[1] = 7; },
         "Collision volume 0, plane 1: polygon 7 does not exist."},
        {[](Project& p) { p.object.collision[0].PlanePolygons[1] = -1; },
         "Collision volume 0, plane 1: polygon -1 does not exist."},
        {[](Project& p) { addDegeneratePlane(p, {6, 7, 8, 0}); },
         "Collision volume 1, plane 1: polygon 3 has no plane (its first three corners lie on "
         "one line)."},
        {[](Project& p) { addDegeneratePlane(p, {6, 7}); },
         "Polygon 3 has fewer than three different corners: redefine it or remove it."},
        {[](Project& p) { p.object.collision[0].PlaneCount = 3; },
         "Collision volume 0 counts 3 planes but lists 2 polygons and 2 rebounds."},
        {[](Project& p) { p.object.collision[0].PlaneRebounds.pop_back(); },
         "Collision volume 0 counts 2 planes but lists 2 polygons and 1 rebounds."},
        {[](Project& p) { p.object.polygons[1].TextureIndex = 2; },
         "Polygon 1 uses texture 2, which does not exist."},
        {[](Project& p) { p.object.polygons[1].TextureIndex = -3; },
         "Polygon 1 uses texture -3, which does not exist."},
        {[](Project& p) { p.object.polygons[0].VertexIndices[2] = 6; },
         "Polygon 0: corner 2 refers to vertex 6, which does not exist."},
        {[](Project& p) { p.object.lines[1].VertexIndices[0] = -1; },
         "Line 1 refers to vertex -1, which does not exist."},
        {[](Project& p) { p.object.lines[1].VertexIndices = {3}; },
         "Line 1 does not have two vertices."},
    };
    for (const auto& [change, message] : cases) {
        Project p = texturedSample();
        change(p);
        TempFolder dir;
        const std::string path = dir.file("object.ase");
        writeFile(path, "previous contents\r\n");
        RecordingLog log;
        const OperationResult r = writeAse(p, path, log);
        EXPECT_EQ(r.outcome, Outcome::Refused) << message;
        EXPECT_EQ(r.message, message);
        EXPECT_EQ(readFile(path), "previous contents\r\n");
        EXPECT_TRUE(log.lines.empty());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    }
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
    const std::string text = aseText(p);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
    EXPECT_NE(text.find("*COLLISION_PLANES 2\r\n"), std::string::npos);
    EXPECT_NE(text.find("*COLLISION_PLANE 2 0.000 0.000 0.000 0.000\r\n"), std::string::npos);
}

TEST(AseWriteFailure, UnwritablePathsFailAndLeaveNothing) {
    TempFolder dir;
    RecordingLog log;
    const std::string missing = dir.file("missing-folder/object.ase");
    OperationResult r = writeAse(texturedSample(), missing, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_NE(messageBoxText(r).find(missing), std::string::npos) << r.message;
    // A folder in the way stays as it is, and no temporary file is left beside it.
    const std::string taken = dir.file("taken.ase");
    std::filesystem::create_directory(taken);
    writeFile(dir.file("taken.ase/inside.txt"), "keep");
    EXPECT_EQ(writeAse(texturedSample(), taken, log).outcome, Outcome::Failed);
    EXPECT_EQ(readFile(dir.file("taken.ase/inside.txt")), "keep");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
    EXPECT_TRUE(log.lines.empty());
}
