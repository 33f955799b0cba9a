#include "editor/qt/shell/exchange_controller.hpp"

#include "editor/qt/shell/listing_windows.hpp"
#include "editor/qt/shell/scan_form.hpp"
#include "export/ase_writer.hpp"
#include "model/dxf_scan.hpp"
#include "model/geometry_text_exchange.hpp"
#include "model/paths.hpp"
#include "model/text3do_file.hpp"
#include "model/vertex_text_file.hpp"

namespace meshsmith {

ExchangeController::ExchangeController(EditorContext& context, MainActions& actions,
                                       QWidget* window, std::function<void()> zoomAll)
    : QObject(window), context_(context), window_(window), zoomAll_(std::move(zoomAll)),
      log_(std::make_unique<EditorLog>(context)), colours_(RandomColours::fromClock()) {
    using enum MainItem;
    actions.add(ImportVertexText, [this] { onImportVertexText(); });
    actions.add(ImportDxf, [this] { onImportDxf(); });
    actions.add(Import3doText, [this] { onImport3doText(); });
    actions.add(ImportObj, [this] { importModel(ModelFormat::WavefrontObj); });
    actions.add(ImportMaxAse, [this] { importModel(ModelFormat::MaxAse); });
    actions.add(ExportVertexText, [this] { onExportVertexText(); });
    actions.add(ExportDxfVertices, [this] { exportDxfCommand(DxfExportMode::Vertices); });
    actions.add(ExportDxfVerticesLines,
                [this] { exportDxfCommand(DxfExportMode::VerticesLines); });
    actions.add(ExportDxfVerticesLinesPolygons,
                [this] { exportDxfCommand(DxfExportMode::VerticesLinesPolygons); });
    actions.add(Export3doText, [this] { onExport3doText(); });
    actions.add(WriteAseOnly, [this] { onWriteAseOnly(); });
    actions.add(DisplayAllContents, [this] { onDisplayAllContents(); });
    actions.add(PrintProject, [this] { onPrintProject(); });
}

void ExchangeController::onImportVertexText() {
    if (auto path = context_.files.openFile(
            openRequest("Open File with Vertex Definition", VertexTextOpenFilter)))
        report(context_.prompts,
               context_.document.run(&importVertexText, *path, context_.prompts, *log_));
}

void ExchangeController::onImport3doText() {
    if (auto path = context_.files.openFile(
            openRequest("Open 3DOText File with Vertex Definition", Text3DOOpenFilter)))
        report(context_.prompts, context_.document.run(&import3DOText, *path, context_.prompts,
                                                       *log_, colours_));
}

void ExchangeController::onImportDxf() {
    const auto path =
        context_.files.openFile(openRequest("Open AutoCAD R12 DXF File", DxfOpenFilter));
    if (!path) return;
    const DxfScan scan = scanDxf(*path);
    if (!scan.ok) return report(context_.prompts, OperationResult::refused(scan.message));
    ScanForm form(context_.document, *path, scan, context_.prompts, *log_, colours_, window_);
    form.exec();
    if (form.result().done()) zoomAll_();
}

void ExchangeController::importModel(ModelFormat format) {
    const bool obj = format == ModelFormat::WavefrontObj;
    const auto path =
        context_.files.openFile(obj ? openRequest("Open Wavefront OBJ File", ObjOpenFilter)
                                    : openRequest("Open 3ds Max ASE File", MaxAseOpenFilter));
    if (!path) return;
    const ImageDecoder* images = &images_;
    const OperationResult r = context_.document.run(&importModelFile, *path, format,
                                                    context_.prompts, *log_, colours_, images);
    report(context_.prompts, r);
    if (r.done()) zoomAll_();
}

std::optional<std::string> ExchangeController::chooseExportFile(const char* title,
                                                                SaveFilter filter,
                                                                const char* extension) {
    auto path = context_.files.saveFile(exportRequest(title, filter, extension,
                                                      context_.document.project(),
                                                      lastExportFolder_));
    if (path) lastExportFolder_ = folderOf(*path);
    return path;
}

void ExchangeController::onExportVertexText() {
    const Project& p = context_.document.project();
    const OperationResult check = checkGeometryExport(p);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export Vertex Text File", VertexTextSaveFilter, "vtx"))
        report(context_.prompts, exportVertexText(p, *path, *log_));
}

void ExchangeController::onExport3doText() {
    const Project& p = context_.document.project();
    const OperationResult check = checkGeometryExport(p);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export 3DOText File", Text3DOSaveFilter, "txt"))
        report(context_.prompts, export3DOText(p, *path, *log_));
}

void ExchangeController::exportDxfCommand(DxfExportMode mode) {
    const Project& p = context_.document.project();
    const OperationResult check = checkDxfExport(p, mode);
    if (!check.done()) return report(context_.prompts, check);
    if (auto path = chooseExportFile("Export AutoCAD R12 DXF File", DxfSaveFilter, "dxf"))
        report(context_.prompts, exportDxf(p, *path, mode, *log_));
}

void ExchangeController::onWriteAseOnly() {
    const Project& p = context_.document.project();
    if (OperationResult check = checkAseWrite(p); !check.done())
        return report(context_.prompts, check);
    if (auto path = chooseExportFile("Write ASE File", AseSaveFilter, "ase"))
        report(context_.prompts, writeAse(p, *path, *log_));
}

void ExchangeController::onDisplayAllContents() {
    ProjectContentsForm form(context_.document.project(), window_);
    form.exec();
}

void ExchangeController::onPrintProject() {
    if (context_.document.object().vertices.empty())
        return context_.prompts.showMessage("No Vertices, No Print !");
    printProjectListing(context_.document.project(), window_);
}

} // namespace meshsmith
