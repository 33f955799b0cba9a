#pragma once
// The one project the editor holds: the object being built (TrackObject, one
// value with every table and attribute), and beside it the editor's state that
// goes with the project: its file, the options saved with it (camera, view
// switches, colours, paths), selections and view flags. Every window shares
// one Project; nothing else keeps project data.
//
// Invariants of the object, kept by every writer of the tables (load,
// imports, editing operations) and checked by findObjectFault (object_check.hpp):
//  - a line or visualization line has exactly two vertex indices;
//  - a polygon is stored closed: VertexIndices repeats its first corner at the
//    end, so VertexCount = corners + 1 and walks cover entries 0 .. VertexCount-2;
//  - every vertex index is below the vertex count; a TextureIndex is NoTexture
//    or below the texture count; every PlanePolygons entry names a polygon;
//  - every coordinate and texture coordinate is finite.

#include "colour_text.hpp"
#include "edits/edit_history.hpp"
#include "track_object.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith {

struct BoundingBox {
    float minX = 0, minY = 0, minZ = 0;
    float maxX = 0, maxY = 0, maxZ = 0;
    float centreX = 0, centreY = 0, centreZ = 0;
};

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
};

// Drawing copies of the three view colours (red, green, blue 0..1).
struct ViewColours {
    Rgb background{1, 1, 1};
    Rgb vertex{0, 0.6f, 0};
    Rgb selectedVertex{1, 0, 0};
};

// Plane a*x + b*y + c*z = d of a polygon, unit normal pointing against
// (P1 - P0) x (P2 - P0) of its first three corners.
struct PolygonPlane {
    float a = 0, b = 0, c = 0, d = 0;
};

struct Project {
    TrackObject object;

    std::string ProjectFile = NoProjectFile;
    std::string ProjectName;
    std::int32_t SelectedLine = NoSelection;
    std::int32_t SelectedPolygon = NoSelection;
    std::int32_t SelectedTexture = NoTexture;
    BoundingBox bounds;
    bool GeometryPresent = false;
    bool ViewReady = false;
    bool ShowVerticesNow = true;

    ProjectOptions options;
    ViewColours drawColours;
    // Grows whenever the render textures must be rebuilt from the bitmaps.
    std::uint32_t textureLibraryVersion = 0;
    std::string viewCaption = "New Project";

    // The steps of editing since the project was opened (edits/edit.hpp).
    EditHistory history;
    // The vertex window's one-level Undo: copies of the vertex, line and
    // polygon tables taken before its last change (edits/vertex_edits.hpp).
    struct GeometrySnapshot {
        std::vector<Vertex> vertices;
        std::vector<ObjectData> lines, polygons;
    } geometrySnapshot;
};

// A new project's object and editor state, with the defaults above. Option
// flags that belong to menus and dialogs keep their state, as do the project
// name, the bounding box, the edit history (callers decide: Clear All is a
// step, Close Project starts the history anew) and the vertex window's copy.
void resetProject(Project& p);

// Recomputes the bounding box. An empty vertex table keeps the previous box.
void updateBounds(Project& p);

void deselectAllVertices(Project& p);

// The plane of one polygon from its first three corners. The polygon must have
// three corner indices in range; a degenerate polygon gives non-finite values
// (see polygonPlaneIsUsable).
PolygonPlane polygonPlane(const Project& p, const ObjectData& polygon);
bool polygonPlaneIsUsable(const Project& p, const ObjectData& polygon);

// Drawing colours from the three colour texts; false (and no change) when one
// of them is not a colour.
bool applyViewColourTexts(Project& p);

} // namespace meshsmith
