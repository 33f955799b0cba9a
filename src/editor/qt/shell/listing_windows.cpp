#include "editor/qt/shell/listing_windows.hpp"

#include "editor/core/shell/project_listing.hpp"
#include "editor/qt/shell/listing_print.hpp"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace meshsmith {

ProjectContentsForm::ProjectContentsForm(const Project& project, QWidget* parent)
    : QDialog(parent), project_(project), pane_(new QPlainTextEdit(this)) {
    setObjectName("ProjectContentsForm");
    setWindowTitle("Project Contents");
    setModal(true);
    pane_->setObjectName("ContentsMemo");
    pane_->setReadOnly(true);
    pane_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pane_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The listing lines up its columns with blanks.
    pane_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* copy = new QPushButton("Copy To Clipboard", this);
    auto* cancel = new QPushButton("Cancel", this);
    copy->setObjectName("CopyButton");
    cancel->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(copy);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pane_);
    layout->addLayout(buttons);
    resize(640, 520);

    connect(copy, &QPushButton::clicked, this, &ProjectContentsForm::onCopy);
    connect(cancel, &QPushButton::clicked, this, &ProjectContentsForm::onCancel);
}

QString ProjectContentsForm::text() const {
    return pane_->toPlainText();
}

void ProjectContentsForm::showEvent(QShowEvent* event) {
    QStringList lines;
    for (const std::string& line : projectListing(project_, ListingForm::Display))
        lines << QString::fromStdString(line);
    pane_->setPlainText(lines.join('\n'));
    pane_->moveCursor(QTextCursor::Start);
    QDialog::showEvent(event);
}

void ProjectContentsForm::onCopy() {
    QGuiApplication::clipboard()->setText(pane_->toPlainText());
    pane_->clear();
    accept();
}

void ProjectContentsForm::onCancel() {
    pane_->clear();
    reject();
}

void printProjectListing(const Project& project, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Meshsmith Project Data");
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    printListingLines(projectListing(project, ListingForm::Print), printer);
}

} // namespace meshsmith
