#pragma once
// What the polygon copy and polygon move windows share: a tool window with
// the list of polygons (a multiple selection: the window's own selection in
// the document), the X, Y and Z offset fields, an action, its own one-level
// Undo (a step back in the history while its last step is the latest) and
// Close. Closing gives up the selection. The list follows every change of the
// document.

#include "editor/core/document/window_steps.hpp"
#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/transform/dialog_parts.hpp"
#include "model/edits/transformations.hpp"

#include <QDialog>

#include <memory>
#include <vector>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace meshsmith {

class PolygonOffsetWindow : public QDialog {
    Q_OBJECT
  public:
    void refreshList();

  protected:
    struct Names {
        const char* window;
        const char* title;
        const char* list;
        const char* action;
        const char* actionCaption;
    };
    PolygonOffsetWindow(EditorContext& context, DocumentSignal& signal, QWidget* parent,
                        const Names& names, Purpose purpose);

    // The window's operation on the polygons chosen, with the offsets read.
    virtual OperationResult act(const std::vector<std::int32_t>& chosen,
                                const std::array<TypedNumber, 3>& offsets) = 0;
    // After the list selection changed.
    virtual void selectionChanged() {}

    // The subclass's own controls come after the Z field in the tab order.
    void tabThrough(const std::vector<QWidget*>& controls);
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    const std::vector<std::int32_t>& chosen() const { return context_.document.selected(purpose_); }

    EditorContext& context_;
    QVBoxLayout* extrasLayout_ = nullptr; // the subclass's controls, above the buttons

  private:
    void onAction();
    void onUndo();
    void onSelectionChanged();
    void onDocumentChanged(const DocumentChange& change);

    Purpose purpose_;
    WindowSteps undo_;
    QListWidget* list_ = nullptr;
    OffsetFields fields_;
    QPushButton *actionButton_ = nullptr, *undoButton_ = nullptr, *closeButton_ = nullptr;
};

} // namespace meshsmith
