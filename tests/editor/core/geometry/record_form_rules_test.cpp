// The line and polygon windows' rules: list lines, the texture box and the
// edit panel for a selection.
#include "editor/core/geometry/pick_start.hpp"
#include "editor/core/geometry/record_form_rules.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(RecordFormRules, ListLines) {
    EXPECT_EQ(polygonListLine(7, makePolygon({4, 5, 6})), "7  :  None  4, 5, 6");
    EXPECT_EQ(polygonListLine(1234, makeTexturedPolygon({0, 1, 2, 3}, 12, {})),
              "1234:  12    0, 1, 2, 3")
        << "a wide index is not cut";
    EXPECT_EQ(lineListLine(0, makeLine(48, 49)), "0  :  48,49");
}

TEST(RecordFormRules, EditPanelFollowsTheSelection) {
    Project p = sampleProject(); // polygon 0 texture 0, 1 texture 1, 2 untextured
    const std::vector<ObjectData>& polygons = p.object.polygons;
    EXPECT_EQ(textureChoices(2).back(), "Multiple");
    EXPECT_EQ(textureOfChoice(2, 2), std::nullopt) << "Multiple";

    EditPanel one = editPanelFor(polygons, {1}, 2);
    EXPECT_TRUE(one.textureEnabled && one.repick);
    EXPECT_EQ(one.textureRow, 1);
    EXPECT_EQ(toColour(*one.colour), 0x00FF4080u) << "each component times 255, rounded";

    const EditPanel several = editPanelFor(polygons, {1, 2}, 2);
    EXPECT_FALSE(several.colour || several.repick);
    EXPECT_EQ(several.textureRow, 2);

    const EditPanel untextured = editPanelFor(polygons, {2}, 2);
    EXPECT_FALSE(untextured.textureEnabled);
    EXPECT_EQ(untextured.textureRow, -1);
}
