// The project listing of the "Project Contents" window and the print-out.

#include "editor/core/shell/project_listing.hpp"
#include "model/project_file.hpp"
#include "model/text_file.hpp"
#include "support/editor_fixtures.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

using Lines = std::vector<std::string>;

// The lines from the first one equal to `first` to the end.
Lines linesFrom(const Lines& all, const std::string& first) {
    auto at = std::find(all.begin(), all.end(), first);
    return at == all.end() ? Lines{"<no line " + first + ">"} : Lines(at, all.end());
}

} // namespace

TEST(ProjectListing, ExampleStandMatchesBothReferenceListings) {
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    ASSERT_EQ(loadProject(p, sourcePath("examples/stand/stand.3dp"), prompts, log).outcome,
              Outcome::Done);
    p.ProjectFile = "C:\\GPL\\Projects\\stand\\stand.3dp"; // the path the references name
    expectSameLines(projectListing(p, ListingForm::Print), "stand_listing_print.txt");
    expectSameLines(projectListing(p, ListingForm::Display), "stand_listing_display.txt");
}

TEST(ProjectListing, VertexColumnsArePaddedAndNumbersNeverCut) {
    EXPECT_EQ(padText("ab", 4, true) + padText("ab", 4, false) + padText("abcdef", 4, true),
              "ab    ababcd");
    Project p;
    p.object.vertices.resize(1235);
    p.object.vertices[12] = {-2.5f, -0.0004f, 123456.8f};
    p.object.vertices[1234] = {1.0f, 0.0f, -999.9995f};
    Lines l = projectListing(p, ListingForm::Print);
    EXPECT_EQ(linesFrom(l, "Vertex 12  X:   -2.500  Y:    0.000  Z:123456.800").size(),
              linesFrom(l, "Vertex 11  X:    0.000  Y:    0.000  Z:    0.000").size() - 1);
    EXPECT_EQ(linesFrom(l, "Vertex 123 X:    1.000  Y:    0.000  Z:-1000.000"),
              (Lines{"Vertex 123 X:    1.000  Y:    0.000  Z:-1000.000", " ", " ",
                     "Number Of Textures: 0", " ", "Number Of Polygons: 0", " ",
                     "Number Of Lines: 0", " ", "Number of Collision Volumes: 0", " "}));
}

TEST(ProjectListing, TexturesPolygonsLinesAndVolumes) {
    Project p = sampleProject();
    p.object.DisplayClass = 17;
    p.object.textures = {{"C:\\Bmp\\fence.bmp", 1, "C:\\Bmp\\fence_mask.bmp", 3},
                         {"odd.bmp", 2, "unused.bmp", 7}};
    p.object.polygons = {makeTexturedPolygon({0, 1, 2}, 1, {{0, 0}, {1, 0}, {1, 1}}),
                         makePolygon({2, 1, 0})};
    p.object.lines = {makeLine(3, 0)};
    p.object.lines[0].Red = 0.5f;
    p.object.lines[0].Green = 1.0f / 3.0f;
    p.object.lines[0].Blue = 0.0f;
    p.object.collision = {
        {3, {1, 0}, {9, 99}}}; // a plane count beyond its lists, a code without caption
    // What the example's reference listings do not show.
    const Lines l = projectListing(p, ListingForm::Display);
    EXPECT_EQ(linesFrom(l, "Object Visibility within GPL:").at(1),
              "Driver arms            (Entire Object on/off)");
    for (const char* line :
         {"Transparent: Yes", "Mask Filename: C:\\Bmp\\fence_mask.bmp",
          "Repeat Texture: Horizontal & Vertical", "Repeat Texture: 7", "Referenced Texture: None",
          "Line Color (RGB): 0.50000,0.33333,0.00000",
          "Plane 1: Collision Charateristic = 99, Referenced Polygon(Plane) = 0"})
        EXPECT_NE(std::find(l.begin(), l.end(), line), l.end()) << line;
    EXPECT_EQ(linesFrom(l, "Texture 1: odd.bmp").at(2), "Repeat Texture: 7") << "no unused mask";
    EXPECT_EQ(linesFrom(l, "Volume 0:").size(), 4u) << "two planes, as their lists hold";
    EXPECT_EQ(linesFrom(projectListing(p, ListingForm::Print), "Number Of Lines: 1").size(), 14u);
    EXPECT_EQ(displayClassCaption(9), displayClassCaption(17)) << "stored 9 shows entry 9";
    EXPECT_EQ(displayClassCaption(13) + displayClassCaption(-1), "") << "no entry of that number";
}
