// The line operations and the visualization-line commands, with the object's
// invariants checked after each.

#include "model/edits/edit.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/visualization_lines.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

using Ends = std::vector<std::vector<std::int32_t>>;

Ends endsOf(const std::vector<ObjectData>& table) {
    Ends ends;
    for (const ObjectData& line : table)
        ends.push_back(line.VertexIndices);
    return ends;
}

} // namespace

TEST(LineEdits, VisualizationLinesJoinTheVerticesAndConvertToLines) {
    Project p;
    p.object.vertices = {{0, 0, 0, 1}, {1, 0, 0, 0}, {1, 1, 0, 1}, {0, 1, 0, 0}};
    Rgb colour = kDefaultLineColour;
    RecordingLog log;
    const auto dialog = [](Rgb& c) { c = {1, 0, 0}; };
    ASSERT_TRUE(createVisualizationLinesStep(p, colour, dialog, log).done());
    EXPECT_EQ(endsOf(p.object.visLines), (Ends{{0, 1}, {1, 2}, {2, 3}, {3, 0}}));
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Creating subsequent lines:", "Pick color !",
                                                   "4 subsequent Lines created"}));
    EXPECT_EQ(colour, (Rgb{1, 0, 0})) << "the colour chosen, which new lines take from now on";
    EXPECT_EQ(p.object.visLines[3].Red, 1);
    EXPECT_FALSE(p.object.vertices[0].Selected || p.object.vertices[2].Selected);
    EXPECT_EQ(createVisualizationLinesStep(p, colour, dialog, log).outcome, Outcome::Refused);

    p.object.lines = {makeLine(2, 0)};
    ASSERT_TRUE(convertVisualizationLines(p, log).done());
    EXPECT_TRUE(p.object.visLines.empty());
    EXPECT_EQ(endsOf(p.object.lines), (Ends{{2, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 0}}));
    EXPECT_TRUE(log.contains("Converted visualization lines to 3DO lines"));
    EXPECT_EQ(convertVisualizationLines(p, log).outcome, Outcome::Refused);
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(LineEdits, LinesAreAddedRedefinedRecolouredAndRemoved) {
    Project p = sampleProject(); // lines 0-4 and 5-1
    p.object.vertices[3].Selected = 1;
    ASSERT_TRUE(createLine(p, 3, 2, {0, 1, 0}).done());
    EXPECT_EQ(p.object.vertices[3].Selected, 0);
    EXPECT_EQ(createLine(p, 3, 6, {}).outcome, Outcome::Refused) << "vertex 6 does not exist";
    ASSERT_TRUE(redefineLine(p, 0, 3, 5).done());
    p.object.lines[1].Selected = p.object.lines[2].Selected = 1;
    ASSERT_TRUE(recolourSelectedLines(p, {0, 0, 1}).done());
    EXPECT_EQ(p.object.lines[2].Blue, 1);
    EXPECT_EQ(p.object.lines[0].Blue, 0);
    p.SelectedLine = 2;
    ASSERT_TRUE(removeSelectedLines(p).done());
    EXPECT_EQ(endsOf(p.object.lines), (Ends{{3, 5}}));
    EXPECT_EQ(p.SelectedLine, NoSelection);
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(LineEdits, TheWindowsUndoBringsRemovedLinesBackWithTheirColours) {
    Project p = sampleProject();
    const std::vector<ObjectData> copy = p.object.lines;
    ScriptedPrompts prompts;
    RecordingLog log;
    EXPECT_EQ(removeAllLines(p, prompts, log).outcome, Outcome::Cancelled) << "answered No";
    prompts.answers = {Answer::Yes};
    ASSERT_TRUE(removeAllLines(p, prompts, log).done());
    EXPECT_TRUE(p.object.lines.empty());
    EXPECT_TRUE(log.contains("All Lines Cleared !"));
    ASSERT_TRUE(restoreLines(p, copy).done());
    EXPECT_EQ(p.object.lines, copy);
    EXPECT_EQ(undoCaption(p), "Undo Undo Line Changes");

    // Lines of the copy whose vertices have gone since are left out.
    p = Project{};
    p.object.vertices.resize(5);
    startHistory(p);
    ASSERT_TRUE(restoreLines(p, copy).done());
    EXPECT_EQ(endsOf(p.object.lines), (Ends{{0, 4}}));
    EXPECT_FALSE(findObjectFault(p.object));
}
