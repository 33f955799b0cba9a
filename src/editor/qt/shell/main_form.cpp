// The main window: construction, the menus and tool bar, the log, the
// enabling of the commands, and closing.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/menu_rules.hpp"
#include "editor/qt/shell/about_box.hpp"
#include "editor/qt/shell/build_controller.hpp"
#include "editor/qt/shell/camera_controller.hpp"
#include "editor/qt/shell/editing_controller.hpp"
#include "editor/qt/shell/exchange_controller.hpp"
#include "editor/qt/shell/options_form.hpp"
#include "editor/qt/shell/project_controller.hpp"
#include "editor/qt/shell/recovery_controller.hpp"
#include "editor/qt/view/view_form.hpp"
#include "export/build_checks.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"
#include "model/text_file.hpp"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QIcon>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

// The icons are built into this static library, so nothing registers them at
// start; the macro names a function at global scope, hence outside the namespace.
static void registerToolBarIcons() {
    Q_INIT_RESOURCE(tool_bar);
}

namespace meshsmith {
namespace {

// A menu caption as plain text: mnemonic marks removed, "&&" shown as "&".
QString plainCaption(const char* caption) {
    QString s(caption);
    s.replace("&&", QChar(1));
    s.remove('&');
    return s.replace(QChar(1), '&');
}

} // namespace

MainForm::MainForm(EditorContext& context, QStringList arguments, QWidget* parent)
    : QMainWindow(parent), context_(context), arguments_(std::move(arguments)),
      signal_(context.document), actions_(this) {
    setObjectName("MainForm");
    const QString title = QString(kProductName) + " " + kVersionText;
    setWindowTitle(title);
    resize(1024, 720);
    context_.addLogLine = [this](const std::string& line) { addLogLine(line); };

    auto* controls = new QGridLayout;
    buildCentralArea();
    // The project controller makes the Options dialog, which reads the settings file.
    project_ = new ProjectController(context_, actions_, this);
    exchange_ = new ExchangeController(context_, actions_, this, [this] {
        if (view_) view_->onZoomAll();
    });
    build_ = new BuildController(context_, actions_, this, [this] { project_->saveProject(); });
    camera_ = new CameraController(context_, signal_, actions_, bottomPanel_, controls);
    static_cast<QHBoxLayout*>(bottomPanel_->layout())->insertLayout(0, controls);
    editing_ = new EditingController(context_, signal_, actions_, this);
    recovery_ = new RecoveryController(context_, signal_, this);
    addFrameActions();
    buildMenus();
    buildToolBar();
    project_->placeRecentList(fileMenu_, item(MainItem::Exit));
    addLogLine(title.toStdString());
    addLogLine("See Tool Tips for some more Information");
    if (!context_.settingsNote.empty()) addLogLine(context_.settingsNote);

    connect(options(), &OptionsForm::programPathsChanged, this, [this] { showProgramCaptions(); });
    showProgramCaptions();
    buildView();
    connect(options(), &OptionsForm::viewSettingsChanged, view_, &ViewForm::redraw);
    camera_->showControls();
    connect(&signal_, &DocumentSignal::changed, this, [this] { enableItems(); });
    enableItems();
    // Only now: the view's OpenGL surface gives the frame a new native window,
    // which forgets a state that was asked for before it existed.
    if (context_.general.MaxOnStartup) setWindowState(windowState() | Qt::WindowMaximized);
}

MainForm::~MainForm() = default;

OptionsForm* MainForm::options() const {
    return project_->options();
}

bool MainForm::converterRunning() const {
    return build_->converterRunning();
}

void MainForm::buildCentralArea() {
    auto* splitter = new QSplitter(Qt::Vertical, this);
    auto* mdi = new QMdiArea(splitter);
    mdi->setObjectName("MdiArea");
    bottomPanel_ = new QWidget(splitter);
    bottomPanel_->setObjectName("BottomPanel");
    logPane_ = new QPlainTextEdit(bottomPanel_);
    logPane_->setObjectName("LogMemo");
    logPane_->setReadOnly(true);
    logPane_->setLineWrapMode(QPlainTextEdit::NoWrap);
    logPane_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(logPane_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu menu(this);
        connect(menu.addAction("Copy Log To Clipboard"), &QAction::triggered, this,
                [this] { QApplication::clipboard()->setText(logPane_->toPlainText()); });
        connect(menu.addAction("Save As Log File"), &QAction::triggered, this,
                &MainForm::onSaveLog);
        connect(menu.addAction("Clear All"), &QAction::triggered, logPane_,
                &QPlainTextEdit::clear);
        menu.exec(logPane_->mapToGlobal(at));
    });
    auto* row = new QHBoxLayout(bottomPanel_);
    row->addWidget(logPane_, 1);
    splitter->setStretchFactor(0, 1);
    splitter->setSizes({520, 160});
    setCentralWidget(splitter);
}

