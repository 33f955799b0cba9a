#include "editor/qt/geometry/manual_vertex_form.hpp"

#include "editor/qt/geometry/form_controls.hpp"
#include "model/user_interaction.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

ManualVertexForm::ManualVertexForm(UserPrompts& prompts, ManualVertexEntry entry, Apply apply,
                                   QWidget* parent)
    : QDialog(parent), prompts_(prompts), entry_(std::move(entry)), apply_(std::move(apply)) {
    setObjectName("ManVForm");
    setWindowTitle("Manual Vertex selection");
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    prompt_ = new QLabel(this);
    prompt_->setObjectName("Label1");
    vertexBox_ = new QComboBox(this);
    vertexBox_->setObjectName("VertexComboBox");
    vertexBox_->setToolTip("List Of All Vertices");
    vertexBox_->setEditable(true);
    vertexBox_->setInsertPolicy(QComboBox::NoInsert);
    QStringList numbers;
    for (std::size_t k = 0; k < entry_.vertexCount(); ++k)
        numbers << QString::number(k);
    vertexBox_->addItems(numbers);
    prompt_->setBuddy(vertexBox_);
    auto* add = makeButton(this, "AddButton", "Add Vertex", "Add The Vertex");
    add->setDefault(true);
    auto* close = makeButton(this, "CloseButton", "Close Polygon", "Close The Polygon");
    close->setEnabled(entry_.canClose());
    auto* cancel = makeButton(this, "CancelButton", "Cancel", "Cancel");

    auto* field = new QHBoxLayout;
    field->addWidget(prompt_);
    field->addWidget(vertexBox_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(close);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &ManualVertexForm::onAddVertex);
    connect(close, &QPushButton::clicked, this, &ManualVertexForm::onClosePolygon);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    askNext();
}

void ManualVertexForm::askNext() {
    prompt_->setText(qs(entry_.prompt()));
    vertexBox_->setCurrentIndex(-1);
    vertexBox_->setEditText({});
    vertexBox_->setFocus();
}

void ManualVertexForm::onAddVertex() {
    const auto reply = entry_.add(vertexBox_->currentText().trimmed().toStdString());
    switch (reply.step) {
    case ManualVertexEntry::Step::MustClose:
        prompts_.showMessage(reply.message);
        return onClosePolygon();
    case ManualVertexEntry::Step::Complete:
        return complete(entry_.typed());
    case ManualVertexEntry::Step::Refused:
        prompts_.showMessage(reply.message);
        break;
    case ManualVertexEntry::Step::Taken:
        break;
    }
    askNext();
}

void ManualVertexForm::onClosePolygon() {
    std::vector<std::int32_t> closed;
    if (const OperationResult r = entry_.close(closed); !r.done()) {
        report(prompts_, r);
        return askNext();
    }
    complete(closed);
}

void ManualVertexForm::complete(const std::vector<std::int32_t>& vertices) {
    apply_(vertices);
    accept();
}

} // namespace meshsmith
