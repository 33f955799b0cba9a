#include "model/project.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace meshsmith;

TEST(Project, ResetRestoresANewProjectButKeepsMenuFlags) {
    Project p = test::sampleProject();
    p.options.ShowAxis = true;
    p.options.ZoomRatio = 12;
    p.options.TrackFolder = "C:\\GPL\\tracks\\monza\\";
    p.GeometryPresent = true;
    resetProject(p);
    Project fresh;
    EXPECT_TRUE(p.object == fresh.object);
    EXPECT_EQ(p.ProjectFile, "None");
    EXPECT_EQ(p.options.ZoomRatio, 70);
    EXPECT_TRUE(p.options.TrackFolder.empty());
    EXPECT_FALSE(p.GeometryPresent);
    EXPECT_TRUE(p.options.ShowAxis) << "menu check marks are not project defaults";
}

TEST(Project, BoundsSpanEveryVertexAndAnEmptyTableKeepsTheBox) {
    Project p;
    p.object.vertices = {{1.5f, -2, 7}};
    updateBounds(p);
    EXPECT_EQ((std::array<float, 3>{p.bounds.minX, p.bounds.maxX, p.bounds.centreZ}),
              (std::array<float, 3>{1.5f, 1.5f, 7}));
    p.object.vertices = {{0, 0, 0}, {2, -4, 1}, {-6, 3, 5}};
    updateBounds(p);
    EXPECT_EQ(
        (std::array<float, 4>{p.bounds.minX, p.bounds.maxY, p.bounds.centreX, p.bounds.centreZ}),
        (std::array<float, 4>{-6, 3, -2, 2.5f}));
    p.object.vertices.clear();
    updateBounds(p);
    EXPECT_EQ(p.bounds.minX, -6.0f);
}

TEST(Project, PolygonPlaneHasAUnitNormalAgainstTheCornerCrossProduct) {
    Project p;
    p.object.vertices = {{0, 0, 5}, {1, 0, 5}, {1, 1, 5}};
    ObjectData tri;
    tri.VertexCount = 4;
    tri.VertexIndices = {0, 1, 2, 0};
    PolygonPlane pl = polygonPlane(p, tri);
    // (P1-P0) x (P2-P0) = +Z, so the plane's normal is -Z, and a*x+b*y+c*z = d on it.
    EXPECT_FLOAT_EQ(pl.c, -1.0f);
    EXPECT_FLOAT_EQ(pl.a, 0.0f);
    EXPECT_FLOAT_EQ(pl.d, -5.0f);
    for (const auto& v : p.object.vertices)
        EXPECT_FLOAT_EQ(pl.a * v.X + pl.b * v.Y + pl.c * v.Z, pl.d);
    EXPECT_TRUE(polygonPlaneIsUsable(p, tri));
}

TEST(Project, DegenerateOrShortPolygonsHaveNoUsablePlane) {
    Project p;
    p.object.vertices = {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}};
    ObjectData line3;
    line3.VertexCount = 4;
    line3.VertexIndices = {0, 1, 2, 0};
    EXPECT_FALSE(polygonPlaneIsUsable(p, line3));
    ObjectData two;
    two.VertexCount = 2;
    two.VertexIndices = {0, 0};
    EXPECT_FALSE(polygonPlaneIsUsable(p, two));
}

TEST(Project, ViewColourTextsBecomeDrawingColours) {
    ProjectOptions o;
    o.BackgroundColor = "clBlack";
    o.VertexColor = "$000000FF";
    ASSERT_TRUE(viewColourTextsValid(o));
    EXPECT_EQ(viewColoursOf(o).background, (Rgb{0, 0, 0}));
    EXPECT_EQ(viewColoursOf(o).vertex, (Rgb{1, 0, 0}));
    o.SelectedVertexColor = "pink";
    EXPECT_FALSE(viewColourTextsValid(o));
    EXPECT_EQ(viewColoursOf(o).selectedVertex, ViewColours{}.selectedVertex) << "the default";
}

TEST(Project, DistinctCornersCountEachVertexOnce) {
    const auto corners = [](std::vector<std::int32_t> closed) {
        ObjectData polygon;
        polygon.VertexCount = static_cast<std::int32_t>(closed.size());
        polygon.VertexIndices = std::move(closed);
        return distinctCorners(polygon);
    };
    EXPECT_EQ(corners({5, 8, 2, 5}), 3u);
    EXPECT_EQ(corners({5, 8, 5}), 2u);
    EXPECT_EQ(corners({1, 2, 1, 3, 1}), 3u);
    EXPECT_EQ(corners({1, 2, 1, 2, 1}), 2u);
    EXPECT_EQ(corners({}), 0u);
}
