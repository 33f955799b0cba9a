// The main window's project lifecycle: open, reopen, save, close, clear all,
// the project named on the command line, and the recent-projects list.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/file_filters.hpp"
#include "editor/core/shell/general_options.hpp"
#include "editor/qt/shell/options_form.hpp"
#include "editor/qt/view/view_form.hpp"
#include "model/project_commands.hpp"
#include "model/text_file.hpp"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace meshsmith {

ProjectSession MainForm::session() {
    saveOptions_ = {context_.appFolder, context_.general.MakeSubDir, context_.general.CopyBmp,
                    context_.general.MipInfo};
    return ProjectSession{context_.project, saveOptions_, context_.prompts, *log_};
}

// Close Project: nothing happens while the project has no vertices; Cancel
// in the save question keeps it. True when the project is now closed or empty.
bool MainForm::closeProjectCommand() {
    if (context_.project.object.vertices.empty()) return true;
    ProjectSession s = session();
    const OperationResult closed = closeProject(s);
    report(context_.prompts, closed);
    if (!closed.done()) return false;
    afterReset();
    return true;
}

void MainForm::afterReset() {
    syncControlsFromProject();
    projectClosed_ = true;
    item(MainItem::CloseProject)->setEnabled(false);
    item(MainItem::SaveProject)->setEnabled(false);
    item(MainItem::WriteAseMenu)->setEnabled(false);
    item(MainItem::CreateVisLines)->setEnabled(true);
    item(MainItem::RemoveVisLines)->setEnabled(false);
    item(MainItem::ConvertVisLines)->setEnabled(false);
}

void MainForm::onCloseProject() {
    closeProjectCommand();
}

void MainForm::onClearAll() {
    ProjectSession s = session();
    clearAll(s);
    afterReset();
}

void MainForm::onOpenProject() {
    // Cancel in the save question ends the Open: loading now would drop the
    // unsaved project the user just chose to keep.
    if (!closeProjectCommand()) return;
    const auto path = context_.files.openFile(openRequest("", ProjectOpenFilter));
    if (!path) return;
    openAndShow(*path, true);
}

void MainForm::onRecentFile(const QString& path) {
    if (!closeProjectCommand()) return;
    openAndShow(path.toStdString(), false);
}

void MainForm::openAndShow(const std::string& path, bool addToRecent) {
    ProjectSession s = session();
    const OperationResult opened = openProject(s, path);
    report(context_.prompts, opened);
    if (opened.done()) projectOpened(path, addToRecent);
    syncControlsFromProject();
}

void MainForm::projectOpened(const std::string& path, bool addToRecent) {
    if (context_.project.object.vertices.empty()) return;
    if (addToRecent) addRecent(path);
    item(MainItem::CloseProject)->setEnabled(true);
    item(MainItem::SaveProject)->setEnabled(true);
    redrawView();
}

void MainForm::openCommandLineProject() {
    if (!commandLinePending_ || context_.project.ProjectFile != NoProjectFile ||
        arguments_.isEmpty())
        return;
    commandLinePending_ = false;
    // Opened after the drawing has ended: a message box of the load must not
    // run inside the view's paint handler.
    QTimer::singleShot(0, this, [this] { openAndShow(arguments_.front().toStdString(), true); });
}

void MainForm::onSaveProject() {
    ProjectSession s = session();
    const bool named = context_.project.ProjectFile != NoProjectFile;
    applySaveResult(saveProjectCommand(s), !named);
}

void MainForm::onSaveProjectAs() {
    ProjectSession s = session();
    applySaveResult(saveProjectAs(s), true);
}

// A save under a new name shows that name and joins the recent list.
void MainForm::applySaveResult(const OperationResult& r, bool newName) {
    report(context_.prompts, r);
    if (!r.done() || !newName) return;
    addRecent(context_.project.ProjectFile);
    if (view_) view_->showCaption();
}

void MainForm::onAddFromProject() {
    const auto path = context_.files.openFile(openRequest("", ProjectOpenFilter));
    if (!path) return;
    ProjectSession s = session();
    report(context_.prompts, addFromProjectCommand(s, *path));
    syncControlsFromProject();
}

void MainForm::addRecent(const std::string& path) {
    context_.recent.add(path);
    context_.recent.save(context_.settings);
    rebuildRecentMenu();
}

void MainForm::rebuildRecentMenu() {
    for (QAction* item : recentItems_)
        delete item;
    recentItems_.clear();
    const QFontMetrics metrics(fileMenu_->font());
    int number = 0;
    for (const std::string& entry : context_.recent.entries()) {
        const QString path = QString::fromStdString(entry);
        const QString shown = metrics.elidedText(path, Qt::ElideMiddle, 400);
        auto* recent = new QAction(
            QString("&%1 ").arg(++number % 10) + QString(shown).replace('&', "&&"), fileMenu_);
        recent->setObjectName(QString("MRUItem%1").arg(number - 1));
        recent->setData(path);
        connect(recent, &QAction::triggered, this, [this, path] { onRecentFile(path); });
        fileMenu_->insertAction(item(MainItem::Exit), recent);
        recentItems_.push_back(recent);
    }
    if (!recentItems_.empty()) {
        QAction* separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(item(MainItem::Exit), separator);
        recentItems_.push_back(separator);
    }
}

// Brings the scroll bars, check marks and caption in line with the project
// after it was loaded or reset.
void MainForm::syncControlsFromProject() {
    const ProjectOptions& o = context_.project.options;
    CameraControls& c = context_.camera;
    rotationBarsFollow(c, o);
    c.zoomBar = std::clamp(o.ZoomRatio, barMinimum(CameraBar::Zoom), barMaximum(CameraBar::Zoom));
    showCameraControls();
    item(MainItem::ShowAxis)->setChecked(o.ShowAxis);
    item(MainItem::ShowVertices)->setChecked(o.ShowVertices);
    item(MainItem::ShowLines)->setChecked(o.ShowLines);
    item(MainItem::ShowPolygons)->setChecked(o.ShowPolygons);
    item(MainItem::ShowTextures)->setChecked(o.ShowTextures);
    context_.project.ShowVerticesNow = o.ShowVertices;
    if (view_) view_->showCaption();
    objectChanged();
}

void MainForm::showProgramCaptions() {
    item(MainItem::StartViewer)
        ->setText(QString::fromStdString(startItemCaption(context_.general.ViewerPath)));
    item(MainItem::StartUser)
        ->setText(QString::fromStdString(startItemCaption(context_.general.UserPath)));
}

void MainForm::onSaveLog() {
    const auto path = context_.files.saveFile(saveRequest(LogSaveFilter, "log"));
    if (!path) return;
    std::vector<std::string> lines;
    for (const QString& line : logLines())
        lines.push_back(line.toStdString());
    if (auto error = writeFileAtomically(*path, joinCrLf(lines)))
        context_.prompts.showMessage("Unable to save the log to " + *path + "\r" + *error);
}

void MainForm::onOptions() {
    options_->exec();
}

} // namespace meshsmith
