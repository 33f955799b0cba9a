#pragma once
// "Center All Vertices": moves the object so that the centre of its bounding
// box lies at the origin. While it shows, the main menu's "Show Axis" is on;
// closing gives that switch its previous state back.

#include "editor/qt/transform/vertex_transform_box.hpp"

namespace meshsmith {

class CenterBox : public VertexTransformBox {
    Q_OBJECT
  public:
    CenterBox(EditorContext& context, QWidget* parent);

  protected:
    OperationResult transform(const VertexChoice& which) override;
    bool closesAfterAction() const override { return false; }
    void prepare() override;
    void done(int result) override;

  private:
    void showAxis(bool on);

    bool axisShownBefore_ = false;
};

} // namespace meshsmith
