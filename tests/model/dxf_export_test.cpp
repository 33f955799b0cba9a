// DXF export: the template around the entities, the entities and their
// handles, the preconditions, and that the editor reads back what it wrote.

#include "dxf_test_support.hpp"
#include "model/dxf_export.hpp"
#include "model/dxf_import.hpp"
#include "model/dxf_scan.hpp"
#include "model/dxf_template.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/text_file.hpp"
#include "support/golden.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::vector<std::string> exportLines(const Project& p, DxfExportMode mode) {
    std::string error;
    auto text = dxfExportText(p, mode, error);
    EXPECT_TRUE(text) << error;
    return splitLines(text.value_or(""));
}

// The lines between the template's head and its last four lines.
std::vector<std::string> entityLines(const std::vector<std::string>& file) {
    const std::size_t head = dxfTemplateLines().size() - kDxfTemplateTailLines;
    return {file.begin() + static_cast<std::ptrdiff_t>(head),
            file.end() - static_cast<std::ptrdiff_t>(kDxfTemplateTailLines)};
}

// A sound object: 3 to 62 vertices at different points of a 0.25 grid (none
// within merging distance of another), a path of up to 5 lines and 1 to 10
// polygons, each over different vertices.
Project gridProject(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    Project p;
    const int nv = 3 + below(60);
    for (int i = 0; i < nv; ++i)
        p.object.vertices.push_back({0.25f * (i % 8), 0.25f * (i / 8), 0.25f * below(80)});
    std::vector<std::int32_t> order(static_cast<std::size_t>(nv));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), rng);
    for (int k = std::min(below(6), nv - 1); k > 0; --k)
        p.object.lines.push_back(makeLine(order[k - 1], order[k]));
    for (int n = 1 + below(10); n > 0; --n) {
        std::shuffle(order.begin(), order.end(), rng);
        p.object.polygons.push_back(
            makePolygon({order.begin(), order.begin() + std::min(nv, 3 + below(6))}));
    }
    return p;
}

std::vector<std::vector<std::int32_t>> cornersOf(const std::vector<ObjectData>& records) {
    std::vector<std::vector<std::int32_t>> corners;
    for (const ObjectData& r : records)
        corners.push_back(r.VertexIndices);
    return corners;
}

std::string templateValueAfter(const std::vector<std::string>& file, const std::string& name) {
    auto it = std::find(file.begin(), file.end(), name);
    return it != file.end() && file.end() - it > 2 ? *(it + 2) : "";
}

} // namespace

TEST(DxfTemplate, IsACompleteR12DrawingEndingWithTheEntities) {
    const auto lines = dxfTemplateLines();
    ASSERT_EQ(lines.size(), 932u);
    const std::vector<std::string_view> head(lines.begin(), lines.begin() + 8);
    EXPECT_EQ(head, (std::vector<std::string_view>{"  0", "SECTION", "  2", "HEADER", "  9",
                                                   "$ACADVER", "  1", "AC1009"}));
    const std::vector<std::string_view> end(lines.end() - 8, lines.end());
    EXPECT_EQ(end, (std::vector<std::string_view>{"  0", "SECTION", "  2", "ENTITIES", "  0",
                                                  "ENDSEC", "  0", "EOF"}));
    EXPECT_EQ(lines[dxfTemplateHandSeedLine() - 2], "$HANDSEED");
    // The tables and blocks a reader needs are checked by ezdxf's audit (DxfOracle).
    // Group codes and values alternate, codes right-aligned in three columns.
    for (std::size_t i = 0; i < lines.size(); i += 2)
        EXPECT_EQ(lines[i].size(), 3u) << "line " << i + 1;
}

TEST(DxfExport, HandlesRunThroughEveryEntity) {
    Project p;
    p.object.vertices = {{0, 0, 0}, {1.5f, 0, 0}, {0, 2, -0.25f}};
    p.object.polygons = {makePolygon({0, 1, 2})};
    p.GeometryPresent = true;
    const auto file = exportLines(p, DxfExportMode::VerticesLinesPolygons);
    // Points, then the polyline of each polygon; $HANDSEED names the next free handle.
    expectGolden(joinCrLf(entityLines(file)) + "$HANDSEED " + templateValueAfter(file, "$HANDSEED"),
                 "exports/triangle-entities.dxf");
}

