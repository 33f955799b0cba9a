#pragma once
// The line window "Create Lines": the list of all lines, lines picked in the
// view, their removal, the edit panel (re-picked or typed ends, colour) and
// the window's own one-level Undo (a copy of the line table taken before each
// of its changes; giving it back is itself a step of the edit history). It
// takes the view's line picks while one of its pick modes is on.

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
    LineForm(EditorContext& context, Rgb& lineColour, QWidget* parent);

    void linePicked(std::int32_t firstVertex, std::int32_t secondVertex) override;
    void lineRedefined(std::int32_t line) override;

  protected:
    void done(int result) override;

  private:
    std::vector<ObjectData>& records() const override { return context_.project.object.lines; }
    std::string listLine(std::size_t index, const ObjectData& record) const override;
    bool picking() const override;
    void updateButtons() override;

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
    // After a change from this window: `before` becomes the Undo copy when it
    // was done; the report; the main window follows.
    void finish(const OperationResult& result, std::vector<ObjectData> before);

    Rgb& lineColour_;
    std::optional<std::vector<ObjectData>> undoCopy_;
    QPushButton *addButton_ = nullptr, *removeButton_ = nullptr, *removeAllButton_ = nullptr;
    QPushButton *editButton_ = nullptr, *undoButton_ = nullptr;
    QPushButton* repickButton_ = nullptr;
    QLabel* colourPanel_ = nullptr;
};

} // namespace meshsmith
