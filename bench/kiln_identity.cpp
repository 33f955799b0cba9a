// Byte identity of this tree's 3DO-Kiln with the reference copy of the
// converter (kiln_reference/): random scenery objects in each of the three
// input formats, and the corpus files, each converted by both from copies in
// folders of their own. The exit status, the printed lines (folder names left
// out) and the 3DO files must agree, except where the reference's 3DO shows
// one of the two faults mended since: a concave polygon cut into pieces
// outside it (its 3DO holds more area than today's, per texture) or a polygon
// in the group of a node that faces the other way (it fails the inspector's
// facing rule). Every 3DO that differs must pass the inspector. Prints, per
// format and size band, how many objects were identical, how many differed
// for which reason, and the processor time both took.
//
//   kiln_identity [--objects N] [--first-seed S] [--max-faces F] [--corpus DIR] [--work DIR]
//
// Sizes run from 10 faces to F (default 5000), evenly on a log scale, and
// every tenth object has F faces. Exit status 1 when anything differs without
// one of those reasons, or a differing 3DO fails the inspector; the inputs of
// a difference are kept in the work folder.

#include "generated_objects.hpp"
#include "kiln_conversion.hpp"
#include "random_objects.hpp"
#include "threedo_check.hpp"
#include "threedo_file.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace meshsmith::bench;

