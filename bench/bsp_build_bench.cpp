// Building trees one, two and three (createLR, createRL, create2) over
// generated objects of about 100 to 3000 polygons: a lumpy ball (nearly every
// triangle in a plane of its own) and a scene of fences and a stand. Each iteration reads the object
// afresh, so the time includes reading, plane finding and the root choice.

#include "converter/bsp_builder.hpp"
#include "converter/tree_choice.hpp"
#include "scenery_generators.hpp"
#include "tree_checks.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace meshsmith::kiln;
using namespace meshsmith::kiln::test;

namespace {

void fillObject(KilnState& k, int polygons, bool scene) {
    if (scene) {
        for (int i = 0; i * 60 < polygons; ++i)
            fence(k, 6);
        stand(k, std::min(polygons / 20, 30));
    } else {
        int cells = 1;
        while (12 * (cells + 1) * (cells + 1) <= polygons + polygons / 4) ++cells;
        lumpyBall(k, 7, cells);
    }
}

template <int Tree> void buildTree(benchmark::State& state) {
    const auto polygons = static_cast<int>(state.range(0));
    const bool scene = state.range(1) != 0;
    int read = 0, placed = 0, nodes = 0;
    for (auto _ : state) {
        KilnState k;
        fillObject(k, polygons, scene);
        read = k.polyCount;
        const RootPlanes roots = chooseRootPlanes(k);
        const int root = Tree == 3 ? roots.bestRoot2 : roots.bestRoot;
        node* tree = Tree == 1   ? createLR(k, root, kRootParentValue, &k.rootParent)
                     : Tree == 2 ? createRL(k, root, kRootParentValue, &k.rootParent)
                                 : create2(k, root, kRootParentValue, &k.rootParent);
        benchmark::DoNotOptimize(tree);
        placed = k.polyCount;
        nodes = k.nodeCount;
    }
    state.counters["polygons_read"] = read;
    state.counters["polygons_after"] = placed;
    state.counters["nodes"] = nodes;
}

void sizes(benchmark::internal::Benchmark* b) {
    for (int scene : {0, 1})
        for (int n : {100, 250, 350, 1000, 3000})
            b->Args({n, scene});
    b->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(buildTree<1>)->Name("TreeOne_createLR")->Apply(sizes);
BENCHMARK(buildTree<2>)->Name("TreeTwo_createRL")->Apply(sizes);
BENCHMARK(buildTree<3>)->Name("TreeThree_create2")->Apply(sizes);
