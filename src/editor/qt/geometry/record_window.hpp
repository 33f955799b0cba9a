#pragma once
// What the line and polygon windows have in common: a tool window that stays
// on top, the list of their records (one row per record, the selection is the
// records' Selected flags), an edit panel that widens the window, and the pick
// modes of their own that showing or closing the window gives up.

#include "editor/core/shell/editor_context.hpp"

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QListWidget;

namespace meshsmith {

class ManualVertexEntry;

class RecordWindow : public QDialog, public RecordList, public PickReceiver {
    Q_OBJECT
  public:
    // Rebuilds the list from the table.
    void refreshList() override;

    // A window takes only the picks of its own modes.
    void linePicked(std::int32_t, std::int32_t) override {}
    void polygonPicked(const std::vector<std::int32_t>&) override {}
    void polygonRedefined(std::int32_t) override {}
    void lineRedefined(std::int32_t) override {}

  protected:
    struct Widths {
        int plain, withPanel;
    };
    RecordWindow(EditorContext& context, QWidget* parent, Widths widths);
    ~RecordWindow() override;

    virtual std::vector<ObjectData>& records() const = 0;
    virtual std::string listLine(std::size_t index, const ObjectData& record) const = 0;
    // One of this window's pick modes is on.
    virtual bool picking() const = 0;
    // Enables the buttons for the panel and the selection.
    virtual void updateButtons() = 0;

    // Shown (from the menu, or again after a pick): a pick of this window
    // that still waited is given up, the panel closes, the list is rebuilt.
    void showEvent(QShowEvent* event) override;
    // Closing gives up this window's pick and deselects its records.
    void done(int result) override;

    // A list in the given names; the panel is added by the window.
    void makeList(const char* name, const char* hint);
    void setPanelOpen(bool open);
    bool panelOpen() const;
    bool anySelected() const;
    void onSelectionChanged();
    // Hides this window while the manual window asks for vertex numbers;
    // `apply` gets them (ManualVertexForm); this window shows again after.
    void openManualWindow(const ManualVertexEntry& entry,
                          std::function<void(const std::vector<std::int32_t>&)> apply);

    EditorContext& context_;
    std::unique_ptr<EditorLog> log_;
    QListWidget* list_ = nullptr;
    QWidget* panel_ = nullptr;

  private:
    void endOwnPicking();
    Widths widths_;
};

} // namespace meshsmith
