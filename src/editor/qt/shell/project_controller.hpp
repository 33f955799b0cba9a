#pragma once
// The project's lifecycle in the main window: Open, Save, Save As, Close
// Project, Clear All, Add Data From Another Project, the recent-projects
// list, the project named on the command line, and the Options dialog. It
// owns those commands' actions; each runs one project command through the
// document.

#include "editor/core/shell/editor_context.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/shell/main_actions.hpp"

#include <QObject>
#include <QStringList>

#include <memory>
#include <vector>

class QMenu;

namespace meshsmith {

class OptionsForm;

class ProjectController : public QObject {
    Q_OBJECT
  public:
    ProjectController(EditorContext& context, MainActions& actions, QWidget* window);
    ~ProjectController() override;

    // The recent projects are listed in `fileMenu` before `before`.
    void placeRecentList(QMenu* fileMenu, QAction* before);
    // Asks to save a project that holds vertices; true when the window may close.
    bool closeForExit();
    // Opens the first argument as a project, once, when no project is open yet
    // (and none was recovered: the log says it was not opened).
    void openCommandLineProject(const QStringList& arguments);
    // Save as the File menu's command does it.
    void saveProject();
    OptionsForm* options() const { return options_; }

  private:
    void onOpenProject();
    void onSaveProjectAs();
    void onClearAll();
    void onAddFromProject();
    void onRecentFile(const QString& path);
    // Close Project: nothing happens while the project has no vertices; Cancel
    // in the save question keeps it. True when the project is now closed or empty.
    bool closeProjectCommand();
    void openAndShow(const std::string& path, bool addToRecent);
    void applySaveResult(const OperationResult& r, bool newName);
    void addRecent(const std::string& path);
    void rebuildRecentMenu();

    EditorContext& context_;
    QWidget* window_;
    std::unique_ptr<EditorLog> log_;
    OptionsForm* options_ = nullptr;
    bool commandLinePending_ = true;
    QMenu* fileMenu_ = nullptr;
    QAction* recentBefore_ = nullptr;
    std::vector<QAction*> recentItems_;
};

} // namespace meshsmith
