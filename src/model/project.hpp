#pragma once
// The one project the editor holds: the object being built (TrackObject, one
// value with every table and attribute), its file and the options saved with
// it (ProjectFrame), the bounds that follow from the object, and the edit
// history of the object. Selections, pick modes and what the view shows are
// the editor's own (editor/core/document); nothing here is view state.
//
// Invariants of the object, kept by every writer of the tables (load,
// imports, editing operations) and checked by findObjectFault (object_check.hpp):
//  - a line or visualization line has exactly two vertex indices;
//  - a polygon is stored closed: VertexIndices repeats its first corner at the
//    end, so VertexCount = corners + 1 and walks cover entries 0 .. VertexCount-2;
//  - every vertex index is below the vertex count; a TextureIndex is NoTexture
//    or below the texture count; every PlanePolygons entry names a polygon;
//  - every coordinate and texture coordinate is finite.
// Editing operations also give every polygon they make or redefine at least
// three distinct corners; a stored file may hold fewer (the loader says so and
// the build check names it).

#include "colour_text.hpp"
#include "edits/edit_history.hpp"
#include "project_options.hpp"
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

// The three view colours for drawing (red, green, blue 0..1).
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
    std::string viewCaption = "New Project";
    ProjectOptions options;

    BoundingBox bounds;
    bool GeometryPresent = false;

    // The steps of editing since the project was opened (edits/edit.hpp).
    EditHistory history;
};

// The file, name, caption and options of the project, and the same put back.
ProjectFrame frameOf(const Project& p);
void applyFrame(Project& p, const ProjectFrame& frame);

// A new project's object, file and options, with the defaults above. Option
// flags that belong to menus and dialogs keep their state, as do the project
// name, the bounding box and the edit history (callers decide: Clear All is a
// step, Close Project starts the history anew).
void resetProject(Project& p);

// Recomputes the bounding box. An empty vertex table keeps the previous box.
void updateBounds(Project& p);

// The plane of one polygon from its first three corners. The polygon must have
// three corner indices in range; a degenerate polygon gives non-finite values
// (see polygonPlaneIsUsable).
PolygonPlane polygonPlane(const Project& p, const ObjectData& polygon);
bool polygonPlaneIsUsable(const Project& p, const ObjectData& polygon);

// How many different vertices the polygon's corners name.
std::size_t distinctCorners(const ObjectData& polygon);

// The drawing colours of the options' three colour texts; a text that is not a
// colour keeps the default of ViewColours.
ViewColours viewColoursOf(const ProjectOptions& options);
// True when the three colour texts are colours.
bool viewColourTextsValid(const ProjectOptions& options);

} // namespace meshsmith
