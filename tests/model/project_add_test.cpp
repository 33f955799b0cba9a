#include "model/project_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// A project with three textures whose back colours differ from the default.
Project threeTextureProject() {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}};
    for (int t = 0; t < 3; ++t)
        p.object.textures.push_back(
            {"own" + std::to_string(t) + ".bmp", 0, "", 0, 0x00112233u + t});
    p.object.polygons.push_back(makeTexturedPolygon({0, 1, 2}, 2, {{0, 0}, {1, 0}, {1, 1}}));
    p.GeometryPresent = true;
    return p;
}

// The file that is added: 2 textures, polygons on texture 0, 1 and none, one line.
std::string addedFile(TempFolder& dir) {
    Project q;
    q.object.vertices = {{0, 0, 0, 0}, {2, 0, 0, 0}, {2, 2, 0, 0}, {0, 2, 0, 0}};
    q.object.textures = {{"a.bmp", 0, "", 0, 0x000000FF}, {"b.bmp", 0, "", 0, 0x0000FF00}};
    q.object.polygons.push_back(makeTexturedPolygon({0, 1, 2}, 0, {{0, 0}, {1, 0}, {1, 1}}));
    q.object.polygons.push_back(makeTexturedPolygon({0, 2, 3}, 1, {{0, 0}, {1, 1}, {0, 1}}));
    q.object.polygons.push_back(makePolygon({1, 2, 3}));
    q.object.lines.push_back(makeLine(0, 3));
    q.object.DisplayClass = 9;
    q.object.ProjectDescription = "Other";
    writeFile(dir.file("a.bmp"), "BM");
    writeFile(dir.file("b.bmp"), "BM");
    std::string path = dir.file("other.3dp");
    writeFile(path, projectFileText(q));
    return path;
}

} // namespace

TEST(AddFromProject, ShiftsVertexAndTextureIndices) {
    TempFolder dir;
    Project p = threeTextureProject();
    ScriptedPrompts prompts;
    prompts.offsets = {VertexOffset{10, 0, -1}};
    RecordingLog log;
    std::string path = addedFile(dir);
    ASSERT_EQ(addFromProject(p, path, prompts, log).outcome, Outcome::Done);
    ASSERT_EQ(p.object.vertices.size(), 7u);
    EXPECT_EQ(p.object.vertices[5].X, 12.0f);
    EXPECT_EQ(p.object.vertices[5].Z, -1.0f);
    ASSERT_EQ(p.object.polygons.size(), 4u);
    EXPECT_EQ(p.object.polygons[1].TextureIndex, 3);
    EXPECT_EQ(p.object.polygons[2].TextureIndex, 4);
    EXPECT_EQ(p.object.polygons[3].TextureIndex, NoTexture);
    EXPECT_EQ(p.object.polygons[1].VertexIndices, (std::vector<std::int32_t>{3, 4, 5, 3}));
    EXPECT_EQ(p.object.lines.at(0).VertexIndices, (std::vector<std::int32_t>{3, 6}));
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(p.object.textures[t].BackColor, 0x00112233u + t);
    EXPECT_EQ(p.object.textures[3].BackColor, 0x000000FFu);
    EXPECT_EQ(p.object.textures[4].BackColor, 0x0000FF00u);
    EXPECT_EQ(p.object.DisplayClass, 3) << "display class is not added";
    EXPECT_EQ(p.object.ProjectDescription, "None available");
    EXPECT_EQ(p.bounds.maxX, 12.0f);
    const std::vector<std::string> expected{"Rebuilding Texture Library.....", "Done.", "",
                                            "Added from Project " + path + ": ",
                                            "4 Vertices, 1 Line(s), 3 Polygons(s), 2 Texture(s)."};
    EXPECT_EQ(log.lines, expected);
}

TEST(AddFromProject, DamagedFileLeavesTheProjectExactlyAsBefore) {
    TempFolder dir;
    std::string good = readFile(addedFile(dir));
    const Project before = threeTextureProject();
    for (std::size_t cut : {good.size() / 3, good.size() / 2, good.size() - 7}) {
        writeFile(dir.file("cut.3dp"), good.substr(0, cut) + "\r\nnot-a-number\r\n");
        Project p = before;
        ScriptedPrompts prompts;
        prompts.offsets = {VertexOffset{}};
        RecordingLog log;
        OperationResult r = addFromProject(p, dir.file("cut.3dp"), prompts, log);
        if (r.done()) continue; // the cut fell between sections
        EXPECT_EQ(r.outcome, Outcome::Failed);
        EXPECT_EQ(projectFileText(p), projectFileText(before));
    }
}

TEST(AddFromProject, CancelledBitmapReselectionKeepsTheCurrentProject) {
    TempFolder dir;
    std::string path = addedFile(dir);
    std::filesystem::remove(dir.file("b.bmp"));
    Project p = threeTextureProject();
    ScriptedPrompts prompts;
    prompts.offsets = {VertexOffset{}};
    RecordingLog log;
    EXPECT_EQ(addFromProject(p, path, prompts, log).outcome, Outcome::Cancelled);
    EXPECT_EQ(p.object.vertices.size(), 3u)
        << "the user's own project must survive a cancelled re-selection";
    EXPECT_EQ(p.object.textures.size(), 3u);
}

TEST(AddFromProject, BitmapsOfAnotherFolderAreStoredWithTheirFolder) {
    TempFolder dir;
    std::string path = addedFile(dir);
    Project p = threeTextureProject();
    p.ProjectFile = "/somewhere/else/mine.3dp";
    ScriptedPrompts prompts;
    prompts.offsets = {VertexOffset{}};
    RecordingLog log;
    ASSERT_EQ(addFromProject(p, path, prompts, log).outcome, Outcome::Done);
    EXPECT_EQ(p.object.textures[3].Filename, dir.folder() + "a.bmp");
}

