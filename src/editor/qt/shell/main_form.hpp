#pragma once
// The editor's frame window: the menu bar and tool bar, the one 3D view, the
// camera controls and the log. The commands belong to a few controllers, each
// owning its actions: the project's lifecycle, the exchange of geometry, the
// build and launch, the camera, and the editing windows. The frame arranges
// their actions in the menus and the tool bar, and enables them from the
// document's change signal (nothing polls).

#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/main_items.hpp"
#include "editor/qt/shell/document_signal.hpp"
#include "editor/qt/shell/main_actions.hpp"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QMenu;
class QPlainTextEdit;

namespace meshsmith {

class BuildController;
class CameraController;
class EditingController;
class ExchangeController;
class OptionsForm;
class ProjectController;
class RecoveryController;
class ViewForm;

class MainForm : public QMainWindow {
    Q_OBJECT
  public:
    // `arguments` are the program's command-line arguments without the program
    // itself; the first names a project to open at the view's first drawing.
    MainForm(EditorContext& context, QStringList arguments, QWidget* parent = nullptr);
    ~MainForm() override;

    // Appends one line to the log.
    void addLogLine(const std::string& line);
    QStringList logLines() const;

    // A menu item (a submenu's entry included) or tool button.
    QAction* item(MainItem which) const { return actions_[which]; }
    ViewForm* view() const { return view_; }
    OptionsForm* options() const;
    EditorContext& context() { return context_; }
    DocumentSignal& documentSignal() { return signal_; }
    bool converterRunning() const;
    RecoveryController& recovery() { return *recovery_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Construction.
    void buildCentralArea();
    void buildView();
    void buildMenus();
    QMenu* addSubmenu(QMenu* menu, MainItem which);
    void addItems(QMenu* menu, std::initializer_list<MainItem> items);
    void buildToolBar();
    void addFrameActions();
    void showProgramCaptions();
    // After each drawing of the view; after the first: the copies of unsaved
    // work left by an editor that did not close normally, then the command
    // line's project.
    void onSceneDrawn();

    // Enabling: the menu rules over the project as it is now.
    void enableItems();

    void onSaveLog();

    EditorContext& context_;
    QStringList arguments_;
    DocumentSignal signal_;
    MainActions actions_;
    ProjectController* project_ = nullptr;
    ExchangeController* exchange_ = nullptr;
    BuildController* build_ = nullptr;
    CameraController* camera_ = nullptr;
    EditingController* editing_ = nullptr;
    RecoveryController* recovery_ = nullptr;
    bool firstDrawingSeen_ = false, startedUp_ = false;

    ViewForm* view_ = nullptr;
    QPlainTextEdit* logPane_ = nullptr;
    QWidget* bottomPanel_ = nullptr;
    QMenu *fileMenu_ = nullptr, *importMenu_ = nullptr, *writeAseMenu_ = nullptr;
};

} // namespace meshsmith
