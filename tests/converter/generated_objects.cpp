#include "generated_objects.hpp"

#include "converter/bsp_builder.hpp"
#include "converter/polygon_preparation.hpp"

#include <cmath>
#include <stdexcept>

namespace meshsmith::kiln::test {

std::uint32_t Random::next() {
    // SplitMix64: fixed everywhere, unlike the library distributions.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

double Random::uniform(double lo, double hi) {
    return lo + (hi - lo) * (next() / 4294967296.0);
}

int Random::below(int n) {
    return static_cast<int>(next() % static_cast<std::uint32_t>(n));
}

int readPolygon(KilnState& k, const std::vector<Point>& corners, const std::string& texture,
                const std::vector<UV>& uv, const std::vector<Colour>& colours) {
    if (corners.size() < 3 || corners.size() > kMaxReadVertices)
        throw std::invalid_argument("readPolygon: 3 to 100 corners");
    ReadVertexList vertices{};
    ReadCoordList tx{}, ty{};
    for (std::size_t i = 0; i < corners.size(); ++i) {
        vertices[i] = mergeVertex(k, corners[i]);
        if (i < uv.size()) {
            tx[i] = uv[i][0];
            ty[i] = uv[i][1];
        }
        if (i < colours.size()) {
            k.tRed[i] = colours[i][0];
            k.tGreen[i] = colours[i][1];
            k.tBlue[i] = colours[i][2];
            k.tAlpha[i] = colours[i][3];
        }
    }
    poly start;
    start.polyVertexCount = static_cast<std::uint8_t>(corners.size());
    start.stringNum = textureNamed(k, texture);
    start.flav = colours.empty() ? 0 : 1;
    const int slot = appendPolygon(k, start);
    ConcaveProcess(k, slot, vertices, tx, ty);
    poly& p = k.polygon[static_cast<std::size_t>(slot)];
    for (std::size_t i = 0; i < p.polyVertexCount; ++i) {
        p.vertexList.at(i) = vertices[i];
        p.tvertx[i] = tx[i];
        p.tverty[i] = ty[i];
        if (p.flav == 1) {
            p.red[i] = k.tRed[i];
            p.green[i] = k.tGreen[i];
            p.blue[i] = k.tBlue[i];
            p.alpha[i] = k.tAlpha[i];
        }
    }
    return slot;
}

void finishReading(KilnState& k) {
    FindPlanes(k, 0, k.polyCount, 0);
    const int read = k.polyCount;
    for (int p = 0; p < read; ++p) {
        const auto u = static_cast<std::size_t>(p);
        if (k.e[u] != 0 || k.polygon[u].inPlane != -1) continue;
        const int before = k.polyCount;
        Triangulate(k, p, 1);
        FindPlanes(k, p, p + 1, k.planeCount);
        FindPlanes(k, before, k.polyCount, k.planeCount);
    }
}

namespace {

const std::vector<UV> kQuadUV = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// A box from its eight corners: bottom 0..3 and top 4..7, counter-clockwise
// seen from above; faces wound so their planes face outwards.
void box(KilnState& k, const std::array<Point, 8>& c, const std::string& side,
         const std::string& top) {
    readPolygon(k, {c[3], c[2], c[1], c[0]}, top, kQuadUV);
    readPolygon(k, {c[4], c[5], c[6], c[7]}, top, kQuadUV);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t j = (i + 1) % 4;
        readPolygon(k, {c[i], c[j], c[j + 4], c[i + 4]}, side, kQuadUV);
    }
}

// The cosine and sine of the turn whose half-angle tangent is t: exact
// arithmetic only, so the corners are the same on every platform.
std::array<double, 2> turn(double t) {
    return {(1 - t * t) / (1 + t * t), 2 * t / (1 + t * t)};
}

std::array<Point, 8> turnedBox(double cx, double cy, double z0, double w, double l, double h,
                               double t) {
    std::array<Point, 8> c{};
    const double dx[4] = {-w, w, w, -w}, dy[4] = {-l, -l, l, l};
    const auto [cosine, sine] = turn(t);
    for (std::size_t i = 0; i < 4; ++i) {
        const double x = cx + dx[i] * cosine - dy[i] * sine;
        const double y = cy + dx[i] * sine + dy[i] * cosine;
        c[i] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z0)};
        c[i + 4] = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z0 + h)};
    }
    return c;
}

} // namespace

void randomBoxes(KilnState& k, std::uint32_t seed, int n) {
    Random r(seed);
    const std::string textures[4] = {"brick", "concrete", "roof", "glass"};
    for (int i = 0; i < n; ++i) {
        const double cx = std::round(r.uniform(-20, 20)), cy = std::round(r.uniform(-20, 20));
        const double w = std::round(r.uniform(1, 6)), l = std::round(r.uniform(1, 6));
        const double h = std::round(r.uniform(1, 8)), z0 = std::round(r.uniform(0, 3));
        const double t = r.below(3) == 0 ? r.uniform(0.05, 0.8) : 0.0;
        box(k, turnedBox(cx, cy, z0, w, l, h, t), textures[r.below(4)], textures[r.below(4)]);
    }
    finishReading(k);
}

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

