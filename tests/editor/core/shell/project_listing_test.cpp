// The project listing of the "Project Contents" window and the print-out.

#include "editor/core/shell/project_listing.hpp"
#include "model/paths.hpp"
#include "model/project_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(ProjectListing, ExampleStandMatchesBothReferenceListings) {
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    ASSERT_EQ(loadProject(p, sourcePath("examples/stand/stand.3dp"), prompts, log).outcome,
              Outcome::Done);
    // The path the references name, with the bitmaps beside it.
    p.ProjectFile = "C:\\GPL\\Projects\\stand\\stand.3dp";
    for (TextureData& t : p.object.textures)
        t.Filename = folderOf(p.ProjectFile) + fileNameOf(t.Filename);
    expectGolden(joinedLines(projectListing(p, ListingForm::Print)),
                 "editor/stand_listing_print.txt");
    expectGolden(joinedLines(projectListing(p, ListingForm::Display)),
                 "editor/stand_listing_display.txt");
}

// What the example's reference listings do not show: a wide vertex table
// (its lines of zeros left out here), a texture with a mask, a repeat
// beyond the choices, line colours, a plane count beyond its lists.
TEST(ProjectListing, ColumnsTexturesLinesAndVolumesAsRecorded) {
    EXPECT_EQ(padText("ab", 4, true) + padText("ab", 4, false) + padText("abcdef", 4, true),
              "ab    ababcd");
    Project p = sampleProject();
    p.object.vertices.resize(1235);
    p.object.vertices[12] = {-2.5f, -0.0004f, 123456.8f};
    p.object.vertices[1234] = {1.0f, 0.0f, -999.9995f};
    p.object.DisplayClass = 17;
    p.object.textures = {{"C:\\Bmp\\fence.bmp", 1, "C:\\Bmp\\fence_mask.bmp", 3},
                         {"odd.bmp", 2, "unused.bmp", 7}};
    p.object.polygons = {makeTexturedPolygon({0, 1, 2}, 1, {{0, 0}, {1, 0}, {1, 1}}),
                         makePolygon({2, 1, 0})};
    p.object.lines = {makeLine(3, 0)};
    p.object.lines[0].Red = 0.5f;
    p.object.lines[0].Green = 1.0f / 3.0f;
    p.object.lines[0].Blue = 0.0f;
    p.object.collision = {{3, {1, 0}, {9, 99}}};
    for (ListingForm form : {ListingForm::Display, ListingForm::Print}) {
        std::string shown; // the project above, then an empty one
        for (const Project& listed : {p, Project{}})
            for (const std::string& line : projectListing(listed, form))
                if (line.find("X:    0.000  Y:    0.000  Z:    0.000") == std::string::npos)
                    shown += line + "\n";
        expectGolden(shown, form == ListingForm::Print ? "editor/sample_listing_print.txt"
                                                       : "editor/sample_listing_display.txt");
    }
    EXPECT_EQ(displayClassCaption(9), displayClassCaption(17)) << "stored 9 shows entry 9";
    EXPECT_EQ(displayClassCaption(13) + displayClassCaption(-1), "") << "no entry of that number";
}
