#pragma once
// "Move Polygon": moves the vertices of the polygons selected in its list by
// the offsets, each shared corner once.

#include "editor/qt/transform/polygon_offset_window.hpp"
#include "model/edits/transformations.hpp"

namespace meshsmith {

class PolyMoveForm : public PolygonOffsetWindow {
    Q_OBJECT
  public:
    PolyMoveForm(EditorContext& context, DocumentSignal& signal, QWidget* parent);

  protected:
    OperationResult act(const std::vector<std::int32_t>& chosen,
                        const std::array<TypedNumber, 3>& offsets) override;
};

} // namespace meshsmith
