// The editor's document: one history behind every window's Undo, selections
// that belong to their windows and follow the object, Undo that gives back
// everything that follows from the object and the project's frame, merged
// steps of one control.
#include "editor/core/document/document.hpp"
#include "editor/core/document/window_steps.hpp"
#include "editor/core/view/picking.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/polygon_edits.hpp"
#include "model/edits/transformations.hpp"
#include "model/edits/vertex_edits.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Six vertices; polygons 0 (0, 1, 2), 1 (1, 2, 3) and 2 (3, 4, 5); volume A
// names polygon 2, volume B polygon 0; lines 0-1 and 4-5.
Project threeTriangles() {
    Project p;
    for (int k = 0; k < 7; ++k)
        p.object.vertices.push_back({static_cast<float>(k), static_cast<float>(k * k % 5), 0});
    p.object.polygons = {makePolygon({0, 1, 2}), makePolygon({1, 2, 3}), makePolygon({3, 4, 5})};
    p.object.collision = {{1, {2}, {9}}, {1, {0}, {3}}};
    p.object.lines = {makeLine(0, 1), makeLine(4, 5)};
    p.ProjectFile = "/projects/yard/yard.3dp";
    p.ProjectName = "yard";
    p.options.ZoomRatio = 33;
    p.GeometryPresent = true;
    return p;
}

struct Editing {
    Document doc;
    RecordingLog log;
    ScriptedPrompts prompts;
    Editing() { doc.adopt(threeTriangles()); }
};

} // namespace

TEST(Document, AWindowsUndoGivesBackItsOwnStepOnlyWhileItIsTheLatest) {
    Editing e;
    const Project start = e.doc.project();
    WindowSteps vertexWindow, lineWindow;

    // Vertex 0 goes with polygon 0 and volume B; the window's Undo brings all back.
    e.doc.select(Purpose::Vertices, {0});
    e.doc.run(&removeSelectedVertices, e.doc.selected(Purpose::Vertices), e.log);
    vertexWindow.remember(e.doc);
    EXPECT_EQ(e.doc.object().collision.size(), 1u);
    ASSERT_TRUE(vertexWindow.undo(e.doc).done());
    EXPECT_EQ(e.doc.object(), start.object) << "volume A on (3, 4, 5), volume B back";

    // The line window's last step is no longer the latest once the vertex window acted.
    e.doc.select(Purpose::ListedLines, {0, 1});
    e.doc.run(&removeSelectedLines, e.doc.selected(Purpose::ListedLines));
    lineWindow.remember(e.doc);
    e.doc.select(Purpose::Vertices, {2});
    e.doc.run(&removeSelectedVertices, e.doc.selected(Purpose::Vertices), e.log);
    vertexWindow.remember(e.doc);
    EXPECT_FALSE(lineWindow.canUndo(e.doc));
    EXPECT_EQ(lineWindow.undo(e.doc).outcome, Outcome::Refused);
    EXPECT_TRUE(e.doc.object().lines.empty()) << "no line joins other vertices";

    // Nothing to give back once another project is there.
    e.doc.adopt(sampleProject());
    e.doc.run(&addVertex, 1.0f, 2.0f, 3.0f);
    EXPECT_FALSE(vertexWindow.canUndo(e.doc));
    EXPECT_EQ(vertexWindow.undo(e.doc).outcome, Outcome::Refused);
    EXPECT_EQ(e.doc.object().vertices.size(), sampleProject().object.vertices.size() + 1);
}

