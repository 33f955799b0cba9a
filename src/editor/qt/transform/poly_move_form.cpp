#include "editor/qt/transform/poly_move_form.hpp"

#include "model/edits/polygon_transformations.hpp"

namespace meshsmith {

PolyMoveForm::PolyMoveForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : PolygonOffsetWindow(context, signal, parent,
                          {"PolyMoveForm", "Move Polygon", "PolyMoveListBox", "MoveButton", "Move"},
                          Purpose::MovedPolygons) {}

OperationResult PolyMoveForm::act(const std::vector<std::int32_t>& chosen,
                                  const std::array<TypedNumber, 3>& offsets) {
    return context_.document.run(&movePolygons, chosen, offsets);
}

} // namespace meshsmith
