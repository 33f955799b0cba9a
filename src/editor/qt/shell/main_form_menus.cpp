// The main window's menu bar and tool bar, and the rules that enable their items.
#include "editor/qt/shell/main_form.hpp"

#include "editor/core/shell/menu_rules.hpp"
#include "export/build_checks.hpp"
#include "model/paths.hpp"
#include "model/product.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace meshsmith {

QAction* MainForm::addItem(QMenu* menu, const char* name, const char* caption,
                           void (MainForm::*handler)()) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    if (handler) connect(item, &QAction::triggered, this, handler);
    actions_[name] = item;
    return item;
}

QAction* MainForm::addCheckItem(QMenu* menu, const char* name, const char* caption,
                                bool ProjectOptions::*flag, bool redraws) {
    QAction* item = addItem(menu, name, caption);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, flag, redraws](bool on) {
        context_.project.options.*flag = on;
        if (flag == &ProjectOptions::ShowVertices) context_.project.ShowVerticesNow = on;
        if (redraws) RedrawView();
    });
    return item;
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

QAction* MainForm::addToolButton(const char* name, const char* hint, void (MainForm::*handler)()) {
    QAction* button = new QAction(this);
    button->setObjectName(name);
    button->setToolTip(plainCaption(hint));
    if (handler) connect(button, &QAction::triggered, this, handler);
    actions_[name] = button;
    return button;
}

// Runs `then` when the condition holds; otherwise shows the message.
void MainForm::needs(bool condition, const char* message, void (MainForm::*then)()) {
    if (!condition)
        context_.prompts.showMessage(message);
    else if (then)
        (this->*then)();
}

void MainForm::buildMenus() {
    buildFileMenu();
    buildGeometryMenu();
    buildVisualAndModifyMenus();
    buildViewOptionsMenu();
    buildMiscAndHelpMenus();
}

void MainForm::buildFileMenu() {
    fileMenu_ = menuBar()->addMenu("&File");
    addItem(fileMenu_, "OpenProjectMenu", "&Open existing project",
            &MainForm::OpenProjectMenuClick);
    addItem(fileMenu_, "SaveProjectMenu", "S&ave Project", &MainForm::SaveProjectMenuClick);
    addItem(fileMenu_, "CloseProjectMenu", "&Close Project", &MainForm::CloseProjectMenuClick);
    addItem(fileMenu_, "ClearAllMenu", "Clear All", &MainForm::ClearAllMenuClick);
    addItem(fileMenu_, "SaveProjectAsMenu", "&Save project as...",
            &MainForm::SaveProjectAsMenuClick);
    fileMenu_->addSeparator();
    writeAseMenu_ = fileMenu_->addMenu("Write ASE file");
    writeAseMenu_->setObjectName("WriteASEMenu");
    actions_["WriteASEMenu"] = writeAseMenu_->menuAction();
    addItem(writeAseMenu_, "WriteASEOnly", "Just write ASE", &MainForm::WriteASEOnlyClick);
    addItem(writeAseMenu_, "WriteASEandStart", "Write ASE and convert to 3DO",
            &MainForm::WriteASEandStartClick);
    addItem(writeAseMenu_, "WriteASEConvertGPL", "Write ASE, Convert and start GPL",
            &MainForm::WriteASEConvertGPLClick);
    addItem(writeAseMenu_, "WriteASEConvertViewer", "Write ASE, Convert and start Viewer")
        ->setEnabled(false);
    addItem(fileMenu_, "Write3DOMenu", "&Write 3DO file")->setEnabled(false);
    fileMenu_->addSeparator();
    addItem(fileMenu_, "DisplayAllContentsMenu", "Display All Project Contents",
            &MainForm::DisplayAllContentsMenuClick);
    addItem(fileMenu_, "PrintProjectMenu", "&Print Project Data", &MainForm::PrintProjectMenuClick);
    fileMenu_->addSeparator();
    addItem(fileMenu_, "OptionsMenu", "Options", &MainForm::OptionsMenuClick);
    fileMenu_->addSeparator();
    exitItem_ = addItem(fileMenu_, "Exit1", "E&xit", &MainForm::Exit1Click);
}

