#pragma once
// What the line and polygon windows have in common: a tool window that stays
// on top, the list of their records (one row per record; the rows chosen are
// the window's own selection in the document), an edit panel that widens the
// window, and the pick sessions of their own that showing or closing the
// window gives up. The list follows every change of the document.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QListWidget;

namespace meshsmith {

class ManualVertexEntry;

class RecordWindow : public QDialog {
    Q_OBJECT
  public:
    // Rebuilds the list from the table and the window's selection.
    void refreshList();

  protected:
    struct Widths {
        int plain, withPanel;
    };
    // `purpose`: the window's selection; `tableChanges`: the document's
    // change flags of its table.
    RecordWindow(EditorContext& context, DocumentSignal& signal, QWidget* parent, Widths widths,
                 Purpose purpose, unsigned tableChanges);

    virtual const std::vector<ObjectData>& records() const = 0;
    virtual std::string listLine(std::size_t index, const ObjectData& record) const = 0;
    // The session is one of this window's.
    virtual bool ownsSession(const PickSession& session) const = 0;
    // Enables the buttons for the panel and the selection.
    virtual void updateButtons() = 0;
    // A session of this window ended (its change, if any, already made).
    virtual void pickEnded(const DocumentChange::PickEnded& ended) = 0;
    // Anything else the window follows after a change.
    virtual void followChange(const DocumentChange&) {}

    // Shown (from the menu, or again after a pick): a pick of this window
    // that still waited is given up, the panel closes, the list is rebuilt.
    void showEvent(QShowEvent* event) override;
    // Closing gives up this window's pick and its selection.
    void done(int result) override;

    // A list in the given names; the panel is added by the window.
    void makeList(const char* name, const char* hint);
    void setPanelOpen(bool open);
    bool panelOpen() const;
    const IndexSet& selectedRows() const { return context_.document.selected(purpose_); }
    bool anySelected() const { return !selectedRows().empty(); }
    // Hides this window while the manual window asks for vertex numbers;
    // `apply` gets them (ManualVertexForm); this window shows again after.
    void openManualWindow(const ManualVertexEntry& entry,
                          std::function<void(const std::vector<std::int32_t>&)> apply);

    EditorContext& context_;
    std::unique_ptr<EditorLog> log_;
    QListWidget* list_ = nullptr;
    QWidget* panel_ = nullptr;

  private:
    void onSelectionChanged();
    void onDocumentChanged(const DocumentChange& change);
    void endOwnPicking();
    Widths widths_;
    Purpose purpose_;
    unsigned tableChanges_;
};

} // namespace meshsmith
