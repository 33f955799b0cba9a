#include "editor/qt/transform/scale_box.hpp"

#include "editor/core/transform/transform_rules.hpp"
#include "editor/qt/transform/dialog_parts.hpp"

#include <QButtonGroup>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

namespace {
constexpr int kAllDirections = 3; // the ids before it are the axes X, Y, Z
}

ScaleBox::ScaleBox(EditorContext& context, QWidget* parent)
    : VertexTransformBox(context, parent, "ScaleBox", "Scale") {
    auto* layout = new QVBoxLayout(this);
    factorEdit_ = new QLineEdit("1.0", this);
    factorEdit_->setObjectName("Edit1");
    auto* form = new QFormLayout;
    form->addRow("&Factor:", factorEdit_);
    layout->addLayout(form);
    axes_ = new QButtonGroup(this);
    layout->addWidget(radioGroup(this, "Direction",
                                 {{"XScaleRadio", "X"},
                                  {"YScaleRadio", "Y"},
                                  {"ZScaleRadio", "Z"},
                                  {"AllScaleRadio", "All Directions"}},
                                 axes_));
    addButtons(layout, {"OKButton", "Scale All", nullptr},
               {"ScSelButton", "Scale Selected", nullptr}, {"UndoButton", "Undo", nullptr},
               {"CancelButton", "Cancel", nullptr});
    connect(factorEdit_, &QLineEdit::textEdited, this, [this] { allButton_->setEnabled(true); });
}

void ScaleBox::prepare() {
    factorEdit_->setText("1.0");
    axes_->button(kAllDirections)->setChecked(true);
    enableActions();
    allButton_->setEnabled(false);
    factorEdit_->setFocus();
}

OperationResult ScaleBox::transform(const VertexChoice& which) {
    TypedNumber factor;
    if (OperationResult r = readFactorField(factorEdit_->text().toStdString(), factor); !r.done())
        return r;
    std::optional<Axis> axis;
    if (axes_->checkedId() != kAllDirections) axis = static_cast<Axis>(axes_->checkedId());
    return context_.document.run(&scaleVertices, factor, axis, which, *log_);
}

} // namespace meshsmith
