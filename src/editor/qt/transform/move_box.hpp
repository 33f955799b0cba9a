#pragma once
// "Move": adds the X, Y and Z offsets to all vertices or to the selected ones.
// Both actions wait until a field is edited.

#include "editor/qt/transform/dialog_parts.hpp"
#include "editor/qt/transform/vertex_transform_box.hpp"

namespace meshsmith {

class MoveBox : public VertexTransformBox {
    Q_OBJECT
  public:
    MoveBox(EditorContext& context, QWidget* parent);

  protected:
    OperationResult transform(const VertexChoice& which) override;
    void prepare() override;

  private:
    OffsetFields fields_;
};

} // namespace meshsmith
