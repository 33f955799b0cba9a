#pragma once
// Every command item of the main window, by what it does: the menu items
// (submenus included) and the tool buttons, with the object name outside
// clients and tests find them by and the caption the user reads ("&" marks
// the mnemonic, "&&" is a plain "&").

#include <array>
#include <cstddef>

namespace meshsmith {

enum class MainItem {
    // File
    OpenProject,
    SaveProject,
    CloseProject,
    ClearAll,
    SaveProjectAs,
    WriteAseMenu,
    WriteAseOnly,
    WriteAseAndConvert,
    WriteAseConvertGpl,
    WriteAseConvertViewer,
    Write3do,
    DisplayAllContents,
    PrintProject,
    Options,
    Exit,
    // Edit
    Undo,
    Redo,
    // Geometry
    CreateVertices,
    InterpolateVertex,
    ImportMenu,
    ImportVertexText,
    ImportDxf,
    Import3doText,
    ImportObj,
    ImportMaxAse,
    ExportMenu,
    ExportVertexText,
    ExportDxfMenu,
    ExportDxfVertices,
    ExportDxfVerticesLines,
    ExportDxfVerticesLinesPolygons,
    Export3doText,
    AddFromProject,
    RemoveDoubleVertices,
    // Visual Elements
    Lines,
    Polygons,
    AssignTextures,
    LoadTextures,
    CheckBackColors,
    // Modify
    Rotate,
    Move,
    Mirror,
    Scale,
    Center,
    CopyPolygon,
    MovePolygon,
    // View Options
    ShowAxis,
    ShowVertices,
    ShowLines,
    ShowPolygons,
    ShowTextures,
    // Misc.
    Description,
    Visibility,
    Collision,
    CreateVisLines,
    RemoveVisLines,
    ConvertVisLines,
    AddInterpolated,
    StartGpl,
    StartViewer,
    StartUser,
    // Help
    OnlineHelp,
    LocalHelp,
    About,
    // Tool buttons
    OpenButton,
    SaveButton,
    CloseButton,
    SaveAsButton,
    AseButton,
    Write3doButton,
    VertexButton,
    LineButton,
    PolygonButton,
    AssignTexturesButton,
    LoadTexturesButton,
    MoveButton,
    MirrorButton,
    ScaleButton,
    CenterButton,
    CopyPolygonButton,
    MovePolygonButton,
    StartGplButton,
    ViewerButton,
    UserButton,
};
inline constexpr std::size_t kMainItemCount = static_cast<std::size_t>(MainItem::UserButton) + 1;

struct MainItemText {
    MainItem item;
    const char* objectName;
    const char* caption; // tool buttons: the command's caption, shown as the hint
};

// The texts of every item, in the order of MainItem.
const std::array<MainItemText, kMainItemCount>& mainItemTexts();
inline const MainItemText& textOf(MainItem item) {
    return mainItemTexts()[static_cast<std::size_t>(item)];
}

} // namespace meshsmith
