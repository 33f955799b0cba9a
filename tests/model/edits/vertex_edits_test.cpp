// The vertex operations: what each leaves behind, with the object's
// invariants checked after every one, and the edit history over them.

#include "model/edits/edit.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/edits/visualization_lines.hpp"
#include "model/object_check.hpp"
#include "model/project_commands.hpp"
#include "model/project_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::vector<std::int32_t> ends(const ObjectData& r) {
    return r.VertexIndices;
}

Project selected(std::initializer_list<std::size_t> vertices) {
    Project p = sampleProject();
    for (std::size_t v : vertices)
        p.object.vertices[v].Selected = 1;
    return p;
}

} // namespace

TEST(VertexEdits, RemovalRenumbersWhatStaysAndCollisionPlanesFollowTheirPolygons) {
    struct Case {
        std::size_t removed;
        std::vector<std::vector<std::int32_t>> polygons, lines;
        std::vector<std::int32_t> planePolygons, planeRebounds;
    };
    const Case cases[] = {
        {1, {{2, 1, 3, 2}, {0, 3, 4, 0}}, {{0, 3}}, {0}, {15}},
        {4, {{0, 1, 2, 3, 0}}, {{4, 1}}, {0}, {3}},
        {5, {{0, 1, 2, 3, 0}, {3, 2, 4, 3}}, {{0, 4}}, {0, 1}, {3, 15}},
    };
    for (const Case& c : cases) {
        Project p = selected({c.removed});
        RecordingLog log;
        ASSERT_TRUE(removeSelectedVertices(p, log).done());
        EXPECT_EQ(p.object.vertices.size(), 5u);
        std::vector<std::vector<std::int32_t>> polygons, lines;
        for (const ObjectData& poly : p.object.polygons)
            polygons.push_back(ends(poly));
        for (const ObjectData& l : p.object.lines)
            lines.push_back(ends(l));
        EXPECT_EQ(polygons, c.polygons) << "vertex " << c.removed;
        EXPECT_EQ(lines, c.lines) << "vertex " << c.removed;
        ASSERT_EQ(p.object.collision.size(), 1u);
        EXPECT_EQ(p.object.collision[0].PlanePolygons, c.planePolygons);
        EXPECT_EQ(p.object.collision[0].PlaneRebounds, c.planeRebounds);
        EXPECT_EQ(log.contains("1 collision plane(s) of removed polygons dropped"),
                  c.planePolygons.size() == 1);
        EXPECT_FALSE(findObjectFault(p.object));
    }
}

