#pragma once
// The editor's frame window: the menu bar and tool bar with their commands,
// the one 3D view, the camera scroll bars and rotate buttons, and the log. It
// owns the project's lifecycle (open, save, close, clear all, exit), the
// recent-projects list and the enabling of menus and tool buttons, and opens
// every other window. The commands' work is done by the plain C++ operations;
// this class reads the user's input, calls them and shows their results.

#include "editor/core/shell/editor_context.hpp"
#include "editor/core/shell/file_filters.hpp"
#include "editor/core/shell/main_items.hpp"
#include "editor/qt/shell/converter_process.hpp"
#include "model/dxf_export.hpp"
#include "model/edits/visualization_lines.hpp"
#include "model/project_file.hpp"
#include "model/random_colours.hpp"

#include <QMainWindow>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace meshsmith {

class CollisionForm;
class LineForm;
class OptionsForm;
class PolygonForm;
class SelectTextureForm;
class TextureForm;
class VertexForm;
class ViewForm;
struct ProjectSession;
struct TextureWindowHooks;

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
    // Asks the view to repaint.
    void redrawView();
    // The ToolbarUpdater's rules; also run whenever the application is idle.
    void updateToolbar();
    // The menu rules; run when the user opens the menu.
    void updateGeometryMenu();
    void updateVisualMenu();
    void updateModifyMenu();
    void updateMiscMenu();

    // A menu item (a submenu's entry included) or tool button.
    QAction* item(MainItem which) const;
    ViewForm* view() const { return view_; }
    OptionsForm* options() const { return options_; }
    EditorContext& context() { return context_; }
    bool converterRunning() const { return converter_.running(); }

  public slots:
    // File menu.
    void onOpenProject();
    void onSaveProject();
    void onCloseProject();
    void onClearAll();
    void onSaveProjectAs();
    void onWriteAseOnly();
    void onWriteAseAndConvert();
    void onWriteAseConvertAndStartGpl();
    void onDisplayAllContents();
    void onPrintProject();
    void onOptions();
    void onRecentFile(const QString& path);
    void onExit();
    // Geometry menu.
    void onImportVertexText();
    void onImportDxf();
    void onImport3doText();
    void onExportVertexText();
    void onExportDxfVertices();
    void onExportDxfVerticesLines();
    void onExportDxfVerticesLinesPolygons();
    void onExport3doText();
    void onAddFromProject();
    void onRemoveDoubleVertices();
    void onCreateVertices();
    void onCreateInterpolatedVertex();
    // Edit menu.
    void onUndo();
    void onRedo();
    void updateEditMenu();
    // Visual Elements menu: the texture windows.
    void onLoadTextures();
    void onAssignTextures();
    void onCheckBackColors();
    // Visual Elements menu: the line and polygon windows.
    void onLines();
    void onPolygons();
    // Modify menu: the transformation dialogs (main_form_transform.cpp).
    void onRotate();
    void onMove();
    void onMirror();
    void onScale();
    void onCenter();
    void onCopyPolygon();
    void onMovePolygon();
    // Misc. menu.
    void onAddInterpolatedVertices();
    void onDescription();
    void onVisibility();
    void onCollision();
    void onCreateVisualizationLines();
    void onRemoveVisualizationLines();
    void onConvertVisualizationLines();
    // Misc. menu: outside programs.
    void onStartGpl();
    void onStartViewer();
    void onStartUserProgram();
    // Help menu.
    void onOnlineHelp();
    void onLocalHelp();
    void showAboutBox();
    // Log pop-up menu.
    void onCopyLog();
    void onSaveLog();
    void onClearLog();

  protected:
    void closeEvent(QCloseEvent* event) override; // FormCloseQuery
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Construction (main_form_menus.cpp, main_form_camera.cpp).
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildGeometryMenu();
    void buildVisualAndModifyMenus();
    void buildViewOptionsMenu();
    void buildMiscAndHelpMenus();
    void buildToolBar();
    void buildBottomPanel();
    void buildView();
    QAction* addItem(QMenu* menu, MainItem which, void (MainForm::*handler)() = nullptr);
    QMenu* addSubmenu(QMenu* menu, MainItem which);
    QAction* addCheckItem(QMenu* menu, MainItem which, bool ProjectOptions::*flag, bool redraws);
    void needs(bool condition, const char* message, void (MainForm::*then)() = nullptr);

    // Lifecycle (main_form_project.cpp).
    ProjectSession session();
    bool closeProjectCommand(); // true when the project was closed (or had no vertices)
    void applySaveResult(const OperationResult& r, bool newName);
    void openAndShow(const std::string& path, bool addToRecent);
    void afterReset();
    void projectOpened(const std::string& path, bool addToRecent);
    void openCommandLineProject();
    void addRecent(const std::string& path);
    void rebuildRecentMenu();
    void syncControlsFromProject();
    void showProgramCaptions();

    // Build and launch (main_form_build.cpp).
    bool startConversion(const std::string& target, std::function<void()> afterSuccess);
    void afterGplBuild(const std::string& projectFile);
    void startGame(const ProgramLaunch& launch);
    bool startProgram(const ProgramLaunch& launch);
    std::string settingsPath(const char* key) const;

    // Exports (main_form_exchange.cpp): the save dialog of an export, which
    // remembers its folder for the next one.
    std::optional<std::string> chooseExportFile(const char* title, SaveFilter filter,
                                                const char* extension);
    void exportDxfCommand(DxfExportMode mode);

    // Editing (main_form_edit.cpp): after any change of the object the lists,
    // menus and view follow.
    void objectChanged();
    void reportAndFollow(const OperationResult& r);
    TextureWindowHooks textureHooks();

    // Camera (main_form_camera.cpp).
    void barMoved(QScrollBar* bar, CameraBar which, const char* label, int value);
    void rotateButtonClicked();
    void redrawWithoutVertices();
    void showCameraControls();

    EditorContext& context_;
    QStringList arguments_;
    bool commandLinePending_ = true;
    bool projectClosed_ = false;
    std::unique_ptr<EditorLog> log_; // the log as the operations see it
    RandomColours colours_;
    SaveOptions saveOptions_;
    ConverterProcess converter_;
    QTimer idleTimer_;
    std::string convertingAse_; // the ASE file of the running conversion
    std::string lastExportFolder_;

    QMdiArea* mdi_ = nullptr;
    QMdiSubWindow* viewWindow_ = nullptr;
    ViewForm* view_ = nullptr;
    OptionsForm* options_ = nullptr;
    VertexForm* vertexForm_ = nullptr;
    CollisionForm* collisionForm_ = nullptr;
    TextureForm* textureForm_ = nullptr;
    SelectTextureForm* selectTextureForm_ = nullptr;
    PolygonForm* polygonForm_ = nullptr;
    LineForm* lineForm_ = nullptr;
    Rgb lineColour_ = kDefaultLineColour; // every new line and visualization line takes it
    QPlainTextEdit* logPane_ = nullptr;
    QScrollBar *xBar_ = nullptr, *yBar_ = nullptr, *zBar_ = nullptr, *zoomBar_ = nullptr;
    QPushButton *xRotate_ = nullptr, *yRotate_ = nullptr, *zRotate_ = nullptr;
    QMenu *fileMenu_ = nullptr, *geometryMenu_ = nullptr, *visualMenu_ = nullptr;
    QMenu *modifyMenu_ = nullptr, *miscMenu_ = nullptr, *importMenu_ = nullptr;
    QMenu* writeAseMenu_ = nullptr;
    std::vector<QAction*> recentItems_;
    std::array<QAction*, kMainItemCount> items_{};
};

} // namespace meshsmith
