#include "editor/qt/geometry/vertex_form.hpp"

#include "editor/qt/geometry/form_controls.hpp"
#include "model/edits/vertex_edits.hpp"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace meshsmith {

VertexForm::VertexForm(EditorContext& context, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context),
      log_(std::make_unique<EditorLog>(context)) {
    setObjectName("Vertexform");
    setWindowTitle("Create/Add vertices manually");
    setModal(false);
    buildControls();
    setFixedWidth(393);
    setMinimumHeight(330);
    context_.recordLists.push_back(this);
}

VertexForm::~VertexForm() {
    std::erase(context_.recordLists, static_cast<RecordList*>(this));
}

void VertexForm::buildControls() {
    list_ = makeRecordList(this, "VertexListBox", "List Of All Vertices");
    countLabel_ = new QLabel(this);
    countLabel_->setObjectName("Label4");

    auto* grid = new QGridLayout;
    const char* names[] = {"VertexEdit_X", "VertexEdit_Y", "VertexEdit_Z"};
    const char* captions[] = {"&X:", "&Y:", "&Z:"};
    const char* hints[] = {"X Value Of Selected", "Y Value Of Selected", "Z Value Of Selected"};
    QLineEdit** edits[] = {&xEdit_, &yEdit_, &zEdit_};
    for (int k = 0; k < 3; ++k) {
        *edits[k] = new QLineEdit(this);
        (*edits[k])->setObjectName(names[k]);
        (*edits[k])->setToolTip(hints[k]);
        (*edits[k])->installEventFilter(this);
        auto* label = new QLabel(captions[k], this);
        label->setBuddy(*edits[k]);
        grid->addWidget(label, 0, 2 * k);
        grid->addWidget(*edits[k], 0, 2 * k + 1);
    }
    actionButton_ =
        makeButton(this, "AddModVertexButton", "Add Vertex",
                   "Add Or Modify Selected. When 'Modify', double-click in table to get "
                   "'Add Vertex' back");
    actionButton_->setDefault(true);
    removeButton_ = makeButton(this, "RemoveVertexButton", "Remove Selected", "Remove Selected");
    removeAllButton_ =
        makeButton(this, "RemoveAllButton", "Remove All Vertices", "Remove All Vertices");
    undoButton_ = makeButton(this, "UndoButton", "Undo", "Undo Last Action");
    closeButton_ = makeButton(this, "CloseVertexButton", "Close", "Close This Window");

    auto* buttons = new QGridLayout;
    buttons->addWidget(actionButton_, 0, 0);
    buttons->addWidget(removeButton_, 0, 1);
    buttons->addWidget(removeAllButton_, 1, 0);
    buttons->addWidget(undoButton_, 1, 1);
    buttons->addWidget(closeButton_, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addWidget(countLabel_);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(actionButton_, &QPushButton::clicked, this, &VertexForm::onAddOrModify);
    connect(removeButton_, &QPushButton::clicked, this, &VertexForm::onRemoveSelected);
    connect(removeAllButton_, &QPushButton::clicked, this, &VertexForm::onRemoveAll);
    connect(undoButton_, &QPushButton::clicked, this, &VertexForm::onUndo);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemSelectionChanged, this, &VertexForm::onSelectionChanged);
    connect(list_, &QListWidget::itemDoubleClicked, this, &VertexForm::onDoubleClicked);
}

void VertexForm::showEvent(QShowEvent* event) {
    deselectAllVertices(context_.project);
    leaveModifyMode();
    showFields({});
    refreshList();
    removeButton_->setEnabled(false);
    QDialog::showEvent(event);
    xEdit_->setFocus();
    context_.repaintView();
}

void VertexForm::done(int result) {
    deselectAllVertices(context_.project);
    if (!context_.project.object.vertices.empty()) updateBounds(context_.project);
    context_.repaintView();
    QDialog::done(result);
}

