#include "editor/qt/transform/mirror_box.hpp"

#include "editor/qt/transform/dialog_parts.hpp"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

MirrorBox::MirrorBox(EditorContext& context, QWidget* parent)
    : VertexTransformBox(context, parent, "MirrorBox", "Mirror") {
    auto* layout = new QVBoxLayout(this);
    axes_ = new QButtonGroup(this);
    layout->addWidget(radioGroup(
        this, "Axis", {{"XRadio", "X Values"}, {"YRadio", "Y Values"}, {"ZRadio", "Z Values"}},
        axes_));
    keepBox_ = new QCheckBox("Keep Original", this);
    keepBox_->setObjectName("KeepCheckBox");
    layout->addWidget(keepBox_);
    addButtons(layout, {"OKButton", "Mirror All", nullptr},
               {"MirSelButton", "Mirror Selected", nullptr}, {"UndoButton", "Undo", nullptr},
               {"CancelButton", "Cancel", nullptr});
    connect(axes_, &QButtonGroup::idClicked, this, &MirrorBox::enableActions);
}

void MirrorBox::prepare() {
    // No axis until the user chooses one.
    axes_->setExclusive(false);
    for (QAbstractButton* b : axes_->buttons())
        b->setChecked(false);
    axes_->setExclusive(true);
    allButton_->setEnabled(false);
    selectedButton_->setEnabled(false);
}

OperationResult MirrorBox::transform(const VertexChoice& which) {
    const int axis = axes_->checkedId();
    if (axis < 0) return OperationResult::refused("Choose the axis to mirror along !");
    return context_.document.run(&mirrorVertices, static_cast<Axis>(axis), keepBox_->isChecked(),
                                 which, *log_);
}

} // namespace meshsmith
