#pragma once
// Which menu items and tool buttons are enabled, as functions of the project:
// the rules applied when the user opens a menu, and the ToolbarUpdater's rules
// applied whenever the application is idle.

#include "model/project.hpp"

#include <string>

namespace meshsmith {

struct GeometryMenuState {
    // "&Import Geometry from...." or "&Import additional Geometry from...."
    std::string importCaption;
    bool addFromProject = false;     // "Add Data From Another Project"
    bool createInterpolated = false; // "Create Interpolated Vertex"
    bool exportGeometry = false;     // "Export Geometry to...."
};
struct VisualMenuState {
    bool lines = false, polygons = false, assignTextures = false, checkBackColors = false;
};
struct ModifyMenuState {
    bool rotate = false, move = false, mirror = false, scale = false, center = false;
    bool copyPolygon = false, movePolygon = false;
};
struct MiscMenuState {
    bool setCollision = false, createVisLines = false, addInterpolated = false;
    bool removeVisLines = false, convertVisLines = false; // while visualization lines exist
};
// The ToolbarUpdater's controls.
struct ToolbarState {
    bool close = false; // CloseToolButton, "&Close Project"
    // SaveAsToolButton, "&Save project as...", "&Print Project Data",
    // "Display All Project Contents"
    bool saveAs = false;
    bool writeAse = false; // ASEToolButton, "Write ASE file" (the submenu and its button)
    bool writeAseConvertViewer = false; // "Write ASE, Convert and start Viewer"
    bool geometry = false; // Line, Poly, Move, Mirror, Scale, Center tool buttons
    bool polygons = false; // AssignTex, CopyPoly, MovePoly tool buttons
    bool clearAll = false; // "Clear All"
};

GeometryMenuState geometryMenuState(const Project& p);
VisualMenuState visualMenuState(const Project& p);
ModifyMenuState modifyMenuState(const Project& p);
MiscMenuState miscMenuState(const Project& p);
// `converterPresent`: 3DO-Kiln stands beside the editor; without it nothing
// under "Write ASE file" can run. `viewerPresent`: so does 3DO-View, which
// "Write ASE, Convert and start Viewer" starts on the built 3DO.
ToolbarState toolbarState(const Project& p, bool converterPresent, bool viewerPresent = false);

} // namespace meshsmith
