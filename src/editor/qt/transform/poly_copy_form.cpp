#include "editor/qt/transform/poly_copy_form.hpp"

#include "editor/core/transform/transform_rules.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace meshsmith {

PolyCopyForm::PolyCopyForm(EditorContext& context, QWidget* parent)
    : PolygonOffsetWindow(
          context, parent,
          {"PolyCopyForm", "Copy Polygon", "PolyCopyListBox", "CopyButton", "Copy"}),
      log_(std::make_unique<EditorLog>(context)) {
    textureCombo_ = new QComboBox(this);
    textureCombo_->setObjectName("TexComboBox");
    textureCombo_->addItems({"Same Orientation", "Mirrored", "No texture"});
    sideCombo_ = new QComboBox(this);
    sideCombo_->setObjectName("VisComboBox");
    sideCombo_->addItems({"Opposite Side", "Same Side"});
    auto* form = new QFormLayout;
    form->addRow("&Texture:", textureCombo_);
    form->addRow("&Visible:", sideCombo_);
    extrasLayout_->addLayout(form);
    tabThrough({textureCombo_, sideCombo_});
}

void PolyCopyForm::showEvent(QShowEvent* event) {
    if (event->spontaneous()) return PolygonOffsetWindow::showEvent(event);
    context_.project.SelectedPolygon = 0;
    textureCombo_->setCurrentIndex(0);
    textureCombo_->setEnabled(true);
    sideCombo_->setCurrentIndex(0);
    PolygonOffsetWindow::showEvent(event);
}

void PolyCopyForm::done(int result) {
    context_.project.SelectedPolygon = NoSelection;
    PolygonOffsetWindow::done(result);
}

void PolyCopyForm::selectionChanged() {
    const TextureChoice choice = textureChoiceFor(context_.project);
    textureCombo_->setCurrentIndex(static_cast<int>(choice.texture));
    textureCombo_->setEnabled(choice.enabled);
}

OperationResult PolyCopyForm::act(const std::array<TypedNumber, 3>& offsets) {
    return copyPolygons(context_.project, offsets,
                        static_cast<CopySide>(sideCombo_->currentIndex()),
                        static_cast<CopyTexture>(textureCombo_->currentIndex()), undo_);
}

OperationResult PolyCopyForm::undo() {
    return undoPolygonCopy(context_.project, undo_, *log_);
}

bool PolyCopyForm::canUndo() const {
    return canUndoPolygonCopy(context_.project, undo_);
}

} // namespace meshsmith
