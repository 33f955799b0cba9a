#include "model/bitmap_lookup.hpp"
#include "model/edits/edit.hpp"
#include "model/paths.hpp"
#include "model/project_commands.hpp"
#include "model/project_file.hpp"
#include "model/text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct Loaded {
    Project project;
    OperationResult result;
    RecordingLog log;
    ScriptedPrompts prompts;
};

std::unique_ptr<Loaded> loadText(TempFolder& dir, const std::string& text,
                                 const std::string& name = "p.3dp") {
    auto l = std::make_unique<Loaded>();
    writeFile(dir.file(name), text);
    l->result = loadProject(l->project, dir.file(name), l->prompts, l->log);
    return l;
}

void touchBitmaps(TempFolder& dir, const Project& p) {
    for (const auto& t : p.object.textures) {
        writeFile(dir.file(t.Filename), "BM");
        if (!t.MaskFilename.empty()) writeFile(dir.file(t.MaskFilename), "BM");
    }
}

} // namespace

TEST(ProjectFile, WrittenTextsAreTheRecordedOnes) {
    Project p;
    p.object.vertices = {{0, 0, 0}};
    expectGolden(projectFileText(p), "exports/minimal.3dp");
    // Textured: a pair per corner, the closing one left out; untextured: none.
    p.object.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}};
    p.object.textures.push_back({"wall01.bmp", 0, "", 0, DefaultBackColor});
    p.object.polygons.push_back(
        makeTexturedPolygon({0, 1, 2}, 0, {{0, 0}, {1, 0}, {1, 0.5f}, {7, 7}}));
    p.object.polygons.push_back(makePolygon({2, 1, 0}));
    expectGolden(projectFileText(p), "exports/textured.3dp");
    TextureData t{"C:\\Art\\wall01.bmp", 1, "C:\\Art\\wall01_mask.bmp", 2, DefaultBackColor};
    expectGolden(mipConversionInfoText(t), "exports/wall01.inf");
    // Loaded again by the recorded imports.
    expectGolden(projectFileText(sampleProject()), "imports/sample.3dp");
}

TEST(ProjectFile, SaveLoadSaveIsByteStableForGeneratedProjects) {
    for (std::uint32_t seed = 1; seed <= 150; ++seed) {
        TempFolder dir;
        Project p = randomProject(seed);
        touchBitmaps(dir, p);
        p.ProjectFile = dir.file("a.3dp");
        RecordingLog log;
        ASSERT_FALSE(saveProject(p, {}, log));
        std::string first = readFile(p.ProjectFile);
        auto l = loadText(dir, first, "b.3dp");
        ASSERT_EQ(l->result.outcome, Outcome::Done) << "seed " << seed << ": " << l->result.message;
        EXPECT_TRUE(l->prompts.messages.empty()) << "seed " << seed;
        EXPECT_EQ(projectFileText(l->project), first) << "seed " << seed;
        EXPECT_EQ(l->project.object.polygons.size(), p.object.polygons.size());
    }
}

TEST(ProjectFile, StoredZoomOutsideTheBarsRangeIsBroughtIntoIt) {
    TempFolder dir;
    for (auto [stored, loaded] : {std::pair{0, 1}, {-2, 1}, {453, 450}, {70, 70}}) {
        Project p;
        p.options.ZoomRatio = stored;
        auto l = loadText(dir, projectFileText(p));
        EXPECT_EQ(l->project.options.ZoomRatio, loaded) << stored;
    }
}

TEST(ProjectFile, OneLineTextsStayOneLine) {
    Project p;
    p.object.ProjectDescription = "two\r\nlines";
    EXPECT_NE(projectFileText(p).find("\r\ntwo  lines\r\n"), std::string::npos);
}

// Saving never changes the object: after Save As into another folder, after an
// Undo across the save and for a project never saved before, every bitmap the
// object names is found and the file names it so that it is found from there.
TEST(ProjectFile, SavingKeepsTheObjectAndEveryBitmapFound) {
    TempFolder dir;
    for (const char* folder : {"a", "b", "c"})
        std::filesystem::create_directories(dir.path() / folder);
    Project source = sampleProject();
    source.object.textures.resize(1);
    source.object.textures[0].Filename = "wall01.bmp"; // beside the project, as files name it
    for (auto& poly : source.object.polygons)
        poly.TextureIndex = poly.textured() ? 0 : NoTexture;
    source.object.collision.clear();
    source.ProjectFile = dir.file("a/yard.3dp");
    writeFile(dir.file("a/wall01.bmp"), "BM");
    ScriptedPrompts prompts;
    RecordingLog log;
    ASSERT_FALSE(saveProject(source, {}, log));

    Project p;
    ASSERT_TRUE(loadProject(p, dir.file("a/yard.3dp"), prompts, log).done());
    applyEdit(p, "Add Vertex", [](Project& p) {
        p.object.vertices.push_back({7, 7, 7});
        return OperationResult{};
    });
    const TrackObject before = p.object;
    const std::size_t steps = p.history.steps();
    prompts.savePaths = {dir.file("b/yard.3dp")};
    ProjectSession session{p, {}, prompts, log};
    ASSERT_TRUE(saveProjectAs(session).done());
    EXPECT_EQ(p.object, before);
    EXPECT_EQ(p.history.steps(), steps) << "a save is no step of the history";
    undoEdit(p);
    EXPECT_TRUE(fileExists(bitmapPathOnDisk(p, p.object.textures[0].Filename)));
    Project reopened;
    ASSERT_TRUE(loadProject(reopened, dir.file("b/yard.3dp"), prompts, log).done());
    EXPECT_TRUE(prompts.reselected.empty()) << "found from the new folder";

    // Never saved: a bitmap chosen in c is named from the folder the file is saved to.
    Project fresh = sampleProject();
    fresh.object.textures.resize(1);
    fresh.object.textures[0].Filename = dir.file("c/sign.bmp");
    writeFile(dir.file("c/sign.bmp"), "BM");
    fresh.object.collision.clear();
    for (auto& poly : fresh.object.polygons)
        poly.TextureIndex = poly.textured() ? 0 : NoTexture;
    fresh.GeometryPresent = true;
    ProjectSession first{fresh, {}, prompts, log};
    for (const char* where : {"c/sign.3dp", "b/sign.3dp"}) {
        prompts.savePaths = {dir.file(where)};
        ASSERT_TRUE(saveProjectAs(first).done());
        Project back;
        ASSERT_TRUE(loadProject(back, dir.file(where), prompts, log).done()) << where;
        EXPECT_EQ(back.object.textures[0].Filename, absoluteBitmapPath(dir.folder(), "c/sign.bmp"))
            << where;
    }
    EXPECT_NE(readFile(dir.file("c/sign.3dp")).find("\r\nsign.bmp\r\n"), std::string::npos)
        << "named relative to the project's folder";
    EXPECT_TRUE(prompts.reselected.empty());
}
