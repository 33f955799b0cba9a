#include "scenery_generators.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace meshsmith::kiln::test {

void stand(KilnState& k, int steps) {
    const float width = 20, depth = 2, rise = 1;
    std::vector<Point> left, right;
    left.push_back({0, 0, 0});
    for (int s = 0; s < steps; ++s) {
        const float y0 = s * depth, y1 = y0 + depth, z0 = s * rise, z1 = z0 + rise;
        readPolygon(k, {{0, y0, z0}, {width, y0, z0}, {width, y0, z1}, {0, y0, z1}}, "riser",
                    kQuadUV);
        readPolygon(k, {{0, y0, z1}, {width, y0, z1}, {width, y1, z1}, {0, y1, z1}}, "seats",
                    kQuadUV);
        left.push_back({0, y0, z1});
        left.push_back({0, y1, z1});
    }
    const float back = steps * depth, top = steps * rise;
    left.push_back({0, back, 0});
    readPolygon(k, {{width, back, 0}, {0, back, 0}, {0, back, top}, {width, back, top}}, "wall",
                kQuadUV);
    readPolygon(k,
                {{0, back, top + 3},
                 {width, back, top + 3},
                 {width, back - 3, top + 3},
                 {0, back - 3, top + 3}},
                "roof", kQuadUV);
    // The side walls: the stair outline facing -x on the left and +x on the right.
    std::vector<UV> uv;
    for (const Point& p : left)
        uv.push_back({p[1] / back, p[2] / top});
    std::vector<Point> leftWall(left.rbegin(), left.rend());
    std::vector<UV> leftUV(uv.rbegin(), uv.rend());
    readPolygon(k, leftWall, "wall", leftUV);
    for (const Point& p : left)
        right.push_back({width, p[1], p[2]});
    readPolygon(k, right, "wall", uv);
    finishReading(k);
}

void fence(KilnState& k, int n) {
    const float span = 4, height = 2, post = 0.2f;
    for (int i = 0; i <= n; ++i) {
        const float x = i * span;
        box(k, turnedBox(x, 0, 0, post, post, height + 0.5, 0.0), "post", "post");
    }
    for (int i = 0; i < n; ++i) {
        const float x0 = i * span + post, x1 = (i + 1) * span - post;
        const std::vector<Point> panel = {
            {x0, 0, 0.2f}, {x1, 0, 0.2f}, {x1, 0, height}, {x0, 0, height}};
        const std::vector<UV> uv = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
        readPolygon(k, panel, "mesh", uv);
        readPolygon(k, {panel.rbegin(), panel.rend()}, "mesh", {uv.rbegin(), uv.rend()});
    }
    finishReading(k);
}

CubePoint cubePoint(int cells, int face, int i, int j) {
    const int axis = face / 2;
    const bool positive = face % 2 == 0;
    int grid[3];
    grid[axis] = positive ? cells : 0;
    grid[(axis + 1) % 3] = positive ? i : cells - i;
    grid[(axis + 2) % 3] = j;
    double p[3];
    for (std::size_t c = 0; c < 3; ++c)
        p[c] = -1 + 2.0 * grid[c] / cells;
    const double length = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    return {{p[0] / length, p[1] / length, p[2] / length},
            static_cast<std::uint32_t>((grid[0] * 131 + grid[1]) * 131 + grid[2])};
}

void lumpyBall(KilnState& k, std::uint32_t seed, int cells) {
    // A cube's faces in cells x cells squares, pushed out onto a sphere of
    // radius about 10 with a random bump at every grid point. Grid points are
    // named by their whole-number place on the cube, so points shared by two
    // faces are the same point and the surface stays closed.
    const auto point = [&](int face, int i, int j) {
        const CubePoint c = cubePoint(cells, face, i, j);
        Random bump(seed ^ c.key);
        const double radius = bump.uniform(9, 11);
        return Point{static_cast<float>(c.direction[0] * radius),
                     static_cast<float>(c.direction[1] * radius),
                     static_cast<float>(c.direction[2] * radius)};
    };
    for (int face = 0; face < 6; ++face)
        for (int i = 0; i < cells; ++i)
            for (int j = 0; j < cells; ++j) {
                const Point a = point(face, i, j), b = point(face, i + 1, j),
                            c = point(face, i + 1, j + 1), d = point(face, i, j + 1);
                readPolygon(k, {a, b, c}, "skin", {{0, 0}, {1, 0}, {1, 1}});
                readPolygon(k, {a, c, d}, "skin", {{0, 0}, {1, 1}, {0, 1}});
            }
    finishReading(k);
}

} // namespace meshsmith::kiln::test
