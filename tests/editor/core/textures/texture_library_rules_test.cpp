// The library window's rules and the preview of the background colours.
#include "editor/core/textures/texture_library_rules.hpp"
#include "editor/core/view/scene_data.hpp"
#include "model/edits/record_edits.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(TextureLibraryRules, GridAndReadOuts) {
    Project p = sampleProject();
    EXPECT_EQ(textureGridRows(p), 12);
    EXPECT_EQ(textureGridCells(p.object.textures[1], 1),
              (std::array<std::string, 6>{"1", "roof.bmp", "1", "3", "roof.bmp", "roof_mask.bmp"}));
    EXPECT_EQ(rgbLabel(0x00C08040), "RGB: 64,128,192");
    EXPECT_EQ(toggleIntervalMs(7), 143) << "1000 / 7, rounded";
    EXPECT_EQ(toggleCaption(7), "Toggle Texture --> 7/sec");
}

TEST(TextureLibraryRules, BackColorsShowWhileTheMessageIsUpAndTheObjectStays) {
    const Project p = sampleProject();
    ScriptedPrompts prompts;
    std::vector<bool> shown;
    std::vector<Rgb> seen; // polygon 1's fill colour while the message is up
    previewBackColors(p, prompts, [&](bool on) {
        shown.push_back(on);
        SceneOptions options;
        options.backColourPreview = on;
        seen.push_back(polygonFillColour(p, p.object.polygons[1], options));
    });
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0],
              "This is how the 3DO will look like in GPL when the particular graphic option is "
              "un-checked.\r\rDisplay Class is currently set to:\r\"Driver arms            "
              "(Entire Object on/off)\"");
    EXPECT_EQ(shown, (std::vector<bool>{true, false}));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (Rgb{1, 0, 0})) << "texture 1's background colour is red";
    EXPECT_EQ(seen[1], recordColour(p.object.polygons[1]));
    SceneOptions preview;
    preview.backColourPreview = true;
    EXPECT_EQ(polygonFillColour(p, p.object.polygons[2], preview), recordColour(p.object.polygons[2]))
        << "an untextured polygon keeps its colour";
}
