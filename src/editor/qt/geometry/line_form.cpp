#include "editor/qt/geometry/line_form.hpp"

#include "editor/core/geometry/manual_vertex_entry.hpp"
#include "editor/core/geometry/pick_start.hpp"
#include "editor/core/geometry/record_form_rules.hpp"
#include "editor/qt/geometry/form_controls.hpp"
#include "editor/qt/geometry/next_item_form.hpp"
#include "model/edits/line_edits.hpp"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {
namespace {
constexpr int kWidth = 330, kWidthWithPanel = 450;
} // namespace

LineForm::LineForm(EditorContext& context, DocumentSignal& signal, Rgb& lineColour,
                   QWidget* parent)
    : RecordWindow(context, signal, parent, {kWidth, kWidthWithPanel}, Purpose::ListedLines,
                   DocumentChange::Lines | DocumentChange::Vertices),
      lineColour_(lineColour) {
    setObjectName("Lineform");
    setWindowTitle("Create Lines");
    buildControls();
    setMinimumHeight(330);
    setPanelOpen(false);
}

void LineForm::buildControls() {
    auto* heading = new QLabel(kLineListHeading, this);
    makeList("LineListBox", "List Of Defined Lines");
    heading->setFont(list_->font());
    addButton_ = makeButton(this, "AddLineButton", "Add Line ($815)", "Add A Line Object");
    removeButton_ =
        makeButton(this, "RemoveLineButton", "Remove Line(s)", "Remove Selected Line(s)");
    removeAllButton_ = makeButton(this, "RemoveAllButton", "Remove All Lines", "Remove All Lines");
    editButton_ = makeButton(this, "EditButton", "Edit Selected", "Edit Selected Line");
    undoButton_ = makeButton(this, "UndoButton", "Undo", "Undo Last Change");
    auto* closeButton = makeButton(this, "CloseLineButton", "Close", "Close This Window");

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(addButton_, 0, 0);
    buttons->addWidget(removeButton_, 0, 1);
    buttons->addWidget(removeAllButton_, 1, 0);
    buttons->addWidget(editButton_, 1, 1);
    buttons->addWidget(undoButton_, 2, 0);
    buttons->addWidget(closeButton, 2, 1);
    listColumn->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addWidget(buildEditPanel());

    connect(addButton_, &QPushButton::clicked, this, &LineForm::onAddLine);
    connect(removeButton_, &QPushButton::clicked, this, &LineForm::onRemoveLines);
    connect(removeAllButton_, &QPushButton::clicked, this, &LineForm::onRemoveAll);
    connect(editButton_, &QPushButton::clicked, this, &LineForm::onEdit);
    connect(undoButton_, &QPushButton::clicked, this, &LineForm::onUndo);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* LineForm::buildEditPanel() {
    panel_ = new QWidget(this);
    repickButton_ =
        makeButton(panel_, "VertButton", "Re-Pick Vertices", "Pick The Two Vertices Again");
    auto* colourButton =
        makeButton(panel_, "ColorButton", "Re-define Color", "Redefine The Color Of The Line");
    colourPanel_ = makeColourPanel(panel_, "Color Of The Line");
    auto* back = makeButton(panel_, "BackButton", "<<", "Back");
    auto* column = new QVBoxLayout(panel_);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(repickButton_);
    column->addWidget(colourButton);
    column->addWidget(colourPanel_);
    column->addStretch(1);
    column->addWidget(back);
    connect(repickButton_, &QPushButton::clicked, this, &LineForm::onRepick);
    connect(colourButton, &QPushButton::clicked, this, &LineForm::onRecolour);
    connect(back, &QPushButton::clicked, this, [this] { setPanelOpen(false); });
    return panel_;
}

std::string LineForm::listLine(std::size_t index, const ObjectData& record) const {
    return lineListLine(index, record);
}

bool LineForm::ownsSession(const PickSession& session) const {
    return std::holds_alternative<LinePick>(session) ||
           std::holds_alternative<LineRedefine>(session);
}

void LineForm::updateButtons() {
    const bool open = panelOpen(), selected = anySelected();
    addButton_->setEnabled(!open);
    removeButton_->setEnabled(!open && selected);
    editButton_->setEnabled(!open && selected);
    removeAllButton_->setEnabled(!open && !records().empty());
    undoButton_->setEnabled(!open && undo_.canUndo(context_.document));
}

void LineForm::finish(const OperationResult& result) {
    undo_.remember(context_.document);
    report(context_.prompts, result);
    updateButtons();
}

void LineForm::onRemoveLines() {
    finish(context_.document.run(&removeSelectedLines, selectedRows()));
}

void LineForm::onRemoveAll() {
    finish(context_.document.run(&removeAllLines, context_.prompts, *log_));
}

void LineForm::onUndo() {
    report(context_.prompts, undo_.undo(context_.document));
    updateButtons();
}

// ---- picking lines

void LineForm::onAddLine() {
    hide();
    startPicking(true);
}

void LineForm::startPicking(bool askColour) {
    startLinePick(context_.document, lineColour_, askColour, context_.files, *log_);
}

// The line picked or redefined in the view is the window's last change; a new
// line asks for the next one, a redefinition shows the window again.
void LineForm::pickEnded(const DocumentChange::PickEnded& ended) {
    if (ended.result == PickResult::Completed) undo_.remember(context_.document);
    updateButtons();
    if (std::holds_alternative<LinePick>(ended.session) && ended.result == PickResult::Completed)
        return askForNextLine();
    show();
}

void LineForm::askForNextLine() {
    const NextItemQuestion question{"LineColorForm", "Create New Line ?", "Same Color", true};
    auto* next = new NextItemForm(
        question,
        [this](NextItemChoice choice) {
            if (choice == NextItemChoice::Stop) return show();
            startPicking(choice == NextItemChoice::New);
        },
        this);
    next->show();
}

// ---- the edit panel

void LineForm::onEdit() {
    const EditPanel state = editPanelFor(context_.document.object().lines, selectedRows(), 0);
    repickButton_->setEnabled(state.repick);
    showPanelColour(colourPanel_, state.colour);
    setPanelOpen(true);
}

void LineForm::onRecolour() {
    const bool chosen = chooseColour(context_.files, lineColour_);
    setPanelOpen(false);
    if (chosen) finish(context_.document.run(&recolourSelectedLines, selectedRows(), lineColour_));
}

void LineForm::onRepick() {
    const std::vector<std::int32_t> rows = selectedRows();
    if (rows.size() != 1) return;
    const std::int32_t index = rows.front();
    const Answer a = context_.prompts.askYesNoCancel("Vertex selection method",
                                                     "Re-Pick vertices with the mouse?");
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) {
        context_.document.startPick(LineRedefine{index, {}});
        hide();
        return;
    }
    openManualWindow(
        ManualVertexEntry(ManualPurpose::LineEnds, context_.document.object().vertices.size()),
        [this, index](const std::vector<std::int32_t>& ends) {
            const OperationResult r = context_.document.run(&redefineLine, index, ends[0], ends[1]);
            if (r.done()) log_->addLine("Line No. " + std::to_string(index) + " redefined.");
            finish(r);
        });
}

} // namespace meshsmith
