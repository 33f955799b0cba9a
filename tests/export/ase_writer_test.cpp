// The text of the editor-dialect ASE file: the example and a table of small
// projects, each compared with its recorded file (tests/data/editor/stand.ase,
// tests/data/exports/ase_variants.txt). That every line of generated projects
// has one of the dialect's forms is the property test's.

#include "export/ase_writer.hpp"
#include "model/text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <functional>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Two textures, a triangle on the second, a line (and a visualization line,
// never written); display class -4.
Project smallProject() {
    Project p;
    p.object.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {2.5f, -1, 3}};
    TextureData wall, roof;
    wall.Filename = "C:\\GPL\\objects\\wall01.bmp";
    roof.Filename = "/home/me/gpl/roof.BMP";
    p.object.textures = {wall, roof};
    p.object.polygons.push_back(makeTexturedPolygon({0, 1, 2}, 1, {{0, 0}, {1, 0}, {0.25f, 1}}));
    ObjectData line = makeLine(0, 3);
    line.Red = 1;
    line.Green = 0.5f;
    line.Blue = 0.25f;
    p.object.lines = {line};
    p.object.visLines = {makeLine(3, 0)};
    p.object.DisplayClass = -4;
    return p;
}

// A volume over a floor quad, a wall triangle, tilted triangles and triangles
// facing each axis both ways, whose zero components must never read "-0.000".
void addCollisionPlanes(Project& p) {
    p.object.vertices = {{0, 0, 0},       {10, 0, 0},          {10, 5, 0},
                         {0, 5, 0},       {2, 0, 0},           {2, 0, 3},
                         {2, 4, 0},       {1.5f, -2.25f, 7},   {-3, 4, 0.5f},
                         {6.125f, 1, -2}, {1200, -350.5f, 80}, {0, 0, 0},
                         {0, 1, 0},       {1, 0, 0},           {0, 0, 1}};
    p.object.polygons = {makeTexturedPolygon({0, 1, 2, 3}, 0, {{0, 0}, {1, 0}, {1, 1}, {0, 1}})};
    CollVol vol;
    for (const auto& face : std::vector<std::vector<std::int32_t>>{{4, 5, 6},
                                                                   {7, 8, 9},
                                                                   {9, 8, 10},
                                                                   {11, 12, 13},
                                                                   {11, 13, 12},
                                                                   {11, 13, 14},
                                                                   {11, 14, 13},
                                                                   {11, 12, 14},
                                                                   {11, 14, 12}}) {
        vol.PlanePolygons.push_back(static_cast<std::int32_t>(p.object.polygons.size()));
        vol.PlaneRebounds.push_back(static_cast<std::int32_t>(vol.PlaneRebounds.size()) + 3);
        p.object.polygons.push_back(makeTexturedPolygon(face, 0, {{0, 0}, {1, 0}, {1, 1}}));
    }
    vol.PlaneCount = static_cast<std::int32_t>(vol.PlanePolygons.size());
    p.object.collision = {vol};
}

} // namespace

TEST(AseText, TheExampleAndEachVariantGiveTheirRecordedText) {
    EXPECT_EQ(aseText(exampleProject()), readFile(sourcePath("tests/data/editor/stand.ase")));
    using Change = std::function<void(Project&)>;
    const std::pair<const char*, Change> variants[] = {
        {"small project", [](Project&) {}},
        {"lines only: no material block", [](Project& p) { p.object.polygons.clear(); }},
        {"no textures: the block still closes", [](Project& p) { p.object.textures.clear(); }},
        {"diffuse of clBtnFace and clHighlight",
         [](Project& p) {
             p.object.textures[0].BackColor = 0x8000000F;
             p.object.textures[1].BackColor = 0x8000000D;
         }},
        {"a closing pair is never written",
         [](Project& p) {
             p.object.polygons[0].TexCoords = {
                 {0.1f, 0.2f}, {0.3f, 0.4f}, {0.5f, 0.6f}, {0.7f, 0.8f}};
         }},
        {"missing pairs are zero",
         [](Project& p) {
             p.object.polygons[0].TexCoords = {{0.5f, 0.25f}};
         }},
        {"two corners: no faces",
         [](Project& p) {
             p.object.polygons[0] = makeTexturedPolygon({0, 1}, 0, {{0, 0}, {1, 0}});
         }},
        {"a broken count reads nothing more",
         [](Project& p) {
             p.object.lines.clear();
             p.object.polygons[0].VertexIndices = {2};
             p.object.polygons[0].VertexCount = 40;
         }},
        {"collision planes", addCollisionPlanes},
    };
    std::string text;
    for (const auto& [name, change] : variants) {
        Project p = smallProject();
        change(p);
        text += std::string("==== ") + name + "\r\n" + aseText(p);
    }
    expectGolden(text, "exports/ase_variants.txt");
}

TEST(AseText, WriteAseReplacesTheFileWholeAndLogsIt) {
    TempFolder dir;
    const std::string path = dir.file("stand.ase");
    writeFile(path, std::string(5000, 'x'));
    RecordingLog log;
    EXPECT_EQ(writeAse(smallProject(), path, log).outcome, Outcome::Done);
    EXPECT_EQ(readFile(path), aseText(smallProject()));
    EXPECT_EQ(log.lines, std::vector<std::string>{"ASE-file " + path + " saved !"});
}
