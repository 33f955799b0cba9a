// Whole trees written as 3DO files: a set of small objects keeps its exact
// bytes (golden files
// under tests/data/converter, rewritten with MESHSMITH_UPDATE_GOLDEN=1 when a
// change of output is intended).

#include "converter/bsp_builder.hpp"
#include "converter/threedo_writer.hpp"
#include "generated_objects.hpp"
#include "support/temp_folder.hpp"
#include "tree_checks.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

enum class Builder { LR, RL, Two };

// A collision volume of the first three planes, with the string the driver appends.
void addCollision(KilnState& k) {
    int v = appendCollisionVolume(k);
    for (int p = 0; p < 3 && p < k.planeCount; ++p)
        appendCollisionPlane(k, v, static_cast<std::uint8_t>(p + 1), p);
    appendString(k, "collision");
}

// Builds one tree over a freshly generated object and returns its 3DO bytes.
std::vector<std::uint8_t> convert(const std::function<void(KilnState&)>& object, Builder builder,
                                  bool collision) {
    KilnState k;
    object(k);
    node* root = nullptr;
    const int plane = chooseRoot(k, builder == Builder::Two);
    switch (builder) {
    case Builder::LR:
        root = createLR(k, plane, kRootParentValue, &k.rootParent);
        break;
    case Builder::RL:
        root = createRL(k, plane, kRootParentValue, &k.rootParent);
        break;
    case Builder::Two:
        root = create2(k, plane, kRootParentValue, &k.rootParent);
        break;
    }
    if (collision) addCollision(k);
    return build3DO(k, root);
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

const char* builderName(Builder b) {
    return b == Builder::LR ? "lr" : b == Builder::RL ? "rl" : "two";
}

} // namespace

TEST(ThreeDOPipeline, SmallObjectsKeepTheirGoldenBytes) {
    const bool update = std::getenv("MESHSMITH_UPDATE_GOLDEN") != nullptr;
    for (const auto& o : samples())
        for (Builder b : {Builder::LR, Builder::RL, Builder::Two}) {
            auto bytes = convert(o.object, b, o.collision);
            std::string path = meshsmith::test::sourcePath(std::string("tests/data/converter/") +
                                                           o.name + "_" + builderName(b) + ".3do");
            std::string text(bytes.begin(), bytes.end());
            if (update) meshsmith::test::writeFile(path, text);
            EXPECT_EQ(meshsmith::test::readFile(path), text) << path << " changed";
        }
}
