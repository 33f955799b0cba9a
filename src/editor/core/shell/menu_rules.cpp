#include "editor/core/shell/menu_rules.hpp"

namespace meshsmith {

GeometryMenuState geometryMenuState(const Project& p) {
    GeometryMenuState s;
    const bool g = p.GeometryPresent;
    s.importCaption = g ? "&Import additional Geometry from...." : "&Import Geometry from....";
    s.addFromProject = g;
    s.createInterpolated = g;
    s.exportGeometry = g;
    return s;
}

VisualMenuState visualMenuState(const Project& p) {
    VisualMenuState s;
    s.lines = p.GeometryPresent;
    s.polygons = p.GeometryPresent;
    s.assignTextures = !p.object.polygons.empty();
    s.checkBackColors = !p.object.polygons.empty() && !p.object.textures.empty();
    return s;
}

ModifyMenuState modifyMenuState(const Project& p) {
    ModifyMenuState s;
    const bool g = p.GeometryPresent;
    s.rotate = s.move = s.mirror = s.scale = s.center = g;
    s.copyPolygon = s.movePolygon = !p.object.polygons.empty();
    return s;
}

MiscMenuState miscMenuState(const Project& p) {
    MiscMenuState s;
    s.setCollision = !p.object.polygons.empty();
    s.createVisLines = p.object.visLines.empty() && p.object.vertices.size() >= 2;
    s.removeVisLines = s.convertVisLines = !p.object.visLines.empty();
    s.addInterpolated = p.object.vertices.size() >= 2;
    return s;
}

ToolbarState toolbarState(const Project& p, bool converterPresent, bool viewerPresent) {
    ToolbarState s;
    s.close = p.ProjectFile != NoProjectFile;
    s.saveAs = !p.object.vertices.empty();
    s.writeAse = converterPresent && !p.object.polygons.empty() && !p.object.textures.empty();
    s.writeAseConvertViewer = s.writeAse && viewerPresent;
    s.geometry = p.GeometryPresent;
    s.polygons = !p.object.polygons.empty();
    s.clearAll = !p.object.vertices.empty() || !p.object.textures.empty();
    return s;
}

} // namespace meshsmith
