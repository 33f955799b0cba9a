#pragma once
// What the polygon copy and polygon move windows share: a tool window with
// the list of polygons (a multiple selection that sets the polygons' Selected
// flags), the X, Y and Z offset fields, an action, its own one-level Undo and
// Close. Closing deselects every polygon. The list follows every change of
// the object (RecordList).

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/transform/dialog_parts.hpp"
#include "model/edits/transformations.hpp"

#include <QDialog>

#include <memory>
#include <vector>

class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace meshsmith {

class PolygonOffsetWindow : public QDialog, public RecordList {
    Q_OBJECT
  public:
    ~PolygonOffsetWindow() override;
    void refreshList() override;

  protected:
    struct Names {
        const char* window;
        const char* title;
        const char* list;
        const char* action;
        const char* actionCaption;
    };
    PolygonOffsetWindow(EditorContext& context, QWidget* parent, const Names& names);

    // The window's operation with the offsets read; its Undo and whether it may be used.
    virtual OperationResult act(const std::array<TypedNumber, 3>& offsets) = 0;
    virtual OperationResult undo() = 0;
    virtual bool canUndo() const = 0;
    // After the list selection changed.
    virtual void selectionChanged() {}

    // The subclass's own controls come after the Z field in the tab order.
    void tabThrough(const std::vector<QWidget*>& controls);
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

    EditorContext& context_;
    QVBoxLayout* extrasLayout_ = nullptr; // the subclass's controls, above the buttons

  private:
    void onAction();
    void onUndo();
    void onSelectionChanged();

    QListWidget* list_ = nullptr;
    OffsetFields fields_;
    QPushButton *actionButton_ = nullptr, *undoButton_ = nullptr, *closeButton_ = nullptr;
};

} // namespace meshsmith
