// The main window's Modify menu: the transformation dialogs, each made once
// and shown again on every command, so that its own Undo copy stays with it.
#include "editor/qt/shell/main_form.hpp"

#include "editor/qt/transform/center_box.hpp"
#include "editor/qt/transform/mirror_box.hpp"
#include "editor/qt/transform/move_box.hpp"
#include "editor/qt/transform/poly_copy_form.hpp"
#include "editor/qt/transform/poly_move_form.hpp"
#include "editor/qt/transform/rotate_box.hpp"
#include "editor/qt/transform/scale_box.hpp"

namespace meshsmith {
namespace {

// Shows the window of type Window that belongs to `form`, made by `make` the first time.
template <typename Window, typename Make> void showWindow(MainForm* form, Make make) {
    auto* window = form->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) window = make();
    window->show();
    window->raise();
    window->activateWindow();
}

template <typename Window> void showWindow(MainForm* form, EditorContext& context) {
    showWindow<Window>(form, [&] { return new Window(context, form); });
}

} // namespace

void MainForm::onRotate() {
    showWindow<RotateBox>(this, context_);
}

void MainForm::onMove() {
    showWindow<MoveBox>(this, context_);
}

void MainForm::onMirror() {
    showWindow<MirrorBox>(this, context_);
}

void MainForm::onScale() {
    showWindow<ScaleBox>(this, context_);
}

void MainForm::onCenter() {
    showWindow<CenterBox>(
        this, [this] { return new CenterBox(context_, item(MainItem::ShowAxis), this); });
}

void MainForm::onCopyPolygon() {
    showWindow<PolyCopyForm>(this, context_);
}

void MainForm::onMovePolygon() {
    showWindow<PolyMoveForm>(this, context_);
}

} // namespace meshsmith
