// The OBJ and 3ds Max ASE imports: the largest 3ds Max file of the corpus
// (statue.ASE, 1 MB, 2,831 faces after merging) and a generated OBJ terrain
// of 20,000 textured quads over 20,301 vertices, each imported whole into an
// empty project (reading, textures, double vertices, one history step).

#include "import/model_import.hpp"
#include "model/bmp_image.hpp"
#include "support/scripted_prompts.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace meshsmith;
namespace fs = std::filesystem;

namespace {

constexpr int kColumns = 200, kRows = 100; // quads

// A terrain of kColumns x kRows quads with many-digit heights, one texture.
std::string terrainObj() {
    std::string s = "mtllib terrain.mtl\n";
    for (int r = 0; r <= kRows; ++r)
        for (int c = 0; c <= kColumns; ++c)
            s += "v " + std::to_string(0.5 * c) + " " + std::to_string(0.5 * r) + " " +
                 std::to_string(0.0137 * ((c * 7 + r * 13) % 31)) + "\n";
    s += "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nusemtl grass\n";
    for (int r = 0; r < kRows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            const int a = r * (kColumns + 1) + c + 1, b = a + kColumns + 1;
            s += "f " + std::to_string(a) + "/1 " + std::to_string(a + 1) + "/2 " +
                 std::to_string(b + 1) + "/3 " + std::to_string(b) + "/4\n";
        }
    return s;
}

struct TerrainFolder {
    fs::path folder = fs::temp_directory_path() /
                      ("meshsmith-model-import-bench-" + std::to_string(::getpid()));
    TerrainFolder() {
        fs::create_directories(folder);
        std::ofstream(folder / "terrain.obj") << terrainObj();
        std::ofstream(folder / "terrain.mtl") << "newmtl grass\nmap_Kd grass.bmp\n";
        writeBmpFile((folder / "grass.bmp").string(),
                     BmpImage{64, 64, std::vector<Colour>(64 * 64, 0x00308040)});
    }
    ~TerrainFolder() { fs::remove_all(folder); }
};

void importInto(benchmark::State& state, const std::string& path, ModelFormat format,
                std::size_t polygons) {
    if (!fs::exists(path)) {
        state.SkipWithError(("missing " + path).c_str());
        return;
    }
    test::ScriptedPrompts prompts;
    test::RecordingLog log;
    RandomColours colours(1);
    for (auto _ : state) {
        Project p;
        const OperationResult r = importModelFile(p, path, format, prompts, log, colours, nullptr);
        if (!r.done() || p.object.polygons.size() != polygons) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(p.object.vertices.data());
    }
    state.counters["polygons"] = static_cast<double>(polygons);
}

void BM_ImportStatueAse(benchmark::State& state) {
    importInto(state, MESHSMITH_SOURCE_DIR "/../shared/corpus/ase/statue.ASE", ModelFormat::MaxAse,
               2831);
}
BENCHMARK(BM_ImportStatueAse)->Unit(benchmark::kMillisecond);

void BM_ImportTerrainObj(benchmark::State& state) {
    static const TerrainFolder terrain;
    importInto(state, (terrain.folder / "terrain.obj").string(), ModelFormat::WavefrontObj,
               kColumns * kRows);
}
BENCHMARK(BM_ImportTerrainObj)->Unit(benchmark::kMillisecond);

} // namespace
