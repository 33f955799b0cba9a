// Texture mapping: assigning, and Rotate, Mirror and Face Opposite, which
// undo themselves when repeated, with the object's invariants checked.
#include "model/edits/texture_mapping.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {
const std::vector<TexCoord> kEntire = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
} // namespace

TEST(TextureMapping, AssigningGivesEveryCornerItsPairOrTakesTheTextureAway) {
    Project p = sampleProject();
    ASSERT_TRUE(assignTexture(p, {0, 2}, 1, kEntire).done());
    EXPECT_EQ(p.object.polygons[0].TexCoords, kEntire);
    EXPECT_EQ(p.object.polygons[2].TextureIndex, 1);
    EXPECT_EQ(p.object.polygons[2].TexCoords, (std::vector<TexCoord>{{0, 0}, {0, 1}, {1, 1}}));
    ASSERT_TRUE(assignTexture(p, {0, 1}, 0, {{0, 0}, {0, 2}, {3, 2}, {3, 0}}, true).done());
    EXPECT_EQ(p.object.polygons[0].TexCoords[2], (TexCoord{3, 2}));
    EXPECT_EQ(p.object.polygons[1].TextureIndex, 1) << "only quadrilaterals take repeat counts";
    ASSERT_TRUE(assignTexture(p, {2}, NoTexture, kEntire).done());
    EXPECT_FALSE(p.object.polygons[2].textured());
    EXPECT_EQ(assignTexture(p, {2}, 7, kEntire).message, "Choose a Texture !");
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(TextureMapping, RepeatedCommandsRestoreTheCoordinates) {
    struct Case {
        const char* name;
        OperationResult (*command)(Project&, const std::vector<std::int32_t>&);
        int repeats;
    };
    const Case cases[] = {
        {"rotate", rotateTexture, 4},
        {"mirror horizontal",
         [](Project& p, const std::vector<std::int32_t>& k) {
             return mirrorTexture(p, k, MirrorAxis::Horizontal);
         },
         2},
        {"mirror vertical",
         [](Project& p, const std::vector<std::int32_t>& k) {
             return mirrorTexture(p, k, MirrorAxis::Vertical);
         },
         2},
        {"face opposite", faceOpposite, 2},
    };
    for (const Case& c : cases) {
        Project p = sampleProject();
        const TrackObject before = p.object;
        for (int k = 0; k < c.repeats; ++k) {
            ASSERT_TRUE(c.command(p, {0, 2}).done());
            EXPECT_EQ(p.object.polygons[0] == before.polygons[0], k + 1 == c.repeats) << c.name;
            EXPECT_FALSE(findObjectFault(p.object));
        }
        EXPECT_EQ(p.object, before) << c.name;
    }
}

TEST(TextureMapping, OneStepOfEachCommand) {
    Project p = sampleProject();
    p.object.polygons[0].TexCoords = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    p.object.polygons[0].VertexIndices = {1, 2, 3, 4, 1};
    rotateTexture(p, {0});
    EXPECT_EQ(p.object.polygons[0].TexCoords,
              (std::vector<TexCoord>{{0, 1}, {1, 1}, {1, 0}, {0, 0}}));
    mirrorTexture(p, {0}, MirrorAxis::Horizontal);
    EXPECT_EQ(p.object.polygons[0].TexCoords,
              (std::vector<TexCoord>{{1, 1}, {0, 1}, {0, 0}, {1, 0}}));
    faceOpposite(p, {0, 2});
    EXPECT_EQ(p.object.polygons[0].VertexIndices, (std::vector<std::int32_t>{4, 3, 2, 1, 4}));
    EXPECT_EQ(p.object.polygons[0].TexCoords[0], (TexCoord{1, 1})) << "coordinates stay in place";
    EXPECT_EQ(p.object.polygons[2].VertexIndices, (std::vector<std::int32_t>{0, 4, 5, 0}))
        << "an untextured polygon keeps its face";
}