TEST(Document, SelectionsBelongToTheirWindowsAndFollowTheObject) {
    Editing e;
    e.doc.select(Purpose::ListedPolygons, {0});
    e.doc.select(Purpose::TexturedPolygons, {2});
    e.doc.select(Purpose::CollisionPolygons, {1, 2});
    e.doc.run(&removeSelectedPolygons, e.doc.selected(Purpose::ListedPolygons), e.log);
    ASSERT_EQ(e.doc.object().polygons.size(), 2u);
    EXPECT_EQ(e.doc.object().polygons[1].VertexIndices, (std::vector<std::int32_t>{3, 4, 5, 3}))
        << "polygon 0 went, not the one the texture window chose";
    EXPECT_TRUE(e.doc.selected(Purpose::ListedPolygons).empty());
    EXPECT_EQ(e.doc.selected(Purpose::TexturedPolygons), IndexSet{1}) << "renumbered";
    EXPECT_EQ(e.doc.selected(Purpose::CollisionPolygons), (IndexSet{0, 1}));
    EXPECT_TRUE(e.doc.marks().polygon(0) && e.doc.marks().polygon(1));

    e.doc.undo(); // the polygon comes back in front: the sets cannot tell, they empty
    EXPECT_TRUE(e.doc.selected(Purpose::TexturedPolygons).empty());
    e.doc.select(Purpose::Vertices, {1, 4});
    e.doc.run(&addVertex, 9.0f, 9.0f, 9.0f);
    EXPECT_EQ(e.doc.selected(Purpose::Vertices), (IndexSet{1, 4})) << "appending keeps them";
}

TEST(Document, UndoGivesBackWhatFollowsFromTheObjectAndClearAllsFrame) {
    Editing e;
    const Project start = e.doc.project();
    e.prompts.answers = {Answer::Yes};
    e.doc.run(&removeAllVertices, e.prompts, e.log);
    EXPECT_FALSE(e.doc.project().GeometryPresent);
    e.doc.undo();
    EXPECT_TRUE(e.doc.project().GeometryPresent);
    // The view draws and picks again: something is hit where the triangles are.
    const Viewport viewport{0, 0, 200, 200};
    const Matrix4 flat = orthoMatrix(-1, 7, -1, 7, -10, 10);
    EXPECT_FALSE(pickScene(e.doc.project(), {}, flat, viewport, 50, 150).empty());

    const std::uint32_t textures = e.doc.textureVersion();
    e.doc.runFile(&clearAll, SaveOptions{}, e.prompts, e.log);
    EXPECT_EQ(e.doc.project().ProjectFile, NoProjectFile);
    e.doc.undo();
    EXPECT_EQ(frameOf(e.doc.project()), frameOf(start)) << "file, name, caption and options back";
    EXPECT_EQ(e.doc.object(), start.object);
    e.doc.redo();
    EXPECT_EQ(e.doc.project().options.ZoomRatio, ProjectOptions{}.ZoomRatio);
    EXPECT_EQ(e.doc.textureVersion(), textures) << "no texture table changed";
}

TEST(Document, ConsecutiveChangesOfOneControlMakeOneStep) {
    Editing e;
    const TrackObject start = e.doc.object();
    const auto turn = [&](double degrees, const char* key) {
        const Rotation r = rotationByDegrees(Axis::Z, degrees);
        return key ? e.doc.runMerged(key, &rotateVertices, r, NoSelection, VertexChoice{})
                   : e.doc.run(&rotateVertices, r, NoSelection, VertexChoice{});
    };
    turn(9, "free angle"); // "90" typed: 9, then 81 more
    turn(81, "free angle");
    const TrackObject turned = e.doc.object();
    e.doc.undo();
    EXPECT_EQ(e.doc.object(), start) << "one Undo takes back the whole typed angle";
    e.doc.redo();
    EXPECT_EQ(e.doc.object(), turned);

    turn(1, "free angle"); // after Undo and Redo a new step begins
    e.doc.undo();
    EXPECT_EQ(e.doc.object(), turned);

    const auto move = [&](const char* dx) {
        const std::array<TypedNumber, 3> by{*typedNumber(dx), *typedNumber("0"), *typedNumber("0")};
        return e.doc.runMerged("Move X", &moveVertices, by, VertexChoice{}, e.log);
    };
    e.doc.undo(); // whole coordinates again, which +1 - 1 gives back exactly
    move("1");
    move("-1"); // back where it began: the step is gone
    EXPECT_EQ(e.doc.object(), start);
    EXPECT_FALSE(e.doc.canUndo());
    turn(30, "free angle");
    turn(45, nullptr); // another control: its own step
    e.doc.undo();
    EXPECT_NE(e.doc.object(), start);
}
