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
