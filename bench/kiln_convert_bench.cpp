// The whole conversion of 3DO-Kiln in memory: reading, the choice among the
// candidate trees and the 3DO bytes (no file is written), by today's
// converter ("now") and by its reference copy from before the tree choice was
// made faster ("reference"), side by side. Inputs: the bundled example's ASE
// file, generated editor-dialect ASE files of 250, 1000 and 5000 polygons
// (rows of stands and fences), random scenery (random_objects.hpp) of 1000,
// 3000 and 5000 faces in each input format and at the largest size whose
// tree fits the tables, the largest lumpy ball that fits, and the corpus files
// in ../shared/corpus (ase/ and obj/) that convert; missing ones are skipped.
// kiln_identity checks that both give the same bytes.

#include "export/ase_writer.hpp"
#include "converter/kiln_state.hpp"
#include "scenery_generators.hpp"
#include "kiln_conversion.hpp"
#include "model/number_text.hpp"
#include "model/project_file.hpp"
#include "random_objects.hpp"
#include "support/scripted_prompts.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <unistd.h>

using meshsmith::kiln::KilnState;
using meshsmith::kiln::poly;
namespace test = meshsmith::kiln::test;
namespace fs = std::filesystem;

namespace {

// The converter reports on standard output; the benchmark's own report must
// stay readable, so the converter's lines go to /dev/null while it runs. Its
// standard input is /dev/null too, so that a stop for a key never waits.
class Silenced {
  public:
    Silenced() {
        std::fflush(stdout);
        savedOut_ = dup(STDOUT_FILENO);
        savedIn_ = dup(STDIN_FILENO);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDIN_FILENO);
        close(null);
    }
    ~Silenced() {
        std::fflush(stdout);
        dup2(savedOut_, STDOUT_FILENO);
        dup2(savedIn_, STDIN_FILENO);
        close(savedOut_);
        close(savedIn_);
    }
    Silenced(const Silenced&) = delete;
    Silenced& operator=(const Silenced&) = delete;

  private:
    int savedOut_ = -1, savedIn_ = -1;
};

using kiln_bench::Conversion;
using kiln_bench::Reader;
using Convert = Conversion (*)(const std::string&, const std::string&, Reader);

// `name` is the input's path: the OBJ reader finds its MTL file beside it.
void run(benchmark::State& state, const std::string& text, const std::string& name, Reader reader,
         Convert convert) {
    Conversion c;
    {
        Silenced quiet;
        c = convert(text, name, reader);
        if (c.refusal.empty())
            for (auto _ : state)
                benchmark::DoNotOptimize(c = convert(text, name, reader));
    }
    if (!c.refusal.empty()) {
        state.SkipWithError(("does not convert: " + c.refusal).c_str());
        return;
    }
    state.counters["polygons_read"] = c.polygonsRead;
    state.counters["polygons_written"] = c.polygonsWritten;
    state.counters["trees"] = c.treesBuilt;
    state.counters["bytes"] = static_cast<double>(c.bytes.size());
}

// Registers the input twice, reference first, so that both timings stand together.
void registerBoth(const std::string& label, const std::function<std::string()>& makeText,
                  const std::string& name, Reader reader) {
    const auto text = std::make_shared<std::string>();
    for (const auto& [side, convert] :
         {std::pair{"reference", &kiln_bench::convertReference}, {"now", &kiln_bench::convertNow}})
        benchmark::RegisterBenchmark(("Convert/" + label + "/" + side).c_str(),
                                     [=](benchmark::State& s) {
                                         if (text->empty()) *text = makeText();
                                         run(s, *text, name, reader, convert);
                                     })
            ->Unit(benchmark::kMillisecond);
}

