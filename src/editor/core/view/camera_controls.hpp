#pragma once
// What the user does to the camera, as pure state changes: the four camera
// scroll bars and the rotate buttons of the main window, the pop-up menu's
// Reset View, Zoom All and presets, the mouse wheel, the keys, dragging and
// the rotation timer. The camera values themselves live in the project's
// options (ZoomRatio, RotationX/Y/Z, PanX, PanY, Perspective); the scroll-bar
// positions are kept apart because they may differ from the values drawn
// (the wheel does not move the zoom bar; Custom leaves the Z bar at 0).
//
// Every function that returns bool returns true when the view must repaint.

#include "editor/core/view/camera.hpp"
#include "model/project.hpp"

#include <cstdint>
#include <optional>

namespace meshsmith {

enum class CameraBar { X, Y, Z, Zoom };

// The bars' ranges: -360..360 for the rotations, 1..450 for the zoom.
int barMinimum(CameraBar bar);
int barMaximum(CameraBar bar);

struct CameraControls {
    ViewPreset preset = ViewPreset::Custom;
    std::int32_t panScale = 10; // 1..20
    std::int32_t xBar = 0, yBar = 0, zBar = 0, zoomBar = 70;
    bool xBarEnabled = true, yBarEnabled = true, zBarEnabled = true;
    bool rotateX = false, rotateY = false, rotateZ = false; // rotate buttons down
    // While the camera moves (a drag, a rotate button) over a project with
    // lines or polygons, the vertex spheres are left out of the drawing.
    bool verticesHidden = false;

    std::int32_t& position(CameraBar bar);
    std::int32_t position(CameraBar bar) const;
    bool rotating() const { return rotateX || rotateY || rotateZ; }
};

// A bar moved to `position` (kept within its range): the bar's change
// behaviour, the matching option takes the bar's position.
void moveBar(ProjectOptions& options, CameraControls& controls, CameraBar bar, int position);

// The three rotation bars show the current angles (kept within their range),
// as after a load or a click on a rotate button.
void rotationBarsFollow(CameraControls& controls, const ProjectOptions& options);

// Reset View: rotate buttons released (the rotation timer stops), the three
// rotation bars enabled, zoom 70 and rotations 0 with their bars. The preset
// and the pan offsets stay.
void resetView(ProjectOptions& options, CameraControls& controls);

// The pop-up menu's presets. Left .. Bottom: the preset, then Reset View.
// Custom: the preset, Reset View, RotationZ 45 (the Z bar stays at 0) and the
// zoom bar moved to 45. None only sets the preset.
void choosePreset(ProjectOptions& options, CameraControls& controls, ViewPreset preset);

// Zoom All: ZoomRatio from the box's maxX / 10 * 1.75, rounded half to even and
// kept within the zoom bar's range (the bar moves to it); VertexDisplaySize
// (maxX + minX) * 0.6 rounded, kept within 1..30 so the vertices stay
// visible; both pans 0. Infinite values give the nearer end of the range, NaN the low end.
void zoomAll(ProjectOptions& options, CameraControls& controls, const BoundingBox& box);

// One wheel step: Down lowers ZoomRatio by 3, Up raises it by 3, kept within
// the zoom bar's range (a step beyond an end stops at it). False when it
// stood at that end already. The bar stays.
enum class WheelStep { Down, Up };
bool wheelZoom(ProjectOptions& options, WheelStep step);

// The keys the view handles.
enum class ViewKey { F1, F2, F3, F4, F5, F6, F7, F8, Left, Right, Up, Down, Other };

// What a key does: a bar moved one step (F1/F2 the X bar up/down, F3/F4 Y,
// F5/F6 Z, F7/F8 the zoom bar) or a pan change (Left/Right PanX -/+ 2, Up/Down
// PanY -/+ 2). Other keys do nothing (no bar, zero pan).
struct KeyEffect {
    std::optional<CameraBar> bar;
    int barStep = 0;
    int panX = 0, panY = 0;
};
KeyEffect keyEffect(ViewKey key);

// Applies keyEffect(key): the bar moves within its range and its change
// behaviour runs; pans saturate at the 32-bit limits. False for other keys.
bool pressViewKey(ProjectOptions& options, CameraControls& controls, ViewKey key);

// One tick of the rotation timer: each axis whose button is down turns by one
// degree, and starts again at 0 once it has reached 361 or more.
bool rotationTick(ProjectOptions& options, const CameraControls& controls);

// Dragging pans the view: the origin is the press point minus the pan offset.
struct DragState {
    bool dragging = false;
    std::int64_t originX = 0, originY = 0;
};

// Mouse press (any button). While the project has lines or polygons the drag
// redraws leave the vertex spheres out (verticesHidden).
void beginDrag(DragState& drag, CameraControls& controls, const Project& project, int x, int y);
// Mouse move: while dragging, the pan offsets follow the cursor (saturating at
// the 32-bit limits). False when not dragging (the caller hover-picks then).
bool dragTo(DragState& drag, ProjectOptions& options, int x, int y);
// Mouse release: dragging ends and the vertex spheres are drawn again.
void endDrag(DragState& drag, CameraControls& controls);

// The vertex spheres are drawn: "Show Vertices" is on and the camera is not moving.
bool verticesShown(const ProjectOptions& options, const CameraControls& controls);

// True when the project has lines or polygons, so camera moves are redrawn
// without the vertex spheres.
bool hidesVerticesWhileMoving(const Project& project);

} // namespace meshsmith
