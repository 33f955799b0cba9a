// The main window's menu bar and tool bar, and the rules that enable their items.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/main_items.hpp"
#include "editor/core/shell/menu_rules.hpp"
#include "export/build_checks.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

// The icons are built into this static library, so nothing registers them at
// start; the macro names a function at global scope, hence outside the namespace.
static void registerToolBarIcons() {
    Q_INIT_RESOURCE(tool_bar);
}

namespace meshsmith {

QAction* MainForm::addItem(QMenu* menu, MainItem which, void (MainForm::*handler)()) {
    const MainItemText& t = textOf(which);
    QAction* item = menu->addAction(t.caption);
    item->setObjectName(t.objectName);
    if (handler) connect(item, &QAction::triggered, this, handler);
    items_[static_cast<std::size_t>(which)] = item;
    return item;
}

QMenu* MainForm::addSubmenu(QMenu* menu, MainItem which) {
    const MainItemText& t = textOf(which);
    QMenu* submenu = menu->addMenu(t.caption);
    submenu->setObjectName(t.objectName);
    items_[static_cast<std::size_t>(which)] = submenu->menuAction();
    return submenu;
}

QAction* MainForm::addCheckItem(QMenu* menu, MainItem which, bool ProjectOptions::*flag,
                                bool redraws) {
    QAction* item = addItem(menu, which);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, flag, redraws](bool on) {
        context_.project.options.*flag = on;
        if (flag == &ProjectOptions::ShowVertices) context_.project.ShowVerticesNow = on;
        if (redraws) redrawView();
    });
    return item;
}

QAction* MainForm::item(MainItem which) const {
    return items_[static_cast<std::size_t>(which)];
}

namespace {

// A menu caption as plain text: mnemonic marks removed, "&&" shown as "&".
QString plainCaption(const char* caption) {
    QString s(caption);
    s.replace("&&", QChar(1));
    s.remove('&');
    return s.replace(QChar(1), '&');
}

} // namespace

// Runs `then` when the condition holds; otherwise shows the message.
void MainForm::needs(bool condition, const char* message, void (MainForm::*then)()) {
    if (!condition)
        context_.prompts.showMessage(message);
    else if (then)
        (this->*then)();
}

void MainForm::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildGeometryMenu();
    buildVisualAndModifyMenus();
    buildViewOptionsMenu();
    buildMiscAndHelpMenus();
}

