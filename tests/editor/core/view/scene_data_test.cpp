// The data the view draws: the vertex sphere, the grid, the axis symbol and
// the checks that keep the drawing inside the tables.
#include "editor/core/view/scene_data.hpp"

#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

using namespace meshsmith;

namespace {

std::vector<float> axisValues(const std::vector<float>& points, int axis) {
    std::vector<float> values;
    for (std::size_t i = axis; i < points.size(); i += 3)
        values.push_back(points[i]);
    return values;
}

} // namespace

TEST(SceneGrid, RoundsTheBoxToTheNearestIntegersWithHalvesToEven) {
    BoundingBox box; // -1.4 .. 2.6 on X, 0 on Y and Z, scale 2
    box.minX = -1.4f;
    box.maxX = 2.6f;
    const auto grid = gridOf(box, 2);
    ASSERT_TRUE(grid);
    EXPECT_EQ(axisValues(gridPoints(*grid), 0), (std::vector<float>{-2, 0, 2, 4, 6}));

    box.minX = -2.5f; // -> -2
    box.maxX = 3.5f;  // -> 4
    box.minY = 0.5f;  // -> 0
    box.maxY = 1.5f;  // -> 2
    const auto halves = gridOf(box, 1);
    ASSERT_TRUE(halves);
    EXPECT_EQ(halves->x.first, -2);
    EXPECT_EQ(halves->x.last, 4);
    EXPECT_EQ(halves->y.first, 0);
    EXPECT_EQ(halves->y.last, 2);
    EXPECT_EQ(halves->pointCount(), 7u * 3u * 1u);
    EXPECT_EQ(gridPoints(*halves).size(), 7u * 3u * 3u);
}

TEST(SceneGrid, HugeOrBrokenBoxesDrawNoGrid) {
    BoundingBox box;
    box.minX = box.minY = box.minZ = -5000;
    box.maxX = box.maxY = box.maxZ = 5000;
    const auto grid = gridOf(box, 1);
    ASSERT_TRUE(grid);
    EXPECT_GT(grid->pointCount(), kGridPointLimit);
    EXPECT_TRUE(gridPoints(*grid).empty());
    box.maxX = 3e9f;
    EXPECT_FALSE(gridOf(box, 1));
    box.maxX = std::nanf("");
    EXPECT_FALSE(gridOf(box, 1));
    box.maxX = box.minX - 1; // an empty range
    ASSERT_TRUE(gridOf(box, 1));
    EXPECT_EQ(gridOf(box, 1)->pointCount(), 0u);
}

TEST(SceneSphere, IsAClosedOutwardFacingSurfaceOnTheUnitSphere) {
    const SphereMesh& sphere = unitSphere();
    EXPECT_EQ(&sphere, &unitSphere()) << "built once";
    ASSERT_FALSE(sphere.triangles.empty());
    for (const auto& p : sphere.points)
        EXPECT_NEAR(std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]), 1.0, 1e-6);
    // Every edge is used once in each direction: the surface is closed and
    // consistently wound.
    std::map<std::pair<std::array<float, 3>, std::array<float, 3>>, int> edges;
    for (const auto& t : sphere.triangles) {
        const auto &a = sphere.points[t[0]], &b = sphere.points[t[1]], &c = sphere.points[t[2]];
        const float ux = b[0] - a[0], uy = b[1] - a[1], uz = b[2] - a[2];
        const float vx = c[0] - a[0], vy = c[1] - a[1], vz = c[2] - a[2];
        const float nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
        EXPECT_GT(nx * (a[0] + b[0] + c[0]) + ny * (a[1] + b[1] + c[1]) + nz * (a[2] + b[2] + c[2]),
                  0)
            << "counter-clockwise seen from outside";
        for (int k = 0; k < 3; ++k)
            ++edges[{sphere.points[t[k]], sphere.points[t[(k + 1) % 3]]}];
    }
    for (const auto& [edge, count] : edges) {
        EXPECT_EQ(count, 1);
        EXPECT_EQ(edges.count({edge.second, edge.first}), 1u);
    }
    EXPECT_EQ(sphere.positions.size(), sphere.triangles.size() * 9);
    EXPECT_EQ(sphere.normals, sphere.positions);
}

TEST(SceneTables, TexCoordsCoverEveryCorner) {
    ObjectData polygon = test::makePolygon({0, 1, 2});
    EXPECT_FALSE(texCoordsCoverCorners(polygon));
    polygon.TexCoords.assign(3, TexCoord{});
    EXPECT_TRUE(texCoordsCoverCorners(polygon));
}

TEST(VertexSpheres, SizeOnScreenChoosesPixelsSpritesOrTheMesh) {
    // An orthographic view of 100 x 100 pixels, `scale` pixels per unit;
    // VertexDisplaySize 15 gives spheres of radius 1 (1.5 selected).
    const auto plan = [](double scale, Project p, SceneOptions options = {}) {
        p.options.VertexDisplaySize = 15;
        const Matrix4 view = orthoMatrix(0, 100 / scale, 0, 100 / scale, -10, 10);
        return vertexSpheres(p, options, view, {0, 0, 100, 100});
    };
    Project p;
    const double outline = 0.9872; // the mesh's outline as a circle of equal area
    // A tenth of a pixel: the pixel whose centre the sphere covers, if any.
    p.object.vertices = {{5.05f, 5.05f, 0, 0}, {15.05f, 5.05f, 0, 1}, {12, 3, 0, 0}};
    VertexSpheres tiny = plan(0.1, p);
    EXPECT_EQ(tiny.pixels.points, (std::vector<float>{0.5f, 0.5f, 0.5f, 1.5f, 0.5f, 0.5f}));
    EXPECT_TRUE(tiny.sprites.empty() && tiny.meshes.empty());
    EXPECT_EQ(plan(0.7, p).sprites.size(), 1u) << "only the selected one reaches a pixel";
    // Two pixels (three selected): one sprite batch per diameter, in quarter pixels.
    p.object.vertices.pop_back();
    VertexSpheres small = plan(2, p);
    ASSERT_EQ(small.sprites.size(), 2u);
    EXPECT_FLOAT_EQ(small.sprites[0].diameter, std::round(2 * 2 * outline * 4) / 4);
    EXPECT_FLOAT_EQ(small.sprites[1].diameter, std::round(3 * 2 * outline * 4) / 4);
    EXPECT_EQ(small.sprites[1].colours,
              (std::vector<float>{p.drawColours.selectedVertex.r, p.drawColours.selectedVertex.g,
                                  p.drawColours.selectedVertex.b}));
    // Five pixels and more: the mesh.
    EXPECT_EQ(plan(5, p).meshes.size(), 2u);
    // The pivot's sphere and the origin marker always take the mesh.
    SceneOptions pivot;
    pivot.pivotVertex = 0;
    pivot.originPivot = true;
    const VertexSpheres marked = plan(2, p, pivot);
    EXPECT_EQ(marked.meshes.size(), 2u);
    EXPECT_EQ(marked.sprites.size(), 2u);
    // A sphere behind the eye keeps the mesh (OpenGL clips it).
    const Matrix4 looking = perspectiveMatrix(60, 1, 1, 100) * translationMatrix(0, 0, -10);
    p.object.vertices[0].Z = 20;
    EXPECT_EQ(vertexSpheres(p, {}, looking, {0, 0, 100, 100}).meshes.size(), 1u);
}
