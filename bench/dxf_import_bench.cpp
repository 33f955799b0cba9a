// DXF import of 100,000 3DFACE entities on a shared grid, today's beside the
// import as it was at 721b692 (dxf_reference.cpp: a string for every line),
// and Remove Double Vertices on what it gives and on a table in which every
// face has corners of its own. The file is written once into a temporary
// folder.

#include "dxf_reference.hpp"
#include "model/dxf_import.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/number_text.hpp"
#include "model/text_file.hpp"
#include "support/scripted_prompts.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

using namespace meshsmith;

namespace {

constexpr int kColumns = 400, kRows = 250; // 100,000 faces

void addCorner(std::vector<std::string>& lines, int k, int column, int row) {
    lines.push_back(" 1" + std::to_string(k));
    lines.push_back(formatFixed(column * 0.25, 15, 6));
    lines.push_back(" 2" + std::to_string(k));
    lines.push_back(formatFixed(row * 0.25, 15, 6));
    lines.push_back(" 3" + std::to_string(k));
    lines.push_back(formatFixed((column * row % 7) * 0.125, 15, 6));
}

// A grid of quads in AutoCAD's layout (padded codes, CR LF); every fifth face
// is a triangle that repeats its third corner.
std::string gridFile() {
    std::vector<std::string> lines{"  0", "SECTION", "  2", "ENTITIES"};
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            for (const char* l : {"  0", "3DFACE", "  8", "0", " 62", "7"})
                lines.push_back(l);
            const bool triangle = (r * kColumns + c) % 5 == 0;
            addCorner(lines, 0, c, r);
            addCorner(lines, 1, c + 1, r);
            addCorner(lines, 2, c + 1, r + 1);
            addCorner(lines, 3, triangle ? c + 1 : c, r + 1);
        }
    for (const char* l : {"  0", "ENDSEC", "  0", "EOF"})
        lines.push_back(l);
    return joinCrLf(lines);
}

class GridFile {
  public:
    GridFile() {
        folder_ = std::filesystem::temp_directory_path() /
                  ("meshsmith-dxf-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "grid.dxf").string();
        if (auto error = writeFileAtomically(path_, gridFile())) throw std::runtime_error(*error);
    }
    ~GridFile() {
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    const std::string& path() const { return path_; }

  private:
    std::filesystem::path folder_;
    std::string path_;
};

const std::string& gridPath() {
    static GridFile file;
    return file.path();
}

using Import = OperationResult (*)(Project&, const std::string&, DxfKind, UserPrompts&, LogSink&,
                                   RandomColours&);

Project importGrid(Import import = importDxf) {
    Project p;
    test::ScriptedPrompts prompts;
    test::RecordingLog log;
    RandomColours colours{1};
    if (import(p, gridPath(), DxfKind::Face, prompts, log, colours).outcome != Outcome::Done)
        throw std::runtime_error("import failed");
    return p;
}

void importFaces(benchmark::State& state, Import import) {
    const std::string& path = gridPath();
    for (auto _ : state) {
        Project p = importGrid(import);
        benchmark::DoNotOptimize(p.object.polygons.data());
    }
    state.counters["faces"] = kColumns * kRows;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}
void BM_ImportFaces_721b692(benchmark::State& state) {
    importFaces(state, dxf_reference::importDxf);
}
BENCHMARK(BM_ImportFaces_721b692)->Unit(benchmark::kMillisecond);
void BM_ImportFaces(benchmark::State& state) {
    importFaces(state, importDxf);
}
BENCHMARK(BM_ImportFaces)->Unit(benchmark::kMillisecond);

// The share of the import that only reads the file, and that of splitting it
// into a string per line as the import did at 721b692.
void BM_ReadFileOnly(benchmark::State& state) {
    const std::string& path = gridPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(readWholeFile(path, nullptr));
}
BENCHMARK(BM_ReadFileOnly)->Unit(benchmark::kMillisecond);
void BM_ReadLinesOnly_721b692(benchmark::State& state) {
    const std::string& path = gridPath();
    for (auto _ : state) {
        TextLines lines = readTextLines(path);
        benchmark::DoNotOptimize(lines.lines.data());
    }
}
BENCHMARK(BM_ReadLinesOnly_721b692)->Unit(benchmark::kMillisecond);

void BM_RemoveDoublesAfterImport(benchmark::State& state) {
    const Project imported = importGrid();
    for (auto _ : state) {
        state.PauseTiming();
        Project p = imported;
        state.ResumeTiming();
        benchmark::DoNotOptimize(removeDoubleVertices(p));
    }
    state.counters["vertices"] = static_cast<double>(imported.object.vertices.size());
}
BENCHMARK(BM_RemoveDoublesAfterImport)->Unit(benchmark::kMillisecond);

// Every polygon with corners of its own: three of every four vertices go.
void BM_RemoveDoublesUnsharedCorners(benchmark::State& state) {
    const Project imported = importGrid();
    Project unshared;
    for (ObjectData poly : imported.object.polygons) {
        for (std::size_t k = 0; k + 1 < poly.VertexIndices.size(); ++k) {
            unshared.object.vertices.push_back(
                imported.object.vertices[static_cast<std::size_t>(poly.VertexIndices[k])]);
            poly.VertexIndices[k] = static_cast<std::int32_t>(unshared.object.vertices.size() - 1);
        }
        poly.VertexIndices.back() = poly.VertexIndices.front();
        unshared.object.polygons.push_back(std::move(poly));
    }
    int removed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Project p = unshared;
        state.ResumeTiming();
        removed = removeDoubleVertices(p);
    }
    state.counters["vertices"] = static_cast<double>(unshared.object.vertices.size());
    state.counters["removed"] = removed;
}
BENCHMARK(BM_RemoveDoublesUnsharedCorners)->Unit(benchmark::kMillisecond);

} // namespace
