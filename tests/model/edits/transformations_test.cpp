// The vertex transformations: the worked examples, the dialogs' own Undo, and
// refusals that leave the object as it was, with the invariants checked after
// every operation.

#include "model/edits/edit.hpp"
#include "model/edits/transformations.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

Project withVertices(std::vector<Vertex> vertices) {
    Project p;
    p.object.vertices = std::move(vertices);
    p.GeometryPresent = true;
    startHistory(p);
    return p;
}

TypedNumber number(const char* text) {
    return *typedNumber(text);
}

std::array<TypedNumber, 3> offsets(const char* x, const char* y, const char* z) {
    return {number(x), number(y), number(z)};
}

} // namespace

TEST(Transformations, RotationsTurnAboutTheOriginOrAPivotVertex) {
    struct Case {
        Axis axis;
        double degrees;
        std::int32_t pivot;
        Vertex from, to;
    };
    const Case cases[] = {
        {Axis::Z, 90, NoSelection, {1, 0, 0}, {0, 1, 0}},
        {Axis::Y, 90, NoSelection, {1, 0, 0}, {0, 0, 1}},
        {Axis::X, 180, 0, {0, 6, 5}, {0, 4, 5}},
        {Axis::Z, -90, NoSelection, {1, 0, 0}, {0, -1, 0}},
        {Axis::X, 270, 0, {0, 6, 5}, {0, 5, 4}},
    };
    for (const Case& c : cases) {
        Project p = withVertices({{0, 5, 5}, c.from});
        VertexUndo undo{p.object.vertices, p.object.vertices};
        ASSERT_TRUE(
            rotateVertices(p, rotationByDegrees(c.axis, c.degrees), c.pivot, VertexScope::All, undo)
                .done());
        EXPECT_EQ(p.object.vertices[1], c.to) << axisName(c.axis) << " " << c.degrees;
        EXPECT_FALSE(findObjectFault(p.object));
        if (c.pivot == 0) {
            EXPECT_EQ(p.object.vertices[0], (Vertex{0, 5, 5})) << "the pivot stays";
        }
    }
}

TEST(Transformations, OneDegreeStepsForwardAndBackComeHome) {
    Project p = withVertices({{3, -2, 7}, {0.5f, 1, 0}});
    const std::vector<Vertex> start = p.object.vertices;
    VertexUndo undo{start, start};
    for (double step : {1, 1, 1})
        ASSERT_TRUE(
            rotateVertices(p, rotationByDegrees(Axis::Z, step), NoSelection, VertexScope::All, undo)
                .done());
    Project once = withVertices(start);
    rotateVerticesAbout(once, rotationByDegrees(Axis::Z, 3), {}, VertexScope::All);
    EXPECT_NEAR(p.object.vertices[0].X, once.object.vertices[0].X, 1e-5);
    EXPECT_NEAR(p.object.vertices[0].Y, once.object.vertices[0].Y, 1e-5);
    for (double step : {-1, -1, -1})
        rotateVertices(p, rotationByDegrees(Axis::Z, step), NoSelection, VertexScope::All, undo);
    for (std::size_t k = 0; k < start.size(); ++k) {
        EXPECT_NEAR(p.object.vertices[k].X, start[k].X, 1e-5);
        EXPECT_NEAR(p.object.vertices[k].Y, start[k].Y, 1e-5);
        EXPECT_EQ(p.object.vertices[k].Z, start[k].Z);
    }
    // Cancel gives back the exact table the dialog copied when it showed.
    ASSERT_TRUE(restoreVertices(p, undo, "Cancel Rotation").done());
    EXPECT_EQ(p.object.vertices, start);
}

