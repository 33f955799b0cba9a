// DXF exchange checked against an independent reader and writer (ezdxf, run
// by the system's Python): what we write loads and passes its audit, and what
// it writes as R12 we import with the right counts.

#include "dxf_test_support.hpp"
#include "model/dxf_export.hpp"
#include "model/dxf_scan.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/number_text.hpp"
#include "support/project_builders.hpp"
#include "support/run_program.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

#ifdef _WIN32
constexpr const char* kPython = ""; // a program of the Linux host, which Windows cannot start
#else
constexpr const char* kPython = "/usr/bin/python3";
#endif
constexpr int kNoEzdxf = 77;

ProgramRun runOracle(const std::string& script, const std::vector<std::string>& args) {
    std::vector<std::string> all{sourcePath("tests/model/dxf_oracle/" + script)};
    all.insert(all.end(), args.begin(), args.end());
    return runCommand(kPython, all);
}

#define SKIP_WITHOUT_ORACLE(run)                                                                   \
    if (!std::filesystem::exists(kPython) || (run).status == kNoEzdxf)                             \
    GTEST_SKIP() << "python3-ezdxf is not installed (scripts/setup installs it)"

// What check_export.py reports, line by line, split into words.
std::vector<std::vector<std::string>> reportOf(const std::string& out) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        lines.emplace_back();
        for (std::string w; words >> w;)
            lines.back().push_back(w);
    }
    return lines;
}

// Coordinates as ezdxf read them, back to the floats they were written from.
std::vector<float> floatsOf(const std::vector<std::string>& words) {
    std::vector<float> values;
    for (std::size_t i = 1; i < words.size(); ++i)
        values.push_back(static_cast<float>(parseDouble(words[i]).value_or(-12345)));
    return values;
}

void expectReadBackByEzdxf(const Project& p, DxfExportMode mode, const std::string& path) {
    RecordingLog log;
    ASSERT_EQ(exportDxf(p, path, mode, log).outcome, Outcome::Done);
    ProgramRun run = runOracle("check_export.py", {path});
    SKIP_WITHOUT_ORACLE(run);
    ASSERT_EQ(run.status, 0) << "ezdxf rejects the file or its audit complains:\n"
                             << run.out << run.err;
    std::map<std::string, std::size_t> counts;
    std::vector<std::vector<float>> points, lines, vertices;
    std::string seed, maxHandle;
    for (const auto& w : reportOf(run.out)) {
        if (w[0] == "count") counts[w[1]] = std::stoul(w[2]);
        if (w[0] == "mode") {
            EXPECT_EQ(w[1], "AcDb3dPolyline");
        }
        if (w[0] == "point") points.push_back(floatsOf(w));
        if (w[0] == "line") lines.push_back(floatsOf(w));
        if (w[0] == "vertex") vertices.push_back(floatsOf(w));
        if (w[0] == "handseed") seed = w[1];
        if (w[0] == "maxhandle") maxHandle = w[1];
    }
    const bool withLines = mode != DxfExportMode::Vertices;
    const bool withPolygons = mode == DxfExportMode::VerticesLinesPolygons;
    EXPECT_EQ(counts["POINT"], p.object.vertices.size());
    EXPECT_EQ(counts["LINE"], withLines ? p.object.lines.size() : 0);
    EXPECT_EQ(counts["POLYLINE"], withPolygons ? p.object.polygons.size() : 0);
    ASSERT_EQ(points.size(), p.object.vertices.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_EQ(points[i], (std::vector<float>{p.object.vertices[i].X, p.object.vertices[i].Y,
                                                 p.object.vertices[i].Z}))
            << "vertex " << i;
    std::vector<std::vector<float>> expectedVertices;
    if (withPolygons)
        for (const ObjectData& poly : p.object.polygons)
            for (std::int32_t i : poly.VertexIndices) {
                const Vertex& v = p.object.vertices[static_cast<std::size_t>(i)];
                expectedVertices.push_back({v.X, v.Y, v.Z});
            }
    EXPECT_EQ(vertices, expectedVertices) << "the corners keep their z";
    EXPECT_EQ(lines.size(), withLines ? p.object.lines.size() : 0);
    EXPECT_GT(std::stoul(seed, nullptr, 16), std::stoul(maxHandle, nullptr, 16))
        << "$HANDSEED must lie above every handle in the file";
}

} // namespace

TEST(DxfOracle, ExportedDrawingsLoadAndPassTheAudit) {
    TempFolder dir;
    Project sample = sampleProject();
    for (auto mode : {DxfExportMode::Vertices, DxfExportMode::VerticesLines,
                      DxfExportMode::VerticesLinesPolygons})
        expectReadBackByEzdxf(sample, mode, dir.file("sample.dxf"));
    for (std::uint32_t seed : {3u, 7u, 8u, 12u, 21u}) // seed 7: no vertices, the template alone
        expectReadBackByEzdxf(randomProject(seed), DxfExportMode::VerticesLinesPolygons,
                              dir.file("random" + std::to_string(seed) + ".dxf"));
}

TEST(DxfOracle, R12FilesWrittenByEzdxfImportWithTheRightCounts) {
    TempFolder dir;
    ProgramRun made = runOracle("make_r12_samples.py", {dir.folder()});
    SKIP_WITHOUT_ORACLE(made);
    ASSERT_EQ(made.status, 0) << made.err;

    struct Case {
        const char* file;
        DxfKind kind;
        std::size_t vertices, lines, polygons;
        std::size_t quads = 0; // the first polygons are quads, the others triangles
    };
    for (const Case& c :
         {Case{"points.dxf", DxfKind::Point, 4, 0, 0}, Case{"lines.dxf", DxfKind::Line, 3, 2, 0},
          Case{"faces.dxf", DxfKind::Face, 7, 0, 4, 2},
          Case{"polyline.dxf", DxfKind::Vertex, 6, 0, 0},
          Case{"polyline.dxf", DxfKind::Polyline, 6, 0, 1},
          Case{"polyface.dxf", DxfKind::Polyface, 8, 0, 7, 5},
          Case{"mixed.dxf", DxfKind::All, 25, 2, 12}}) {
        Project p;
        ScriptedPrompts prompts;
        RecordingLog log;
        RandomColours colours{5};
        const std::string path = dir.file(c.file);
        const DxfScan scan = scanDxf(path);
        ASSERT_TRUE(scan.ok) << c.file << ": " << scan.message;
        auto r = importScannedDxf(p, path, c.kind, prompts, log, colours);
        ASSERT_EQ(r.outcome, Outcome::Done) << c.file << ": " << r.message;
        EXPECT_EQ(p.object.vertices.size(), c.vertices) << c.file;
        EXPECT_EQ(p.object.lines.size(), c.lines) << c.file;
        ASSERT_EQ(p.object.polygons.size(), c.polygons) << c.file;
        for (std::size_t k = 0; c.quads > 0 && k < p.object.polygons.size(); ++k)
            EXPECT_EQ(p.object.polygons[k].VertexCount, k < c.quads ? 5 : 4) << c.file << " " << k;
        EXPECT_FALSE(findObjectFault(p.object));
    }
    const DxfScan mixed = scanDxf(dir.file("mixed.dxf"));
    EXPECT_EQ(mixed.counts, (std::array<std::size_t, 7>{5, 14, 3, 4, 1, 1, 14}));
    EXPECT_EQ(mixed.polyfaceFaces, 7u);
}
