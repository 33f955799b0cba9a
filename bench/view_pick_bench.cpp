// Hover picking as the view does it on every mouse move outside a drag: the
// whole scene tested against the pick pixel, then the hint chosen. Terrains
// of 1000, 10000 and 30000 vertices under 20000 quads, filling the view.
#include "editor/core/view/hit_names.hpp"
#include "editor/core/view/picking.hpp"
#include "view_projects.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace meshsmith;

void HoverPick(benchmark::State& state) {
    const Project project = bench::terrainProject(static_cast<int>(state.range(0)), 20000);
    const Matrix4 camera = bench::benchCamera(project);
    const SceneOptions options;
    int step = 0;
    std::size_t hits = 0;
    for (auto _ : state) {
        // Sweep the cursor over the picture, as a moving mouse does.
        const int x = 112 + (step * 37) % 800;
        const int y = 84 + (step * 53) % 600;
        ++step;
        const auto found = pickScene(project, options, camera, bench::kBenchViewport, x, y);
        hits += found.size();
        benchmark::DoNotOptimize(hoverHint(project, found));
    }
    state.counters["hits/pick"] = static_cast<double>(hits) / static_cast<double>(step);
}
BENCHMARK(HoverPick)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace
