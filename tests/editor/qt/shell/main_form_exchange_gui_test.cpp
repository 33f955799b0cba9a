// Geometry exchange wired to the main window: the DXF scan dialog, the import
// and export commands with their file dialogs. The menu rules and the file
// formats are tested headless.
#include "editor/core/shell/file_filters.hpp"
#include "editor/qt/shell/qt_services.hpp"
#include "editor/qt/shell/scan_form.hpp"
#include "editor_harness.hpp"
#include "model/bmp_image.hpp"
#include "model/paths.hpp"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMenu>

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

const char* const kTwoLines =
    "0\nSECTION\n2\nENTITIES\n"
    "0\nLINE\n8\n0\n10\n0.0\n20\n0.0\n30\n0.0\n11\n1.0\n21\n0.0\n31\n0.0\n"
    "0\nLINE\n8\n0\n10\n1.0\n20\n0.0\n30\n0.0\n11\n1.0\n21\n2.0\n31\n0.0\n"
    "0\nENDSEC\n0\nEOF\n";

} // namespace

TEST(MainFormExchange, DxfScanDialogThenExportsThatCheckTheProjectAndWriteTheChosenFile) {
    EditorHarness h;
    MainForm& form = h.start();
    form.item(MainItem::ExportDxfVertices)->trigger();
    EXPECT_EQ(h.prompts.messages.back(), "No Vertices defined !");

    // The scan dialog shows the counts and disables the kinds the file lacks.
    const std::string dxf = h.work.file("two lines.dxf");
    writeFile(dxf, kTwoLines);
    h.files.paths = {dxf};
    whenShown<ScanForm>("ScanForm", [&](ScanForm& scan) {
        auto radio = [&](const char* name) { return scan.findChild<QAbstractButton*>(name); };
        EXPECT_EQ(scan.windowTitle(), "Scanning file 'two lines.dxf'");
        EXPECT_EQ(radio("LRadioButton")->text(), "2 LINE objects in DXF");
        EXPECT_EQ(radio("PRadioButton")->text(), "0 POINT objects in DXF");
        EXPECT_EQ(radio("PFRadioButton")->text(), "0 polyface meshes with 0 faces in DXF");
        for (const char* kind :
             {"PRadioButton", "VRadioButton", "FRadioButton", "PFRadioButton", "LRadioButton"})
            EXPECT_EQ(radio(kind)->isEnabled(), *kind == 'L') << kind;
        button(&scan, "OKButton")->click(); // nothing chosen: the dialog stays
        EXPECT_EQ(h.prompts.messages.back(), "Select objects to import!");
        EXPECT_TRUE(scan.isVisible());
        radio("LRadioButton")->click();
        button(&scan, "OKButton")->click();
    });
    form.item(MainItem::ImportDxf)->trigger();
    EXPECT_EQ(h.project().object.lines.size(), 2u);
    EXPECT_EQ(h.project().object.vertices.size(), 3u); // the shared corner is found once
    EXPECT_TRUE(h.project().GeometryPresent);
    EXPECT_EQ(h.files.requests.back().title, "Open AutoCAD R12 DXF File");

    h.prompts.answers = {Answer::No}; // "Save project data ?"
    h.openExample();
    std::filesystem::create_directory(h.work.path() / "out");
    const std::string vtx = h.work.file("out/a.vtx"), dxfOut = h.work.file("out/a.dxf");
    h.files.paths = {vtx, dxfOut, std::nullopt};
    h.files.requests.clear();
    form.item(MainItem::ExportVertexText)->trigger();
    form.item(MainItem::ExportDxfVerticesLinesPolygons)->trigger();
    form.item(MainItem::Export3doText)->trigger();
    EXPECT_TRUE(fileExists(dxfOut)); // the vertex text is read back below
    // Each export's own dialog: title, file type, the project's name in the
    // project's folder, then in the folder of the last export.
    struct Expected {
        const char *title, *pattern;
        std::string proposed;
    };
    const Expected expected[] = {
        {"Export Vertex Text File", "(*.vtx)", h.work.file("stand.vtx")},
        {"Export AutoCAD R12 DXF File", "(*.dxf)", h.work.file("out/stand.dxf")},
        {"Export 3DOText File", "(*.txt)", h.work.file("out/stand.txt")}};
    ASSERT_EQ(h.files.requests.size(), 3u);
    for (std::size_t k = 0; k < 3; ++k) {
        const FileDialogRequest& r = h.files.requests[k];
        QFileDialog dialog;
        prepareFileDialog(dialog, r, true);
        EXPECT_EQ(dialog.windowTitle(), expected[k].title);
        EXPECT_TRUE(dialog.selectedNameFilter().endsWith(expected[k].pattern))
            << dialog.selectedNameFilter().toStdString();
        EXPECT_EQ(r.presetPath, expected[k].proposed);
    }
    QFileDialog untitled;
    prepareFileDialog(untitled, saveRequest(ProjectSaveFilter, "3dp"), true);
    EXPECT_EQ(untitled.windowTitle(), "Save As");

    // The vertex text comes back in, appended with the offsets asked for.
    h.files.paths = {vtx};
    h.prompts.offsets = {VertexOffset{10, 0, 0}};
    form.item(MainItem::ImportVertexText)->trigger();
    EXPECT_EQ(h.project().object.vertices.size(), 108u);
    EXPECT_FLOAT_EQ(h.project().object.vertices[54].X, h.project().object.vertices[0].X + 10);
}

TEST(MainFormExchange, ObjFileComesInWithItsTextureAndUndoTakesItOut) {
    EditorHarness h;
    MainForm& form = h.start();
    writeBmpFile(h.work.file("wall.bmp"), filledBmp(16, 16, 0x00336699));
    writeFile(h.work.file("wall.mtl"), "newmtl brick\nmap_Kd wall.bmp\n");
    writeFile(h.work.file("wall.obj"), "mtllib wall.mtl\nv 0 0 0\nv 4 0 0\nv 4 0 3\nv 0 0 3\n"
                                       "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n"
                                       "usemtl brick\nf 1/1 2/2 3/3 4/4\n");
    // Geometry > Import Geometry from.... > Wavefront OBJ file, after the three others.
    const QList<QAction*> imports = form.findChild<QMenu*>("ImportMenu")->actions();
    ASSERT_EQ(imports.size(), 5);
    EXPECT_EQ(imports[3], form.item(MainItem::ImportObj));
    EXPECT_EQ(imports[3]->text(), "Wavefront OBJ file");
    EXPECT_EQ(imports[4]->text(), "3ds Max ASE file");
    h.files.paths = {h.work.file("wall.obj")};
    imports[3]->trigger();
    EXPECT_EQ(h.files.requests.back().title, "Open Wavefront OBJ File");
    const TrackObject& o = h.project().object;
    EXPECT_TRUE(o.vertices.size() == 4 && o.polygons.size() == 1 && o.textures.size() == 1);
    EXPECT_EQ(o.polygons.at(0).TextureIndex, 0);
    EXPECT_TRUE(h.logHas("1 Polygons loaded from file " + h.work.file("wall.obj")));
    form.item(MainItem::Undo)->trigger();
    EXPECT_TRUE(h.project().object.vertices.empty() && h.project().object.textures.empty());
}
