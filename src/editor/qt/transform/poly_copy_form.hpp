#pragma once
// "Copy Polygon": copies the polygons selected in its list by the offsets,
// facing the opposite or the same side, with the texture as it is, mirrored
// or none.

#include "editor/qt/transform/polygon_offset_window.hpp"
#include "model/edits/polygon_transformations.hpp"

class QComboBox;

namespace meshsmith {

class PolyCopyForm : public PolygonOffsetWindow {
    Q_OBJECT
  public:
    PolyCopyForm(EditorContext& context, DocumentSignal& signal, QWidget* parent);

  protected:
    OperationResult act(const std::vector<std::int32_t>& chosen,
                        const std::array<TypedNumber, 3>& offsets) override;
    void selectionChanged() override;
    void showEvent(QShowEvent* event) override;

  private:
    QComboBox *textureCombo_ = nullptr, *sideCombo_ = nullptr;
};

} // namespace meshsmith
