#include "editor/qt/transform/move_box.hpp"

#include "editor/core/transform/transform_rules.hpp"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

MoveBox::MoveBox(EditorContext& context, QWidget* parent)
    : VertexTransformBox(context, parent, "MoveBox", "Move") {
    auto* layout = new QVBoxLayout(this);
    fields_ = addOffsetFields(this, layout, {"Edit1", "Edit2", "Edit3"});
    addButtons(layout, {"OKButton", "Move All", nullptr}, {"SelButton", "Move Selected", nullptr},
               {"UndoButton", "Undo", "Undo Last Move"}, {"CancelButton", "Cancel", nullptr});
    for (QLineEdit* edit : fields_.edits)
        connect(edit, &QLineEdit::textEdited, this, &MoveBox::enableActions);
}

void MoveBox::prepare() {
    fields_.reset();
    allButton_->setEnabled(false);
    selectedButton_->setEnabled(false);
    fields_.edits[0]->setFocus();
}

OperationResult MoveBox::transform(const VertexChoice& which) {
    std::array<TypedNumber, 3> offsets;
    if (OperationResult r = readOffsetFields(fields_.texts(), offsets); !r.done()) return r;
    return context_.document.run(&moveVertices, offsets, which, *log_);
}

} // namespace meshsmith
