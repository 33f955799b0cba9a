// The scan before a DXF import and the OK button of its dialog. Its counts and
// captions are shown by the scan dialog's window test.

#include "dxf_test_support.hpp"
#include "geometry_text_test_support.hpp"
#include "model/dxf_scan.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::string mixedFile() {
    return dxfFile({dxfPoint({"1", "1", "1"}), dxfPoint({"2", "2", "2"}),
                    dxfLine({"1", "1", "1"}, {"3", "3", "3"}),
                    dxfFace({"0", "0", "0"}, {"1", "0", "0"}, {"1", "1", "0"}, {"1", "1", "0"})});
}

} // namespace

TEST(DxfScan, RefusesWhatCannotBeImported) {
    TempFolder dir;
    const std::string missing = dir.file("gone.dxf");
    EXPECT_EQ(scanDxf(missing).message, "Unable to load file " + missing);
    EXPECT_FALSE(scanDxf(missing).ok);

    const std::string binary = dir.file("binary.dxf");
    writeFile(binary, std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "\x00\x02HEADER");
    EXPECT_EQ(scanDxf(binary).message, "Binary DXF format not supported...");

    const std::string empty = dir.file("empty.dxf");
    writeFile(empty, dxfFile({{"0", "CIRCLE", "10", "0", "20", "0", "40", "1"}}));
    const DxfScan scan = scanDxf(empty);
    EXPECT_FALSE(scan.ok);
    EXPECT_EQ(scan.message, "Unable to import from file '" + empty + "'\r" +
                                " No POINT, VERTEX, LINE or 3DFACE entities found !");
}

TEST(DxfScan, CountsPolyfaceMeshesWithTheirFacesApart) {
    const DxfScan scan = scanDxf(sourcePath("tests/data/imports/polyface.polyface.dxf"));
    // The meshes' position vertices are VERTEX entities, their face records
    // are not; the meshes are no POLYLINE outlines, but all reads them.
    EXPECT_EQ(scan.counts, (std::array<std::size_t, 7>{0, 8, 0, 0, 0, 2, 2}));
    EXPECT_EQ(scan.radioCaptions[5], "2 polyface meshes with 5 faces in DXF");
    EXPECT_EQ(chosenDxfKind(scan, DxfKind::Polyface), DxfKind::Polyface);
}

TEST(DxfScanDialog, OnlyAnEnabledCheckedKindIsChosen) {
    TempFolder dir;
    const std::string path = dir.file("stand.dxf");
    writeFile(path, mixedFile());
    const DxfScan scan = scanDxf(path);
    EXPECT_EQ(chosenDxfKind(scan, std::nullopt), std::nullopt);
    EXPECT_EQ(chosenDxfKind(scan, DxfKind::Vertex), std::nullopt) << "no VERTEX in the file";
    EXPECT_EQ(chosenDxfKind(scan, DxfKind::Point), DxfKind::Point);
}

TEST(DxfScanDialog, OkImportsTheKindThenMergesDoubles) {
    TempFolder dir;
    const std::string path = dir.file("stand.dxf");
    // Opposite corners of the face at one new position: the import adds both,
    // the merge that follows makes them one.
    writeFile(path, dxfFile({dxfFace({"0", "0", "0"}, {"5", "5", "5"}, {"0", "0", "0"},
                                     {"1", "0", "0"})}));
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    RandomColours colours{1};
    auto r = importScannedDxf(p, path, DxfKind::Face, prompts, log, colours);
    EXPECT_EQ(r.outcome, Outcome::Done);
    EXPECT_EQ(log.lines, (std::vector<std::string>{"1 valid Polygons loaded from file " + path,
                                                   "Removed 1 overlaying/double Vertices"}));
    EXPECT_EQ(p.object.vertices.size(), 3u);
    EXPECT_EQ(p.object.polygons.at(0).VertexIndices, (std::vector<std::int32_t>{0, 1, 0, 2, 0}));
}

TEST(DxfScanDialog, NoMergeAfterACancelledImport) {
    TempFolder dir;
    const std::string path = dir.file("stand.dxf");
    writeFile(path, mixedFile());
    Project p = sampleProject();
    p.object.vertices.push_back(p.object.vertices[0]); // a double the user has not asked to merge
    const Project before = p;
    ScriptedPrompts prompts; // no offsets queued: the offset dialog is cancelled
    RecordingLog log;
    RandomColours colours{1};
    auto r = importScannedDxf(p, path, DxfKind::Point, prompts, log, colours);
    EXPECT_EQ(r.outcome, Outcome::Cancelled);
    EXPECT_EQ(projectFingerprint(p), projectFingerprint(before));
    EXPECT_TRUE(log.lines.empty());
}