const fs::path kSource = MESHSMITH_SOURCE_DIR;

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// One object per polygon of the tables, as the editor writes them, each copy
// of the scene moved along x.
std::string aseOfRows(const KilnState& scene, int polygons) {
    std::string s = "*COMMENT \">>>> - Exported by Meshsmith - <<<<\"\r\n \r\n";
    for (int t = 0; t < scene.stringCount; ++t)
        s += "*MATERIAL " + std::to_string(t) + "\r\n*BITMAP \"" +
             scene.stringy[static_cast<std::size_t>(t)] + "\"\r\n";
    for (int written = 0, copy = 0; written < polygons; ++copy)
        for (int p = 0; p < scene.polyCount && written < polygons; ++p, ++written) {
            const poly& q = scene.polygon[static_cast<std::size_t>(p)];
            s += "*GEOMOBJECT\r\n";
            for (std::size_t i = 0; i < q.polyVertexCount; ++i) {
                const auto v = static_cast<std::size_t>(q.vertexList[i]);
                s += "*MESH_VERTEX " + std::to_string(i) + " " +
                     meshsmith::real5(scene.x[v] + 30.0f * static_cast<float>(copy)) + " " +
                     meshsmith::real5(scene.y[v]) + " " + meshsmith::real5(scene.z[v]) + "\r\n";
            }
            for (std::size_t i = 0; i < q.polyVertexCount; ++i)
                s += "*MESH_TVERT " + std::to_string(i) + " " + meshsmith::real5(q.tvertx[i]) +
                     " " + meshsmith::real5(q.tverty[i]) + " 0.0000\r\n";
            s += "*MATERIAL_REF " + std::to_string(q.stringNum) + "\r\n \r\n";
        }
    return s;
}

std::string generatedAse(int polygons) {
    KilnState scene;
    test::stand(scene, 10);
    test::fence(scene, 6);
    return aseOfRows(scene, polygons);
}

// The largest lumpy ball whose tree fits the tables: 3,888 triangles, nearly
// each in a plane of its own (cells 19 would pass the polygon table).
std::string largestBallAse() {
    KilnState ball;
    test::lumpyBall(ball, 7, 18);
    return aseOfRows(ball, ball.polyCount);
}

// Random scenery: seed 1 at 8,400 faces is the largest size in steps of 50
// whose tree fits the tables (17,340 polygons after the splits) as editor
// ASE and OBJ; as 3ds Max ASE (triangles, not all merged back into quads) it
// passes the polygon table from about 6,000 faces on.
constexpr int kLargestScenery = 8400;

void registerScenery(int faces, bool withMax = true) {
    const auto object = [faces] { return meshsmith::bench::randomObject(1, faces); };
    const std::string label = "scenery/" + std::to_string(faces);
    registerBoth(
        label + "/editor_ase", [=] { return meshsmith::bench::editorAseText(object()); },
        "/nonexistent-folder/scenery.ase", Reader::Meshsmith);
    if (withMax)
        registerBoth(
            label + "/max_ase", [=] { return meshsmith::bench::maxAseText(object()); },
            "/nonexistent-folder/scenery.ase", Reader::Max);
    // The MTL file must be found beside the OBJ file.
    const fs::path folder = fs::temp_directory_path() / "kiln_convert_bench";
    registerBoth(
        label + "/obj",
        [=] {
            fs::create_directories(folder);
            std::ofstream(folder / "scenery.mtl", std::ios::binary)
                << meshsmith::bench::mtlText(object());
            return meshsmith::bench::objText(object(), "scenery.mtl");
        },
        (folder / "scenery.obj").string(), Reader::Obj);
}

std::string exampleAse() {
    meshsmith::Project p;
    meshsmith::test::RecordingLog log;
    meshsmith::test::ScriptedPrompts prompts;
    meshsmith::loadProject(p, (kSource / "examples/stand/stand.3dp").string(), prompts, log);
    return meshsmith::aseText(p);
}

// Registered before main runs: the inputs are made when a benchmark first runs.
void registerAll() {
    registerBoth("example_stand", exampleAse, "/nonexistent-folder/stand.ase", Reader::Meshsmith);
    for (int polygons : {250, 1000, 5000})
        registerBoth(
            "generated_ase/" + std::to_string(polygons),
            [polygons] { return generatedAse(polygons); }, "/nonexistent-folder/rows.ase",
            Reader::Meshsmith);
    for (int faces : {1000, 3000, 5000})
        registerScenery(faces);
    registerScenery(kLargestScenery, false);
    registerBoth("lumpy_ball_largest", largestBallAse, "/nonexistent-folder/ball.ase",
                 Reader::Meshsmith);
    const fs::path corpus = kSource.parent_path() / "shared" / "corpus";
    std::vector<fs::path> files;
    for (const char* folder : {"ase", "obj"}) {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(corpus / folder, ec))
            files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::string ext = file.extension().string();
        for (char& c : ext)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (ext != ".ase" && ext != ".obj") continue;
        registerBoth(
            "corpus/" + file.filename().string(), [file] { return fileText(file); }, file.string(),
            ext == ".obj" ? Reader::Obj : Reader::Max);
    }
}

const bool registered = (registerAll(), true);

} // namespace
