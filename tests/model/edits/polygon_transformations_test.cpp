// Copying and moving polygons: what the copy appends and its Undo takes
// away, shared corners moved once, with the invariants checked throughout.

#include "model/edits/edit.hpp"
#include "model/edits/polygon_transformations.hpp"
#include "model/object_check.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::array<TypedNumber, 3> offsets(const char* x, const char* y, const char* z) {
    return {*typedNumber(x), *typedNumber(y), *typedNumber(z)};
}

// The sample with its textured triangle (polygon 1 over vertices 3, 2, 4) selected.
Project triangleSelected() {
    Project p = sampleProject();
    p.object.polygons[1].Selected = 1;
    startHistory(p);
    return p;
}

} // namespace

TEST(PolygonTransformations, CopyOfATexturedTriangleAndItsUndo) {
    struct Case {
        CopySide side;
        CopyTexture texture;
        std::vector<std::int32_t> corners;
        std::int32_t textureIndex;
        std::vector<TexCoord> uv;
    };
    const std::vector<TexCoord> uv{{0, 0}, {2, 0}, {1, 0.6f}};
    const Case cases[] = {
        {CopySide::Same, CopyTexture::SameOrientation, {6, 7, 8, 6}, 1, uv},
        {CopySide::Opposite, CopyTexture::SameOrientation, {6, 8, 7, 6}, 1, uv},
        {CopySide::Opposite, CopyTexture::Mirrored, {6, 8, 7, 6}, 1, {uv[2], uv[1], uv[0]}},
        {CopySide::Same, CopyTexture::None, {6, 7, 8, 6}, NoTexture, {}},
    };
    for (const Case& c : cases) {
        Project p = triangleSelected();
        const TrackObject before = p.object;
        PolygonCopyUndo undo;
        ASSERT_TRUE(copyPolygons(p, offsets("0.0", "0.0", "10"), c.side, c.texture, undo).done());
        ASSERT_EQ(p.object.vertices.size(), 9u);
        ASSERT_EQ(p.object.polygons.size(), 4u);
        EXPECT_EQ(p.object.vertices[6], (Vertex{0, 0, 15}));
        EXPECT_EQ(p.object.vertices[8], (Vertex{5, 4, 12.5f}));
        const ObjectData& copy = p.object.polygons[3];
        EXPECT_EQ(copy.VertexIndices, c.corners);
        EXPECT_EQ(copy.TextureIndex, c.textureIndex);
        EXPECT_EQ(copy.TexCoords, c.uv);
        EXPECT_TRUE(copy.Selected && !p.object.polygons[1].Selected);
        EXPECT_FALSE(findObjectFault(p.object));

        RecordingLog log;
        ASSERT_TRUE(undoPolygonCopy(p, undo, log).done());
        EXPECT_EQ(p.object.vertices, before.vertices);
        EXPECT_EQ(p.object.polygons.size(), 3u);
        EXPECT_EQ(undoCaption(p), "Undo Undo Polygon Copy");
    }
}

TEST(PolygonTransformations, CopyMergesDoublesFirstAndRefusesWhatItCannotDo) {
    Project p = triangleSelected();
    p.object.vertices.push_back(p.object.vertices[2]); // a double of vertex 2
    PolygonCopyUndo undo;
    EXPECT_EQ(copyPolygons(p, offsets("0.0", "0.0", "0.0"), CopySide::Same, CopyTexture::None, undo)
                  .message,
              kCheckOffsetMessage);
    EXPECT_TRUE(
        copyPolygons(p, offsets("0", "0.0", "0.0"), CopySide::Same, CopyTexture::None, undo).done())
        << "a typed 0 copies in place (a back face with Opposite Side)";
    EXPECT_EQ(undo.firstVertex, 6u) << "the double went before the copy";
    EXPECT_EQ(
        copyPolygons(p, offsets("3e38", "0", "0"), CopySide::Same, CopyTexture::None, undo).outcome,
        Outcome::Done);
    const TrackObject before = p.object;
    EXPECT_EQ(
        copyPolygons(p, offsets("3e38", "0", "0"), CopySide::Same, CopyTexture::None, undo).outcome,
        Outcome::Refused);
    EXPECT_EQ(p.object, before);
    for (ObjectData& poly : p.object.polygons)
        poly.Selected = 0;
    EXPECT_EQ(
        copyPolygons(p, offsets("1", "0", "0"), CopySide::Same, CopyTexture::None, undo).message,
        kSelectPolygonsMessage);
    // Something else now uses the copied vertices: the copy's Undo would take them away.
    p.object.lines.push_back(makeLine(0, static_cast<std::int32_t>(p.object.vertices.size() - 1)));
    EXPECT_FALSE(canUndoPolygonCopy(p, undo));
}

TEST(PolygonTransformations, MovingTwoPolygonsThatShareAnEdgeMovesEachCornerOnce) {
    Project p = sampleProject();
    p.object.polygons[0].Selected = p.object.polygons[1].Selected = 1; // share vertices 2 and 3
    startHistory(p);
    const std::vector<Vertex> before = p.object.vertices;
    VertexUndo undo;
    ASSERT_TRUE(movePolygons(p, offsets("1", "0.0", "0.0"), undo).done());
    for (std::size_t k = 0; k < before.size(); ++k)
        EXPECT_EQ(p.object.vertices[k].X, before[k].X + (k <= 4 ? 1 : 0)) << "vertex " << k;
    EXPECT_FALSE(findObjectFault(p.object));
    ASSERT_TRUE(restoreVertices(p, undo, "Undo Polygon Move").done());
    EXPECT_EQ(p.object.vertices, before);
    EXPECT_EQ(movePolygons(p, offsets("0.0", "0.0", "0.0"), undo).message, kCheckOffsetMessage);
}
