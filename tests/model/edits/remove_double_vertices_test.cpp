// Remove Double Vertices: the hashed pass must give exactly what the plain
// nested loops over the vertex table give, and the command must rebuild the
// visualization lines around it.

#include "model/dxf_test_support.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

bool same(const Vertex& a, const Vertex& b) {
    return a.X == b.X && a.Y == b.Y && a.Z == b.Z;
}

void replaceAndLower(std::vector<ObjectData>& records, std::int32_t i, std::int32_t j) {
    for (ObjectData& r : records) {
        for (auto& k : r.VertexIndices)
            if (k == j) k = i;
        for (auto& k : r.VertexIndices)
            if (k > j) --k;
    }
}

// The merge as the editor first did it: every pair of vertices, one removal at
// a time, renumbering all lines and polygons after each.
int nestedLoopReference(Project& p) {
    int removed = 0;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(p.object.vertices.size()); ++i)
        for (std::int32_t j = 0; j < static_cast<std::int32_t>(p.object.vertices.size());) {
            if (j == i || !same(p.object.vertices[j], p.object.vertices[i])) {
                ++j;
                continue;
            }
            replaceAndLower(p.object.polygons, i, j);
            replaceAndLower(p.object.lines, i, j);
            p.object.vertices.erase(p.object.vertices.begin() + j);
            ++removed;
        }
    return removed;
}

// Many exact doubles, both zeros, NaN coordinates and near misses.
Project projectWithDoubles(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float values[] = {0.0f, -0.0f, 1.0f, 1.0001f, -2.5f, nan, 1e30f};
    Project p;
    const int n = 1 + below(60);
    for (int i = 0; i < n; ++i)
        p.object.vertices.push_back({values[below(7)], values[below(3)], values[below(3) * 2],
                                     static_cast<std::uint8_t>(below(2))});
    for (int k = below(6); k > 0; --k)
        p.object.lines.push_back(makeLine(below(n), below(n)));
    for (int k = below(6); k > 0; --k) {
        std::vector<std::int32_t> corners;
        for (int c = 3 + below(3); c > 0; --c)
            corners.push_back(below(n));
        p.object.polygons.push_back(makePolygon(corners));
    }
    return p;
}

} // namespace

TEST(RemoveDoubleVertices, GivesWhatThePairwiseLoopsGive) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        Project fast = projectWithDoubles(seed);
        Project slow = fast;
        const int expected = nestedLoopReference(slow);
        ASSERT_EQ(removeDoubleVertices(fast), expected) << "seed " << seed;
        ASSERT_EQ(fast.object.vertices.size(), slow.object.vertices.size()) << "seed " << seed;
        for (std::size_t i = 0; i < fast.object.vertices.size(); ++i) {
            const Vertex &a = fast.object.vertices[i], &b = slow.object.vertices[i];
            // NaN coordinates compare unequal, so compare their bits.
            EXPECT_EQ(std::memcmp(&a, &b, sizeof(float) * 3), 0) << "seed " << seed << " v" << i;
            EXPECT_EQ(a.Selected, b.Selected);
        }
        for (std::size_t i = 0; i < fast.object.lines.size(); ++i)
            EXPECT_EQ(fast.object.lines[i].VertexIndices, slow.object.lines[i].VertexIndices)
                << "seed " << seed;
        for (std::size_t i = 0; i < fast.object.polygons.size(); ++i)
            EXPECT_EQ(fast.object.polygons[i].VertexIndices, slow.object.polygons[i].VertexIndices)
                << "seed " << seed;
        // The generated coordinates include NaN on purpose: only references must hold.
        const auto fault = findObjectFault(fast.object);
        EXPECT_TRUE(!fault || fault->table == ObjectTable::Vertices) << fault->message;
    }
}

TEST(RemoveDoubleVertices, ThreeEqualVerticesLeaveOneAndACollapsedTriangle) {
    Project p;
    p.object.vertices = {{4, 4, 4, 0}, {4, 4, 4, 0}, {4, 4, 4, 0}, {7, 0, 0, 0}};
    p.object.polygons = {makePolygon({0, 1, 2})};
    p.object.lines = {makeLine(2, 3), makeLine(3, 1)};
    p.object.visLines = {makeLine(2, 3)};
    EXPECT_EQ(removeDoubleVertices(p), 2);
    ASSERT_EQ(p.object.vertices.size(), 2u);
    EXPECT_EQ(p.object.polygons[0].VertexIndices, (std::vector<std::int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(p.object.polygons[0].VertexCount, 4);
    EXPECT_EQ(p.object.lines[0].VertexIndices, (std::vector<std::int32_t>{0, 1}));
    EXPECT_EQ(p.object.lines[1].VertexIndices, (std::vector<std::int32_t>{1, 0}));
    EXPECT_EQ(p.object.visLines[0].VertexIndices, (std::vector<std::int32_t>{0, 1}))
        << "visualization lines stay in range as well";
}

TEST(RemoveDoubleVertices, OutOfRangeReferencesStayOutOfRange) {
    Project p;
    p.object.vertices = {{1, 1, 1, 0}, {1, 1, 1, 0}, {2, 2, 2, 0}};
    p.object.lines = {makeLine(-1, 5)};
    removeDoubleVertices(p);
    EXPECT_EQ(p.object.lines[0].VertexIndices, (std::vector<std::int32_t>{-1, 4}));
}

TEST(RemoveDoubleVerticesCommand, LogsTheCountOrThatThereWereNone) {
    Project p;
    p.object.vertices = {{1, 1, 1, 0}, {2, 2, 2, 0}};
    RecordingLog log;
    EXPECT_EQ(removeDoubleVerticesCommand(p, log), 0);
    EXPECT_EQ(log.lines, std::vector<std::string>{"No overlaying/double Vertices in project"});
    p.object.vertices.push_back({1, 1, 1, 0});
    p.object.vertices.push_back({2, 2, 2, 0});
    log.lines.clear();
    EXPECT_EQ(removeDoubleVerticesCommand(p, log), 2);
    EXPECT_EQ(log.lines, std::vector<std::string>{"Removed 2 overlaying/double Vertices"});
}

TEST(RemoveDoubleVerticesCommand, RebuildsVisualizationLinesInTheirColour) {
    Project p;
    p.object.vertices = {{0, 0, 0, 1}, {1, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 0, 0}};
    for (std::int32_t i = 0; i < 4; ++i) {
        ObjectData l = makeLine(i, (i + 1) % 4);
        l.Red = 0.25f;
        l.Green = 0.5f;
        l.Blue = 0.75f;
        p.object.visLines.push_back(l);
    }
    p.object.visLines[1].Red = 1; // only the first one's colour counts
    RecordingLog log;
    EXPECT_EQ(removeDoubleVerticesCommand(p, log), 1);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"Subsequent Lines removed",
                                                   "Creating subsequent lines:", "Pick color !",
                                                   "3 subsequent Lines created",
                                                   "Removed 1 overlaying/double Vertices"}));
    ASSERT_EQ(p.object.visLines.size(), 3u);
    const std::vector<std::vector<std::int32_t>> ends{{0, 1}, {1, 2}, {2, 0}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(p.object.visLines[i].VertexIndices, ends[i]);
        EXPECT_EQ(p.object.visLines[i].Red, 0.25f);
        EXPECT_EQ(p.object.visLines[i].Green, 0.5f);
        EXPECT_EQ(p.object.visLines[i].Blue, 0.75f);
    }
    for (const Vertex& v : p.object.vertices)
        EXPECT_EQ(v.Selected, 0) << "the rebuild clears the selection";
}
