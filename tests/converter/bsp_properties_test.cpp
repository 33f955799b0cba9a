// Builds trees over generated objects with all three builders and checks
// what every sound tree must satisfy, and that its 3DO passes the inspector.

#include "converter/bsp_builder.hpp"
#include "converter/plane_tests.hpp"
#include "converter/threedo_writer.hpp"
#include "generated_objects.hpp"
#include "threedo_check.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

using Generator = std::function<void(KilnState&)>;

struct Case {
    const char* name;
    Generator generate;
};

const Case kCases[] = {
    {"random boxes 1", [](KilnState& k) { randomBoxes(k, 1, 40); }},
    {"random boxes 2", [](KilnState& k) { randomBoxes(k, 2, 45); }},
    {"stand8", [](KilnState& k) { recordedObject(k, "stand8"); }},
    {"fence6", [](KilnState& k) { recordedObject(k, "fence6"); }},
    {"outlines7", [](KilnState& k) { recordedObject(k, "outlines7"); }},
    {"outlines2", [](KilnState& k) { recordedObject(k, "outlines2"); }},
    {"ball5", [](KilnState& k) { recordedObject(k, "ball5"); }},
};

} // namespace

TEST(BspProperties, EveryTreeIsSoundAndKeepsTheArea) {
    for (const Case& c : kCases) {
        for (const TreeBuilder& b : kTreeBuilders) {
            SCOPED_TRACE(std::string(c.name) + " / " + b.name);
            auto k = std::make_unique<KilnState>();
            c.generate(*k);
            ASSERT_GT(k->polyCount, 20);
            const auto inputArea = liveAreaByTexture(*k);
            testing::internal::CaptureStdout();
            node* root = buildTree(*k, b);
            EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "convex pieces split cleanly";
            const auto faults = treeFaults(*k, root);
            EXPECT_TRUE(faults.empty()) << faults.size() << " faults, first: " << faults.front();
            std::vector<int> placed;
            for (const node* n : nodesOf(root))
                for (int p : listedPolygons(n))
                    placed.push_back(p);
            const auto builtArea = areaByTexture(*k, placed);
            ASSERT_EQ(builtArea.size(), inputArea.size());
            for (const auto& [texture, area] : inputArea)
                EXPECT_NEAR(builtArea.at(texture), area, 1e-4 * area) << "texture " << texture;
            const auto check = meshsmith::inspect3do::checkThreeDo(build3DO(*k, root));
            EXPECT_FALSE(check.violation) << check.violation->text();
        }
    }
}

TEST(BspProperties, TangledInputNeverBreaksTheBuild) {
    // Polygons that cross themselves may be dropped or land on the wrong
    // side; the build still ends, keeps every record within its 11 vertices
    // and lists only polygons of the node's plane.
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        for (const TreeBuilder& b : kTreeBuilders) {
            SCOPED_TRACE(std::to_string(seed) + " / " + b.name);
            auto k = std::make_unique<KilnState>();
            tangles(*k, seed);
            testing::internal::CaptureStdout();
            const node* root = buildTree(*k, b);
            testing::internal::GetCapturedStdout();
            for (int p = 0; p < k->polyCount; ++p)
                ASSERT_LE(k->polygon[static_cast<std::size_t>(p)].polyVertexCount,
                          kMaxPolyVertices);
            const auto nodes = nodesOf(root);
            EXPECT_EQ(k->nodeCount, static_cast<int>(nodes.size()));
            for (const node* n : nodes)
                for (int p : listedPolygons(n))
                    EXPECT_EQ(PolyPlaneREL(*k, p, n->nodeValue), 0);
        }
    }
}
