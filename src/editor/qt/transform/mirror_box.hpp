#pragma once
// "Mirror": negates one coordinate of all vertices or of the selected ones,
// or with "Keep Original" adds the mirrored vertices beside them. No axis is
// chosen when it shows; choosing one makes the actions usable.

#include "editor/qt/transform/vertex_transform_box.hpp"

class QButtonGroup;
class QCheckBox;

namespace meshsmith {

class MirrorBox : public VertexTransformBox {
    Q_OBJECT
  public:
    MirrorBox(EditorContext& context, QWidget* parent);

  protected:
    OperationResult transform(const VertexChoice& which) override;
    bool closesAfterUndo() const override { return true; }
    void prepare() override;

  private:
    QButtonGroup* axes_ = nullptr; // ids 0, 1, 2: X, Y, Z
    QCheckBox* keepBox_ = nullptr;
};

} // namespace meshsmith
