// The transformation dialogs' rules: reading fields, the angles, list lines.
#include "editor/core/transform/transform_rules.hpp"

#include "support/project_builders.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(TransformRules, FieldsAnglesAndListLines) {
    std::array<TypedNumber, 3> offsets;
    ASSERT_TRUE(readOffsetFields({"1.0", "0.0", "-2"}, offsets).done());
    EXPECT_TRUE(offsets[0].text == "1.0" && offsets[2].value == -2);
    EXPECT_EQ(readOffsetFields({"1", "x", "0"}, offsets).message,
              "The Y field does not hold a number: 'x' is not a valid floating point value");
    TypedNumber factor;
    EXPECT_EQ(readFactorField("abc", factor).message, "'abc' is not a valid floating point value");

    EXPECT_EQ(fixedAngleDegrees(3), 90);
    EXPECT_EQ(fixedAngleDegrees(kSelectAngleItem), std::nullopt);
    EXPECT_EQ(freeStepDegrees(0, 1), 1);
    EXPECT_EQ(freeStepDegrees(10, 45), 35) << "a typed angle turns to that angle";

    const Project p = sampleProject();
    EXPECT_EQ(polygonChoiceLine(0, p.object.polygons[0]), "0  :  0     0, 1, 2, 3");
    EXPECT_EQ(polygonChoiceLine(2, p.object.polygons[2]), "2  :  None  0, 4, 5");
}

TEST(TransformRules, TheCopysTextureChoiceFollowsTheSelection) {
    const Project p = sampleProject();
    EXPECT_TRUE(textureChoiceFor(p, {0}).enabled);
    EXPECT_EQ(textureChoiceFor(p, {0, 2}).texture, CopyTexture::None) << "2 is untextured";
    EXPECT_FALSE(textureChoiceFor(p, {0, 2}).enabled);
}
