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

VertexForm::VertexForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), context_(context),
      log_(std::make_unique<EditorLog>(context)) {
    setObjectName("Vertexform");
    setWindowTitle("Create/Add vertices manually");
    setModal(false);
    buildControls();
    setFixedWidth(393);
    setMinimumHeight(330);
    connect(&signal, &DocumentSignal::changed, this, &VertexForm::onDocumentChanged);
}

void VertexForm::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::Vertices | DocumentChange::Opened)) {
        refreshList();
    } else if (change.any(DocumentChange::Selection)) {
        const QSignalBlocker blocker(list_);
        const IndexSet& selected = context_.document.selected(Purpose::Vertices);
        for (int k = 0; k < list_->count(); ++k)
            list_->item(k)->setSelected(std::binary_search(selected.begin(), selected.end(), k));
    }
    updateButtons();
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
    context_.document.clearSelection(Purpose::Vertices);
    leaveModifyMode();
    showFields({});
    refreshList();
    removeButton_->setEnabled(false);
    QDialog::showEvent(event);
    xEdit_->setFocus();
}

void VertexForm::done(int result) {
    context_.document.clearSelection(Purpose::Vertices);
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
    const std::vector<Vertex>& vertices = context_.document.object().vertices;
    list_->clear();
    for (std::size_t k = 0; k < vertices.size(); ++k)
        list_->addItem(qs(vertexListLine(k, vertices[k])));
    for (std::int32_t k : context_.document.selected(Purpose::Vertices))
        if (auto* item = list_->item(k)) item->setSelected(true);
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
    const bool any = !context_.document.object().vertices.empty();
    removeAllButton_->setEnabled(any);
    undoButton_->setEnabled(undo_.canUndo(context_.document));
    if (!any) removeButton_->setEnabled(false);
}

void VertexForm::finish(const OperationResult& result) {
    report(context_.prompts, result);
    updateButtons();
}

void VertexForm::onAddOrModify() {
    Document& doc = context_.document;
    const bool modifying = modifyMode_ && !doc.object().vertices.empty();
    VertexFieldValues values;
    if (OperationResult read = readVertexFields(fields(), !modifying, values); !read.done())
        return report(context_.prompts, read);
    const IndexSet selected = doc.selected(Purpose::Vertices);
    const std::size_t lastModified = selected.empty() ? 0 : static_cast<std::size_t>(selected.back());
    const OperationResult r =
        modifying ? doc.run(&modifySelectedVertices, selected, values.x, values.y, values.z)
                  : doc.run(&addVertex, *values.x, *values.y, *values.z);
    // Modify can be given back; a vertex added cannot (the window's copy was
    // taken before changes, never before an addition).
    if (modifying) undo_.remember(doc);
    showFields({});
    leaveModifyMode();
    doc.clearSelection(Purpose::Vertices);
    finish(r);
    if (modifying && r.done()) {
        const QSignalBlocker blocker(list_);
        list_->setCurrentRow(static_cast<int>(lastModified));
    }
    xEdit_->setFocus();
}

void VertexForm::onSelectionChanged() {
    std::vector<std::size_t> rows;
    std::vector<std::int32_t> numbers;
    for (int k = 0; k < list_->count(); ++k)
        if (list_->item(k)->isSelected()) {
            rows.push_back(static_cast<std::size_t>(k));
            numbers.push_back(k);
        }
    context_.document.select(Purpose::Vertices, numbers);
    removeButton_->setEnabled(true);
    modifyMode_ = true;
    actionButton_->setText("Modify");
    showFields(fieldsForSelection(context_.document.object().vertices, rows, fields()));
    actionButton_->setEnabled(actionButtonEnabled(rows.size(), fields()));
}

void VertexForm::onDoubleClicked() {
    showFields({});
    leaveModifyMode();
    refreshList();
    const Project& p = context_.document.project();
    removeButton_->setEnabled(!p.object.vertices.empty() && p.object.lines.empty() &&
                              p.object.polygons.empty());
}

void VertexForm::onRemoveSelected() {
    Document& doc = context_.document;
    const OperationResult r = doc.run(&removeSelectedVertices, doc.selected(Purpose::Vertices), *log_);
    undo_.remember(doc);
    leaveModifyMode();
    showFields({});
    finish(r);
}

// After Remove All Vertices the window has nothing to give back (its Undo
// would leave the project empty); Edit > Undo still brings the object back.
void VertexForm::onRemoveAll() {
    const OperationResult r =
        context_.document.run(&removeAllVertices, context_.prompts, *log_);
    if (r.done()) undo_.forget();
    finish(r);
}

void VertexForm::onUndo() {
    finish(undo_.undo(context_.document));
}

} // namespace meshsmith