namespace {

using Kiln = int (*)(const std::vector<std::string>&);

double processorSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::string fileText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

struct Outcome {
    int status = 0;
    std::string out;   // standard output, the input's folder left out
    std::string bytes; // the 3DO file, or empty
    double seconds = 0;
};

// Runs a converter on `input` with its standard output in a file.
Outcome run(Kiln kiln, const fs::path& input) {
    const fs::path outFile = input.parent_path() / "stdout.txt";
    std::fflush(stdout);
    const int saved = dup(STDOUT_FILENO);
    const int to = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(to, STDOUT_FILENO);
    close(to);
    Outcome o;
    const double start = processorSeconds();
    o.status = kiln({input.string()});
    o.seconds = processorSeconds() - start;
    std::fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    o.out = fileText(outFile);
    for (std::size_t at; (at = o.out.find(input.parent_path().string())) != std::string::npos;)
        o.out.erase(at, input.parent_path().string().size());
    fs::path threeDo = input;
    threeDo.replace_extension(".3do");
    if (fs::exists(threeDo)) o.bytes = fileText(threeDo);
    fs::remove(threeDo);
    return o;
}

// What differs between the two outcomes, or empty.
std::string difference(const Outcome& reference, const Outcome& now) {
    if (reference.status != now.status)
        return "exit status " + std::to_string(reference.status) + " / " +
               std::to_string(now.status);
    if (reference.out != now.out) return "printed lines";
    if (reference.bytes != now.bytes) return "3DO bytes";
    return {};
}

namespace inspect = meshsmith::inspect3do;

inspect::ThreeDoFile parsed(const std::string& bytes) {
    return inspect::parseThreeDo(std::vector<std::uint8_t>(bytes.begin(), bytes.end())).file;
}

// Twice the vector area of a polygon record (Newell's normal over its corners
// in file order: the way it faces).
std::array<double, 3> areaNormal(const inspect::ThreeDoFile& f, const inspect::Record& p) {
    std::array<double, 3> n{0, 0, 0};
    for (std::size_t i = 0; i < p.vertices.size(); ++i) {
        const auto& a = f.vertices[static_cast<std::size_t>(p.vertices[i])];
        const auto& b =
            f.vertices[static_cast<std::size_t>(p.vertices[(i + 1) % p.vertices.size()])];
        n[0] += (double{a.y} - b.y) * (double{a.z} + b.z);
        n[1] += (double{a.z} - b.z) * (double{a.x} + b.x);
        n[2] += (double{a.x} - b.x) * (double{a.y} + b.y);
    }
    return n;
}

// The area of the polygons drawn, per texture (string offset); a twin node's
// polygons stand for their reversed twins as well.
std::map<std::int32_t, double> drawnArea(const inspect::ThreeDoFile& f) {
    std::map<std::int32_t, double> area;
    inspect::forEachDrawnPolygon(f, [&](const inspect::Record& node, const inspect::Record& texture,
                            const inspect::Record& polygon, bool) {
        const auto n = areaNormal(f, polygon);
        area[texture.stringOffset] += (node.type == inspect::kTwinNode ? 2 : 1) *
                                      std::hypot(n[0], n[1], n[2]) / 2;
    });
    return area;
}

// Whether some polygon with any area at all faces against the side its group
// is drawn for (the inspector passes over slivers; this does not).
bool facesTheOtherWay(const inspect::ThreeDoFile& f) {
    bool found = false;
    inspect::forEachDrawnPolygon(f, [&](const inspect::Record& node, const inspect::Record&,
                            const inspect::Record& polygon, bool back) {
        const auto n = areaNormal(f, polygon);
        const auto& plane = f.planes[static_cast<std::size_t>(node.plane)];
        const double along = n[0] * plane.a + n[1] * plane.b + n[2] * plane.c;
        found = found || (back ? along > 0 : along < 0);
    });
    return found;
}

// Why the reference's 3DO may differ from today's: the faults mended since
// that it shows, or empty when it shows none.
std::string mendedFaults(const std::string& reference, const std::string& now) {
    std::string why;
    const inspect::ThreeDoFile before = parsed(reference);
    const auto beforeArea = drawnArea(before), afterArea = drawnArea(parsed(now));
    for (const auto& [texture, area] : beforeArea) {
        const auto at = afterArea.find(texture);
        if (at == afterArea.end() || area > at->second * (1 + 1e-6)) {
            why = "pieces outside a concave polygon";
            break;
        }
    }
    if (facesTheOtherWay(before))
        why += std::string(why.empty() ? "" : ", ") + "a polygon in a group facing the other way";
    return why;
}

// The inspector's verdict on today's 3DO, or empty when it passes.
std::string violationOf(const std::string& bytes) {
    const auto check = inspect::checkThreeDo(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return check.violation ? check.violation->text() : std::string();
}

struct Tally {
    int objects = 0, identical = 0, concave = 0, facing = 0;
    double referenceSeconds = 0, nowSeconds = 0;
};

// Writes the input files (`files`: name and text) into <work>/reference and
// <work>/now, converts the first in both and judges the difference: empty
// when identical or explained (counted in the tally), else what is wrong.
std::string compare(const fs::path& work,
                    const std::vector<std::pair<std::string, std::string>>& files, Tally& tally,
                    std::string& explained) {
    for (const char* side : {"reference", "now"}) {
        fs::create_directories(work / side);
        for (const auto& [name, text] : files)
            writeFile(work / side / name, text);
    }
    const Outcome reference =
        run(kiln_bench::runKilnReference, work / "reference" / files[0].first);
    const Outcome now = run(kiln_bench::runKilnNow, work / "now" / files[0].first);
    std::string diff = difference(reference, now);
    ++tally.objects;
    tally.referenceSeconds += reference.seconds;
    tally.nowSeconds += now.seconds;
    explained.clear();
    if (diff == "3DO bytes") {
        explained = mendedFaults(reference.bytes, now.bytes);
        std::string verdict = violationOf(now.bytes);
        if (verdict.empty() && facesTheOtherWay(parsed(now.bytes)))
            verdict = "a polygon faces against its group";
        if (!verdict.empty())
            diff = "today's 3DO fails the inspector: " + verdict;
        else if (!explained.empty())
            diff.clear();
        else
            diff = "3DO bytes, and the reference's shows neither mended fault";
    }
    if (diff.empty() && explained.empty()) ++tally.identical;
    tally.concave += explained.find("concave") != std::string::npos ? 1 : 0;
    tally.facing += explained.find("facing") != std::string::npos ? 1 : 0;
    if (diff.empty()) fs::remove_all(work);
    return diff;
}

int facesOf(int object, std::uint32_t seed, int maxFaces) {
    if (object % 10 == 9) return maxFaces;
    const double u = meshsmith::kiln::test::Random(seed).uniform(0, 1);
    return static_cast<int>(std::lround(std::pow(10.0, 1 + u * (std::log10(maxFaces) - 1))));
}

const char* bandOf(int faces) {
    return faces < 100    ? "   10-99"
           : faces < 350  ? " 100-349"
           : faces < 1000 ? " 350-999"
           : faces < 3000 ? "1000-2999"
                          : "3000-5000";
}

struct Options {
    int objects = 200, maxFaces = 5000;
    std::uint32_t firstSeed = 1;
    fs::path corpus = "../shared/corpus";
    fs::path work = fs::temp_directory_path() / "kiln_identity";
};

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--objects")
            o.objects = std::atoi(value.c_str());
        else if (key == "--first-seed")
            o.firstSeed = static_cast<std::uint32_t>(std::atol(value.c_str()));
        else if (key == "--max-faces")
            o.maxFaces = std::max(10, std::atoi(value.c_str()));
        else if (key == "--corpus")
            o.corpus = value;
        else if (key == "--work")
            o.work = value;
    }
    return o;
}

} // namespace

