// The five pick modes: their rules, rejections, log lines, the selected
// flags they set and the hand-over of finished picks.
#include "editor/core/view/pick_modes.hpp"

#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;

namespace {

using Lines = std::vector<std::string>;

class RecordingReceiver : public PickReceiver {
  public:
    void linePicked(std::int32_t a, std::int32_t b) override { lines.push_back({a, b}); }
    void polygonPicked(const std::vector<std::int32_t>& picked) override {
        polygons.push_back(picked);
    }
    void polygonRedefined(std::int32_t polygon) override { redefinedPolygons.push_back(polygon); }
    void lineRedefined(std::int32_t line) override { redefinedLines.push_back(line); }
    void pivotPicked(std::int32_t vertex) override { pivots.push_back(vertex); }

    std::vector<std::vector<std::int32_t>> lines, polygons;
    std::vector<std::int32_t> redefinedPolygons, redefinedLines, pivots;
};

// Ten vertices, the sample's lines and polygons; picks are given as hits.
struct PickBench {
    Project project = test::sampleProject();
    PickModes modes;
    test::RecordingLog log;
    RecordingReceiver receiver;
    int beeps = 0;
    bool playSound = false;

    PickBench() { project.object.vertices.resize(10); }

    PickOutcome pick(const std::vector<PickHit>& hits) {
        const FailureSignal fail(log, playSound, [this] { ++beeps; });
        return handlePick(modes, project, hits, log, fail, receiver);
    }
    PickOutcome pickVertex(std::int32_t v) { return pick({{HitKind::Vertex, v}}); }
    Lines takeLog() { return std::exchange(log.lines, {}); }
    int selectedCount() const {
        int n = 0;
        for (const Vertex& v : project.object.vertices)
            n += v.Selected;
        return n;
    }
};

} // namespace

TEST(PickModes, PicksWithoutAVertexAreRejectedInEveryMode) {
    PickBench b;
    EXPECT_EQ(b.pickVertex(1).result, PickResult::NoMode);
    EXPECT_TRUE(b.log.lines.empty());

    b.modes.PolygonPickMode = true;
    EXPECT_EQ(b.pick({}).rejection, kNothingSelected);
    EXPECT_EQ(b.pick({{HitKind::Polygon, 0}, {HitKind::Axis, 0}}).rejection, kSelectVertexOnly)
        << "polygon 0 is not vertex 0";
    EXPECT_EQ(b.pick({{HitKind::Vertex, 10}}).rejection, kSelectVertexOnly)
        << "a vertex beyond the table is no candidate";
    EXPECT_EQ(b.takeLog(), (Lines{kNothingSelected, kSelectVertexOnly, kSelectVertexOnly}));
    EXPECT_TRUE(b.modes.PickedVertices.empty());

    b.playSound = true; // beep instead of the log line
    EXPECT_EQ(b.pick({}).result, PickResult::Rejected);
    EXPECT_EQ(b.beeps, 1);
    EXPECT_TRUE(b.log.lines.empty());

    EXPECT_TRUE(picksOnRelease(b.modes, false));
    EXPECT_FALSE(picksOnRelease(b.modes, true)) << "a modifier or other button held";
    EXPECT_FALSE(picksOnRelease(PickModes{}, false));
}

TEST(PickModes, LinePickTakesTwoDifferentVerticesAndHandsTheLineOver) {
    PickBench b;
    b.modes.LinePickMode = true;
    EXPECT_EQ(b.pick({{HitKind::Vertex, 2}, {HitKind::Vertex, 7}}).result, PickResult::Recorded);
    EXPECT_EQ(b.takeLog(), (Lines{"Vertex 7 selected", "Pick second vertex !"}));
    EXPECT_EQ(b.modes.LinePickState, 1);
    EXPECT_EQ(b.modes.FirstLineVertex, 7) << "the highest vertex under the cursor";
    EXPECT_TRUE(b.project.object.vertices[7].Selected);

    // The first vertex anywhere among the candidates refuses the whole pick.
    EXPECT_EQ(b.pick({{HitKind::Vertex, 7}, {HitKind::Vertex, 9}}).rejection,
              kSelectDifferentVertex);
    EXPECT_EQ(b.modes.LinePickState, 1);

    const PickOutcome done = b.pickVertex(3);
    EXPECT_EQ(done.result, PickResult::Completed);
    EXPECT_EQ(b.takeLog(), (Lines{kSelectDifferentVertex, "Vertex 3 selected",
                                  "Line No. 3 created, using vertices 7 and 3"}));
    EXPECT_EQ(b.receiver.lines, (std::vector<std::vector<std::int32_t>>{{7, 3}}));
    EXPECT_EQ(b.modes.LinePickState, 0);
    EXPECT_EQ(b.modes.SecondLineVertex, 3);
    EXPECT_FALSE(done.restoreArrowCursor) << "the line window ends the mode";

    // Picking the first vertex again after a finished line starts the next one.
    EXPECT_EQ(b.pickVertex(7).result, PickResult::Recorded);
    EXPECT_EQ(b.modes.FirstLineVertex, 7);
}

