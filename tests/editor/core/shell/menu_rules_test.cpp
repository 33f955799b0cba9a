// Enabling of menu items and tool buttons from the state of the project.

#include "editor/core/shell/main_items.hpp"
#include "editor/core/shell/menu_rules.hpp"
#include "editor/core/shell/options_rules.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <tuple>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(MenuRules, EachItemFollowsItsOwnCondition) {
    Project p;
    ToolbarState t = toolbarState(p, true);
    EXPECT_FALSE(t.close || t.saveAs || t.writeAse || t.geometry || t.polygons || t.clearAll);
    ModifyMenuState m = modifyMenuState(p);
    EXPECT_FALSE(m.rotate || m.center || m.copyPolygon || miscMenuState(p).createVisLines);
    EXPECT_EQ(geometryMenuState(p).importCaption, "&Import Geometry from....");

    p.GeometryPresent = true; // set by whoever created vertices, even before they exist
    EXPECT_EQ(geometryMenuState(p).importCaption, "&Import additional Geometry from....");
    EXPECT_TRUE(geometryMenuState(p).exportGeometry && visualMenuState(p).lines &&
                modifyMenuState(p).center && toolbarState(p, true).geometry);
    EXPECT_FALSE(toolbarState(p, true).saveAs) << "Save As needs a vertex, not the flag";

    p.object.vertices.resize(1);
    EXPECT_FALSE(miscMenuState(p).addInterpolated);
    p.object.vertices.resize(2);
    EXPECT_TRUE(miscMenuState(p).addInterpolated && miscMenuState(p).createVisLines);
    EXPECT_FALSE(miscMenuState(p).removeVisLines || miscMenuState(p).convertVisLines);
    p.object.visLines.push_back(makeLine(0, 1));
    EXPECT_FALSE(miscMenuState(p).createVisLines);
    EXPECT_TRUE(miscMenuState(p).removeVisLines && miscMenuState(p).convertVisLines);

    p.object.vertices.clear();
    p.object.textures.resize(1);
    EXPECT_TRUE(toolbarState(p, true).clearAll) << "a texture alone can be cleared";
    EXPECT_FALSE(toolbarState(p, true).writeAse || visualMenuState(p).checkBackColors);
    p.object.polygons.push_back(makePolygon({0, 1, 2}));
    EXPECT_TRUE(toolbarState(p, true).writeAse && visualMenuState(p).checkBackColors);
    EXPECT_FALSE(toolbarState(p, false).writeAse) << "no converter beside the editor";
    // The viewer build needs what the plain build needs, and 3DO-View beside the editor.
    for (const auto& [converter, viewer, expected] :
         {std::tuple{true, true, true}, {true, false, false}, {false, true, false}})
        EXPECT_EQ(toolbarState(p, converter, viewer).writeAseConvertViewer, expected)
            << converter << viewer;
    p.object.textures.clear();
    EXPECT_FALSE(toolbarState(p, true).writeAse || visualMenuState(p).checkBackColors);
    EXPECT_FALSE(toolbarState(p, true, true).writeAseConvertViewer) << "an untextured object";
    EXPECT_TRUE(toolbarState(p, true).polygons && modifyMenuState(p).movePolygon &&
                visualMenuState(p).assignTextures && miscMenuState(p).setCollision);

    EXPECT_FALSE(toolbarState(p, true).close);
    p.ProjectFile = "C:\\Tracks\\stand.3dp";
    EXPECT_TRUE(toolbarState(p, true).close);
}

TEST(MainItems, TextsStandInTheOrderOfTheItems) {
    for (std::size_t k = 0; k < kMainItemCount; ++k)
        EXPECT_EQ(static_cast<std::size_t>(mainItemTexts()[k].item), k)
            << mainItemTexts()[k].objectName;
}

TEST(OptionsRules, ControlsFollowTheirBoxes) {
    GeneralOptions g;
    ProjectOptions o;
    OptionsEnabling e = optionsEnabling(g, o, true);
    EXPECT_FALSE(e.copyBmp || e.gridControls || e.trackFolder || e.autoGpl || e.gplParams);
    g.MakeSubDir = g.ShowGrid = o.SaveToTrackFolder = o.AutoGPL = o.GPLParam = true;
    e = optionsEnabling(g, o, true);
    EXPECT_TRUE(e.copyBmp && e.mipInfo && e.gridControls && e.trackFolder && e.autoGpl &&
                e.gplRadios && e.gplParams);
    e = optionsEnabling(g, o, false);
    EXPECT_TRUE(e.trackFolder && !e.autoGpl && !e.gplRadios) << "no usable track folder";
    o.TrackFolder = "/no/such/folder/";
    EXPECT_EQ(checkAutoGpl(o).message, "Invalid Trackfolder !");
}
