#pragma once
// The options saved with a project (camera, view switches, colours, paths),
// and the project's file as the editor names it: what a project is besides
// its object.

#include <cstdint>
#include <string>

namespace meshsmith {

// The zoom bar's range. ZoomRatio stays within it on every path: at 0 the
// projection divides by zero, below it the picture turns upside down.
inline constexpr std::int32_t SmallestZoomRatio = 1, LargestZoomRatio = 450;

// The 25 project options, in the order the project file stores them.
struct ProjectOptions {
    std::int32_t ZoomRatio = 70;
    std::int32_t RotationX = 0, RotationY = 0, RotationZ = 0;
    std::int32_t PanX = 0, PanY = 0;
    bool ShowAxis = false, ShowVertices = true, ShowLines = true, ShowPolygons = true;
    bool ShowTextures = false, Perspective = true;
    std::int32_t VertexDisplaySize = 3;
    std::string BackgroundColor = "clwhite";
    std::string VertexColor = "$00408000";
    std::string SelectedVertexColor = "$004080FF";
    bool Overwrite = false, SaveToTrackFolder = false;
    std::string TrackFolder;
    bool AutoGPL = false, MakerMinimize = true, MakerClose = false, GPLParam = false;
    std::string AdditionalGPLParams;
    std::int32_t AxisSize = 10;
    friend bool operator==(const ProjectOptions&, const ProjectOptions&) = default;
};

// The project's file, its name, the view's caption and the options saved
// with it: what Close Project and Clear All reset besides the object.
struct ProjectFrame {
    std::string ProjectFile;
    std::string ProjectName;
    std::string viewCaption;
    ProjectOptions options;
    friend bool operator==(const ProjectFrame&, const ProjectFrame&) = default;
};

} // namespace meshsmith