// Leaving a coordinate field writes its number with 3 decimals.
bool VertexForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut)
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            edit->setText(qs(reformattedField(edit->text().toStdString())));
    return QDialog::eventFilter(watched, event);
}

void VertexForm::refreshList() {
    const QSignalBlocker blocker(list_);
    const std::vector<Vertex>& vertices = context_.project.object.vertices;
    list_->clear();
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        list_->addItem(qs(vertexListLine(k, vertices[k])));
        if (vertices[k].Selected) list_->item(static_cast<int>(k))->setSelected(true);
    }
    countLabel_->setText(qs(vertexCountCaption(vertices.size())));
    updateButtons();
}

VertexFields VertexForm::fields() const {
    return {xEdit_->text().toStdString(), yEdit_->text().toStdString(),
            zEdit_->text().toStdString()};
}

void VertexForm::showFields(const VertexFields& f) {
    xEdit_->setText(qs(f.x));
    yEdit_->setText(qs(f.y));
    zEdit_->setText(qs(f.z));
}

void VertexForm::leaveModifyMode() {
    modifyMode_ = false;
    actionButton_->setText("Add Vertex");
    actionButton_->setEnabled(true);
}

void VertexForm::updateButtons() {
    const Project& p = context_.project;
    removeAllButton_->setEnabled(!p.object.vertices.empty());
    undoButton_->setEnabled(hasGeometrySnapshot(p));
    if (p.object.vertices.empty()) removeButton_->setEnabled(false);
}

void VertexForm::finish(const OperationResult& result) {
    report(context_.prompts, result);
    context_.objectChanged();
    updateButtons();
}

void VertexForm::onAddOrModify() {
    Project& p = context_.project;
    const bool modifying = modifyMode_ && !p.object.vertices.empty();
    VertexFieldValues values;
    if (OperationResult read = readVertexFields(fields(), !modifying, values); !read.done())
        return report(context_.prompts, read);
    std::size_t lastModified = 0;
    for (std::size_t k = 0; k < p.object.vertices.size(); ++k)
        if (p.object.vertices[k].Selected) lastModified = k;
    const OperationResult r = modifying ? modifySelectedVertices(p, values.x, values.y, values.z)
                                        : addVertex(p, *values.x, *values.y, *values.z);
    showFields({});
    leaveModifyMode();
    if (modifying) deselectAllVertices(p);
    finish(r);
    if (modifying && r.done()) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(static_cast<int>(lastModified));
    }
    xEdit_->setFocus();
}

void VertexForm::onSelectionChanged() {
    Project& p = context_.project;
    std::vector<std::size_t> rows;
    for (std::size_t k = 0; k < p.object.vertices.size(); ++k) {
        const bool on = list_->item(static_cast<int>(k))->isSelected();
        p.object.vertices[k].Selected = on ? 1 : 0;
        if (on) rows.push_back(k);
    }
    removeButton_->setEnabled(true);
    modifyMode_ = true;
    actionButton_->setText("Modify");
    showFields(fieldsForSelection(p.object.vertices, rows, fields()));
    actionButton_->setEnabled(actionButtonEnabled(rows.size(), fields()));
    context_.repaintView();
}

void VertexForm::onDoubleClicked() {
    showFields({});
    leaveModifyMode();
    refreshList();
    const Project& p = context_.project;
    removeButton_->setEnabled(!p.object.vertices.empty() && p.object.lines.empty() &&
                              p.object.polygons.empty());
}

void VertexForm::onRemoveSelected() {
    const OperationResult r = removeSelectedVertices(context_.project, *log_);
    leaveModifyMode();
    showFields({});
    finish(r);
}

void VertexForm::onRemoveAll() {
    finish(removeAllVertices(context_.project, context_.prompts, *log_));
}

void VertexForm::onUndo() {
    finish(restoreGeometrySnapshot(context_.project, *log_));
}

} // namespace meshsmith
