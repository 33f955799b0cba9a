#include "editor/qt/shell/offset_new_form.hpp"

#include "model/number_text.hpp"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

OffsetNewForm::OffsetNewForm(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName("OffsetNewForm");
    setWindowTitle("Offset New Vertices ?");
    xEdit_ = new QLineEdit(this);
    yEdit_ = new QLineEdit(this);
    zEdit_ = new QLineEdit(this);
    xEdit_->setObjectName("Edit1");
    yEdit_->setObjectName("Edit2");
    zEdit_->setObjectName("Edit3");
    offsetButton_ = new QPushButton("Add with Offset", this);
    cancelButton_ = new QPushButton("Cancel", this);
    offsetButton_->setObjectName("OffsetButton");
    cancelButton_->setObjectName("CancelButton");
    offsetButton_->setDefault(true);

    auto* boxes = new QFormLayout;
    boxes->addRow("X:", xEdit_);
    boxes->addRow("Y:", yEdit_);
    boxes->addRow("Z:", zEdit_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(offsetButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);

    connect(offsetButton_, &QPushButton::clicked, this, &OffsetNewForm::onAddWithOffset);
    connect(cancelButton_, &QPushButton::clicked, this, &OffsetNewForm::onCancel);
    resetBoxes();
}

void OffsetNewForm::resetBoxes() {
    offsets_ = {};
    for (QLineEdit* e : {xEdit_, yEdit_, zEdit_})
        e->setText("0");
}

std::optional<VertexOffset> OffsetNewForm::ask() {
    resetBoxes();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return offsets_;
}

void OffsetNewForm::onAddWithOffset() {
    float values[3];
    QLineEdit* boxes[3] = {xEdit_, yEdit_, zEdit_};
    for (int i = 0; i < 3; ++i) {
        const std::string text = boxes[i]->text().toStdString();
        auto v = parseReal(text);
        if (!v) {
            // The dialog stays open so the value can be put right.
            prompts_.showMessage(notAFloatMessage(text));
            boxes[i]->setFocus();
            return;
        }
        values[i] = *v;
    }
    offsets_ = {values[0], values[1], values[2]};
    accept();
}

void OffsetNewForm::onCancel() {
    reject();
}

} // namespace meshsmith