TEST(DxfExport, EachModeNeedsItsTableWritesCrLfAndLogsTheCounts) {
    TempFolder dir;
    const std::string path = dir.file("out.dxf");
    const Project p = sampleProject();
    const std::tuple<DxfExportMode, const char*, std::string> cases[] = {
        {DxfExportMode::Vertices, "No Vertices defined !", "6 Vertices saved to DXF-File "},
        {DxfExportMode::VerticesLines, "No Lines defined !",
         "6 Vertices & 2 Lines saved to DXF-File "},
        {DxfExportMode::VerticesLinesPolygons, "No Polygons defined !",
         "6 Vertices & 2 Lines & 3 Polygons saved to DXF-File "}};
    for (const auto& [mode, refusal, line] : cases) {
        EXPECT_EQ(checkDxfExport(Project{}, mode).message, refusal);
        EXPECT_TRUE(checkDxfExport(p, mode).done());
        RecordingLog log;
        EXPECT_EQ(exportDxf(p, path, mode, log).outcome, Outcome::Done);
        EXPECT_EQ(log.lines, std::vector<std::string>{line + path});
        const std::string text = readFile(path);
        std::string error;
        EXPECT_EQ(text, dxfExportText(p, mode, error).value());
        EXPECT_EQ(text.substr(text.size() - 10), "  0\r\nEOF\r\n");
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
                  std::count(text.begin(), text.end(), '\r'));
    }
}

TEST(DxfExport, FailuresWriteNothing) {
    TempFolder dir;
    RecordingLog log;
    Project p = sampleProject();
    auto r = exportDxf(p, dir.file("no/such/folder/out.dxf"), DxfExportMode::Vertices, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_FALSE(r.message.empty());

    p.object.polygons[1].VertexIndices[1] = 99;
    const std::string path = dir.file("broken.dxf");
    r = exportDxf(p, path, DxfExportMode::VerticesLinesPolygons, log);
    EXPECT_EQ(r.outcome, Outcome::Failed);
    EXPECT_EQ(r.message, "Polygon 1 refers to a vertex that does not exist");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(exportDxf(p, path, DxfExportMode::VerticesLines, log).outcome, Outcome::Done)
        << "the polygons are not written in this mode";
}

TEST(DxfExport, ReadsBackIntoTheSameGeometry) {
    TempFolder dir;
    const std::string path = dir.file("round.dxf");
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Project original = randomProject(seed);
        if (original.object.vertices.empty()) continue;
        RecordingLog log;
        ASSERT_EQ(exportDxf(original, path, DxfExportMode::VerticesLinesPolygons, log).outcome,
                  Outcome::Done);
        for (DxfKind kind : {DxfKind::Point, DxfKind::Vertex, DxfKind::Line}) {
            Project back;
            ScriptedPrompts prompts;
            RandomColours colours{1};
            auto r = importDxf(back, path, kind, prompts, log, colours);
            if (r.outcome == Outcome::Refused) continue; // no lines or no polygons
            ASSERT_EQ(r.outcome, Outcome::Done) << r.message;
            for (const Vertex& v : back.object.vertices) {
                auto same = [&](const Vertex& o) { return o.X == v.X && o.Y == v.Y && o.Z == v.Z; };
                EXPECT_TRUE(std::any_of(original.object.vertices.begin(),
                                        original.object.vertices.end(), same))
                    << "seed " << seed << ": every coordinate comes back exactly";
            }
            if (kind != DxfKind::Point) continue;
            // The POINTs are the vertex table, of which each position comes back once.
            Project distinct = original;
            removeDoubleVertices(distinct);
            ASSERT_EQ(back.object.vertices.size(), distinct.object.vertices.size());
            for (std::size_t k = 0; k < back.object.vertices.size(); ++k) {
                const Vertex &a = back.object.vertices[k], &b = distinct.object.vertices[k];
                EXPECT_TRUE(a.X == b.X && a.Y == b.Y && a.Z == b.Z) << "seed " << seed << ", " << k;
            }
            EXPECT_TRUE(back.object.lines.empty() && back.object.polygons.empty());
        }
    }
}

// A drawing exported with polygons, imported as all it holds, is the object
// it was written from: the same vertices in the same order, the same lines
// and the same polygons over them.
TEST(DxfExport, AllOfADrawingComesBackAsTheObject) {
    TempFolder dir;
    const std::string path = dir.file("round.dxf");
    std::vector<Project> originals{exampleProject()};
    for (std::uint32_t seed = 1; seed <= 30; ++seed)
        originals.push_back(gridProject(seed));
    for (const Project& original : originals) {
        RecordingLog log;
        ASSERT_TRUE(exportDxf(original, path, DxfExportMode::VerticesLinesPolygons, log).done());
        Project back;
        ScriptedPrompts prompts;
        RandomColours colours{1};
        ASSERT_TRUE(importScannedDxf(back, path, DxfKind::All, prompts, log, colours).done());
        EXPECT_EQ(back.object.vertices, original.object.vertices);
        EXPECT_EQ(cornersOf(back.object.lines), cornersOf(original.object.lines));
        EXPECT_EQ(cornersOf(back.object.polygons), cornersOf(original.object.polygons));
    }
}