void MainForm::buildView() {
    auto* mdi = findChild<QMdiArea*>("MdiArea");
    view_ = new ViewForm(context_, signal_);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (context_.general.NoCaption) flags |= Qt::FramelessWindowHint;
    QMdiSubWindow* viewWindow = mdi->addSubWindow(view_, flags);
    viewWindow->setObjectName("ViewWindow");
    viewWindow->showMaximized();
    view_->sceneDrawn = [this] { onSceneDrawn(); };
    camera_->attachView(view_);
    editing_->attachView(view_);
    if (const auto& problem = view_->openGlProblem())
        addLogLine("The 3D view is not available: " + *problem + ". All other commands work.");
}

void MainForm::onSceneDrawn() {
    if (startedUp_) return project_->openCommandLineProject(arguments_);
    if (firstDrawingSeen_) return; // the recovery question is showing
    firstDrawingSeen_ = true;
    // Asked after the drawing has ended: a message box must not run inside
    // the view's paint handler.
    QTimer::singleShot(0, this, [this] {
        recovery_->offerLeftCopies();
        startedUp_ = true;
        project_->openCommandLineProject(arguments_);
    });
}

void MainForm::addFrameActions() {
    using enum MainItem;
    actions_.add(Exit, [this] { close(); })->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    actions_.add(OnlineHelp, [this] { openOnlineHelp(context_); });
    actions_.add(LocalHelp, [this] { openLocalHelp(context_); });
    actions_.add(About, [this] {
        AboutBox box(context_, view_, this);
        box.exec();
    });
}

QMenu* MainForm::addSubmenu(QMenu* menu, MainItem which) {
    const MainItemText& t = textOf(which);
    QMenu* submenu = menu->addMenu(t.caption);
    submenu->setObjectName(t.objectName);
    actions_.adopt(which, submenu->menuAction());
    return submenu;
}

void MainForm::addItems(QMenu* menu, std::initializer_list<MainItem> items) {
    for (MainItem which : items)
        menu->addAction(item(which));
}

