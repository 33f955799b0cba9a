#include "editor/qt/shell/name_project_form.hpp"

#include "model/project_commands.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

NameProjectForm::NameProjectForm(UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setObjectName("NameProjectForm");
    setWindowTitle("Assign Project Name");
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName("NameEdit");
    okButton_ = new QPushButton("OK", this);
    cancelButton_ = new QPushButton("Cancel", this);
    okButton_->setObjectName("OKButton");
    cancelButton_->setObjectName("CancelButton");
    okButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Project Name (up to 8 characters):", this));
    layout->addWidget(nameEdit_);
    layout->addLayout(buttons);

    connect(okButton_, &QPushButton::clicked, this, &NameProjectForm::onOk);
    connect(cancelButton_, &QPushButton::clicked, this, &NameProjectForm::onCancel);
}

std::optional<std::string> NameProjectForm::ask() {
    nameEdit_->clear();
    nameEdit_->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return nameEdit_->text().toStdString();
}

void NameProjectForm::onOk() {
    const OperationResult check = checkProjectName(nameEdit_->text().toStdString());
    if (!check.done()) {
        report(prompts_, check);
        nameEdit_->clear();
        return;
    }
    accept();
}

void NameProjectForm::onCancel() {
    reject();
}

} // namespace meshsmith
