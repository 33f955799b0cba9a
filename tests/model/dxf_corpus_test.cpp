// Real DXF files from other programs (../shared/corpus/dxf): each imports, or
// is refused with a clear message, and none crashes.

#include "dxf_test_support.hpp"
#include "model/dxf_import.hpp"
#include "model/dxf_scan.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

#define SKIP_WITHOUT_CORPUS(path)                                                                  \
    if (!std::filesystem::exists(path))                                                            \
    GTEST_SKIP() << "corpus file " << (path) << " is not there (../shared/corpus)"

struct Imported {
    Project project;
    ScriptedPrompts prompts;
    RecordingLog log;
    OperationResult result;
};

// The import as the scan dialog runs it, into a new project.
std::unique_ptr<Imported> importCorpus(const std::string& path, DxfKind kind) {
    auto im = std::make_unique<Imported>();
    RandomColours colours{11};
    const DxfScan scan = scanDxf(path);
    EXPECT_TRUE(scan.ok) << scan.message;
    im->result = importScannedDxf(im->project, path, kind, im->prompts, im->log, colours);
    EXPECT_FALSE(findObjectFault(im->project.object));
    return im;
}

bool at(const Vertex& v, float x, float y, float z) {
    return v.X == x && v.Y == y && v.Z == z;
}

} // namespace

TEST(DxfCorpus, EveryKindOfEveryFileImportsOrIsRefusedClearly) {
    const std::string folder = corpusPath("dxf");
    SKIP_WITHOUT_CORPUS(folder);
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string path = entry.path().string();
        const DxfScan scan = scanDxf(path);
        ASSERT_TRUE(scan.ok) << path << ": " << scan.message;
        for (std::size_t k = 0; k < kDxfChoices.size(); ++k) {
            // Into an empty project and into one that holds data already.
            for (bool append : {false, true}) {
                Project p = append ? sampleProject() : Project{};
                ScriptedPrompts prompts;
                prompts.offsets.push_back(VertexOffset{1, 2, 3});
                RecordingLog log;
                RandomColours colours{1};
                auto r = importDxf(p, path, kDxfChoices[k], prompts, log, colours);
                if (scan.enabled[k])
                    EXPECT_EQ(r.outcome, Outcome::Done) << path << " " << k << ": " << r.message;
                else
                    EXPECT_EQ(r.outcome, Outcome::Refused) << path << " " << k;
                EXPECT_FALSE(findObjectFault(p.object)) << path;
            }
        }
    }
}

TEST(DxfCorpus, FacesWithCornersInReverseCodeOrder) {
    // Each face lists its corners 13, 12, 11, 10; its triangles repeat the
    // corner under code 10 as the one under 11.
    const std::string path = corpusPath("dxf/PinkEggFromLW.dxf");
    SKIP_WITHOUT_CORPUS(path);
    auto im = importCorpus(path, DxfKind::Face);
    ASSERT_EQ(im->result.outcome, Outcome::Done) << im->result.message;
    const Project& p = im->project;
    ASSERT_EQ(p.object.polygons.size(), 288u);
    std::size_t triangles = 0;
    for (const ObjectData& poly : p.object.polygons) {
        triangles += poly.VertexCount == 4 ? 1 : 0;
        const std::set<std::int32_t> corners(poly.VertexIndices.begin(),
                                             poly.VertexIndices.end() - 1);
        EXPECT_EQ(corners.size(), static_cast<std::size_t>(poly.VertexCount - 1))
            << "no polygon has a repeated corner";
    }
    EXPECT_EQ(triangles, 48u);
    // The first face's corner under code 10 comes first.
    EXPECT_TRUE(
        at(p.object.vertices[static_cast<std::size_t>(p.object.polygons[0].VertexIndices[0])],
           0.5375f, -2.028444f, -0.120818f));
    EXPECT_TRUE(
        at(p.object.vertices[static_cast<std::size_t>(p.object.polygons[0].VertexIndices[2])], 0.0f,
           -2.1f, 0.05f));
}

TEST(DxfCorpus, PolylineVerticesOfR12AndNewerFiles) {
    const std::string cc = corpusPath("dxf/cc_dxflib.dxf");
    SKIP_WITHOUT_CORPUS(cc);
    // Five VERTEX entities, the last one closing the outline on the first.
    EXPECT_EQ(importCorpus(cc, DxfKind::Vertex)->project.object.vertices.size(), 4u);
    auto poli = importCorpus(corpusPath("dxf/POLI-ALL210_12.DXF"), DxfKind::Face);
    EXPECT_EQ(poli->project.object.polygons.size(), 1u);
    // Polyface meshes: 768 position vertices, and 1290 face records that hold
    // no position (all 0), which are neither vertices nor silently dropped.
    const std::string meshes = corpusPath("dxf/issue_2229.dxf");
    auto mesh = importCorpus(meshes, DxfKind::Vertex);
    EXPECT_EQ(mesh->result.outcome, Outcome::Done);
    EXPECT_EQ(mesh->project.object.vertices.size(), 768u);
    EXPECT_TRUE(mesh->log.contains("Skipped 4 polyface mesh(es) with 1290 face(s): their faces "
                                   "are not imported as polygons"));
    const DxfScan scan = scanDxf(meshes);
    EXPECT_EQ(scan.counts[1], 768u);
    EXPECT_EQ(scan.radioCaptions[5], "4 polyface meshes with 1290 faces in DXF");
    // Read as polyface meshes: 1060 triangles and 230 quads over the same
    // vertices (counted with ezdxf).
    auto faces = importCorpus(meshes, DxfKind::Polyface);
    EXPECT_EQ(faces->project.object.vertices.size(), 768u);
    ASSERT_EQ(faces->project.object.polygons.size(), 1290u);
    EXPECT_EQ(std::count_if(faces->project.object.polygons.begin(),
                            faces->project.object.polygons.end(),
                            [](const ObjectData& poly) { return poly.VertexCount == 4; }),
              1060);
}
