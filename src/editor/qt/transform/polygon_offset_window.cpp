#include "editor/qt/transform/polygon_offset_window.hpp"

#include "editor/core/transform/transform_rules.hpp"

#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace meshsmith {

PolygonOffsetWindow::PolygonOffsetWindow(EditorContext& context, QWidget* parent,
                                         const Names& names)
    : QDialog(parent, Qt::Tool), context_(context) {
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
    context_.recordLists.push_back(this);
}

PolygonOffsetWindow::~PolygonOffsetWindow() {
    std::erase(context_.recordLists, static_cast<RecordList*>(this));
}

void PolygonOffsetWindow::refreshList() {
    fillPolygonList(list_, context_.project);
    undoButton_->setEnabled(canUndo());
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
    for (ObjectData& poly : context_.project.object.polygons)
        poly.Selected = 0;
    context_.repaintView();
    QDialog::done(result);
}

void PolygonOffsetWindow::onSelectionChanged() {
    takePolygonSelection(list_, context_.project);
    selectionChanged();
    context_.repaintView();
}

void PolygonOffsetWindow::onAction() {
    std::array<TypedNumber, 3> offsets;
    OperationResult r = readOffsetFields(fields_.texts(), offsets);
    if (r.done()) r = act(offsets);
    report(context_.prompts, r);
    if (r.done()) fields_.reset();
    context_.objectChanged();
}

void PolygonOffsetWindow::onUndo() {
    report(context_.prompts, undo());
    context_.objectChanged();
}

} // namespace meshsmith
