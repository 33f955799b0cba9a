#include "editor/qt/shell/qt_services.hpp"

#include "editor/core/shell/file_filters.hpp"
#include "editor/qt/shell/name_project_form.hpp"
#include "editor/qt/shell/offset_new_form.hpp"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace meshsmith {
namespace {

// Boxes and dialogs belong to the window the user works in: one owned by the
// main window would open hidden under a tool window that stays on top.
QWidget* activeOr(QWidget* owner) {
    QWidget* active = QApplication::activeWindow();
    return active ? active : owner;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// "Meshsmith Project [*.3dp]|*.3dp" becomes "Meshsmith Project [*.3dp] (*.3dp)".
QStringList qtFilters(const std::vector<std::string>& entries) {
    QStringList out;
    for (const std::string& e : entries) {
        const auto bar = e.find('|');
        if (bar == std::string::npos)
            out << qs(e);
        else
            out << qs(e.substr(0, bar)) + " (" + qs(e.substr(bar + 1)) + ")";
    }
    return out;
}

std::optional<std::string> runFileDialog(QWidget* owner, const FileDialogRequest& r, bool save) {
    QFileDialog dialog(owner);
    prepareFileDialog(dialog, r, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().front()).toStdString();
}

} // namespace

void prepareFileDialog(QFileDialog& dialog, const FileDialogRequest& r, bool save) {
    // A dialog without a title of its own is named by what it does, so that a
    // screen reader can tell it.
    dialog.setWindowTitle(!r.title.empty() ? qs(r.title) : save ? "Save As" : "Open");
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(qtFilters(r.filters));
    // Chosen from the list the dialog keeps: it tidies the texts (runs of
    // blanks), so the entries as given would not be found in it.
    const QStringList kept = dialog.nameFilters();
    if (r.filterIndex >= 1 && r.filterIndex <= kept.size())
        dialog.selectNameFilter(kept[r.filterIndex - 1]);
    if (!r.defaultExtension.empty()) dialog.setDefaultSuffix(qs(r.defaultExtension));
    if (!r.folder.empty()) dialog.setDirectory(qs(r.folder));
    if (!r.presetPath.empty()) dialog.selectFile(qs(r.presetPath));
}

namespace {

Answer ask(QWidget* owner, const std::string& title, const std::string& text,
           QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, qs(title), screenText(text), buttons, owner);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return (buttons & QMessageBox::Cancel) ? Answer::Cancel : Answer::No;
    }
}

} // namespace

QString screenText(const std::string& text) {
    QString s = qs(text);
    s.replace("\r\n", "\n");
    s.replace('\r', '\n');
    return s;
}

void QtPrompts::showMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QString(), screenText(text), QMessageBox::Ok,
                    activeOr(owner_));
    box.exec();
}

Answer QtPrompts::askYesNo(const std::string& title, const std::string& text) {
    return ask(activeOr(owner_), title, text, QMessageBox::Yes | QMessageBox::No);
}

Answer QtPrompts::askYesNoCancel(const std::string& title, const std::string& text) {
    return ask(activeOr(owner_), title, text,
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

std::optional<VertexOffset> QtPrompts::askVertexOffset() {
    OffsetNewForm form(*this, activeOr(owner_));
    return form.ask();
}

std::optional<std::string> QtPrompts::reselectBitmap(const std::string& storedPath) {
    FileDialogRequest r = openRequest("", BitmapOpenFilter);
    r.presetPath = storedPath;
    return files_ ? files_->openFile(r) : runFileDialog(activeOr(owner_), r, false);
}

std::optional<std::string> QtPrompts::askProjectName() {
    NameProjectForm form(*this, activeOr(owner_));
    return form.ask();
}

std::optional<std::string> QtPrompts::chooseProjectSavePath() {
    const FileDialogRequest r = saveRequest(ProjectSaveFilter, "3dp");
    return files_ ? files_->saveFile(r) : runFileDialog(activeOr(owner_), r, true);
}

std::optional<std::string> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(activeOr(owner_), request, false);
}

std::optional<std::string> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(activeOr(owner_), request, true);
}

std::optional<std::string> QtFileDialogs::chooseFolder(const std::string& title) {
    QString folder = QFileDialog::getExistingDirectory(activeOr(owner_), qs(title));
    if (folder.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(folder).toStdString();
}

std::optional<Colour> QtFileDialogs::chooseColour(Colour start) {
    const Rgb rgb = colourToRgb(start);
    QColor initial = QColor::fromRgbF(rgb.r, rgb.g, rgb.b);
    QColor chosen = QColorDialog::getColor(initial, activeOr(owner_));
    if (!chosen.isValid()) return std::nullopt;
    return static_cast<Colour>(chosen.red()) | static_cast<Colour>(chosen.green()) << 8 |
           static_cast<Colour>(chosen.blue()) << 16;
}

bool QtProgramStarter::startDetached(const ProgramLaunch& launch) {
    QStringList args;
    for (const std::string& a : launch.arguments)
        args << qs(a);
    return QProcess::startDetached(qs(launch.program), args);
}

bool QtProgramStarter::openWithDefaultHandler(const std::string& pathOrUrl) {
    const QString target = qs(pathOrUrl);
    const bool isAddress = target.contains("://") || target.startsWith("mailto:");
    return QDesktopServices::openUrl(isAddress ? QUrl(target) : QUrl::fromLocalFile(target));
}

} // namespace meshsmith
