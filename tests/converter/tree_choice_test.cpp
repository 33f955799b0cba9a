// The choice among the candidate trees: how many are built, which is kept,
// and that the kept tree's tables are the current ones.

#include "converter/threedo_writer.hpp"
#include "converter/tree_choice.hpp"
#include "generated_objects.hpp"
#include "threedo_check.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

// `n` unit squares side by side in the plane z = 0: every tree is the same.
void coplanarSquares(KilnState& k, int n) {
    for (int i = 0; i < n; ++i) {
        const float x = static_cast<float>(i % 20) * 2, y = static_cast<float>(i / 20) * 2;
        readPolygon(k, {{x, y, 0}, {x + 1, y, 0}, {x + 1, y + 1, 0}, {x, y + 1, 0}}, "wall");
    }
    finishReading(k);
}

TreeChoice choose(KilnState& k) {
    testing::internal::CaptureStdout();
    TreeChoice choice = chooseTree(k, chooseRootPlanes(k));
    testing::internal::GetCapturedStdout();
    return choice;
}

} // namespace

TEST(TreeChoice, PolygonCountDecidesHowManyTreesAreBuiltAndWhoWinsTies) {
    struct Case {
        int polygons, built, written;
    };
    // Equal trees: below 250 tree three wins the tie with tree one, from 250
    // tree two wins it, from 350 tree one is the only one.
    for (const Case& c : {Case{249, 3, 3}, Case{250, 2, 2}, Case{349, 2, 2}, Case{350, 1, 1}}) {
        KilnState k;
        coplanarSquares(k, c.polygons);
        ASSERT_EQ(k.polyCount, c.polygons);
        const TreeChoice choice = choose(k);
        EXPECT_EQ(choice.built, c.built) << c.polygons;
        EXPECT_EQ(choice.written, c.written) << c.polygons;
        for (int t = 1; t < choice.built; ++t)
            EXPECT_EQ(choice.candidates[static_cast<std::size_t>(t)].nodes,
                      choice.candidates[0].nodes);
    }
}

TEST(TreeChoice, TheKeptTreeIsTheBestAndItsTablesAreCurrent) {
    auto better = [](const CandidateTree& a, const CandidateTree& b) {
        return a.polygons < b.polygons || (a.polygons == b.polygons && a.nodes < b.nodes);
    };
    std::set<int> writtenSeen;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        KilnState k;
        randomBoxes(k, seed, seed <= 9 ? 8 : 42);
        const int before = k.polyCount;
        const TreeChoice choice = choose(k);
        ASSERT_EQ(choice.built, before < kTwoTreeLimit ? 3 : 2);
        const auto& [one, two, three] = choice.candidates;
        const CandidateTree& kept = choice.candidates[static_cast<std::size_t>(choice.written - 1)];
        writtenSeen.insert(choice.written);
        EXPECT_EQ(k.polyCount, kept.polygons);
        EXPECT_EQ(k.vertCount, kept.vertices);
        EXPECT_EQ(k.nodeCount, kept.nodes);
        if (choice.built == 2) {
            EXPECT_EQ(choice.written, better(one, two) ? 1 : 2);
        } else {
            const CandidateTree& reference = better(two, one) ? two : one;
            EXPECT_EQ(choice.written == 3, !better(reference, three)) << seed;
        }
        // A tree whose tables were not restored lists polygons outside its
        // planes or places none at all.
        EXPECT_EQ(treeFaults(k, choice.root), std::vector<std::string>{}) << seed;
        const auto check = meshsmith::inspect3do::checkThreeDo(build3DO(k, choice.root));
        EXPECT_FALSE(check.violation) << seed << ": " << check.violation->text();
    }
    // The objects exercise more than one outcome.
    EXPECT_GT(writtenSeen.size(), 1u);
}
