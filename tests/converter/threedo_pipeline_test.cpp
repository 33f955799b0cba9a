// Whole trees written as 3DO files: a set of small objects keeps its exact
// bytes (golden files under tests/data/converter).

#include "converter/bsp_builder.hpp"
#include "converter/threedo_writer.hpp"
#include "generated_objects.hpp"
#include "support/golden.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <functional>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

// A collision volume of the first three planes, with the string the driver appends.
void addCollision(KilnState& k) {
    int v = appendCollisionVolume(k);
    for (int p = 0; p < 3 && p < k.planeCount; ++p)
        appendCollisionPlane(k, v, static_cast<std::uint8_t>(p + 1), p);
    appendString(k, "collision");
}

// Builds one tree over a freshly generated object and returns its 3DO bytes.
std::string convert(const std::function<void(KilnState&)>& object, const TreeBuilder& b,
                    bool collision) {
    KilnState k;
    object(k);
    node* root = buildTree(k, b);
    if (collision) addCollision(k);
    const std::vector<std::uint8_t> bytes = build3DO(k, root);
    return {bytes.begin(), bytes.end()};
}

struct Sample {
    const char* name;
    std::function<void(KilnState&)> object;
    bool collision;
};

const std::vector<Sample>& samples() {
    static const std::vector<Sample> list{
        {"stand3", [](KilnState& k) { recordedObject(k, "stand3"); }, true},
        {"fence4", [](KilnState& k) { recordedObject(k, "fence4"); }, false},
        {"boxes3", [](KilnState& k) { randomBoxes(k, 3, 3); }, false},
        {"outlines", [](KilnState& k) { recordedObject(k, "outlines5"); }, true},
        {"ball2", [](KilnState& k) { recordedObject(k, "ball2"); }, false},
    };
    return list;
}

} // namespace

TEST(ThreeDOPipeline, SmallObjectsKeepTheirGoldenBytes) {
    for (const auto& o : samples())
        for (const TreeBuilder& b : kTreeBuilders)
            meshsmith::test::expectGolden(convert(o.object, b, o.collision),
                                          std::string("converter/") + o.name + "_" + b.name + ".3do");
}
