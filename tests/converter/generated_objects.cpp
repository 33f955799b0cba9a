#include "generated_objects.hpp"

#include "converter/bsp_builder.hpp"
#include "converter/polygon_preparation.hpp"
#include "support/temp_folder.hpp"

#include <charconv>
#include <cmath>
#include <sstream>
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

void recordedObject(KilnState& k, const std::string& name) {
    std::istringstream in(meshsmith::test::readFile(
        meshsmith::test::sourcePath("tests/data/converter/objects/" + name + ".txt")));
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        std::string texture, token;
        fields >> texture;
        std::vector<Point> corners;
        std::vector<UV> uv;
        // from_chars reads the shortest text of a float back exactly everywhere.
        std::vector<float> n;
        while (fields >> token && token != "#")
            std::from_chars(token.data(), token.data() + token.size(), n.emplace_back());
        for (std::size_t i = 0; i + 4 < n.size(); i += 5) {
            corners.push_back({n[i], n[i + 1], n[i + 2]});
            uv.push_back({n[i + 3], n[i + 4]});
        }
        std::vector<Colour> colours;
        for (unsigned r, g, b, a; fields >> r >> g >> b >> a;)
            colours.push_back({static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                               static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(a)});
        readPolygon(k, corners, texture, uv, colours);
    }
    finishReading(k);
}

const std::vector<UV> kQuadUV = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

void box(KilnState& k, const std::array<Point, 8>& c, const std::string& side,
         const std::string& top) {
    readPolygon(k, {c[3], c[2], c[1], c[0]}, top, kQuadUV);
    readPolygon(k, {c[4], c[5], c[6], c[7]}, top, kQuadUV);
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t j = (i + 1) % 4;
        readPolygon(k, {c[i], c[j], c[j + 4], c[i + 4]}, side, kQuadUV);
    }
}

namespace {

// The cosine and sine of the turn whose half-angle tangent is t: exact
// arithmetic only, so the corners are the same on every platform.
std::array<double, 2> turn(double t) {
    return {(1 - t * t) / (1 + t * t), 2 * t / (1 + t * t)};
}

} // namespace

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