TEST(Transformations, MirrorScaleAndCenterWithTheirUndo) {
    RecordingLog log;
    Project p = withVertices({{1, 0, 0}, {0, 2, 0}});
    VertexUndo mirror;
    ASSERT_TRUE(mirrorVertices(p, Axis::X, true, VertexScope::All, mirror, log).done());
    EXPECT_EQ(p.object.vertices, (std::vector<Vertex>{{1, 0, 0}, {0, 2, 0}, {-1, 0, 0}}));
    EXPECT_TRUE(log.contains("Vertices added, mirrored along X-Axis"));
    ASSERT_TRUE(restoreVertices(p, mirror, "Undo Mirror").done());
    EXPECT_EQ(p.object.vertices.size(), 2u);

    Project s = sampleProject();
    const std::vector<Vertex> before = s.object.vertices;
    VertexUndo scale;
    ASSERT_TRUE(scaleVertices(s, number("2"), Axis::Y, VertexScope::All, scale, log).done());
    for (std::size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(s.object.vertices[k], (Vertex{before[k].X, 2 * before[k].Y, before[k].Z}));
    EXPECT_TRUE(log.contains("All Vertices scaled by 2"));
    EXPECT_EQ(s.bounds.maxY, 8);
    ASSERT_TRUE(restoreVertices(s, scale, "Undo Scale").done());
    EXPECT_EQ(s.object.vertices, before) << "Undo gives back the exact values";
    EXPECT_FALSE(findObjectFault(s.object));

    Project c = withVertices({{2, 1, -3}, {6, 5, 9}, {4, 1, 0}});
    VertexUndo center;
    ASSERT_TRUE(centerVertices(c, center).done());
    EXPECT_EQ(c.object.vertices[0], (Vertex{-2, -2, -6}));
    EXPECT_EQ(c.object.vertices[1], (Vertex{2, 2, 6}));
    EXPECT_TRUE(c.bounds.minX == -2 && c.bounds.maxX == 2 && c.bounds.centreX == 0);
    EXPECT_EQ(undoCaption(c), "Undo Center All Vertices");
}

TEST(Transformations, OnlyTheSelectedVerticesMoveAndTheLogNamesTheTypedOffsets) {
    RecordingLog log;
    Project p = withVertices({{0, 0, 0}, {1, 1, 1, 1}});
    VertexUndo undo;
    ASSERT_TRUE(
        moveVertices(p, offsets("0.0", "2.5", "-1"), VertexScope::Selected, undo, log).done());
    EXPECT_EQ(p.object.vertices, (std::vector<Vertex>{{0, 0, 0}, {1, 3.5f, 0, 1}}));
    EXPECT_EQ(log.lines,
              (std::vector<std::string>{"Selected Vertice(s) moved 2.5 units along Y-Axis",
                                        "Selected Vertice(s) moved -1 units along Z-Axis"}));
    deselectAllVertices(p);
    EXPECT_EQ(moveVertices(p, offsets("1", "0", "0"), VertexScope::Selected, undo, log).message,
              kNoVerticesSelectedMessage);
}

TEST(Transformations, ResultsBeyondTheFloatRangeAreRefusedAndChangeNothing) {
    RecordingLog log;
    VertexUndo undo;
    using Operation = std::function<OperationResult(Project&)>;
    const std::pair<std::vector<Vertex>, Operation> cases[] = {
        {{{0, 0, 0}, {20, 0, 0}}, // a 20-unit object scaled by 1e38
         [&](Project& p) {
             return scaleVertices(p, number("1e38"), std::nullopt, VertexScope::All, undo, log);
         }},
        {{{20, 0, 0}, {3e38f, 0, 0}}, // ... moved by 3e38 once already
         [&](Project& p) {
             return moveVertices(p, offsets("3e38", "0", "0"), VertexScope::All, undo, log);
         }},
        {{{1, 1, 1}, {3e38f, 3e38f, 0}},
         [&](Project& p) {
             return rotateVerticesAbout(p, rotationByDegrees(Axis::Z, 45), {}, VertexScope::All);
         }},
    };
    for (const auto& [vertices, operation] : cases) {
        Project p = withVertices(vertices);
        const OperationResult r = operation(p);
        EXPECT_EQ(r.outcome, Outcome::Refused);
        EXPECT_EQ(r.message.rfind("Vertex 1 would leave the range of coordinates", 0), 0u)
            << r.message;
        EXPECT_EQ(p.object.vertices, vertices);
        EXPECT_EQ(p.history.steps(), 0u);
    }
}

TEST(Transformations, AGonePivotAndAnOutdatedCopyAreRefused) {
    Project p = withVertices({{1, 0, 0}, {0, 5, 5}});
    VertexUndo undo{p.object.vertices, p.object.vertices};
    EXPECT_EQ(rotateVertices(p, rotationByDegrees(Axis::X, 90), 7, VertexScope::All, undo).message,
              "The pivot vertex 7 no longer exists: choose the pivot again !");

    RecordingLog log;
    VertexUndo move;
    ASSERT_TRUE(moveVertices(p, offsets("1", "0", "0"), VertexScope::All, move, log).done());
    EXPECT_TRUE(canRestoreVertices(p, move));
    ASSERT_TRUE(undoEdit(p).done()); // Edit > Undo took the move back already
    EXPECT_FALSE(canRestoreVertices(p, move));
    EXPECT_EQ(restoreVertices(p, move, "Undo Move").message, kUndoOutdatedMessage);
    EXPECT_EQ(p.object.vertices[0].X, 1);

    VertexUndo mirror;
    ASSERT_TRUE(mirrorVertices(p, Axis::X, true, VertexScope::All, mirror, log).done());
    p.object.lines.push_back(makeLine(2, 0)); // the added vertex is in use now
    EXPECT_FALSE(canRestoreVertices(p, mirror));
}
