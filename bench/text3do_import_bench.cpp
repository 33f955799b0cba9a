// 3DOText import of 100,000 vertices and 50,000 quads: the whole import from
// the file, and the reading of the lines alone. The file is written once.

#include "model/text3do_file.hpp"
#include "model/text_file.hpp"
#include "support/scripted_prompts.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace meshsmith;

namespace {

// A 250 x 400 grid of vertices with a quad on each of the first 50,000 cells,
// coordinates with many digits as real exports have.
Project gridProject() {
    constexpr int columns = 250, rows = 400;
    Project p;
    p.object.vertices.reserve(columns * rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            p.object.vertices.push_back({0.37f * static_cast<float>(c),
                                         0.61f * static_cast<float>(r),
                                         0.013f * static_cast<float>((c * r) % 97)});
    for (int cell = 0; cell < 50000; ++cell) {
        const int a = (cell / (columns - 1)) * columns + cell % (columns - 1);
        ObjectData quad;
        quad.VertexIndices = {a, a + 1, a + columns + 1, a + columns, a};
        quad.VertexCount = 5;
        p.object.polygons.push_back(std::move(quad));
    }
    p.GeometryPresent = true;
    return p;
}

struct BenchFile {
    std::string path = (std::filesystem::temp_directory_path() /
                        ("meshsmith-text3do-bench-" + std::to_string(::getpid()) + ".txt"))
                           .string();
    BenchFile() { writeFileAtomically(path, text3DOFileText(gridProject()).text); }
    ~BenchFile() { std::filesystem::remove(path); }
};

const BenchFile& benchFile() {
    static const BenchFile file;
    return file;
}

void BM_Import3DOText(benchmark::State& state) {
    const std::string& path = benchFile().path;
    test::ScriptedPrompts prompts;
    test::RecordingLog log;
    RandomColours colours(1);
    for (auto _ : state) {
        Project p;
        OperationResult r = import3DOText(p, path, prompts, log, colours);
        if (r.outcome != Outcome::Done || p.object.polygons.size() != 50000)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(p.object.vertices.data());
    }
    state.counters["vertices"] = 100000;
    state.counters["polygons"] = 50000;
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(BM_Import3DOText)->Unit(benchmark::kMillisecond);

void BM_Read3DOTextLines(benchmark::State& state) {
    const TextLines file = readTextLines(benchFile().path);
    for (auto _ : state) {
        ImportedGeometry g;
        FileError error;
        benchmark::DoNotOptimize(read3DOText(file.lines, g, error));
    }
}
BENCHMARK(BM_Read3DOTextLines)->Unit(benchmark::kMillisecond);

} // namespace
