#pragma once
// The line window "Create Lines": the list of all lines, lines picked in the
// view, their removal, the edit panel (re-picked or typed ends, colour) and
// the window's own one-level Undo (a copy of the line table taken before each
// of its changes; giving it back is itself a step of the edit history). It
// takes the view's line picks while one of its pick modes is on.

#include "editor/core/document/window_steps.hpp"
#include "editor/qt/geometry/record_window.hpp"

#include <optional>

class QLabel;
class QPushButton;

namespace meshsmith {

class LineForm : public RecordWindow {
    Q_OBJECT
  public:
    // `lineColour`: the colour new lines take, shared with the main window's
    // visualization-line commands.
    LineForm(EditorContext& context, DocumentSignal& signal, Rgb& lineColour, QWidget* parent);

  private:
    const std::vector<ObjectData>& records() const override {
        return context_.document.object().lines;
    }
    std::string listLine(std::size_t index, const ObjectData& record) const override;
    bool ownsSession(const PickSession& session) const override;
    void updateButtons() override;
    void pickEnded(const DocumentChange::PickEnded& ended) override;

    void buildControls();
    QWidget* buildEditPanel();
    void onAddLine();
    void onRemoveLines();
    void onRemoveAll();
    void onEdit();
    void onRepick();
    void onRecolour();
    void onUndo();
    void startPicking(bool askColour);
    void askForNextLine();
    // After a change from this window: its step is what Undo gives back; the report.
    void finish(const OperationResult& result);

    Rgb& lineColour_;
    WindowSteps undo_;
    QPushButton *addButton_ = nullptr, *removeButton_ = nullptr, *removeAllButton_ = nullptr;
    QPushButton *editButton_ = nullptr, *undoButton_ = nullptr;
    QPushButton* repickButton_ = nullptr;
    QLabel* colourPanel_ = nullptr;
};

} // namespace meshsmith
