// The assignment window's rules: the style read from a polygon, the styles'
// conditions, clicks into the texture and the lines the window shows.
#include "editor/core/textures/texture_mapping_rules.hpp"
#include "model/edits/texture_mapping.hpp"
#include "support/project_builders.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

// A polygon's coordinates ("u,v" per corner; "untextured" and a corner count
// for none) and the style, repeat counts and working list read from them.
TEST(TextureMappingRules, TheStyleIsReadFromThePolygonAsRecorded) {
    expectRuleTable("texture_mapping_styles.txt", [](const std::string& kind, std::string in) {
        std::replace(in.begin(), in.end(), ',', ' ');
        std::istringstream numbers(in);
        std::vector<TexCoord> uv;
        for (float u, v; numbers >> u >> v;)
            uv.push_back({u, v});
        std::vector<std::int32_t> corners(kind == "untextured" ? std::stoul(in) : uv.size());
        std::iota(corners.begin(), corners.end(), 0);
        const MappingState s = readMappingState(
            kind == "untextured" ? makePolygon(corners) : makeTexturedPolygon(corners, 0, uv));
        std::ostringstream out;
        out << kMappingStyles[static_cast<int>(s.style)] << " " << s.repeatX << "x" << s.repeatY
            << ", working";
        for (const TexCoord& c : s.working)
            out << " " << c.U << "," << c.V;
        return out.str();
    });
}

TEST(TextureMappingRules, RepeatCountsReadBackAndEntireTextureNeedsAQuadrilateral) {
    Project p = sampleProject();
    ASSERT_TRUE(assignTexture(p, {0}, 0, repeatWorkingList(3, 2)).done());
    EXPECT_EQ(p.object.polygons[0].TexCoords,
              (std::vector<TexCoord>{{0, 0}, {0, 2}, {3, 2}, {3, 0}}));
    const MappingState reopened = readMappingState(p.object.polygons[0]);
    EXPECT_EQ(reopened.style, MappingStyle::RepeatTexture);
    EXPECT_EQ(std::pair(reopened.repeatX, reopened.repeatY), std::pair(3, 2));
    EXPECT_EQ(checkCoordinateSetting(reopened, 0, CoordinateMode::PickAll).message,
              "Repeating Texture, no Coordinates possible !");
    EXPECT_TRUE(checkStyle(p.object.polygons[0], MappingStyle::EntireTexture).done());
    EXPECT_EQ(checkStyle(p.object.polygons[1], MappingStyle::EntireTexture).message,
              "Only possible for rectangular Polygons !");
    EXPECT_TRUE(checkStyle(p.object.polygons[1], MappingStyle::TextureArea).done());
}

TEST(TextureMappingRules, PickingAllCornersOfATriangleTakesThreeClicks) {
    std::vector<TexCoord> working = defaultWorkingList(3);
    int counter = 1;
    EXPECT_EQ(clickedTexCoord(0, 0, 200, 100), (TexCoord{0, 1})) << "top-left";
    EXPECT_FALSE(applyCoordinatePick(CoordinateMode::PickAll, counter, {},
                                     clickedTexCoord(0, 0, 200, 100), working));
    EXPECT_FALSE(applyCoordinatePick(CoordinateMode::PickAll, counter, {}, {0.5f, 0.5f}, working));
    EXPECT_EQ(pickCaption(CoordinateMode::PickAll, counter, 3, 100, 50, 200, 100),
              "Pick 3/3   [129,65] --> 0.502, 0.504");
    EXPECT_TRUE(applyCoordinatePick(CoordinateMode::PickAll, counter, {}, {1, 0}, working));
    EXPECT_EQ(working, (std::vector<TexCoord>{{0, 1}, {0.5f, 0.5f}, {1, 0}}));
    EXPECT_EQ(counter, 1);
    EXPECT_TRUE(
        applyCoordinatePick(CoordinateMode::PickSingle, counter, {0, 2}, {0.25f, 0}, working));
    EXPECT_EQ(working, (std::vector<TexCoord>{{0.25f, 0}, {0.5f, 0.5f}, {0.25f, 0}}));
}

TEST(TextureMappingRules, WhatTheWindowShows) {
    Project p = sampleProject();
    EXPECT_EQ(
        textureComboItems(p),
        (std::vector<std::string>{"wall01.bmp", "roof.bmp", "Untextured", "-> Load New Texture"}));
    const ObjectData& tri = p.object.polygons[1];
    EXPECT_EQ(coordinateLines(tri, readMappingState(tri)),
              (std::vector<std::string>{"Vertex 3: 0.000, 0.000", "Vertex 2: 2.000, 0.000",
                                        "Vertex 4: 1.000, 0.600"}));
    const ObjectData& plain = p.object.polygons[2];
    EXPECT_EQ(coordinateLines(plain, readMappingState(plain))[0], "Vertex 0: Not assigned");
    EXPECT_EQ(shownImageSize(256, 64), (ShownSize{128, 32}));
    EXPECT_EQ(shownImageSize(128, 16), (ShownSize{128, 16}));
    EXPECT_EQ(polygonListLine(7), "Polygon No. 7");
}