int main(int argc, char** argv) {
    const Options options = parse(argc, argv);
    fs::remove_all(options.work);
    bool allSame = true;
    std::map<std::string, Tally> tallies; // by format and size band
    for (int i = 0; i < options.objects; ++i) {
        const std::uint32_t seed = options.firstSeed + static_cast<std::uint32_t>(i);
        const int faces = facesOf(i, seed, options.maxFaces);
        const RandomObject object = randomObject(seed, faces);
        const std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>>
            inputs = {{"editor ASE", {{"scenery.ase", editorAseText(object)}}},
                      {"3ds Max ASE", {{"scenery.ase", maxAseText(object)}}},
                      {"OBJ",
                       {{"scenery.obj", objText(object, "scenery.mtl")},
                        {"scenery.mtl", mtlText(object)}}}};
        for (const auto& [format, files] : inputs) {
            const fs::path work = options.work / ("seed" + std::to_string(seed)) / format;
            std::string explained;
            const std::string diff =
                compare(work, files, tallies[format + " " + bandOf(faces)], explained);
            if (!explained.empty())
                std::printf("differs: seed %u, %d faces, %s: the reference's 3DO shows %s\n", seed,
                            faces, format.c_str(), explained.c_str());
            if (diff.empty()) continue;
            allSame = false;
            std::printf("DIFFERENT: seed %u, %d faces, %s: %s (inputs kept in %s)\n", seed, faces,
                        format.c_str(), diff.c_str(), work.c_str());
        }
        std::fflush(stdout);
    }
    std::printf("%-24s %8s %10s %8s %8s %12s %10s %8s\n", "format, faces", "objects",
                "identical", "concave", "facing", "reference s", "now s", "faster");
    for (const auto& [key, t] : tallies)
        std::printf("%-24s %8d %10d %8d %8d %12.2f %10.2f %7.1fx\n", key.c_str(), t.objects,
                    t.identical, t.concave, t.facing, t.referenceSeconds, t.nowSeconds,
                    t.referenceSeconds / std::max(t.nowSeconds, 1e-9));
    // The corpus: every ASE and OBJ file, with the files beside it (MTL, bitmaps).
    for (const char* folder : {"ase", "obj"}) {
        std::error_code ec;
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(options.corpus / folder, ec))
            files.push_back(e.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::string ext = file.extension().string();
            std::transform(ext.begin(), ext.end(), ext.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            if (ext != ".ase" && ext != ".obj") continue;
            std::vector<std::pair<std::string, std::string>> copies{
                {file.filename().string(), fileText(file)}};
            for (const fs::path& beside : files)
                if (beside != file)
                    copies.emplace_back(beside.filename().string(), fileText(beside));
            Tally t;
            std::string explained;
            const std::string diff =
                compare(options.work / "corpus" / file.filename(), copies, t, explained);
            allSame = allSame && diff.empty();
            const std::string verdict = !diff.empty()        ? diff
                                        : explained.empty() ? std::string("identical")
                                                            : "differs: the reference's 3DO shows " +
                                                                  explained;
            std::printf("corpus %-56s %s  reference %.2f s, now %.2f s\n",
                        file.filename().string().c_str(), verdict.c_str(), t.referenceSeconds,
                        t.nowSeconds);
        }
    }
    std::printf(allSame ? "All identical or explained.\n" : "Unexplained differences found.\n");
    return allSame ? 0 : 1;
}
