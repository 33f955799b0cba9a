#pragma once
// "Scale": multiplies one coordinate, or all three, of all vertices or of the
// selected ones by the factor, about the origin.

#include "editor/qt/transform/vertex_transform_box.hpp"

class QLineEdit;
class QButtonGroup;

namespace meshsmith {

class ScaleBox : public VertexTransformBox {
    Q_OBJECT
  public:
    ScaleBox(EditorContext& context, QWidget* parent);

  protected:
    OperationResult transform(const VertexChoice& which) override;
    void prepare() override;

  private:
    QLineEdit* factorEdit_ = nullptr;
    QButtonGroup* axes_ = nullptr; // ids: Axis, then All Directions
};

} // namespace meshsmith