void MainForm::buildGeometryMenu() {
    geometryMenu_ = menuBar()->addMenu("&Geometry");
    connect(geometryMenu_, &QMenu::aboutToShow, this, &MainForm::updateGeometryMenu);
    addItem(geometryMenu_, "CreatManVertMenu", "&Create/Add/Delete vertices manually");
    addItem(geometryMenu_, "InterpolVMenu", "Create Interpolated Vertex");
    importMenu_ = geometryMenu_->addMenu("&Import Geometry from....");
    importMenu_->setObjectName("ImportMenu");
    actions_["ImportMenu"] = importMenu_->menuAction();
    addItem(importMenu_, "ImportTxt", "Vertex Text file", &MainForm::ImportTxtClick);
    addItem(importMenu_, "ImportDXF", "DXF file", &MainForm::ImportDXFClick);
    addItem(importMenu_, "Import3DOText", "3DOText (Vertices && Polygons)",
            &MainForm::Import3DOTextClick);
    QMenu* exportMenu = geometryMenu_->addMenu("Export Geometry to....");
    actions_["ExportMenu"] = exportMenu->menuAction();
    addItem(exportMenu, "ExportTxt", "Vertex Text file", &MainForm::ExportTxtClick);
    QMenu* dxfMenu = exportMenu->addMenu("DXF R12 file");
    addItem(dxfMenu, "ExportDXF_V", "Vertices only", &MainForm::ExportDXF_VClick);
    addItem(dxfMenu, "ExportDXF_VL", "Vertices && Lines", &MainForm::ExportDXF_VLClick);
    addItem(dxfMenu, "ExportDXF_VLP", "Vertices && Lines && Polygons",
            &MainForm::ExportDXF_VLPClick);
    addItem(exportMenu, "Export3DOText", "3DOText (Vertices && Polygons)",
            &MainForm::Export3DOTextClick);
    addItem(geometryMenu_, "AddFromProjectMenu", "Add Data From Another Project",
            &MainForm::AddFromProjectMenuClick);
    addItem(geometryMenu_, "RemDoubleMenu", "Remove Double Vertices",
            &MainForm::RemDoubleMenuClick);
}

void MainForm::buildVisualAndModifyMenus() {
    const Project& p = context_.project;
    visualMenu_ = menuBar()->addMenu("&Visual Elements");
    connect(visualMenu_, &QMenu::aboutToShow, this, &MainForm::updateVisualMenu);
    // The editing windows these items open belong to later parts of the editor;
    // their preconditions are checked here already.
    connect(addItem(visualMenu_, "LineMenu", "Lines"), &QAction::triggered, this,
            [this, &p] { needs(p.object.vertices.size() >= 2, "Not enough Vertices defined"); });
    connect(addItem(visualMenu_, "PolyMenu", "Polygons"), &QAction::triggered, this,
            [this, &p] { needs(p.object.vertices.size() >= 3, "Not enough Vertices defined"); });
    connect(addItem(visualMenu_, "AssignTexMenu", "Assign Textures to Polygons"),
            &QAction::triggered, this, [this] {
                needs(!context_.project.object.polygons.empty(), "No Polygons defined !");
                if (!context_.project.object.polygons.empty()) context_.project.SelectedPolygon = 0;
            });
    connect(addItem(visualMenu_, "LoadRemTexfileMenu", "Load && Remove Textures"),
            &QAction::triggered, this,
            [this, &p] { needs(!p.object.vertices.empty(), "No Vertices, No Textures !"); });
    addItem(visualMenu_, "BackColorMenu", "Check Texture-specific Background Colors on Polygons");

    modifyMenu_ = menuBar()->addMenu("&Modify");
    connect(modifyMenu_, &QMenu::aboutToShow, this, &MainForm::updateModifyMenu);
    auto vertexCommand = [this, &p] { needs(!p.object.vertices.empty(), "No Vertices defined"); };
    for (auto [name, caption] : {std::pair{"RotateMenu", "Rotate Vertices"},
                                 {"MoveMenu", "Move Vertices"},
                                 {"MirrorMenu", "Mirror Vertices"},
                                 {"ScaleMenu", "Scale Vertices"}})
        connect(addItem(modifyMenu_, name, caption), &QAction::triggered, this, vertexCommand);
    connect(addItem(modifyMenu_, "CenterMenu", "Center All Vertices"), &QAction::triggered, this,
            [this, &p] {
                const BoundingBox& b = p.bounds;
                if (b.centreX == 0 && b.centreY == 0 && b.centreZ == 0)
                    context_.prompts.showMessage("Already centered !");
                else
                    needs(!p.object.vertices.empty(), "No Vertices defined");
            });
    auto polygonCommand = [this, &p] {
        needs(!p.object.polygons.empty(), "Draw Polygons first !");
    };
    connect(addItem(modifyMenu_, "CopyPolyMenu", "Copy Polygon"), &QAction::triggered, this,
            polygonCommand);
    connect(addItem(modifyMenu_, "MovePolyMenu", "Move Polygon"), &QAction::triggered, this,
            polygonCommand);
}

