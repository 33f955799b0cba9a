// The manual window's rules: which typed numbers it takes, when an entry is
// complete, the 4-entry limit of a new polygon and the closing rule.
#include "editor/core/geometry/manual_vertex_entry.hpp"
#include "editor/core/view/pick_modes.hpp"

#include <gtest/gtest.h>

#include <map>

using namespace meshsmith;

namespace {
using Step = ManualVertexEntry::Step;
} // namespace

TEST(ManualVertexEntry, TypedNumbersForEachPurpose) {
    struct Case {
        ManualPurpose purpose;
        std::size_t corners;
        std::vector<std::string> typed;
        std::string steps; // per number: Taken, Refused, Complete or Must close
        std::string lastMessage;
    };
    using enum ManualPurpose;
    const Case cases[] = {
        {NewPolygon, 0, {"4", "5", "6", "7", "8"}, "TTTTM", kOnlyTrianglesOrQuads},
        {NewPolygon, 0, {"10", "x", "-1", " 3", "$A"}, "RRRTR", kNotAVertexNumber},
        {NewPolygon, 0, {"4", "4", "5", "4"}, "TRTR", kVertexAlreadyUsed},
        {LineEnds, 0, {"3", "3", "7"}, "TRC", ""},
        {PolygonCorners, 3, {"1", "2", "9"}, "TTC", ""},
    };
    const std::map<Step, char> letter{
        {Step::Taken, 'T'}, {Step::Refused, 'R'}, {Step::Complete, 'C'}, {Step::MustClose, 'M'}};
    for (const Case& c : cases) {
        ManualVertexEntry entry(c.purpose, 10, c.corners);
        std::string steps, message;
        for (const std::string& typed : c.typed) {
            const auto reply = entry.add(typed);
            steps += letter.at(reply.step);
            message = reply.message;
        }
        EXPECT_EQ(steps, c.steps) << c.typed.front();
        EXPECT_EQ(message, c.lastMessage);
    }
}

TEST(ManualVertexEntry, PromptAndClosing) {
    ManualVertexEntry entry(ManualPurpose::NewPolygon, 10);
    EXPECT_EQ(entry.prompt(), "Vertex No. 1 = ");
    std::vector<std::int32_t> closed;
    entry.add("4");
    entry.add("5");
    EXPECT_EQ(entry.prompt(), "Vertex No. 3 = ");
    EXPECT_EQ(entry.close(closed).message, kAddVerticesFirst);
    entry.add("6");
    ASSERT_TRUE(entry.close(closed).done());
    EXPECT_EQ(closed, (std::vector<std::int32_t>{4, 5, 6, 4}));
}