namespace {

// A star-shaped outline of `corners` points around (cx, cy), in the plane
// turned about the x axis by the turn t. The directions walk round a square
// and are scaled to unit length (square roots are exact everywhere).
std::vector<Point> starOutline(Random& r, int corners, double cx, double cy, double t) {
    std::vector<Point> out;
    const auto [cosine, sine] = turn(t);
    for (int i = 0; i < corners; ++i) {
        const double s = 8.0 * i / corners; // 0 .. 8 round the square [-1, 1]^2
        const double side = s - 2 * static_cast<int>(s / 2);
        const int edge = static_cast<int>(s / 2);
        const double u0[4] = {1, 1 - side, -1, -1 + side}, v0[4] = {-1 + side, 1, 1 - side, -1};
        const double length = std::sqrt(u0[edge] * u0[edge] + v0[edge] * v0[edge]);
        const double radius = (i % 2 == 0) ? r.uniform(3, 5) : r.uniform(1, 2.5);
        const double u = radius * u0[edge] / length, v = radius * v0[edge] / length;
        out.push_back({static_cast<float>(cx + u), static_cast<float>(cy + v * cosine),
                       static_cast<float>(v * sine)});
    }
    return out;
}

std::vector<UV> planarUV(const std::vector<Point>& outline) {
    std::vector<UV> uv;
    for (const Point& p : outline)
        uv.push_back({p[0] / 10, p[1] / 10});
    return uv;
}

} // namespace

void concaveOutlines(KilnState& k, std::uint32_t seed) {
    Random r(seed);
    for (int i = 0; i < 8; ++i) {
        const int corners = 6 + 2 * r.below(8);
        const auto outline =
            starOutline(r, corners, 12.0 * (i % 4), 12.0 * (i / 4), r.uniform(0, 1.2));
        std::vector<Colour> colours;
        if (i % 3 == 0)
            for (int c = 0; c < corners; ++c)
                colours.push_back({static_cast<std::uint8_t>(r.below(256)),
                                   static_cast<std::uint8_t>(r.below(256)), 200, 255});
        readPolygon(k, outline, i % 2 == 0 ? "flowers" : "hedge", planarUV(outline), colours);
    }
    const std::vector<Point> ell = {{0, -10, 0}, {6, -10, 0}, {6, -8, 0},
                                    {2, -8, 0},  {2, -4, 0},  {0, -4, 0}};
    readPolygon(k, ell, "hedge", planarUV(ell));
    const std::vector<Point> you = {{10, -10, 1}, {16, -10, 1}, {16, -4, 1}, {14, -4, 1},
                                    {14, -8, 1},  {12, -8, 1},  {12, -4, 1}, {10, -4, 1}};
    readPolygon(k, you, "flowers", planarUV(you));
    readPolygon(k, {{20, -10, 0}, {24, -10, 0}, {24, -6, 1}, {20, -6, 0}}, "hedge", kQuadUV);
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

void tangles(KilnState& k, std::uint32_t seed) {
    Random r(seed);
    const int polygons = 10 + r.below(40);
    for (int i = 0; i < polygons; ++i) {
        const int n = 3 + r.below(r.below(4) == 0 ? 30 : 6);
        const double cx = r.uniform(-10, 10), cy = r.uniform(-10, 10), cz = r.uniform(-10, 10);
        const int shape = r.below(3); // flat, flat within the tolerance, bent
        std::vector<Point> corners;
        std::vector<UV> uv;
        for (int j = 0; j < n; ++j) {
            double x = cx + r.uniform(-5, 5), y = cy + r.uniform(-5, 5);
            double z = shape == 0   ? cz
                       : shape == 1 ? cz + r.uniform(-0.002, 0.002)
                                    : cz + r.uniform(-3, 3);
            if (r.below(10) == 0 && j > 0) { // a corner next to the last one
                x = corners.back()[0];
                y = corners.back()[1] + 0.0005;
                z = corners.back()[2];
            }
            corners.push_back(
                {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)});
            uv.push_back(
                {static_cast<float>(r.uniform(0, 1)), static_cast<float>(r.uniform(0, 1))});
        }
        std::vector<Colour> colours;
        if (r.below(4) == 0)
            for (int j = 0; j < n; ++j)
                colours.push_back({static_cast<std::uint8_t>(r.below(256)),
                                   static_cast<std::uint8_t>(r.below(256)),
                                   static_cast<std::uint8_t>(r.below(256)), 255});
        readPolygon(k, corners, r.below(2) != 0 ? "moss" : "rust", uv, colours);
    }
    finishReading(k);
}

} // namespace meshsmith::kiln::test