void MainForm::buildViewOptionsMenu() {
    QMenu* menu = menuBar()->addMenu("View &Options");
    addCheckItem(menu, "ShowAxisMenu", "Show Axis", &ProjectOptions::ShowAxis, false);
    addCheckItem(menu, "ShowVerticesMenu", "Show Vertices", &ProjectOptions::ShowVertices, true);
    addCheckItem(menu, "ShowLinesMenu", "Show Lines", &ProjectOptions::ShowLines, true);
    addCheckItem(menu, "ShowPolygonsMenu", "Show Polygons", &ProjectOptions::ShowPolygons, true);
    addCheckItem(menu, "ShowTexturesMenu", "Show Textures", &ProjectOptions::ShowTextures, true);
}

void MainForm::buildMiscAndHelpMenus() {
    miscMenu_ = menuBar()->addMenu("M&isc.");
    connect(miscMenu_, &QMenu::aboutToShow, this, &MainForm::updateMiscMenu);
    addItem(miscMenu_, "DescriptionMenu", "Project Description");
    addItem(miscMenu_, "SetVisibilityMenu", "Set Object Visibility within GPL");
    addItem(miscMenu_, "CollMenu", "Set Collision Type");
    miscMenu_->addSeparator();
    addItem(miscMenu_, "CreateVislinesMenu", "Create Subsequent Visualization Lines");
    addItem(miscMenu_, "RemVislinesMenu", "Remove Visualization Lines")->setEnabled(false);
    addItem(miscMenu_, "ConvLineMenu", "Convert Visualization Lines to 3DO Line Objects")
        ->setEnabled(false);
    addItem(miscMenu_, "InterpolateMenu", "Add Interpolated Vertices");
    miscMenu_->addSeparator();
    addItem(miscMenu_, "StartGPLMenu", "Start GPL", &MainForm::StartGPLClick);
    addItem(miscMenu_, "ViewerStartMenu", "Start 3DO- Viewer Application",
            &MainForm::ViewerStartMenuClick);
    addItem(miscMenu_, "UserStartMenu", "Start User-Defined Program",
            &MainForm::UserStartMenuClick);

    QMenu* help = menuBar()->addMenu("&Help");
    addItem(help, "OnlineHelp1", "&Online Help", &MainForm::OnlineHelp1Click);
    addItem(help, "LocalMenu", "Local Help", &MainForm::LocalMenuClick);
    aboutItem_ = addItem(help, "About1", "&About...", &MainForm::About1Click);
}

void MainForm::buildToolBar() {
    QToolBar* bar = addToolBar("Tools");
    bar->setObjectName("ToolBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    struct Button {
        const char* name;
        const char* hint;
        void (MainForm::*handler)();
        const char* menuItem; // the menu command the button runs, when it is not a handler
        const char* label;    // the button's short text; the hint tells the whole command
    };
    const Button buttons[] = {
        {"OpenToolButton", "&Open existing project", &MainForm::OpenProjectMenuClick, nullptr,
         "Open"},
        {"SaveToolButton", "S&ave Project", &MainForm::SaveProjectMenuClick, nullptr, "Save"},
        {"CloseToolButton", "&Close Project", &MainForm::CloseProjectMenuClick, nullptr, "Close"},
        {"SaveAsToolButton", "&Save project as...", &MainForm::SaveProjectAsMenuClick, nullptr,
         "Save As"},
        {"ASEToolButton", "Write ASE file", nullptr, nullptr, "ASE"},
        {"_3DOToolButton", "&Write 3DO file", nullptr, nullptr, "3DO"},
        {"VertexToolButton", "&Create/Add/Delete vertices manually", nullptr, "CreatManVertMenu",
         "Vertices"},
        {"LineToolButton", "Lines", nullptr, "LineMenu", "Lines"},
        {"PolyToolButton", "Polygons", nullptr, "PolyMenu", "Polygons"},
        {"AssignTexToolButton", "Assign Textures to Polygons", nullptr, "AssignTexMenu", "Assign"},
        {"LoadTexToolButton", "Load && Remove Textures", nullptr, "LoadRemTexfileMenu", "Textures"},
        {"MoveToolButton", "Move Vertices", nullptr, "MoveMenu", "Move"},
        {"MirrorToolButton", "Mirror Vertices", nullptr, "MirrorMenu", "Mirror"},
        {"ScaleToolButton", "Scale Vertices", nullptr, "ScaleMenu", "Scale"},
        {"CenterToolButton", "Center All Vertices", nullptr, "CenterMenu", "Center"},
        {"CopyPolyToolButton", "Copy Polygon", nullptr, "CopyPolyMenu", "Copy Poly"},
        {"MovePolyToolButton", "Move Polygon", nullptr, "MovePolyMenu", "Move Poly"},
        {"StartGPLToolButton", "Start GPL", &MainForm::StartGPLClick, nullptr, "GPL"},
        {"ViewerToolButton", "Start 3DO- Viewer Application", &MainForm::ViewerStartMenuClick,
         nullptr, "Viewer"},
        {"UserToolButton", "Start User-Defined Program", &MainForm::UserStartMenuClick, nullptr,
         "User"},
    };
    for (const Button& b : buttons) {
        QAction* button = addToolButton(b.name, b.hint, b.handler);
        button->setText(b.label);
        if (b.menuItem) connect(button, &QAction::triggered, action(b.menuItem), &QAction::trigger);
        bar->addAction(button);
        if (std::string(b.name) == "SaveAsToolButton" || std::string(b.name) == "_3DOToolButton" ||
            std::string(b.name) == "MovePolyToolButton")
            bar->addSeparator();
    }
    // The "Write ASE file" button offers the submenu; "Write 3DO file" never works.
    if (auto* aseButton =
            qobject_cast<QToolButton*>(bar->widgetForAction(action("ASEToolButton")))) {
        aseButton->setMenu(writeAseMenu_);
        aseButton->setPopupMode(QToolButton::InstantPopup);
    }
    action("_3DOToolButton")->setEnabled(false);
}

