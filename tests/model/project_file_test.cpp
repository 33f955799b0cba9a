#include "model/project_file.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// The Options section of a project with the start-up check marks.
const std::string kDefaultOptions = crlfLines(
    {"Options", "70",      "0",         "0",         "0", "0", "0", "0", "1", "1", "1", "0", "1",
     "3",       "clwhite", "$00408000", "$004080FF", "0", "0", "",  "0", "1", "0", "0", "",  "10"});

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

TEST(ProjectFile, MinimalProjectIsWrittenExactly) {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}};
    std::string expected = crlfLines({"ProjectDescription", "None available", "Vertices", "1",
                                      "0.000", "0.000", "0.000", "DisplayClass", "3"}) +
                           kDefaultOptions;
    EXPECT_EQ(projectFileText(p), expected);
}

TEST(ProjectFile, TexturedTriangleWritesThreePairsUntexturedNone) {
    Project p;
    p.object.vertices = {{0, 0, 0, 0}, {1, 0, 0, 0}, {1, 1, 0, 0}};
    p.object.textures.push_back({"wall01.bmp", 0, "", 0, DefaultBackColor});
    p.object.polygons.push_back(
        makeTexturedPolygon({0, 1, 2}, 0, {{0, 0}, {1, 0}, {1, 0.5f}, {7, 7}}));
    p.object.polygons.push_back(makePolygon({2, 1, 0}));
    std::string expected =
        crlfLines({"Polygons", "2", "0.5", "0.25", "1", "4", "0", "1",   "2",
                   "0",        "0", "0",   "0",    "1", "0", "1", "0.5", "0.5",
                   "0.25",     "1", "4",   "2",    "1", "0", "2", "999", "DisplayClass"});
    EXPECT_NE(projectFileText(p).find(expected), std::string::npos) << projectFileText(p);
    EXPECT_NE(projectFileText(p).find(crlfLines(
                  {"Textures", "1", "wall01.bmp", "0", "", "0", "TextureBackColors", "$00DDDDDD"})),
              std::string::npos);
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

TEST(ProjectFile, LoadRestoresEveryTableOfTheSample) {
    TempFolder dir;
    Project p = sampleProject();
    touchBitmaps(dir, p);
    auto l = loadText(dir, projectFileText(p), "stand.3dp");
    ASSERT_EQ(l->result.outcome, Outcome::Done);
    const Project& q = l->project;
    EXPECT_EQ(q.ProjectName, "stand");
    EXPECT_EQ(q.object.ProjectDescription, "Sample stand");
    ASSERT_EQ(q.object.polygons.size(), 3u);
    EXPECT_EQ(q.object.polygons[1].VertexIndices, (std::vector<std::int32_t>{3, 2, 4, 3}));
    ASSERT_EQ(q.object.polygons[1].TexCoords.size(), 4u)
        << "a textured polygon read from file carries the closing pair";
    EXPECT_EQ(q.object.polygons[1].TexCoords[2], (TexCoord{1, 0.6f}));
    EXPECT_EQ(q.object.polygons[1].TexCoords[3], (TexCoord{0, 0}));
    EXPECT_TRUE(q.object.polygons[2].TexCoords.empty());
    EXPECT_EQ(q.object.textures[1].BackColor, 0x000000FFu);
    EXPECT_EQ(q.object.textures[1].MaskFilename, "roof_mask.bmp");
    EXPECT_EQ(q.object.collision[0].PlaneRebounds, (std::vector<std::int32_t>{3, 15}));
    EXPECT_EQ(q.object.DisplayClass, 17);
    EXPECT_TRUE(q.GeometryPresent);
    EXPECT_EQ(q.bounds.maxX, 10.0f);
    const std::vector<std::string> expectedLog{
        "Loading Project......", "", "Loaded from Project " + dir.file("stand.3dp") + ": ",
        "6 Vertices, 2 Line(s), 3 Polygons(s), 2 Texture(s)."};
    EXPECT_EQ(l->log.lines, expectedLog);
}

TEST(ProjectFile, ReadsLfAndCrLineEnds) {
    TempFolder dir;
    Project p = sampleProject();
    touchBitmaps(dir, p);
    std::string crlf = projectFileText(p);
    for (std::string ending : {"\n", "\r"}) {
        std::string text;
        for (const auto& line : splitLines(crlf))
            text += line + ending;
        auto l = loadText(dir, text);
        ASSERT_EQ(l->result.outcome, Outcome::Done);
        EXPECT_EQ(projectFileText(l->project), crlf);
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

TEST(MipConversionInfo, HasElevenLines) {
    TextureData t{"C:\\Art\\wall01.bmp", 1, "C:\\Art\\wall01_mask.bmp", 2, DefaultBackColor};
    EXPECT_EQ(mipConversionInfoText(t),
              crlfLines({"; Conversion Info for BMP > MIP", ";", "; Filename: Path to Bitmap",
                         "; Transparent: 0= No, 1= Yes", "; MaskFilename: Path to Mask Bitmap",
                         "; Repeat Texture: 0= No, 1= Horizontal, 2= Vertical, 3= Both", ";",
                         "Filename=C:\\Art\\wall01.bmp", "Transparent=1",
                         "MaskFilename=C:\\Art\\wall01_mask.bmp", "RepeatValue=2"}));
}
