// The data the view draws: the vertex sphere, the grid, the axis symbol and
// the checks that keep the drawing inside the tables.
#include "editor/core/view/scene_data.hpp"

#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <utility>

using namespace meshsmith;

TEST(SceneGrid, RoundsTheBoxHalvesToEvenAndDrawsNoHugeOrBrokenGrid) {
    struct Case {
        float low, high; // on all three axes
        float highX;     // X's top, when it differs
        std::string grid;
    };
    const float nan = std::nanf("");
    const Case cases[] = {
        {0, 0, 2.6f, "x 0..3 y 0..0 z 0..0: 4 points, 12 floats"},
        {0.5f, 1.5f, 3.5f, "x 0..4 y 0..2 z 0..2: 45 points, 135 floats"},
        {-2.5f, -1.5f, -1.5f, "x -2..-2 y -2..-2 z -2..-2: 1 points, 3 floats"},
        {-5000, 5000, 5000,
         "x -5000..5000 y -5000..5000 z -5000..5000: 1000300030001 points, 0 floats"},
        {-2e9f, 2e9f, 2e9f,
         "x -2000000000..2000000000 y -2000000000..2000000000 z "
         "-2000000000..2000000000: 18446744073709551615 points, 0 floats"},
        {0, 0, 3e9f, "none"},
        {0, 0, nan, "none"},
        {0, 0, -1, "x 0..-1 y 0..0 z 0..0: 0 points, 0 floats"},
    };
    for (const Case& c : cases) {
        BoundingBox box;
        box.minX = box.minY = box.minZ = c.low;
        box.maxY = box.maxZ = c.high;
        box.maxX = c.highX;
        const auto grid = gridOf(box, 1);
        std::ostringstream text;
        if (grid)
            text << "x " << grid->x.first << ".." << grid->x.last << " y " << grid->y.first << ".."
                 << grid->y.last << " z " << grid->z.first << ".." << grid->z.last << ": "
                 << grid->pointCount() << " points, " << gridPoints(*grid).size() << " floats";
        EXPECT_EQ(grid ? text.str() : "none", c.grid);
    }
    BoundingBox box; // X -1.4 .. 2.6 at scale 2
    box.minX = -1.4f;
    box.maxX = 2.6f;
    EXPECT_EQ(gridPoints(*gridOf(box, 2)),
              (std::vector<float>{-2, 0, 0, 0, 0, 0, 2, 0, 0, 4, 0, 0, 6, 0, 0}));
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
    const SceneMarks marks{{0, 1, 0}, {}, {}}; // vertex 1 selected
    const auto plan = [&marks](double scale, Project p, SceneOptions options = {}) {
        p.options.VertexDisplaySize = 15;
        options.marks = &marks;
        const Matrix4 view = orthoMatrix(0, 100 / scale, 0, 100 / scale, -10, 10);
        return vertexSpheres(p, options, view, {0, 0, 100, 100});
    };
    Project p;
    const double outline = 0.9872; // the mesh's outline as a circle of equal area
    // A tenth of a pixel: the pixel whose centre the sphere covers, if any.
    p.object.vertices = {{5.05f, 5.05f, 0}, {15.05f, 5.05f, 0}, {12, 3, 0}};
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
              (std::vector<float>{viewColoursOf(p.options).selectedVertex.r,
                                  viewColoursOf(p.options).selectedVertex.g,
                                  viewColoursOf(p.options).selectedVertex.b}));
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
