// The main window's editing commands: the Edit menu's Undo and Redo over the
// edit history, the vertex, line and polygon windows, the whole-table vertex
// commands, the visualization lines and the texture windows.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/geometry/pick_start.hpp"
#include "editor/core/textures/texture_library_rules.hpp"
#include "editor/qt/geometry/line_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "editor/qt/view/view_form.hpp"
#include "model/edits/edit.hpp"
#include "model/edits/line_edits.hpp"
#include "model/edits/vertex_edits.hpp"

#include <QAction>

namespace meshsmith {

void MainForm::objectChanged() {
    context_.refreshLists();
    updateEditMenu();
    redrawView(); // the tool bar follows at the next idle moment
}

void MainForm::reportAndFollow(const OperationResult& r) {
    report(context_.prompts, r);
    objectChanged();
}

void MainForm::updateEditMenu() {
    const Project& p = context_.project;
    item(MainItem::Undo)->setText(QString::fromStdString("&" + undoCaption(p)));
    item(MainItem::Undo)->setEnabled(p.history.canUndo());
    item(MainItem::Redo)->setText(QString::fromStdString("&" + redoCaption(p)));
    item(MainItem::Redo)->setEnabled(p.history.canRedo());
}

void MainForm::onUndo() {
    reportAndFollow(undoEdit(context_.project));
}

void MainForm::onRedo() {
    reportAndFollow(redoEdit(context_.project));
}

namespace {

void showTool(QDialog* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void MainForm::onCreateVertices() {
    if (!vertexForm_) vertexForm_ = new VertexForm(context_, this);
    showTool(vertexForm_);
}

void MainForm::onPolygons() {
    if (!polygonForm_) polygonForm_ = new PolygonForm(context_, this);
    showTool(polygonForm_);
}

void MainForm::onLines() {
    if (!lineForm_) lineForm_ = new LineForm(context_, lineColour_, this);
    showTool(lineForm_);
}

void MainForm::onCreateVisualizationLines() {
    auto pickColour = [this](Rgb& colour) { chooseColour(context_.files, colour); };
    reportAndFollow(createVisualizationLinesStep(context_.project, lineColour_, pickColour, *log_));
}

void MainForm::onRemoveVisualizationLines() {
    reportAndFollow(removeVisualizationLinesStep(context_.project, *log_));
}

void MainForm::onConvertVisualizationLines() {
    const OperationResult r = convertVisualizationLines(context_.project, *log_);
    reportAndFollow(r);
    if (r.done()) onLines();
}

TextureWindowHooks MainForm::textureHooks() {
    return {[this] { view_->rebuildTextures(); },
            [this](bool on) {
                context_.project.options.ShowTextures = on;
                item(MainItem::ShowTextures)->setChecked(on);
                redrawView();
            }};
}

void MainForm::onLoadTextures() {
    if (!textureForm_) textureForm_ = new TextureForm(context_, textureHooks(), this);
    showTool(textureForm_);
}

void MainForm::onAssignTextures() {
    context_.project.SelectedPolygon = 0;
    if (!selectTextureForm_)
        selectTextureForm_ = new SelectTextureForm(context_, textureHooks(), this);
    selectTextureForm_->show();
    selectTextureForm_->refreshList();
    selectTextureForm_->raise();
    selectTextureForm_->activateWindow();
}

void MainForm::onCheckBackColors() {
    previewBackColors(context_.project, context_.prompts, textureHooks().showTextures,
                      [this] { redrawView(); });
}

void MainForm::onCreateInterpolatedVertex() {
    reportAndFollow(createInterpolatedVertex(context_.project, *log_));
}

void MainForm::onAddInterpolatedVertices() {
    reportAndFollow(addInterpolatedVertices(context_.project, context_.prompts, *log_));
}

void MainForm::onRemoveDoubleVertices() {
    reportAndFollow(removeDoubleVerticesStep(context_.project, *log_));
}

} // namespace meshsmith
