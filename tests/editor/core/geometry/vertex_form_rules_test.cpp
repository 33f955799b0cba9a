// The vertex window's rules: list lines, fields from a selection, reading them.
#include "editor/core/geometry/vertex_form_rules.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;

TEST(VertexFormRules, ListLinesKeepEveryDigit) {
    EXPECT_EQ(vertexListLine(3, {1.5f, -12.34567f, 0}), "3   :    1.500  -12.346    0.000");
    EXPECT_EQ(vertexListLine(12345, {1234567.f, 0, 0}), "12345:1234567.000    0.000    0.000")
        << "wide numbers and indices are not cut";
}

TEST(VertexFormRules, FieldsFollowTheSelection) {
    const std::vector<Vertex> v = {{1, 2, 3}, {1, 5, 3}, {0, 0, 0}};
    const VertexFields typed{"1.000", "2.000", "3.000"};
    EXPECT_EQ(fieldsForSelection(v, {1}, {}), (VertexFields{"1.000", "5.000", "3.000"}));
    EXPECT_EQ(fieldsForSelection(v, {0, 1}, typed), (VertexFields{"1.000", "", "3.000"}));
    EXPECT_EQ(fieldsForSelection(v, {}, typed), typed);
    EXPECT_FALSE(actionButtonEnabled(2, {}));
    EXPECT_TRUE(actionButtonEnabled(1, {}));
    EXPECT_EQ(reformattedField("1.5"), "1.500");
    EXPECT_EQ(reformattedField("x"), "x");
}

TEST(VertexFormRules, ReadingTheFields) {
    VertexFieldValues values;
    EXPECT_EQ(readVertexFields({"1", "", "2"}, true, values).message,
              "Every coordinate needs to be assigned !");
    ASSERT_TRUE(readVertexFields({"1", "", "2"}, false, values).done());
    EXPECT_TRUE(values.x == 1.0f && !values.y && values.z == 2.0f);
    EXPECT_EQ(readVertexFields({"1", "1e39", "2"}, false, values).message,
              "The Y field does not hold a number: '1e39' is not a valid floating point value");
}