void MainForm::buildFileMenu() {
    using enum MainItem;
    fileMenu_ = menuBar()->addMenu("&File");
    addItem(fileMenu_, OpenProject, &MainForm::onOpenProject)->setShortcut(QKeySequence::Open);
    addItem(fileMenu_, SaveProject, &MainForm::onSaveProject)->setShortcut(QKeySequence::Save);
    addItem(fileMenu_, CloseProject, &MainForm::onCloseProject);
    addItem(fileMenu_, ClearAll, &MainForm::onClearAll);
    addItem(fileMenu_, SaveProjectAs, &MainForm::onSaveProjectAs)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu_->addSeparator();
    writeAseMenu_ = addSubmenu(fileMenu_, WriteAseMenu);
    addItem(writeAseMenu_, WriteAseOnly, &MainForm::onWriteAseOnly);
    addItem(writeAseMenu_, WriteAseAndConvert, &MainForm::onWriteAseAndConvert);
    addItem(writeAseMenu_, WriteAseConvertGpl, &MainForm::onWriteAseConvertAndStartGpl);
    addItem(writeAseMenu_, WriteAseConvertViewer)->setEnabled(false);
    addItem(fileMenu_, Write3do)->setEnabled(false);
    fileMenu_->addSeparator();
    addItem(fileMenu_, DisplayAllContents, &MainForm::onDisplayAllContents);
    addItem(fileMenu_, PrintProject, &MainForm::onPrintProject);
    fileMenu_->addSeparator();
    addItem(fileMenu_, Options, &MainForm::onOptions);
    fileMenu_->addSeparator();
    addItem(fileMenu_, Exit, &MainForm::onExit)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void MainForm::buildEditMenu() {
    QMenu* edit = menuBar()->addMenu("&Edit");
    addItem(edit, MainItem::Undo, &MainForm::onUndo)->setShortcut(QKeySequence::Undo);
    addItem(edit, MainItem::Redo, &MainForm::onRedo)
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(edit, &QMenu::aboutToShow, this, &MainForm::updateEditMenu);
    updateEditMenu();
}

void MainForm::buildGeometryMenu() {
    using enum MainItem;
    geometryMenu_ = menuBar()->addMenu("&Geometry");
    connect(geometryMenu_, &QMenu::aboutToShow, this, &MainForm::updateGeometryMenu);
    addItem(geometryMenu_, CreateVertices, &MainForm::onCreateVertices);
    addItem(geometryMenu_, InterpolateVertex, &MainForm::onCreateInterpolatedVertex);
    importMenu_ = addSubmenu(geometryMenu_, ImportMenu);
    addItem(importMenu_, ImportVertexText, &MainForm::onImportVertexText);
    addItem(importMenu_, ImportDxf, &MainForm::onImportDxf);
    addItem(importMenu_, Import3doText, &MainForm::onImport3doText);
    QMenu* exportMenu = addSubmenu(geometryMenu_, ExportMenu);
    addItem(exportMenu, ExportVertexText, &MainForm::onExportVertexText);
    QMenu* dxfMenu = addSubmenu(exportMenu, ExportDxfMenu);
    addItem(dxfMenu, ExportDxfVertices, &MainForm::onExportDxfVertices);
    addItem(dxfMenu, ExportDxfVerticesLines, &MainForm::onExportDxfVerticesLines);
    addItem(dxfMenu, ExportDxfVerticesLinesPolygons, &MainForm::onExportDxfVerticesLinesPolygons);
    addItem(exportMenu, Export3doText, &MainForm::onExport3doText);
    addItem(geometryMenu_, AddFromProject, &MainForm::onAddFromProject);
    addItem(geometryMenu_, RemoveDoubleVertices, &MainForm::onRemoveDoubleVertices);
}

void MainForm::buildVisualAndModifyMenus() {
    using enum MainItem;
    const Project& p = context_.project;
    visualMenu_ = menuBar()->addMenu("&Visual Elements");
    connect(visualMenu_, &QMenu::aboutToShow, this, &MainForm::updateVisualMenu);
    // Each editing window opens only when the object has what it works on.
    connect(addItem(visualMenu_, Lines), &QAction::triggered, this, [this, &p] {
        needs(p.object.vertices.size() >= 2, "Not enough Vertices defined", &MainForm::onLines);
    });
    connect(addItem(visualMenu_, Polygons), &QAction::triggered, this, [this, &p] {
        needs(p.object.vertices.size() >= 3, "Not enough Vertices defined", &MainForm::onPolygons);
    });
    connect(addItem(visualMenu_, AssignTextures), &QAction::triggered, this, [this, &p] {
        needs(!p.object.polygons.empty(), "No Polygons defined !", &MainForm::onAssignTextures);
    });
    connect(addItem(visualMenu_, LoadTextures), &QAction::triggered, this, [this, &p] {
        needs(!p.object.vertices.empty(), "No Vertices, No Textures !", &MainForm::onLoadTextures);
    });
    addItem(visualMenu_, CheckBackColors, &MainForm::onCheckBackColors);

    modifyMenu_ = menuBar()->addMenu("&Modify");
    connect(modifyMenu_, &QMenu::aboutToShow, this, &MainForm::updateModifyMenu);
    using Command = void (MainForm::*)();
    const std::pair<MainItem, Command> vertexCommands[] = {{Rotate, &MainForm::onRotate},
                                                           {Move, &MainForm::onMove},
                                                           {Mirror, &MainForm::onMirror},
                                                           {Scale, &MainForm::onScale}};
    for (auto [which, command] : vertexCommands)
        connect(addItem(modifyMenu_, which), &QAction::triggered, this, [this, &p, command] {
            needs(!p.object.vertices.empty(), "No Vertices defined", command);
        });
    connect(addItem(modifyMenu_, Center), &QAction::triggered, this, [this, &p] {
        const BoundingBox& b = p.bounds;
        if (b.centreX == 0 && b.centreY == 0 && b.centreZ == 0)
            context_.prompts.showMessage("Already centered !");
        else
            needs(!p.object.vertices.empty(), "No Vertices defined", &MainForm::onCenter);
    });
    const std::pair<MainItem, Command> polygonCommands[] = {
        {CopyPolygon, &MainForm::onCopyPolygon}, {MovePolygon, &MainForm::onMovePolygon}};
    for (auto [which, command] : polygonCommands)
        connect(addItem(modifyMenu_, which), &QAction::triggered, this, [this, &p, command] {
            needs(!p.object.polygons.empty(), "Draw Polygons first !", command);
        });
}

void MainForm::buildViewOptionsMenu() {
    using enum MainItem;
    QMenu* menu = menuBar()->addMenu("View &Options");
    addCheckItem(menu, ShowAxis, &ProjectOptions::ShowAxis, false);
    addCheckItem(menu, ShowVertices, &ProjectOptions::ShowVertices, true);
    addCheckItem(menu, ShowLines, &ProjectOptions::ShowLines, true);
    addCheckItem(menu, ShowPolygons, &ProjectOptions::ShowPolygons, true);
    addCheckItem(menu, ShowTextures, &ProjectOptions::ShowTextures, true);
}

void MainForm::buildMiscAndHelpMenus() {
    using enum MainItem;
    miscMenu_ = menuBar()->addMenu("M&isc.");
    connect(miscMenu_, &QMenu::aboutToShow, this, &MainForm::updateMiscMenu);
    addItem(miscMenu_, Description, &MainForm::onDescription);
    addItem(miscMenu_, Visibility, &MainForm::onVisibility);
    addItem(miscMenu_, Collision, &MainForm::onCollision);
    miscMenu_->addSeparator();
    addItem(miscMenu_, CreateVisLines, &MainForm::onCreateVisualizationLines);
    addItem(miscMenu_, RemoveVisLines, &MainForm::onRemoveVisualizationLines)->setEnabled(false);
    addItem(miscMenu_, ConvertVisLines, &MainForm::onConvertVisualizationLines)->setEnabled(false);
    addItem(miscMenu_, AddInterpolated, &MainForm::onAddInterpolatedVertices);
    miscMenu_->addSeparator();
    addItem(miscMenu_, StartGpl, &MainForm::onStartGpl);
    addItem(miscMenu_, StartViewer, &MainForm::onStartViewer);
    addItem(miscMenu_, StartUser, &MainForm::onStartUserProgram);

    QMenu* help = menuBar()->addMenu("&Help");
    addItem(help, OnlineHelp, &MainForm::onOnlineHelp);
    addItem(help, LocalHelp, &MainForm::onLocalHelp);
    addItem(help, About, &MainForm::showAboutBox);
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
        const MainItemText& t = textOf(b.button);
        auto* button = new QAction(QIcon(QString(":/tools/%1.png").arg(b.icon)), b.label, this);
        button->setObjectName(t.objectName);
        button->setToolTip(plainCaption(t.caption));
        items_[static_cast<std::size_t>(b.button)] = button;
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

void MainForm::updateToolbar() {
    const ToolbarState s = toolbarState(context_.project, fileExists(kilnPath(context_.appFolder)));
    item(MainItem::CloseButton)->setEnabled(s.close);
    item(MainItem::CloseProject)->setEnabled(s.close);
    using enum MainItem;
    for (MainItem which : {SaveAsButton, SaveProjectAs, PrintProject, DisplayAllContents})
        item(which)->setEnabled(s.saveAs);
    item(MainItem::AseButton)->setEnabled(s.writeAse);
    item(MainItem::WriteAseMenu)->setEnabled(s.writeAse);
    for (MainItem which :
         {LineButton, PolygonButton, MoveButton, MirrorButton, ScaleButton, CenterButton})
        item(which)->setEnabled(s.geometry);
    for (MainItem which : {AssignTexturesButton, CopyPolygonButton, MovePolygonButton})
        item(which)->setEnabled(s.polygons);
    item(MainItem::ClearAll)->setEnabled(s.clearAll);
}

void MainForm::updateGeometryMenu() {
    const GeometryMenuState s = geometryMenuState(context_.project);
    importMenu_->setTitle(QString::fromStdString(s.importCaption));
    item(MainItem::AddFromProject)->setEnabled(s.addFromProject);
    item(MainItem::InterpolateVertex)->setEnabled(s.createInterpolated);
    item(MainItem::ExportMenu)->setEnabled(s.exportGeometry);
}

void MainForm::updateVisualMenu() {
    const VisualMenuState s = visualMenuState(context_.project);
    item(MainItem::Lines)->setEnabled(s.lines);
    item(MainItem::Polygons)->setEnabled(s.polygons);
    item(MainItem::AssignTextures)->setEnabled(s.assignTextures);
    item(MainItem::CheckBackColors)->setEnabled(s.checkBackColors);
}

void MainForm::updateModifyMenu() {
    const ModifyMenuState s = modifyMenuState(context_.project);
    item(MainItem::Rotate)->setEnabled(s.rotate);
    item(MainItem::Move)->setEnabled(s.move);
    item(MainItem::Mirror)->setEnabled(s.mirror);
    item(MainItem::Scale)->setEnabled(s.scale);
    item(MainItem::Center)->setEnabled(s.center);
    item(MainItem::CopyPolygon)->setEnabled(s.copyPolygon);
    item(MainItem::MovePolygon)->setEnabled(s.movePolygon);
}

void MainForm::updateMiscMenu() {
    const MiscMenuState s = miscMenuState(context_.project);
    item(MainItem::Collision)->setEnabled(s.setCollision);
    item(MainItem::CreateVisLines)->setEnabled(s.createVisLines);
    item(MainItem::RemoveVisLines)->setEnabled(s.removeVisLines);
    item(MainItem::ConvertVisLines)->setEnabled(s.convertVisLines);
    item(MainItem::AddInterpolated)->setEnabled(s.addInterpolated);
}

} // namespace meshsmith