TEST(PickModes, PolygonPickClosesOnTheFirstVertexAndRefusesReuse) {
    PickBench b;
    b.modes.PolygonPickMode = true;
    b.pickVertex(0);
    EXPECT_EQ(b.pickVertex(0).rejection, kSelectDifferentVertex);
    b.pickVertex(1);
    b.pickVertex(2);
    EXPECT_EQ(b.pickVertex(2).rejection, kSelectDifferentVertex);
    EXPECT_EQ(b.pickVertex(1).rejection, kVertexAlreadyUsed);
    EXPECT_EQ(b.modes.PickedVertices, (std::vector<std::int32_t>{0, 1, 2}));
    EXPECT_EQ(b.pickVertex(0).result, PickResult::Completed);
    EXPECT_EQ(b.takeLog(), (Lines{"Picked = 0", "Pick next vertex !", kSelectDifferentVertex,
                                  "Picked = 1", "Pick next vertex !", "Picked = 2",
                                  "Pick next vertex (or first vertex to close) !",
                                  kSelectDifferentVertex, kVertexAlreadyUsed, "Picked = 0"}));
    EXPECT_EQ(b.receiver.polygons, (std::vector<std::vector<std::int32_t>>{{0, 1, 2, 0}}));
    EXPECT_EQ(b.selectedCount(), 3);

    // The polygon window empties the picks; the next polygon may reuse any vertex.
    b.modes.PickedVertices.clear();
    EXPECT_EQ(b.pickVertex(1).result, PickResult::Recorded);
    EXPECT_EQ(b.pickVertex(0).result, PickResult::Recorded);
    EXPECT_EQ(b.pickVertex(1).result, PickResult::Completed) << "1, 0, 1 closes as well";
    EXPECT_EQ(b.receiver.polygons.back(), (std::vector<std::int32_t>{1, 0, 1}));
}

TEST(PickModes, PolygonCandidatesAreLoggedUntilOneIsRefused) {
    PickBench b;
    b.modes.PolygonPickMode = true;
    b.modes.PickedVertices = {4, 5, 6};
    EXPECT_EQ(b.pick({{HitKind::Vertex, 3}, {HitKind::Vertex, 5}}).rejection, kVertexAlreadyUsed);
    EXPECT_EQ(b.takeLog(), (Lines{"Picked = 3", kVertexAlreadyUsed}));
    EXPECT_EQ(b.modes.PickedVertices, (std::vector<std::int32_t>{4, 5, 6}));
    EXPECT_EQ(b.selectedCount(), 0);
}

