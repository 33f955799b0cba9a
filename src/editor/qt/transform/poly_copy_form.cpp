#include "editor/qt/transform/poly_copy_form.hpp"

#include "editor/core/transform/transform_rules.hpp"

#include <QComboBox>
#include <QFormLayout>
#include <QShowEvent>
#include <QVBoxLayout>

namespace meshsmith {

PolyCopyForm::PolyCopyForm(EditorContext& context, DocumentSignal& signal, QWidget* parent)
    : PolygonOffsetWindow(
          context, signal, parent,
          {"PolyCopyForm", "Copy Polygon", "PolyCopyListBox", "CopyButton", "Copy"},
          Purpose::CopiedPolygons) {
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
    textureCombo_->setCurrentIndex(0);
    textureCombo_->setEnabled(true);
    sideCombo_->setCurrentIndex(0);
    PolygonOffsetWindow::showEvent(event);
}

void PolyCopyForm::selectionChanged() {
    const TextureChoice choice = textureChoiceFor(context_.document.project(), chosen());
    textureCombo_->setCurrentIndex(static_cast<int>(choice.texture));
    textureCombo_->setEnabled(choice.enabled);
}

OperationResult PolyCopyForm::act(const std::vector<std::int32_t>& chosen,
                                  const std::array<TypedNumber, 3>& offsets) {
    Document& doc = context_.document;
    const auto before = static_cast<std::int32_t>(doc.object().polygons.size());
    const OperationResult r =
        doc.run(&copyPolygons, chosen, offsets, static_cast<CopySide>(sideCombo_->currentIndex()),
                static_cast<CopyTexture>(textureCombo_->currentIndex()));
    // The copies are chosen now instead of their sources.
    if (r.done()) {
        std::vector<std::int32_t> copies;
        for (auto k = before; k < static_cast<std::int32_t>(doc.object().polygons.size()); ++k)
            copies.push_back(k);
        doc.select(Purpose::CopiedPolygons, copies);
    }
    return r;
}

} // namespace meshsmith
