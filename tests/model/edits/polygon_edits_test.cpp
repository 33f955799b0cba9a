// The polygon operations: creation, redefinition, texture change and removal,
// with the object's invariants checked after each and the history over them.

#include "model/edits/edit.hpp"
#include "model/edits/polygon_edits.hpp"
#include "model/object_check.hpp"
#include "model/project_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {
using Indices = std::vector<std::int32_t>;
} // namespace

TEST(PolygonEdits, CreationTakesClosedCornerListsOnly) {
    const std::vector<Indices> created = {{5, 8, 2, 5}, {0, 1, 2, 3, 0}, {0, 1, 0}};
    const std::vector<Indices> refused = {{5, 8, 2}, {4, 4}, {0, 1, 12, 0}, {-1, 2, 3, -1}};
    for (const Indices& closed : created) {
        Project p = sampleProject();
        p.object.vertices.resize(10);
        p.object.vertices[5].Selected = p.object.polygons[1].Selected = 1;
        RecordingLog log;
        ASSERT_TRUE(createPolygon(p, closed, {0.25f, 0.5f, 1}, log).done());
        const ObjectData& made = p.object.polygons.back();
        EXPECT_EQ(made.VertexIndices, closed);
        EXPECT_EQ(made.VertexCount, static_cast<std::int32_t>(closed.size()));
        EXPECT_TRUE(!made.textured() && made.Blue == 1);
        EXPECT_EQ(p.object.vertices[5].Selected + p.object.polygons[1].Selected, 0);
        EXPECT_EQ(undoCaption(p), "Undo Add Polygon");
        EXPECT_FALSE(findObjectFault(p.object));
        if (closed.size() == 4) {
            EXPECT_TRUE(log.contains("Polygon No. 3 created, using vertices 5, 8, 2, 5"));
        }
    }
    for (const Indices& closed : refused) {
        Project p = sampleProject();
        RecordingLog log;
        EXPECT_EQ(createPolygon(p, closed, {}, log).outcome, Outcome::Refused);
        EXPECT_EQ(p.object.polygons.size(), 3u);
    }
}

TEST(PolygonEdits, RedefinitionReplacesTheCornersAndCloses) {
    struct Case {
        std::int32_t polygon;
        Indices corners, result; // empty result: refused
    };
    const Case cases[] = {{0, {5, 4, 3, 2}, {5, 4, 3, 2, 5}},
                          {2, {1, 2, 3}, {1, 2, 3, 1}},
                          {2, {1, 2}, {}},
                          {2, {1, 2, 6}, {}},
                          {3, {1, 2, 3}, {}}};
    for (const Case& c : cases) {
        Project p = sampleProject();
        const auto texCoords = p.object.polygons[0].TexCoords;
        const bool done = redefinePolygon(p, c.polygon, c.corners).done();
        ASSERT_EQ(done, !c.result.empty()) << c.polygon;
        if (done) {
            EXPECT_EQ(p.object.polygons[c.polygon].VertexIndices, c.result);
        }
        EXPECT_EQ(p.object.polygons[0].TexCoords, texCoords) << "texture coordinates stay";
        EXPECT_FALSE(findObjectFault(p.object));
    }
}

TEST(PolygonEdits, TextureChangeSkipsAndReportsUntexturedPolygons) {
    Project p = sampleProject(); // polygon 0 texture 0, 1 texture 1, 2 untextured
    for (ObjectData& polygon : p.object.polygons)
        polygon.Selected = 1;
    const auto texCoords = p.object.polygons[0].TexCoords;
    const TextureChange change = retextureSelectedPolygons(p, 1);
    ASSERT_TRUE(change.result.done());
    EXPECT_EQ(change.untextured, Indices{2});
    EXPECT_EQ(untexturedMessage(2), "Not possible to texturize polygon No. 2 with this function !");
    EXPECT_EQ(p.object.polygons[0].TextureIndex, 1);
    EXPECT_EQ(p.object.polygons[0].TexCoords, texCoords);
    EXPECT_FALSE(p.object.polygons[2].textured());
    EXPECT_EQ(retextureSelectedPolygons(p, 2).result.message, kNotTexturizableMessage)
        << "a texture the project does not have";
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(PolygonEdits, RemovalRenumbersAndCollisionPlanesFollow) {
    struct Case {
        Indices selected;
        Indices left;          // the first corner of each polygon left
        Indices planePolygons; // of the one volume (planes on 0 and 1), none when it went
    };
    const Case cases[] = {{{0}, {3, 0}, {0}}, {{2}, {0, 3}, {0, 1}}, {{0, 1}, {0}, {}}};
    for (const Case& c : cases) {
        Project p = sampleProject();
        for (std::int32_t k : c.selected)
            p.object.polygons[static_cast<std::size_t>(k)].Selected = 1;
        RecordingLog log;
        ASSERT_TRUE(removeSelectedPolygons(p, log).done());
        Indices left;
        for (const ObjectData& polygon : p.object.polygons)
            left.push_back(polygon.VertexIndices.front());
        EXPECT_EQ(left, c.left);
        ASSERT_EQ(p.object.collision.size(), c.planePolygons.empty() ? 0u : 1u);
        if (!c.planePolygons.empty()) {
            EXPECT_EQ(p.object.collision[0].PlanePolygons, c.planePolygons);
        }
        EXPECT_EQ(log.lines.empty(), c.planePolygons.size() == 2)
            << "a log line for dropped planes";
        EXPECT_FALSE(findObjectFault(p.object));
    }
}

TEST(PolygonEdits, RemoveAllAsksFirstAndUndoGivesEverythingBack) {
    Project p = sampleProject();
    startHistory(p);
    const std::string before = projectFileText(p);
    ScriptedPrompts prompts;
    RecordingLog log;
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(removeAllPolygons(p, prompts, log).outcome, Outcome::Cancelled);
    EXPECT_EQ(p.object.polygons.size(), 3u);
    p.SelectedPolygon = 1;
    ASSERT_TRUE(removeAllPolygons(p, prompts, log).done());
    EXPECT_TRUE(p.object.polygons.empty() && p.object.collision.empty());
    EXPECT_EQ(p.SelectedPolygon, NoSelection);
    EXPECT_TRUE(log.contains("All Polygons Cleared !"));
    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(projectFileText(p), before);
}
