#pragma once
// What the move, mirror, scale and center dialogs share: a modal dialog over
// the vertex table with an action for all vertices, one for the selected
// vertices (not in every dialog), its own one-level Undo (a step back in the
// edit history while the dialog's last step is the latest), and Cancel. A
// dialog reads its controls in transform(); the operation's refusal is
// reported here.

#include "editor/core/document/window_steps.hpp"
#include "editor/core/shell/editor_context.hpp"
#include "model/edits/transformations.hpp"

#include <QDialog>

#include <memory>

class QBoxLayout;
class QPushButton;

namespace meshsmith {

class VertexTransformBox : public QDialog {
    Q_OBJECT
  public:
    struct ButtonText {
        const char* name;
        const char* caption;
        const char* hint;
    };

  protected:
    VertexTransformBox(EditorContext& context, QWidget* parent, const char* objectName,
                       const char* title);
    ~VertexTransformBox() override;

    // The dialog's operation over the vertices `which` names.
    virtual OperationResult transform(const VertexChoice& which) = 0;
    // Whether the dialog closes after its action (center's stays) and after
    // its Undo (mirror's closes).
    virtual bool closesAfterAction() const { return true; }
    virtual bool closesAfterUndo() const { return false; }

    // Adds the buttons in one row: the action for all vertices, the one for
    // the selected (none when `selected.name` is null), "Undo", and Cancel.
    void addButtons(QBoxLayout* layout, ButtonText all, ButtonText selected, ButtonText undo,
                    ButtonText cancel);
    // The actions become usable: "all", and "selected" when a vertex is selected.
    void enableActions();
    // Sets the controls up each time the dialog shows (not when it is only
    // restored from minimized).
    virtual void prepare() {}
    void showEvent(QShowEvent* event) override;

    EditorContext& context_;
    std::unique_ptr<EditorLog> log_;
    WindowSteps undo_;
    QPushButton *allButton_ = nullptr, *selectedButton_ = nullptr;
    QPushButton *undoButton_ = nullptr, *cancelButton_ = nullptr;

  private:
    void onAction(VertexScope scope);
    void onUndo();
    void onCancel();
    void updateUndo();
};

} // namespace meshsmith