void MainForm::buildMenus() {
    using enum MainItem;
    fileMenu_ = menuBar()->addMenu("&File");
    addItems(fileMenu_, {OpenProject, SaveProject, CloseProject, ClearAll, SaveProjectAs});
    fileMenu_->addSeparator();
    writeAseMenu_ = addSubmenu(fileMenu_, WriteAseMenu);
    addItems(writeAseMenu_,
             {WriteAseOnly, WriteAseAndConvert, WriteAseConvertGpl, WriteAseConvertViewer});
    addItems(fileMenu_, {Write3do});
    fileMenu_->addSeparator();
    addItems(fileMenu_, {DisplayAllContents, PrintProject});
    fileMenu_->addSeparator();
    addItems(fileMenu_, {Options});
    fileMenu_->addSeparator();
    addItems(fileMenu_, {Exit});

    addItems(menuBar()->addMenu("&Edit"), {Undo, Redo});

    QMenu* geometry = menuBar()->addMenu("&Geometry");
    addItems(geometry, {CreateVertices, InterpolateVertex});
    importMenu_ = addSubmenu(geometry, ImportMenu);
    addItems(importMenu_, {ImportVertexText, ImportDxf, Import3doText, ImportObj, ImportMaxAse});
    QMenu* exportMenu = addSubmenu(geometry, ExportMenu);
    addItems(exportMenu, {ExportVertexText});
    QMenu* dxfMenu = addSubmenu(exportMenu, ExportDxfMenu);
    addItems(dxfMenu, {ExportDxfVertices, ExportDxfVerticesLines, ExportDxfVerticesLinesPolygons});
    addItems(exportMenu, {Export3doText});
    addItems(geometry, {AddFromProject, RemoveDoubleVertices});

    addItems(menuBar()->addMenu("&Visual Elements"),
             {Lines, Polygons, AssignTextures, LoadTextures, CheckBackColors});
    addItems(menuBar()->addMenu("&Modify"),
             {Rotate, Move, Mirror, Scale, Center, CopyPolygon, MovePolygon});
    addItems(menuBar()->addMenu("View &Options"),
             {ShowAxis, ShowVertices, ShowLines, ShowPolygons, ShowTextures});

    QMenu* misc = menuBar()->addMenu("M&isc.");
    addItems(misc, {Description, Visibility, Collision});
    misc->addSeparator();
    addItems(misc, {CreateVisLines, RemoveVisLines, ConvertVisLines, AddInterpolated});
    misc->addSeparator();
    addItems(misc, {StartGpl, StartViewer, StartUser});

    addItems(menuBar()->addMenu("&Help"), {OnlineHelp, LocalHelp, About});
}

void MainForm::buildToolBar() {
    using enum MainItem;
    QToolBar* bar = addToolBar("Tools");
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    // Icons only: twenty worded buttons do not fit a 1024-pixel window.
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    registerToolBarIcons();
    struct Button {
        MainItem button;
        MainItem runs;     // the command it runs (itself for a button with its own action)
        const char* label; // short text, the accessible name; the hint tells the whole command
        const char* icon;  // its picture in the resources, :/tools/<icon>.png
    };
    const Button buttons[] = {
        {OpenButton, OpenProject, "Open", "open"},
        {SaveButton, SaveProject, "Save", "save"},
        {CloseButton, CloseProject, "Close", "close"},
        {SaveAsButton, SaveProjectAs, "Save As", "save_as"},
        {AseButton, AseButton, "ASE", "write_ase"},
        {Write3doButton, Write3doButton, "3DO", "write_3do"},
        {VertexButton, CreateVertices, "Vertices", "vertices"},
        {LineButton, Lines, "Lines", "lines"},
        {PolygonButton, Polygons, "Polygons", "polygons"},
        {AssignTexturesButton, AssignTextures, "Assign", "assign_textures"},
        {LoadTexturesButton, LoadTextures, "Textures", "load_textures"},
        {MoveButton, Move, "Move", "move"},
        {MirrorButton, Mirror, "Mirror", "mirror"},
        {ScaleButton, Scale, "Scale", "scale"},
        {CenterButton, Center, "Center", "center"},
        {CopyPolygonButton, CopyPolygon, "Copy Poly", "copy_polygon"},
        {MovePolygonButton, MovePolygon, "Move Poly", "move_polygon"},
        {StartGplButton, StartGpl, "GPL", "gpl"},
        {ViewerButton, StartViewer, "Viewer", "viewer"},
        {UserButton, StartUser, "User", "user"},
    };
    for (const Button& b : buttons) {
        QAction* button = actions_.add(b.button);
        button->setIcon(QIcon(QString(":/tools/%1.png").arg(b.icon)));
        button->setText(b.label);
        button->setToolTip(plainCaption(textOf(b.button).caption));
        if (b.runs != b.button)
            connect(button, &QAction::triggered, item(b.runs), &QAction::trigger);
        bar->addAction(button);
        if (b.button == SaveAsButton || b.button == Write3doButton || b.button == MovePolygonButton)
            bar->addSeparator();
    }
    // The "Write ASE file" button offers the submenu; "Write 3DO file" never works.
    if (auto* aseButton = qobject_cast<QToolButton*>(bar->widgetForAction(item(AseButton)))) {
        aseButton->setMenu(writeAseMenu_);
        aseButton->setPopupMode(QToolButton::InstantPopup);
    }
    item(Write3doButton)->setEnabled(false);
}

