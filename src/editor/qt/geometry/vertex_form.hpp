#pragma once
// The vertex window "Create/Add vertices manually": the list of all vertices,
// the X, Y and Z fields, and the buttons that add, modify and remove vertices
// and give back the window's last change. A tool window that stays on top of
// the main window. It reads its controls, calls one vertex operation, reports
// what the operation refused and lets the main window follow the change.

#include "editor/core/geometry/vertex_form_rules.hpp"
#include "editor/core/shell/editor_context.hpp"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace meshsmith {

class VertexForm : public QDialog, public RecordList {
    Q_OBJECT
  public:
    VertexForm(EditorContext& context, QWidget* parent);
    ~VertexForm() override;

    // Rebuilds the list and the count from the vertex table.
    void refreshList() override;

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
    // After an operation: the report, and the main window follows the change.
    void finish(const OperationResult& result);
    void leaveModifyMode();
    VertexFields fields() const;
    void showFields(const VertexFields& f);
    void updateButtons();

    EditorContext& context_;
    std::unique_ptr<EditorLog> log_;
    bool modifyMode_ = false;
    QListWidget* list_ = nullptr;
    QLineEdit *xEdit_ = nullptr, *yEdit_ = nullptr, *zEdit_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QPushButton *actionButton_ = nullptr, *removeButton_ = nullptr, *removeAllButton_ = nullptr;
    QPushButton *undoButton_ = nullptr, *closeButton_ = nullptr;
};

} // namespace meshsmith
