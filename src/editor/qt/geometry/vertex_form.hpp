#pragma once
// The vertex window "Create/Add vertices manually": the list of all vertices,
// the X, Y and Z fields, and the buttons that add, modify and remove vertices
// and give back the window's last change (a step back in the edit history
// while that change is the latest step). A tool window that stays on top of
// the main window. It reads its controls, asks the document to run one vertex
// operation, reports what the operation refused, and follows the document.

#include "editor/core/geometry/vertex_form_rules.hpp"
#include "editor/core/document/window_steps.hpp"
#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace meshsmith {

class VertexForm : public QDialog {
    Q_OBJECT
  public:
    VertexForm(EditorContext& context, DocumentSignal& signal, QWidget* parent);

    // Rebuilds the list and the count from the vertex table.
    void refreshList();

  protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void onAddOrModify();
    void onSelectionChanged();
    void onDoubleClicked();
    void onRemoveSelected();
    void onRemoveAll();
    void onUndo();
    // After an operation: the report; its step is what Undo gives back.
    void finish(const OperationResult& result);
    void onDocumentChanged(const DocumentChange& change);
    void leaveModifyMode();
    VertexFields fields() const;
    void showFields(const VertexFields& f);
    void updateButtons();

    EditorContext& context_;
    std::unique_ptr<EditorLog> log_;
    bool modifyMode_ = false;
    WindowSteps undo_;
    QListWidget* list_ = nullptr;
    QLineEdit *xEdit_ = nullptr, *yEdit_ = nullptr, *zEdit_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QPushButton *actionButton_ = nullptr, *removeButton_ = nullptr, *removeAllButton_ = nullptr;
    QPushButton *undoButton_ = nullptr, *closeButton_ = nullptr;
};

} // namespace meshsmith
