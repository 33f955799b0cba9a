#include "editor/qt/shell/project_controller.hpp"

#include "editor/core/shell/file_filters.hpp"
#include "editor/qt/shell/options_form.hpp"
#include "model/project_commands.hpp"

#include <QFontMetrics>
#include <QMenu>
#include <QTimer>

namespace meshsmith {

ProjectController::ProjectController(EditorContext& context, MainActions& actions,
                                     QWidget* window)
    : QObject(window), context_(context), window_(window),
      log_(std::make_unique<EditorLog>(context)) {
    using enum MainItem;
    actions.add(OpenProject, [this] { onOpenProject(); })->setShortcut(QKeySequence::Open);
    actions.add(SaveProject, [this] { saveProject(); })->setShortcut(QKeySequence::Save);
    actions.add(CloseProject, [this] { closeProjectCommand(); });
    actions.add(ClearAll, [this] { onClearAll(); });
    actions.add(SaveProjectAs, [this] { onSaveProjectAs(); })
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    actions.add(AddFromProject, [this] { onAddFromProject(); });
    // The Options dialog reads the settings file when it is created.
    options_ = new OptionsForm(context_, window);
    actions.add(Options, [this] { options_->exec(); });
    context_.recent.load(context_.settings);
}

ProjectController::~ProjectController() {
    context_.recent.save(context_.settings);
}

bool ProjectController::closeProjectCommand() {
    if (context_.document.object().vertices.empty()) return true;
    const OperationResult closed = context_.document.runFile(
        &closeProject, context_.saveOptions(), context_.prompts, *log_);
    report(context_.prompts, closed);
    return closed.done();
}

bool ProjectController::closeForExit() {
    return closeProjectCommand();
}

void ProjectController::onClearAll() {
    context_.document.runFile(&clearAll, context_.saveOptions(), context_.prompts, *log_);
}

void ProjectController::onOpenProject() {
    // Cancel in the save question ends the Open: loading now would drop the
    // unsaved project the user just chose to keep.
    if (!closeProjectCommand()) return;
    const auto path = context_.files.openFile(openRequest("", ProjectOpenFilter));
    if (!path) return;
    openAndShow(*path, true);
}

void ProjectController::onRecentFile(const QString& path) {
    if (!closeProjectCommand()) return;
    openAndShow(path.toStdString(), false);
}

void ProjectController::openAndShow(const std::string& path, bool addToRecent) {
    const OperationResult opened = context_.document.runFile(
        &openProject, context_.saveOptions(), context_.prompts, *log_, path);
    report(context_.prompts, opened);
    if (opened.done() && !context_.document.object().vertices.empty() && addToRecent)
        addRecent(path);
}

void ProjectController::openCommandLineProject(const QStringList& arguments) {
    if (!commandLinePending_ || arguments.isEmpty()) return;
    if (context_.document.hasUnsavedChanges()) {
        // A recovered project: opening would drop it.
        commandLinePending_ = false;
        log_->addLine("The project named on the command line, " + arguments.front().toStdString() +
                      ", was not opened: the recovered project is open.");
        return;
    }
    if (context_.document.hasFile()) return;
    commandLinePending_ = false;
    // Opened after the drawing has ended: a message box of the load must not
    // run inside the view's paint handler.
    const std::string path = arguments.front().toStdString();
    QTimer::singleShot(0, this, [this, path] { openAndShow(path, true); });
}

void ProjectController::saveProject() {
    const bool named = context_.document.hasFile();
    applySaveResult(context_.document.runFile(&saveProjectCommand, context_.saveOptions(),
                                              context_.prompts, *log_),
                    !named);
}

void ProjectController::onSaveProjectAs() {
    applySaveResult(context_.document.runFile(&saveProjectAs, context_.saveOptions(),
                                              context_.prompts, *log_),
                    true);
}

// A save under a new name joins the recent list.
void ProjectController::applySaveResult(const OperationResult& r, bool newName) {
    report(context_.prompts, r);
    if (r.done() && newName) addRecent(context_.document.project().ProjectFile);
}

void ProjectController::onAddFromProject() {
    const auto path = context_.files.openFile(openRequest("", ProjectOpenFilter));
    if (!path) return;
    report(context_.prompts, context_.document.runFile(&addFromProjectCommand,
                                                       context_.saveOptions(), context_.prompts,
                                                       *log_, *path));
}

void ProjectController::placeRecentList(QMenu* fileMenu, QAction* before) {
    fileMenu_ = fileMenu;
    recentBefore_ = before;
    rebuildRecentMenu();
}

void ProjectController::addRecent(const std::string& path) {
    context_.recent.add(path);
    context_.recent.save(context_.settings);
    rebuildRecentMenu();
}

void ProjectController::rebuildRecentMenu() {
    if (!fileMenu_) return;
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
        fileMenu_->insertAction(recentBefore_, recent);
        recentItems_.push_back(recent);
    }
    if (!recentItems_.empty()) {
        auto* separator = new QAction(fileMenu_);
        separator->setSeparator(true);
        fileMenu_->insertAction(recentBefore_, separator);
        recentItems_.push_back(separator);
    }
}

} // namespace meshsmith
