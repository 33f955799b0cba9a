#include "editor/qt/attributes/attribute_dialogs.hpp"

#include "editor/core/attributes/attribute_rules.hpp"
#include "model/edits/attribute_edits.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {
namespace {

// OK-like and Cancel buttons with their object names, in a row.
QDialogButtonBox* buttonRow(QDialog* dialog, const char* okName, const char* okCaption,
                            const char* cancelHint) {
    auto* row = new QDialogButtonBox(dialog);
    QPushButton* ok = row->addButton(okCaption, QDialogButtonBox::AcceptRole);
    ok->setObjectName(okName);
    ok->setDefault(true);
    QPushButton* cancel = row->addButton("Cancel", QDialogButtonBox::RejectRole);
    cancel->setObjectName("CancelButton");
    cancel->setToolTip(cancelHint);
    QObject::connect(row, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return row;
}

} // namespace

DisplayClassForm::DisplayClassForm(EditorContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("DisplayClassForm");
    setWindowTitle("Set Visibility within GPL");
    classBox_ = new QComboBox(this);
    classBox_->setObjectName("DCComboBox");
    classBox_->setToolTip("Set A Display Class Value");
    for (const DisplayClassEntry& entry : displayClassEntries())
        classBox_->addItem(entry.text);
    auto* label = new QLabel("&Object Type (as set in GPL Graphic Options):", this);
    label->setBuddy(classBox_);
    QDialogButtonBox* buttons = buttonRow(this, "OKButton", "OK", "Close And Discard Changes");
    connect(buttons, &QDialogButtonBox::accepted, this, &DisplayClassForm::onOk);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(classBox_);
    layout->addWidget(buttons);
}

void DisplayClassForm::showEvent(QShowEvent* event) {
    const auto entry = displayClassEntryOf(context_.document.object().DisplayClass);
    classBox_->setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
    QDialog::showEvent(event);
}

void DisplayClassForm::onOk() {
    const int entry = classBox_->currentIndex();
    if (entry >= 0) {
        const std::int32_t value = displayClassEntries()[static_cast<std::size_t>(entry)].value;
        if (value != context_.document.object().DisplayClass)
            report(context_.prompts, context_.document.run(&setDisplayClass, value));
    }
    accept();
}

DescForm::DescForm(EditorContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("DescForm");
    setWindowTitle("Project Description");
    descriptionEdit_ = new QLineEdit(this);
    descriptionEdit_->setObjectName("DescEdit");
    descriptionEdit_->setMaxLength(static_cast<int>(kDescriptionLimit));
    descriptionEdit_->setMinimumWidth(420);
    descriptionEdit_->setToolTip("Set A Description For This Project, Which Will Be Shown On "
                                 "Project Load In The Log Window (max. 200 characters)");
    auto* label = new QLabel("&Description:", this);
    label->setBuddy(descriptionEdit_);
    QDialogButtonBox* buttons = buttonRow(this, "SaveButton", "Save && Close", "");
    connect(buttons, &QDialogButtonBox::accepted, this, &DescForm::onSave);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(descriptionEdit_);
    layout->addWidget(buttons);
}

void DescForm::showEvent(QShowEvent* event) {
    descriptionEdit_->setText(QString::fromStdString(context_.document.object().ProjectDescription));
    // Selected, so that typing replaces it (the default "None available" most of all).
    descriptionEdit_->selectAll();
    descriptionEdit_->setFocus();
    QDialog::showEvent(event);
}

void DescForm::onSave() {
    const std::string text = descriptionEdit_->text().toStdString();
    if (text != context_.document.object().ProjectDescription) {
        const OperationResult r = context_.document.run(&setDescription, text);
        report(context_.prompts, r);
        if (!r.done()) return;
    }
    accept();
}

} // namespace meshsmith