TEST(PickModes, PolygonRedefineReplacesTheCornersAndEndsTheMode) {
    PickBench b;
    b.project.object.polygons[2] = test::makePolygon({0, 1, 2});
    b.project.SelectedPolygon = 2;
    b.modes.PolygonRedefineMode = true;
    b.pickVertex(5);
    b.pickVertex(6);
    EXPECT_EQ(b.selectedCount(), 2);
    const PickOutcome done = b.pickVertex(7);
    EXPECT_EQ(done.result, PickResult::Completed);
    EXPECT_TRUE(done.restoreArrowCursor);
    EXPECT_EQ(b.project.object.polygons[2].VertexIndices, (std::vector<std::int32_t>{5, 6, 7, 5}));
    EXPECT_EQ(b.project.object.polygons[2].VertexCount, 4);
    EXPECT_EQ(b.takeLog(), (Lines{"Picked vertex 5", "Picked vertex 6", "Picked vertex 7",
                                  "Polygon No. 2 redefined."}));
    EXPECT_FALSE(b.modes.PolygonRedefineMode);
    EXPECT_TRUE(b.modes.PickedVertices.empty());
    EXPECT_EQ(b.selectedCount(), 0);
    EXPECT_EQ(b.receiver.redefinedPolygons, (std::vector<std::int32_t>{2}));

    // A quadrilateral needs four accepted picks, refusals not counted.
    b.project.SelectedPolygon = 0;
    b.modes.PolygonRedefineMode = true;
    for (std::int32_t v : {9, 9, 8, 7})
        b.pickVertex(v);
    EXPECT_TRUE(b.modes.PolygonRedefineMode);
    EXPECT_EQ(b.pickVertex(6).result, PickResult::Completed);
    EXPECT_EQ(b.project.object.polygons[0].VertexIndices,
              (std::vector<std::int32_t>{9, 8, 7, 6, 9}));
}

TEST(PickModes, RedefiningSomethingThatIsGoneEndsWithoutChange) {
    PickBench b;
    const Project before = b.project;
    b.modes.PolygonRedefineMode = true; // SelectedPolygon is 9999
    const PickOutcome outcome = b.pickVertex(1);
    EXPECT_EQ(outcome.result, PickResult::Abandoned);
    EXPECT_TRUE(outcome.restoreArrowCursor);
    EXPECT_FALSE(b.modes.PolygonRedefineMode);
    EXPECT_EQ(b.takeLog(), (Lines{"No polygon selected to redefine !"}));

    b.modes.LineRedefineMode = true;
    b.project.SelectedLine = 2; // the sample has lines 0 and 1
    EXPECT_EQ(b.pickVertex(1).result, PickResult::Abandoned);
    EXPECT_EQ(b.takeLog(), (Lines{"No line selected to redefine !"}));
    EXPECT_EQ(b.project.object.lines[1].VertexIndices, before.object.lines[1].VertexIndices);
    EXPECT_TRUE(b.receiver.redefinedLines.empty() && b.receiver.redefinedPolygons.empty());
}

TEST(PickModes, PivotAndLineRedefinePicks) {
    PickBench b;
    b.modes.PivotPickMode = true;
    const PickOutcome pivot = b.pickVertex(4);
    EXPECT_EQ(pivot.result, PickResult::Completed);
    EXPECT_TRUE(pivot.restoreArrowCursor);
    EXPECT_EQ(b.modes.PivotVertex, 4);
    EXPECT_FALSE(b.modes.PivotPickMode);
    EXPECT_EQ(b.selectedCount(), 0) << "the pivot is not selected";
    EXPECT_EQ(b.receiver.pivots, (std::vector<std::int32_t>{4}));
    EXPECT_EQ(b.takeLog(), (Lines{"Picked vertex 4 as pivot point."}));

    b.project.SelectedLine = 1;
    b.modes.LineRedefineMode = true;
    b.pickVertex(3);
    EXPECT_EQ(b.pickVertex(3).rejection, kSelectDifferentVertex);
    EXPECT_EQ(b.pickVertex(7).result, PickResult::Completed);
    EXPECT_EQ(b.project.object.lines[1].VertexIndices, (std::vector<std::int32_t>{3, 7}));
    EXPECT_EQ(b.takeLog(), (Lines{"Picked vertex 3", kSelectDifferentVertex, "Picked vertex 7",
                                  "Line No. 1 redefined."}));
    EXPECT_FALSE(b.modes.LineRedefineMode);
    EXPECT_EQ(b.selectedCount(), 0);
    EXPECT_EQ(b.receiver.redefinedLines, (std::vector<std::int32_t>{1}));
}

TEST(PickModes, TheFirstModeOnIsServed) {
    PickBench b;
    b.modes.PivotPickMode = true;
    b.modes.PolygonPickMode = true;
    b.modes.LineRedefineMode = true;
    b.pickVertex(2);
    EXPECT_EQ(b.modes.PickedVertices, (std::vector<std::int32_t>{2}));
    EXPECT_TRUE(b.modes.PivotPickMode);
    EXPECT_EQ(b.takeLog(), (Lines{"Picked = 2", "Pick next vertex !"}));
}
