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
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName("NameEdit");
    OKButton = new QPushButton("OK", this);
    CancelButton = new QPushButton("Cancel", this);
    OKButton->setObjectName("OKButton");
    CancelButton->setObjectName("CancelButton");
    OKButton->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Project Name (up to 8 characters):", this));
    layout->addWidget(NameEdit);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &NameProjectForm::onOk);
    connect(CancelButton, &QPushButton::clicked, this, &NameProjectForm::onCancel);
}

std::optional<std::string> NameProjectForm::ask() {
    NameEdit->clear();
    NameEdit->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return NameEdit->text().toStdString();
}

void NameProjectForm::onOk() {
    if (auto refusal = projectNameRefusal(NameEdit->text().toStdString())) {
        prompts_.showMessage(*refusal);
        NameEdit->clear();
        return;
    }
    accept();
}

void NameProjectForm::onCancel() {
    reject();
}

} // namespace meshsmith
