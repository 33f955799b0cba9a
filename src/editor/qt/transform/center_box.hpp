#pragma once
// "Center All Vertices": moves the object so that the centre of its bounding
// box lies at the origin. While it shows, the main menu's "Show Axis" is on;
// closing gives that switch its previous state back.

#include "editor/qt/transform/vertex_transform_box.hpp"

class QAction;

namespace meshsmith {

class CenterBox : public VertexTransformBox {
    Q_OBJECT
  public:
    // `showAxis`: the main menu's checkable "Show Axis" item.
    CenterBox(EditorContext& context, QAction* showAxis, QWidget* parent);

  protected:
    OperationResult transform(VertexScope scope) override;
    bool closesAfterAction() const override { return false; }
    void prepare() override;
    void done(int result) override;

  private:
    void showAxis(bool on);

    QAction* showAxis_;
    bool axisShownBefore_ = false;
};

} // namespace meshsmith
