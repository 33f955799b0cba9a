// The main window's editing commands: the Edit menu's Undo and Redo over the
// edit history, the vertex window, and the whole-table vertex commands.
#include "editor/qt/shell/main_form.hpp"

#include "editor/qt/geometry/vertex_form.hpp"
#include "model/edits/edit.hpp"
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

void MainForm::onCreateVertices() {
    if (!vertexForm_) vertexForm_ = new VertexForm(context_, this);
    vertexForm_->show();
    vertexForm_->raise();
    vertexForm_->activateWindow();
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
