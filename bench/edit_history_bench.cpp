// The edit history at the size of a large object: 30,000 vertices and 20,000
// textured quads. Counters: the bytes one step keeps (a step that changes the
// vertex table, one that changes every table), and the time of an Undo (with
// the Redo that puts the step back), of the history alone and of the editor's
// document, whose Undo also lets the windows' selections follow and tells its
// listeners.
#include "editor/core/document/document.hpp"
#include "model/edits/edit.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/project.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace meshsmith;

Project largeObject() {
    Project p;
    for (int k = 0; k < 30000; ++k)
        p.object.vertices.push_back({static_cast<float>(k % 173), static_cast<float>(k / 173),
                                     static_cast<float>(k % 7)});
    p.object.textures.push_back({"wall.bmp", 0, "", 0, DefaultBackColor});
    for (std::int32_t k = 0; k < 20000; ++k) {
        ObjectData quad;
        quad.VertexCount = 5;
        quad.VertexIndices = {k, k + 1, k + 174, k + 173, k};
        quad.TextureIndex = 0;
        quad.TexCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
        p.object.polygons.push_back(std::move(quad));
    }
    p.GeometryPresent = true;
    startHistory(p);
    return p;
}

void BM_HistoryStepOfTheVertexTable(benchmark::State& state) {
    Project p = largeObject();
    const std::size_t start = p.history.bytes();
    for (auto _ : state)
        addVertex(p, 1, 2, 3);
    state.counters["bytes_per_step"] =
        static_cast<double>(p.history.bytes() - start) / static_cast<double>(p.history.steps());
    state.counters["steps_kept"] = static_cast<double>(p.history.steps());
}
BENCHMARK(BM_HistoryStepOfTheVertexTable)->Iterations(100)->Unit(benchmark::kMillisecond);

void BM_HistoryStepOfEveryTable(benchmark::State& state) {
    Project p = largeObject();
    const std::size_t start = p.history.bytes();
    std::size_t steps = 0;
    for (auto _ : state) {
        applyEdit(p, "Move Everything", [&](Project& q) {
            for (Vertex& v : q.object.vertices)
                v.X += 1;
            for (ObjectData& poly : q.object.polygons)
                poly.Red += 0.001f;
            return OperationResult{};
        });
        ++steps;
    }
    state.counters["bytes_per_step"] =
        static_cast<double>(p.history.bytes() - start) / static_cast<double>(p.history.steps());
    state.counters["steps_kept"] = static_cast<double>(p.history.steps());
}
BENCHMARK(BM_HistoryStepOfEveryTable)->Iterations(150)->Unit(benchmark::kMillisecond);

void BM_UndoAndRedo(benchmark::State& state) {
    Project p = largeObject();
    applyEdit(p, "Move Everything", [](Project& q) {
        for (Vertex& v : q.object.vertices)
            v.X += 1;
        return OperationResult{};
    });
    for (auto _ : state) {
        undoEdit(p);
        redoEdit(p);
    }
}
BENCHMARK(BM_UndoAndRedo)->Unit(benchmark::kMillisecond);

// Undo and Redo through the document with vertices and polygons chosen in two
// windows (their tables are compared to follow the change) and one listener.
void BM_DocumentUndoAndRedo(benchmark::State& state) {
    Document doc;
    doc.adopt(largeObject());
    int told = 0;
    doc.listen([&](const DocumentChange&) { ++told; });
    doc.select(Purpose::Vertices, {5, 500, 5000});
    doc.select(Purpose::ListedPolygons, {7, 7000});
    doc.run(&addVertex, 1.0f, 2.0f, 3.0f);
    for (auto _ : state) {
        doc.undo();
        doc.redo();
    }
    benchmark::DoNotOptimize(told);
}
BENCHMARK(BM_DocumentUndoAndRedo)->Unit(benchmark::kMillisecond);

} // namespace
