// The whole conversion of 3DO-Kiln in memory: reading, the choice among the
// candidate trees and the 3DO bytes (no file is written). Inputs: the bundled
// example's ASE file, generated editor-dialect ASE files of 250, 1000 and
// 5000 polygons (rows of stands and fences), and the corpus files in
// ../shared/corpus (ase/ and obj/) that convert; missing ones are skipped.

#include "export/ase_writer.hpp"
#include "converter/kiln_driver.hpp"
#include "converter/line_reader.hpp"
#include "converter/readers.hpp"
#include "generated_objects.hpp"
#include "model/number_text.hpp"
#include "model/project_file.hpp"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

using namespace meshsmith::kiln;
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

enum class Reader { Meshsmith, Max, Obj };

struct Conversion {
    int polygonsRead = 0, polygonsWritten = 0, treesBuilt = 0;
    std::size_t bytes = 0;
};

// `name` is the input's path: the OBJ reader finds its MTL file beside it.
Conversion convert(const std::string& text, const std::string& name, Reader reader) {
    KilnState k;
    TextSource source(text);
    std::string first, fileName = name;
    readstr(source, first);
    switch (reader) {
    case Reader::Meshsmith:
        read_Meshsmith(k, source, fileName);
        break;
    case Reader::Max:
        read_3dsMax(k, source, fileName);
        break;
    case Reader::Obj:
        read_OBJ(k, source, fileName, first);
        break;
    }
    Conversion c;
    c.polygonsRead = k.polyCount;
    TreeChoice choice;
    c.bytes = buildObjectBytes(k, &choice).size();
    c.polygonsWritten = k.polyCount;
    c.treesBuilt = choice.built;
    return c;
}

void run(benchmark::State& state, const std::string& text, const std::string& name, Reader reader) {
    Conversion c;
    std::string refusal;
    {
        Silenced quiet;
        try {
            c = convert(text, name, reader);
        } catch (const std::exception& e) {
            refusal = e.what();
        } catch (const UntexturedFace&) {
            refusal = "an untextured face";
        }
        if (refusal.empty())
            for (auto _ : state)
                benchmark::DoNotOptimize(c = convert(text, name, reader));
    }
    if (!refusal.empty()) {
        state.SkipWithError(("does not convert: " + refusal).c_str());
        return;
    }
    state.counters["polygons_read"] = c.polygonsRead;
    state.counters["polygons_written"] = c.polygonsWritten;
    state.counters["trees"] = c.treesBuilt;
    state.counters["bytes"] = static_cast<double>(c.bytes);
}

const fs::path kSource = fs::path(__FILE__).parent_path().parent_path();

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

std::string exampleAse() {
    meshsmith::Project p;
    struct Quiet : meshsmith::LogSink {
        void addLine(const std::string&) override {}
    } log;
    struct NoPrompts : meshsmith::UserPrompts {
        void showMessage(const std::string&) override {}
        meshsmith::Answer askYesNo(const std::string&, const std::string&) override {
            return meshsmith::Answer::No;
        }
        meshsmith::Answer askYesNoCancel(const std::string&, const std::string&) override {
            return meshsmith::Answer::Cancel;
        }
        std::optional<meshsmith::VertexOffset> askVertexOffset() override { return {}; }
        std::optional<std::string> reselectBitmap(const std::string&) override { return {}; }
        std::optional<std::string> askProjectName() override { return {}; }
        std::optional<std::string> chooseProjectSavePath() override { return {}; }
    } prompts;
    meshsmith::loadProject(p, (kSource / "examples/stand/stand.3dp").string(), prompts, log);
    return meshsmith::aseText(p);
}

// Registered before main runs: the inputs are made when a benchmark first runs.
void registerAll() {
    benchmark::RegisterBenchmark("Convert/example_stand", [](benchmark::State& s) {
        static const std::string example = exampleAse();
        run(s, example, "/nonexistent-folder/stand.ase", Reader::Meshsmith);
    })->Unit(benchmark::kMillisecond);
    for (int polygons : {250, 1000, 5000})
        benchmark::RegisterBenchmark(("Convert/generated_ase/" + std::to_string(polygons)).c_str(),
                                     [polygons](benchmark::State& s) {
                                         const std::string text = generatedAse(polygons);
                                         run(s, text, "/nonexistent-folder/rows.ase",
                                             Reader::Meshsmith);
                                     })
            ->Unit(benchmark::kMillisecond);
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
        const Reader reader = ext == ".obj" ? Reader::Obj : Reader::Max;
        benchmark::RegisterBenchmark(
            ("Convert/corpus/" + file.filename().string()).c_str(),
            [file, reader](benchmark::State& s) { run(s, fileText(file), file.string(), reader); })
            ->Unit(benchmark::kMillisecond);
    }
}

const bool registered = (registerAll(), true);

} // namespace
