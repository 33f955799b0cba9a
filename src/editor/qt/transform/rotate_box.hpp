#pragma once
// "Rotate": turns all vertices, or those selected in the vertex window, about
// the X, Y or Z axis through the origin or a vertex picked in the view. Each
// fixed angle chosen, and each change of the free angle, is one rotation at
// once; consecutive changes of the free angle (typed or stepped) make one step
// of the edit history. "OK" keeps the result; "Cancel" (also closing the
// window) takes back the dialog's steps since it showed, as long as they are
// the latest. A tool window: the view stays usable for picking the pivot.

#include "editor/core/document/window_steps.hpp"
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
    // `mergeKey`: the free angle's changes merge into one step.
    void rotate(double degrees, const char* mergeKey = nullptr);
    void useOriginPivot();

    EditorContext& context_;
    WindowSteps steps_; // the rotations since the dialog showed
    int previousFree_ = 0;
    QRadioButton *fixedRadio_ = nullptr, *freeRadio_ = nullptr;
    QComboBox* fixedCombo_ = nullptr;
    QSpinBox* freeSpin_ = nullptr;
    QButtonGroup* axes_ = nullptr; // ids: Axis
    QRadioButton *originRadio_ = nullptr, *vertexRadio_ = nullptr;
    QRadioButton *allRadio_ = nullptr, *selectedRadio_ = nullptr;
};

} // namespace meshsmith
