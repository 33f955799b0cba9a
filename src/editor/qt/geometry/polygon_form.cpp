#include "editor/qt/geometry/polygon_form.hpp"

#include "editor/core/geometry/manual_vertex_entry.hpp"
#include "editor/core/geometry/record_form_rules.hpp"
#include "editor/qt/geometry/form_controls.hpp"
#include "editor/qt/geometry/next_item_form.hpp"
#include "model/edits/polygon_edits.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {
namespace {

constexpr int kWidth = 450, kWidthWithPanel = 570;
constexpr const char* kSelectionMethod = "Vertex selection method";
constexpr const char* kNotAvailable = "Not Available yet !";

} // namespace

PolygonForm::PolygonForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : RecordWindow(context, signal, parent, {kWidth, kWidthWithPanel}, Purpose::ListedPolygons,
                   DocumentChange::Polygons),
      colours_(RandomColours::fromClock()) {
    setObjectName("Polygonform");
    setWindowTitle("Create Polygons");
    buildControls();
    setMinimumHeight(360);
    setPanelOpen(false);
}

void PolygonForm::buildControls() {
    auto* heading = new QLabel(kPolygonListHeading, this);
    makeList("PolyListBox", "List Of All Polygons");
    heading->setFont(list_->font());
    flatButton_ = makeButton(this, "FlatButton", "Flat Shading", "Add Flat Shading Polygon");
    gouraudButton_ = makeButton(this, "GouraudButton", "Gouraud Shading",
                                "Add Gouraud Shading Polygon (not available yet)");
    specButton_ = makeButton(this, "SpecButton", "Specular Shading",
                             "Add Specular Shading Polygon (not available yet)");
    removeButton_ =
        makeButton(this, "RemovePolygonButton", "Remove Selected", "Remove Selected Polygon(s)");
    removeAllButton_ = makeButton(this, "RemoveAllPolyButton", "Remove All", "Remove All Polygons");
    editButton_ = makeButton(this, "EditButton", "Edit selected", "Edit Selected Polygon(s)");
    auto* closeButton = makeButton(this, "ExitPolygonButton", "Close", "Close This Window");

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(heading);
    listColumn->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b :
         {flatButton_, gouraudButton_, specButton_, removeButton_, removeAllButton_, editButton_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(closeButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttons);
    layout->addWidget(buildEditPanel());

    connect(flatButton_, &QPushButton::clicked, this, &PolygonForm::onFlatShading);
    for (QPushButton* b : {gouraudButton_, specButton_})
        connect(b, &QPushButton::clicked, this,
                [this] { context_.prompts.showMessage(kNotAvailable); });
    connect(removeButton_, &QPushButton::clicked, this, &PolygonForm::onRemoveSelected);
    connect(removeAllButton_, &QPushButton::clicked, this, &PolygonForm::onRemoveAll);
    connect(editButton_, &QPushButton::clicked, this, &PolygonForm::onEdit);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* PolygonForm::buildEditPanel() {
    panel_ = new QWidget(this);
    textureBox_ = new QComboBox(panel_);
    textureBox_->setObjectName("TexIndexComboBox");
    textureBox_->setToolTip("Reassign The Texture Of The Selected Polygon(s)");
    textureLabel_ = new QLabel("&Texture:", panel_);
    textureLabel_->setBuddy(textureBox_);
    repickButton_ = makeButton(panel_, "VertButton", "Re-Pick Vertices",
                               "Pick The Vertices Of The Selected Polygon Again");
    auto* colourButton = makeButton(panel_, "ColorButton", "Re-define Color",
                                    "Redefine The Color Of The Selected Polygon(s)");
    colourPanel_ = makeColourPanel(panel_, "Color Of The Selected Polygon(s)");
    auto* back = makeButton(panel_, "BackButton", "<<", "Back");

    auto* column = new QVBoxLayout(panel_);
    column->setContentsMargins(0, 0, 0, 0);
    for (QWidget* w : std::initializer_list<QWidget*>{textureLabel_, textureBox_, repickButton_,
                                                      colourButton, colourPanel_})
        column->addWidget(w);
    column->addStretch(1);
    column->addWidget(back);

    connect(textureBox_, &QComboBox::activated, this, &PolygonForm::onTextureChosen);
    connect(repickButton_, &QPushButton::clicked, this, &PolygonForm::onRepick);
    connect(colourButton, &QPushButton::clicked, this, &PolygonForm::onRecolour);
    connect(back, &QPushButton::clicked, this, [this] { setPanelOpen(false); });
    return panel_;
}

std::string PolygonForm::listLine(std::size_t index, const ObjectData& record) const {
    return polygonListLine(index, record);
}

bool PolygonForm::ownsSession(const PickSession& session) const {
    return std::holds_alternative<PolygonPick>(session) ||
           std::holds_alternative<PolygonRedefine>(session);
}

void PolygonForm::updateButtons() {
    const bool open = panelOpen(), selected = anySelected();
    for (QPushButton* b : {flatButton_, gouraudButton_, specButton_})
        b->setEnabled(!open);
    removeButton_->setEnabled(!open && selected);
    editButton_->setEnabled(!open && selected);
    removeAllButton_->setEnabled(!open && !records().empty());
}

void PolygonForm::finish(const OperationResult& result) {
    report(context_.prompts, result);
    updateButtons();
}

void PolygonForm::onRemoveSelected() {
    finish(context_.document.run(&removeSelectedPolygons, selectedRows(), *log_));
}

void PolygonForm::onRemoveAll() {
    finish(context_.document.run(&removeAllPolygons, context_.prompts, *log_));
}

// ---- building polygons

void PolygonForm::onFlatShading() {
    const Answer a =
        context_.prompts.askYesNoCancel(kSelectionMethod, "Pick vertices with the mouse?");
    if (a == Answer::Yes) {
        hide();
        startPicking(colourOfNewPolygon(manualColours()));
    } else if (a == Answer::No) {
        openManualWindow(
            ManualVertexEntry(ManualPurpose::NewPolygon,
                              context_.document.object().vertices.size()),
            [this](const std::vector<std::int32_t>& closed) { createTypedPolygon(closed); });
    }
}

void PolygonForm::startPicking(NextColour how) {
    startPolygonPick(context_.document, colours_, how, context_.files, *log_);
}

void PolygonForm::createTypedPolygon(const std::vector<std::int32_t>& closed) {
    colours_.next(colourOfNewPolygon(manualColours()), context_.files, *log_);
    finish(context_.document.run(&createPolygon, closed, colours_.current(), *log_));
}

// A polygon closed in the view asks for the next one; a redefinition, done or
// abandoned, shows the window again.
void PolygonForm::pickEnded(const DocumentChange::PickEnded& ended) {
    if (std::holds_alternative<PolygonPick>(ended.session) &&
        ended.result == PickResult::Completed)
        return askForNextPolygon();
    show();
}

void PolygonForm::askForNextPolygon() {
    const bool manual = manualColours();
    const NextItemQuestion question{"PolygonColorForm", "Create New Polygon ?",
                                    manual ? "Same Color" : "Yes", manual};
    auto* next = new NextItemForm(
        question,
        [this, manual](NextItemChoice choice) {
            if (choice == NextItemChoice::Stop) return show();
            startPicking(choice == NextItemChoice::New ? NextColour::Dialog
                                                       : colourOfSamePolygon(manual));
        },
        this);
    next->show();
}

// ---- the edit panel

void PolygonForm::onEdit() {
    const Project& p = context_.document.project();
    const EditPanel state = editPanelFor(p.object.polygons, selectedRows(), p.object.textures.size());
    textureBox_->clear();
    for (const std::string& row : textureChoices(p.object.textures.size()))
        textureBox_->addItem(qs(row));
    textureBox_->setCurrentIndex(state.textureRow);
    textureBox_->setEnabled(state.textureEnabled);
    textureLabel_->setEnabled(state.textureEnabled);
    repickButton_->setEnabled(state.repick);
    showPanelColour(colourPanel_, state.colour);
    setPanelOpen(true);
}

void PolygonForm::onTextureChosen(int row) {
    setPanelOpen(false);
    const auto texture = textureOfChoice(row, context_.document.object().textures.size());
    if (!texture) return context_.prompts.showMessage(kNotTexturizableMessage);
    const TextureChange change =
        context_.document.run(&retextureSelectedPolygons, selectedRows(), *texture);
    for (std::int32_t k : change.untextured)
        context_.prompts.showMessage(untexturedMessage(k));
    finish(change.result);
}

void PolygonForm::onRecolour() {
    const bool chosen = colours_.choose(context_.files);
    setPanelOpen(false);
    if (chosen)
        finish(context_.document.run(&recolourSelectedPolygons, selectedRows(), colours_.current()));
}

void PolygonForm::onRepick() {
    const std::vector<std::int32_t> rows = selectedRows();
    if (rows.size() != 1) return;
    const std::int32_t index = rows.front();
    const Answer a =
        context_.prompts.askYesNoCancel(kSelectionMethod, "Re-Pick vertices with the mouse?");
    if (a == Answer::Cancel) return;
    if (a == Answer::Yes) {
        context_.document.startPick(PolygonRedefine{index, {}});
        hide();
        return;
    }
    const Project& p = context_.document.project();
    const auto corners =
        static_cast<std::size_t>(p.object.polygons[static_cast<std::size_t>(index)].corners());
    openManualWindow(
        ManualVertexEntry(ManualPurpose::PolygonCorners, p.object.vertices.size(), corners),
        [this, index](const std::vector<std::int32_t>& typed) {
            const OperationResult r = context_.document.run(&redefinePolygon, index, typed);
            if (r.done()) log_->addLine("Polygon No. " + std::to_string(index) + " redefined.");
            finish(r);
        });
}

} // namespace meshsmith
