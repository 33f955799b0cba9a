// The attribute operations: collision volumes built, refused, edited and
// removed as steps; display class and description.
#include "editor/core/attributes/attribute_rules.hpp"
#include "model/edits/attribute_edits.hpp"
#include "model/edits/edit.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Six untextured triangles and no volumes, with an edit history.
Project sixPolygons() {
    Project p;
    for (int k = 0; k < 3; ++k)
        p.object.vertices.push_back({static_cast<float>(k), 0, 0, 0});
    for (int k = 0; k < 6; ++k)
        p.object.polygons.push_back(makePolygon({0, 1, 2}));
    startHistory(p);
    return p;
}

} // namespace

TEST(AttributeEdits, VolumesAreBuiltFromUnusedPolygonsAndTakeTheirRebound) {
    Project p = sixPolygons();
    ASSERT_TRUE(addCollisionVolume(p, {5, 2}, 9).done());
    const CollVol& v = p.object.collision.at(0);
    EXPECT_EQ(v.PlaneCount, 2);
    EXPECT_EQ(v.PlanePolygons, (std::vector<std::int32_t>{2, 5}));
    EXPECT_EQ(v.PlaneRebounds, (std::vector<std::int32_t>{9, 9}));
    EXPECT_EQ(volumeListLine(0, v), "0  : Armco        2,5");

    struct Refusal {
        std::vector<std::int32_t> polygons;
        std::string message;
    };
    const Refusal refusals[] = {
        {{}, kSelectPolygonsMessage},
        {{1, 5}, "Polygon No. 5 already used by Volume No.0"},
        {{2, 5},
         "Polygon No. 2 already used by Volume No.0\rPolygon No. 5 already used by Volume No.0"},
        {{6}, "There is no polygon 6"},
        {{-1}, "There is no polygon -1"},
    };
    for (const Refusal& r : refusals) {
        const OperationResult result = addCollisionVolume(p, r.polygons, 3);
        EXPECT_EQ(result.outcome, Outcome::Refused);
        EXPECT_EQ(result.message, r.message);
    }
    EXPECT_EQ(p.object.collision.size(), 1u);

    ASSERT_TRUE(addCollisionVolume(p, {0}, 4).done());
    ASSERT_TRUE(setVolumeRebound(p, 0, 10).done());
    EXPECT_EQ(p.object.collision[0].PlaneRebounds, (std::vector<std::int32_t>{10, 10}));
    ASSERT_TRUE(removeCollisionVolume(p, 0).done()); // the later volume moves down
    EXPECT_EQ(p.object.collision.at(0).PlanePolygons, (std::vector<std::int32_t>{0}));
    EXPECT_EQ(removeCollisionVolume(p, 1).outcome, Outcome::Refused);
    EXPECT_EQ(findObjectFault(p.object), std::nullopt);

    ASSERT_TRUE(undoEdit(p).done()); // each change is one step
    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(p.object.collision.at(0).PlaneRebounds, (std::vector<std::int32_t>{9, 9}));
    ASSERT_TRUE(removeAllCollisionVolumes(p).done());
    EXPECT_TRUE(p.object.collision.empty());
}

TEST(AttributeEdits, DisplayClassAndDescription) {
    Project p = sixPolygons();
    const auto& entries = displayClassEntries();
    ASSERT_TRUE(setDisplayClass(p, entries[9].value).done()); // "Driver arms"
    EXPECT_EQ(p.object.DisplayClass, 17);
    EXPECT_EQ(displayClassEntryOf(17), 9u);
    EXPECT_EQ(displayClassEntryOf(11), 11u); // not offered: the entry of the same number
    EXPECT_EQ(displayClassEntryOf(42), std::nullopt);

    const std::string full(kDescriptionLimit, 'd');
    ASSERT_TRUE(setDescription(p, full).done());
    EXPECT_EQ(p.object.ProjectDescription, full);
    EXPECT_EQ(setDescription(p, full + "e").outcome, Outcome::Refused);
    EXPECT_EQ(p.object.ProjectDescription, full);
    std::string umlauts;
    for (std::size_t k = 0; k < kDescriptionLimit; ++k)
        umlauts += "\xC3\xBC"; // 200 characters in 400 bytes
    EXPECT_TRUE(setDescription(p, umlauts).done());
    ASSERT_TRUE(setDescription(p, "two\r\nlines").done());
    EXPECT_EQ(p.object.ProjectDescription, "two  lines");
}
