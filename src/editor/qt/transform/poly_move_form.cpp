#include "editor/qt/transform/poly_move_form.hpp"

#include "model/edits/polygon_transformations.hpp"

namespace meshsmith {

PolyMoveForm::PolyMoveForm(EditorContext& context, QWidget* parent)
    : PolygonOffsetWindow(
          context, parent,
          {"PolyMoveForm", "Move Polygon", "PolyMoveListBox", "MoveButton", "Move"}) {}

OperationResult PolyMoveForm::act(const std::array<TypedNumber, 3>& offsets) {
    return movePolygons(context_.project, offsets, undo_);
}

OperationResult PolyMoveForm::undo() {
    return restoreVertices(context_.project, undo_, "Undo Polygon Move");
}

bool PolyMoveForm::canUndo() const {
    return canRestoreVertices(context_.project, undo_);
}

} // namespace meshsmith
