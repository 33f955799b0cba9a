#include "editor/qt/transform/scale_box.hpp"

#include "editor/core/transform/transform_rules.hpp"
#include "editor/qt/transform/dialog_parts.hpp"

#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace meshsmith {

ScaleBox::ScaleBox(EditorContext& context, QWidget* parent)
    : VertexTransformBox(context, parent, "ScaleBox", "Scale", "Undo Scale") {
    auto* layout = new QVBoxLayout(this);
    factorEdit_ = new QLineEdit("1.0", this);
    factorEdit_->setObjectName("Edit1");
    auto* form = new QFormLayout;
    form->addRow("&Factor:", factorEdit_);
    layout->addLayout(form);
    auto* axes = new QGroupBox("Direction", this);
    auto* axesRow = new QHBoxLayout(axes);
    const char* names[] = {"XScaleRadio", "YScaleRadio", "ZScaleRadio", "AllScaleRadio"};
    const char* captions[] = {"X", "Y", "Z", "All Directions"};
    for (std::size_t k = 0; k < 4; ++k) {
        axisRadios_[k] = radioButton(axes, names[k], captions[k]);
        axesRow->addWidget(axisRadios_[k]);
    }
    layout->addWidget(axes);
    addButtons(layout, {"OKButton", "Scale All", nullptr},
               {"ScSelButton", "Scale Selected", nullptr}, {"UndoButton", "Undo", nullptr},
               {"CancelButton", "Cancel", nullptr});
    connect(factorEdit_, &QLineEdit::textEdited, this, [this] { allButton_->setEnabled(true); });
}

void ScaleBox::prepare() {
    factorEdit_->setText("1.0");
    axisRadios_[3]->setChecked(true);
    enableActions();
    allButton_->setEnabled(false);
    factorEdit_->setFocus();
}

OperationResult ScaleBox::transform(VertexScope scope) {
    TypedNumber factor;
    if (OperationResult r = readFactorField(factorEdit_->text().toStdString(), factor); !r.done())
        return r;
    std::optional<Axis> axis;
    for (Axis a : {Axis::X, Axis::Y, Axis::Z})
        if (axisRadios_[static_cast<std::size_t>(a)]->isChecked()) axis = a;
    return scaleVertices(context_.project, factor, axis, scope, undo_, *log_);
}

} // namespace meshsmith