void MainForm::showEvent(QShowEvent* event) {
    item(MainItem::About)->setText(QString("&About ") + kProductName);
    QMainWindow::showEvent(event);
}

void MainForm::addLogLine(const std::string& line) {
    logPane_->appendPlainText(QString::fromStdString(line));
}

QStringList MainForm::logLines() const {
    return logPane_->toPlainText().split('\n');
}

void MainForm::showProgramCaptions() {
    item(MainItem::StartViewer)
        ->setText(QString::fromStdString(startItemCaption(context_.general.ViewerPath)));
    item(MainItem::StartUser)
        ->setText(QString::fromStdString(startItemCaption(context_.general.UserPath)));
}

// Every command's state follows the project as the menu rules say.
void MainForm::enableItems() {
    using enum MainItem;
    const Project& p = context_.document.project();
    const ToolbarState t = toolbarState(p, fileExists(kilnPath(context_.appFolder)),
                                        fileExists(bundledViewerPath(context_.appFolder)));
    item(CloseButton)->setEnabled(t.close);
    item(CloseProject)->setEnabled(t.close);
    for (MainItem which : {SaveProject, SaveButton, SaveAsButton, SaveProjectAs, PrintProject,
                           DisplayAllContents})
        item(which)->setEnabled(t.saveAs);
    item(AseButton)->setEnabled(t.writeAse);
    item(WriteAseMenu)->setEnabled(t.writeAse);
    item(WriteAseConvertViewer)->setEnabled(t.writeAseConvertViewer);
    for (MainItem which :
         {LineButton, PolygonButton, MoveButton, MirrorButton, ScaleButton, CenterButton})
        item(which)->setEnabled(t.geometry);
    for (MainItem which : {AssignTexturesButton, CopyPolygonButton, MovePolygonButton})
        item(which)->setEnabled(t.polygons);
    item(ClearAll)->setEnabled(t.clearAll);

    const GeometryMenuState g = geometryMenuState(p);
    importMenu_->setTitle(QString::fromStdString(g.importCaption));
    item(AddFromProject)->setEnabled(g.addFromProject);
    item(InterpolateVertex)->setEnabled(g.createInterpolated);
    item(ExportMenu)->setEnabled(g.exportGeometry);
    const VisualMenuState v = visualMenuState(p);
    item(Lines)->setEnabled(v.lines);
    item(Polygons)->setEnabled(v.polygons);
    item(AssignTextures)->setEnabled(v.assignTextures);
    item(CheckBackColors)->setEnabled(v.checkBackColors);
    const ModifyMenuState m = modifyMenuState(p);
    const std::pair<MainItem, bool> modify[] = {
        {Rotate, m.rotate}, {Move, m.move},           {Mirror, m.mirror},
        {Scale, m.scale},   {Center, m.center},       {CopyPolygon, m.copyPolygon},
        {MovePolygon, m.movePolygon}};
    for (auto [which, on] : modify)
        item(which)->setEnabled(on);
    const MiscMenuState s = miscMenuState(p);
    item(Collision)->setEnabled(s.setCollision);
    item(CreateVisLines)->setEnabled(s.createVisLines);
    item(RemoveVisLines)->setEnabled(s.removeVisLines);
    item(ConvertVisLines)->setEnabled(s.convertVisLines);
    item(AddInterpolated)->setEnabled(s.addInterpolated);
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

void MainForm::closeEvent(QCloseEvent* event) {
    const bool hadVertices = !context_.document.object().vertices.empty();
    if (hadVertices && !project_->closeForExit()) {
        event->ignore();
        return;
    }
    build_->stopConverter();
    context_.recent.save(context_.settings);
    recovery_->closeNormally();
    event->accept();
}

} // namespace meshsmith
