// The main window's geometry exchange (imports, exports, Remove Double
// Vertices), "Just write ASE", the listing, help and About commands.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/file_filters.hpp"
#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/listing_windows.hpp"
#include "editor/qt/shell/scan_form.hpp"
#include "editor/qt/view/view_form.hpp"
#include "export/ase_writer.hpp"
#include "model/dxf_export.hpp"
#include "model/dxf_scan.hpp"
#include "model/edits/remove_double_vertices.hpp"
#include "model/geometry_text_exchange.hpp"
#include "model/paths.hpp"
#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"

namespace meshsmith {

void MainForm::onImportVertexText() {
    if (auto path = context_.files.openFile(
            openRequest("Open File with Vertex Definition", VertexTextOpenFilter)))
        report(context_.prompts,
               importVertexText(context_.project, *path, context_.prompts, *log_));
    // The view shows the project from now on, also after a cancelled dialog.
    context_.project.ViewReady = true;
    objectChanged();
}

void MainForm::onImport3doText() {
    if (auto path = context_.files.openFile(
            openRequest("Open 3DOText File with Vertex Definition", Text3DOOpenFilter)))
        report(context_.prompts,
               import3DOText(context_.project, *path, context_.prompts, *log_, colours_));
    context_.project.ViewReady = true;
    objectChanged();
}

void MainForm::onImportDxf() {
    const auto path =
        context_.files.openFile(openRequest("Open AutoCAD R12 DXF File", DxfOpenFilter));
    if (path) {
        const DxfScan scan = scanDxf(*path);
        if (!scan.ok) {
            report(context_.prompts, OperationResult::refused(scan.message));
        } else {
            ScanForm form(context_.project, *path, scan, context_.prompts, *log_, colours_, this);
            form.exec();
        }
        context_.project.ViewReady = true;
        if (view_) view_->onZoomAll();
    }
    context_.project.ShowVerticesNow = context_.project.options.ShowVertices;
    objectChanged();
}

std::optional<std::string> MainForm::chooseExportFile(const char* title, SaveFilter filter,
                                                      const char* extension) {
    auto path = context_.files.saveFile(
        exportRequest(title, filter, extension, context_.project, lastExportFolder_));
    if (path) lastExportFolder_ = folderOf(*path);
    return path;
}

void MainForm::onExportVertexText() {
    const OperationResult check = checkGeometryExport(context_.project);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export Vertex Text File", VertexTextSaveFilter, "vtx"))
        report(context_.prompts, exportVertexText(context_.project, *path, *log_));
}

void MainForm::onExport3doText() {
    const OperationResult check = checkGeometryExport(context_.project);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export 3DOText File", Text3DOSaveFilter, "txt"))
        report(context_.prompts, export3DOText(context_.project, *path, *log_));
}

void MainForm::exportDxfCommand(DxfExportMode mode) {
    const OperationResult check = checkDxfExport(context_.project, mode);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export AutoCAD R12 DXF File", DxfSaveFilter, "dxf"))
        report(context_.prompts, exportDxf(context_.project, *path, mode, *log_));
}

void MainForm::onExportDxfVertices() {
    exportDxfCommand(DxfExportMode::Vertices);
}

void MainForm::onExportDxfVerticesLines() {
    exportDxfCommand(DxfExportMode::VerticesLines);
}

void MainForm::onExportDxfVerticesLinesPolygons() {
    exportDxfCommand(DxfExportMode::VerticesLinesPolygons);
}

void MainForm::onWriteAseOnly() {
    if (OperationResult check = checkAseWrite(context_.project); !check.done())
        return report(context_.prompts, check);
    if (auto path = chooseExportFile("Write ASE File", AseSaveFilter, "ase")) {
        report(context_.prompts, writeAse(context_.project, *path, *log_));
    }
}

void MainForm::onDisplayAllContents() {
    ProjectContentsForm form(context_.project, this);
    form.exec();
}

void MainForm::onPrintProject() {
    if (context_.project.object.vertices.empty())
        return context_.prompts.showMessage("No Vertices, No Print !");
    printProjectListing(context_.project, this);
}

void MainForm::onOnlineHelp() {
    openOnlineHelp(context_);
}

void MainForm::onLocalHelp() {
    openLocalHelp(context_);
}

void MainForm::showAboutBox() {
    AboutBox box(context_, view_, this);
    box.exec();
}

} // namespace meshsmith