TEST(VertexEdits, VolumeLeftWithoutPlanesGoesAndVisualizationLinesAreDrawnAgain) {
    Project p = selected({2});
    RecordingLog log;
    createVisualizationLines(p, {0.25f, 0.5f, 1}, log);
    p.object.vertices[2].Selected = 1;
    ASSERT_TRUE(removeSelectedVertices(p, log).done());
    EXPECT_TRUE(p.object.collision.empty()) << "both planes' polygons used vertex 2";
    ASSERT_EQ(p.object.visLines.size(), 5u);
    EXPECT_EQ(ends(p.object.visLines[4]), (std::vector<std::int32_t>{4, 0}));
    EXPECT_EQ(p.object.visLines[0].Red, 0.25f);
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(VertexEdits, AddModifyAndTheWindowsUndo) {
    Project p;
    EXPECT_TRUE(addVertex(p, 1, 2, 3).done());
    EXPECT_TRUE(addVertex(p, 4, 5, 6).done());
    EXPECT_TRUE(p.GeometryPresent && p.ViewReady);
    EXPECT_FALSE(hasGeometrySnapshot(p)) << "adding takes no copy";
    EXPECT_EQ(modifySelectedVertices(p, 9, 9, 9).outcome, Outcome::Refused);
    p.object.vertices[0].Selected = p.object.vertices[1].Selected = 1;
    ASSERT_TRUE(modifySelectedVertices(p, std::nullopt, 7, std::nullopt).done());
    EXPECT_EQ(p.object.vertices[0].Y, 7);
    EXPECT_EQ(p.object.vertices[1].X, 4) << "empty fields keep their coordinate";
    RecordingLog log;
    ASSERT_TRUE(restoreGeometrySnapshot(p, log).done());
    EXPECT_EQ(p.object.vertices[0].Y, 2);
    EXPECT_FALSE(hasGeometrySnapshot(p));
}

TEST(VertexEdits, UndoAfterRemoveAllLeavesTheProjectEmpty) {
    Project p = sampleProject();
    ScriptedPrompts prompts;
    RecordingLog log;
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_EQ(removeAllVertices(p, prompts, log).outcome, Outcome::Cancelled);
    ASSERT_TRUE(removeAllVertices(p, prompts, log).done());
    EXPECT_TRUE(p.object.vertices.empty() && p.object.textures.empty() &&
                p.object.collision.empty() && !p.GeometryPresent);
    EXPECT_TRUE(restoreGeometrySnapshot(p, log).outcome == Outcome::Refused ||
                p.object.vertices.empty());
    EXPECT_TRUE(p.object.vertices.empty());
    EXPECT_TRUE(log.contains("All Vertices removed !"));
}

TEST(VertexEdits, InterpolationCommands) {
    Project p;
    for (float x : {0.f, 2.f, 4.f, 6.f})
        addVertex(p, x, 0, 0);
    ScriptedPrompts prompts;
    RecordingLog log;
    EXPECT_EQ(createInterpolatedVertex(p, log).message, kOnlyTwoSelectedMessage);
    p.object.vertices[1].Selected = p.object.vertices[3].Selected = 1;
    ASSERT_TRUE(createInterpolatedVertex(p, log).done());
    EXPECT_TRUE(log.contains("Created Vertex 4, located between Vertices 1 and 3"));
    EXPECT_EQ(p.object.vertices[4].X, 4);
    EXPECT_TRUE(p.object.vertices[4].Selected && !p.object.vertices[1].Selected);
    p.object.vertices.pop_back();
    startHistory(p);
    ASSERT_TRUE(addInterpolatedVertices(p, prompts, log).done());
    ASSERT_EQ(p.object.vertices.size(), 7u);
    EXPECT_EQ(p.object.vertices[3].X, 3);
    EXPECT_TRUE(log.contains("3 interpolated Vertices added"));

    Project single;
    addVertex(single, 1e38f, 3e38f, 0);
    addVertex(single, 3e38f, 3e38f, 0);
    EXPECT_EQ(addInterpolatedVertices(single, prompts, log).outcome, Outcome::Done);
    EXPECT_EQ(single.object.vertices[1].Y, 3e38f) << "midpoints near the float limit stay finite";
    Project one;
    addVertex(one, 0, 0, 0);
    EXPECT_EQ(addInterpolatedVertices(one, prompts, log).message, kNotEnoughVerticesMessage);
}

TEST(EditHistory, UndoAndRedoGiveBackTheSavedBytesAndANewStepDropsRedo) {
    Project p = sampleProject();
    startHistory(p);
    const std::string before = projectFileText(p);
    RecordingLog log;
    ScriptedPrompts prompts;
    ASSERT_TRUE(addVertex(p, 1, 1, 1).done());
    const std::string afterAdd = projectFileText(p);
    prompts.answers = {Answer::Yes};
    ASSERT_TRUE(addInterpolatedVertices(p, prompts, log).done());
    EXPECT_EQ(undoCaption(p), "Undo Add Interpolated Vertices");

    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(projectFileText(p), afterAdd);
    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(projectFileText(p), before);
    EXPECT_EQ(undoEdit(p).message, "Nothing to undo");
    EXPECT_EQ(undoCaption(p), "Undo");
    ASSERT_TRUE(redoEdit(p).done());
    EXPECT_EQ(projectFileText(p), afterAdd);
    EXPECT_EQ(redoCaption(p), "Redo Add Interpolated Vertices");
    ASSERT_TRUE(addVertex(p, 2, 2, 2).done());
    EXPECT_EQ(redoCaption(p), "Redo") << "a new change drops what could be redone";
    EXPECT_FALSE(findObjectFault(p.object));
}

TEST(EditHistory, ClearAllIsAStepAndClosingStartsAnew) {
    Project p = sampleProject();
    startHistory(p);
    ScriptedPrompts prompts;
    RecordingLog log;
    SaveOptions options;
    ProjectSession s{p, options, prompts, log};
    clearAll(s);
    EXPECT_TRUE(p.object.vertices.empty());
    ASSERT_TRUE(undoEdit(p).done());
    EXPECT_TRUE(p.object == sampleProject().object);
    EXPECT_TRUE(p.GeometryPresent);
    prompts.answers = {Answer::No};
    closeProject(s);
    EXPECT_FALSE(p.history.canUndo() || p.history.canRedo());
}

TEST(EditHistory, StepsShareWhatTheyDidNotChange) {
    Project p;
    for (int k = 0; k < 30000; ++k)
        p.object.vertices.push_back({static_cast<float>(k), 0, 0, 0});
    startHistory(p);
    const std::size_t start = p.history.bytes();
    for (int step = 0; step < 120; ++step)
        addVertex(p, 0, static_cast<float>(step), 0);
    EXPECT_EQ(p.history.steps(), 120u);
    EXPECT_LT(p.history.bytes(), 3 * start) << "each step keeps only the chunk it changed";
    for (int step = 0; step < 120; ++step)
        ASSERT_TRUE(undoEdit(p).done());
    EXPECT_EQ(p.object.vertices.size(), 30000u);
}
