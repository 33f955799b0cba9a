#include "editor/qt/transform/polygon_offset_window.hpp"

#include "editor/core/transform/transform_rules.hpp"
#include "editor/qt/geometry/form_controls.hpp"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace meshsmith {

PolygonOffsetWindow::PolygonOffsetWindow(EditorContext& context, DocumentSignal& signal,
                                         QWidget* parent, const Names& names, Purpose purpose)
    : QDialog(parent, Qt::Tool), context_(context), purpose_(purpose) {
    setObjectName(names.window);
    setWindowTitle(names.title);
    setModal(false);
    list_ = new QListWidget(this);
    list_->setObjectName(names.list);
    list_->setAccessibleName("List Of All Polygons");
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 1);
    fields_ = addOffsetFields(this, layout, {"XEdit", "YEdit", "ZEdit"});
    extrasLayout_ = new QVBoxLayout;
    layout->addLayout(extrasLayout_);
    actionButton_ = dialogButton(this, names.action, names.actionCaption);
    undoButton_ = dialogButton(this, "UndoButton", "Undo");
    closeButton_ = dialogButton(this, "CloseButton", "Close");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {actionButton_, undoButton_, closeButton_})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(actionButton_, &QPushButton::clicked, this, &PolygonOffsetWindow::onAction);
    connect(undoButton_, &QPushButton::clicked, this, &PolygonOffsetWindow::onUndo);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(list_, &QListWidget::itemSelectionChanged, this,
            &PolygonOffsetWindow::onSelectionChanged);
    connect(&signal, &DocumentSignal::changed, this, &PolygonOffsetWindow::onDocumentChanged);
}

void PolygonOffsetWindow::refreshList() {
    fillPolygonList(list_, context_.document.project(), chosen());
    undoButton_->setEnabled(undo_.canUndo(context_.document));
}

void PolygonOffsetWindow::onDocumentChanged(const DocumentChange& change) {
    if (change.any(DocumentChange::Polygons | DocumentChange::Textures | DocumentChange::Opened) ||
        (change.any(DocumentChange::Selection) && listSelection(list_) != chosen()))
        refreshList();
    undoButton_->setEnabled(undo_.canUndo(context_.document));
}

void PolygonOffsetWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        fields_.reset();
        refreshList();
    }
    QDialog::showEvent(event);
}

void PolygonOffsetWindow::tabThrough(const std::vector<QWidget*>& controls) {
    QWidget* previous = fields_.edits[2];
    for (QWidget* w : controls) {
        setTabOrder(previous, w);
        previous = w;
    }
    setTabOrder(previous, actionButton_);
}

void PolygonOffsetWindow::done(int result) {
    context_.document.clearSelection(purpose_);
    QDialog::done(result);
}

void PolygonOffsetWindow::onSelectionChanged() {
    context_.document.select(purpose_, listSelection(list_));
    selectionChanged();
}

void PolygonOffsetWindow::onAction() {
    std::array<TypedNumber, 3> offsets;
    OperationResult r = readOffsetFields(fields_.texts(), offsets);
    if (r.done()) r = act(chosen(), offsets);
    undo_.remember(context_.document);
    report(context_.prompts, r);
    if (r.done()) fields_.reset();
    undoButton_->setEnabled(undo_.canUndo(context_.document));
}

void PolygonOffsetWindow::onUndo() {
    report(context_.prompts, undo_.undo(context_.document));
    undoButton_->setEnabled(undo_.canUndo(context_.document));
}

} // namespace meshsmith
