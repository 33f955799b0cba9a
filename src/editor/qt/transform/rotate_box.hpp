#pragma once
// "Rotate": turns all vertices, or those selected in the vertex window, about
// the X, Y or Z axis through the origin or a vertex picked in the view. Each
// fixed angle chosen, and each change of the free angle, is one rotation step
// at once. "OK" keeps the result; "Cancel" (also closing the window) gives
// back the vertex table as it was when the dialog showed. A tool window: the
// view stays usable for picking the pivot.

#include "editor/core/shell/editor_context.hpp"
#include "model/edits/transformations.hpp"

#include <QDialog>

#include <array>

class QButtonGroup;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace meshsmith {

class RotateBox : public QDialog {
    Q_OBJECT
  public:
    RotateBox(EditorContext& context, QWidget* parent);

  protected:
    void showEvent(QShowEvent* event) override;
    void accept() override; // OK
    void reject() override; // Cancel
    void done(int result) override;

  private:
    void buildControls();
    void onAngleKind();
    void onFixedAngle(int item);
    void onFreeAngle(int degrees);
    void onOrigin();
    void onPivotVertex();
    void onSelectedScope();
    void rotate(double degrees);
    void useOriginPivot();

    EditorContext& context_;
    VertexUndo undo_; // the table when the dialog showed, and after the last step
    int previousFree_ = 0;
    QRadioButton *fixedRadio_ = nullptr, *freeRadio_ = nullptr;
    QComboBox* fixedCombo_ = nullptr;
    QSpinBox* freeSpin_ = nullptr;
    QButtonGroup* axes_ = nullptr; // ids: Axis
    QRadioButton *originRadio_ = nullptr, *vertexRadio_ = nullptr;
    QRadioButton *allRadio_ = nullptr, *selectedRadio_ = nullptr;
};

} // namespace meshsmith
