// The manual window's rules: which typed numbers it takes, when an entry is
// complete (tests/data/editor/manual_vertex_entry.txt), the 4-entry limit of
// a new polygon and the closing rule.
#include "editor/core/geometry/manual_vertex_entry.hpp"
#include "editor/core/document/pick_session.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <sstream>

using namespace meshsmith;

// Numbers typed one after another ("|" between them) for each purpose: a
// letter per number (Refused, Taken, Complete or Must close) and the last message.
TEST(ManualVertexEntry, TypedNumbersForEachPurposeAsRecorded) {
    test::expectRuleTable("manual_vertex_entry.txt",
                          [](const std::string& purpose, const std::string& typed) {
                              using enum ManualPurpose;
                              ManualVertexEntry entry(purpose == "line"  ? LineEnds
                                                      : purpose == "new" ? NewPolygon
                                                                         : PolygonCorners,
                                                      10, purpose == "triangle" ? 3 : 0);
                              std::string steps, message, number;
                              for (std::istringstream in(typed); std::getline(in, number, '|');) {
                                  const auto reply = entry.add(number);
                                  steps += "RTCM"[static_cast<int>(reply.step)];
                                  message = reply.message;
                              }
                              return message.empty() ? steps : steps + " " + message;
                          });
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
