#pragma once
// "Copy Polygon": copies the polygons selected in its list by the offsets,
// facing the opposite or the same side, with the texture as it is, mirrored
// or none. Showing it makes polygon 0 the SelectedPolygon; closing leaves none.

#include "editor/qt/transform/polygon_offset_window.hpp"
#include "model/edits/polygon_transformations.hpp"

class QComboBox;

namespace meshsmith {

class PolyCopyForm : public PolygonOffsetWindow {
    Q_OBJECT
  public:
    PolyCopyForm(EditorContext& context, QWidget* parent);

  protected:
    OperationResult act(const std::array<TypedNumber, 3>& offsets) override;
    OperationResult undo() override;
    bool canUndo() const override;
    void selectionChanged() override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    PolygonCopyUndo undo_;
    std::unique_ptr<EditorLog> log_;
    QComboBox *textureCombo_ = nullptr, *sideCombo_ = nullptr;
};

} // namespace meshsmith