void MainForm::updateToolbar() {
    const ToolbarState s = toolbarState(context_.project, fileExists(kilnPath(context_.appFolder)));
    action("CloseToolButton")->setEnabled(s.close);
    action("CloseProjectMenu")->setEnabled(s.close);
    for (const char* name :
         {"SaveAsToolButton", "SaveProjectAsMenu", "PrintProjectMenu", "DisplayAllContentsMenu"})
        action(name)->setEnabled(s.saveAs);
    action("ASEToolButton")->setEnabled(s.writeAse);
    action("WriteASEMenu")->setEnabled(s.writeAse);
    for (const char* name : {"LineToolButton", "PolyToolButton", "MoveToolButton",
                             "MirrorToolButton", "ScaleToolButton", "CenterToolButton"})
        action(name)->setEnabled(s.geometry);
    for (const char* name : {"AssignTexToolButton", "CopyPolyToolButton", "MovePolyToolButton"})
        action(name)->setEnabled(s.polygons);
    action("ClearAllMenu")->setEnabled(s.clearAll);
}

void MainForm::updateGeometryMenu() {
    const GeometryMenuState s = geometryMenuState(context_.project);
    importMenu_->setTitle(QString::fromStdString(s.importCaption));
    action("AddFromProjectMenu")->setEnabled(s.addFromProject);
    action("InterpolVMenu")->setEnabled(s.createInterpolated);
    action("ExportMenu")->setEnabled(s.exportGeometry);
}

void MainForm::updateVisualMenu() {
    const VisualMenuState s = visualMenuState(context_.project);
    action("LineMenu")->setEnabled(s.lines);
    action("PolyMenu")->setEnabled(s.polygons);
    action("AssignTexMenu")->setEnabled(s.assignTextures);
    action("BackColorMenu")->setEnabled(s.checkBackColors);
}

void MainForm::updateModifyMenu() {
    const ModifyMenuState s = modifyMenuState(context_.project);
    action("RotateMenu")->setEnabled(s.rotate);
    action("MoveMenu")->setEnabled(s.move);
    action("MirrorMenu")->setEnabled(s.mirror);
    action("ScaleMenu")->setEnabled(s.scale);
    action("CenterMenu")->setEnabled(s.center);
    action("CopyPolyMenu")->setEnabled(s.copyPolygon);
    action("MovePolyMenu")->setEnabled(s.movePolygon);
}

void MainForm::updateMiscMenu() {
    const MiscMenuState s = miscMenuState(context_.project);
    action("CollMenu")->setEnabled(s.setCollision);
    action("CreateVislinesMenu")->setEnabled(s.createVisLines);
    action("InterpolateMenu")->setEnabled(s.addInterpolated);
}

} // namespace meshsmith
