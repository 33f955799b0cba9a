#include "editor/qt/transform/vertex_transform_box.hpp"

#include "editor/qt/transform/dialog_parts.hpp"

#include <QBoxLayout>
#include <QPushButton>
#include <QShowEvent>

namespace meshsmith {

VertexTransformBox::VertexTransformBox(EditorContext& context, QWidget* parent,
                                       const char* objectName, const char* title)
    : QDialog(parent), context_(context), log_(std::make_unique<EditorLog>(context)) {
    setObjectName(objectName);
    setWindowTitle(title);
    setModal(true);
}

VertexTransformBox::~VertexTransformBox() = default;

void VertexTransformBox::addButtons(QBoxLayout* layout, ButtonText all, ButtonText selected,
                                    ButtonText undo, ButtonText cancel) {
    auto* row = new QHBoxLayout;
    allButton_ = dialogButton(this, all.name, all.caption, all.hint);
    row->addWidget(allButton_);
    connect(allButton_, &QPushButton::clicked, this, [this] { onAction(VertexScope::All); });
    if (selected.name) {
        selectedButton_ = dialogButton(this, selected.name, selected.caption, selected.hint);
        row->addWidget(selectedButton_);
        connect(selectedButton_, &QPushButton::clicked, this,
                [this] { onAction(VertexScope::Selected); });
    }
    undoButton_ = dialogButton(this, undo.name, undo.caption, undo.hint);
    cancelButton_ = dialogButton(this, cancel.name, cancel.caption, cancel.hint);
    row->addWidget(undoButton_);
    row->addWidget(cancelButton_);
    layout->addLayout(row);
    connect(undoButton_, &QPushButton::clicked, this, &VertexTransformBox::onUndo);
    connect(cancelButton_, &QPushButton::clicked, this, &VertexTransformBox::onCancel);
}

void VertexTransformBox::enableActions() {
    allButton_->setEnabled(true);
    if (selectedButton_)
        selectedButton_->setEnabled(!context_.document.selected(Purpose::Vertices).empty());
}

void VertexTransformBox::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        prepare();
        updateUndo();
    }
    QDialog::showEvent(event);
}

void VertexTransformBox::updateUndo() {
    undoButton_->setEnabled(undo_.canUndo(context_.document));
}

void VertexTransformBox::onAction(VertexScope scope) {
    VertexChoice which{scope, {}};
    if (scope == VertexScope::Selected) which.selected = context_.document.selected(Purpose::Vertices);
    const OperationResult r = transform(which);
    undo_.remember(context_.document);
    report(context_.prompts, r);
    updateUndo();
    if (r.done() && closesAfterAction()) accept();
}

void VertexTransformBox::onUndo() {
    report(context_.prompts, undo_.undo(context_.document));
    updateUndo();
    if (closesAfterUndo()) accept();
}

void VertexTransformBox::onCancel() {
    allButton_->setEnabled(false);
    if (selectedButton_) selectedButton_->setEnabled(false);
    reject();
}

} // namespace meshsmith
