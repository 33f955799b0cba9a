#pragma once
// The view's camera: the projection, the look-at of the view presets and the
// three rotations, as the matrices the drawing loads. Everything is computed
// from a CameraView snapshot, so the drawing and the picking see one camera.
//
// The drawing puts projection * look-at * Rx * Ry * Rz onto one matrix; the
// split into `projection` and `modelview` below multiplies to the same.

#include "editor/core/view/matrix4.hpp"
#include "model/project.hpp"

#include <cstdint>
#include <optional>

namespace meshsmith {

// The pop-up menu's camera presets; the view starts with Custom.
enum class ViewPreset : int { None = 0, Left, Right, Front, Back, Top, Bottom, Custom };

inline constexpr double kPerspectiveNear = 20.0;
inline constexpr double kPerspectiveFar = 20000.0;
inline constexpr double kOrthoNear = -1.0;
inline constexpr double kOrthoFar = 10000.0;
inline constexpr double kEyeDistance = 1000.0;

// Everything the camera matrices depend on.
struct CameraView {
    std::int32_t zoomRatio = 70;
    std::int32_t rotationX = 0, rotationY = 0, rotationZ = 0;
    std::int32_t panX = 0, panY = 0;
    bool perspective = true;
    ViewPreset preset = ViewPreset::Custom;
    std::int32_t panScale = 10; // the main window's hidden spin value; only Custom uses it
    Vec3 centre;                // the bounding box centre
};

// The snapshot of the project's camera options and bounding-box centre.
CameraView cameraViewOf(const ProjectOptions& options, const BoundingBox& bounds, ViewPreset preset,
                        std::int32_t panScale);

struct LookAt {
    Vec3 eye, centre, up;
};

// The eye, centre and up vector of the view's preset, with the pan offsets
// applied (the presets 1 to 6 move the centre only in perspective and eye and
// centre together in orthographic projection; Custom moves both, scaled by
// panScale / 10). nullopt for preset None, which has no look-at.
std::optional<LookAt> presetLookAt(const CameraView& view);

// Perspective: vertical field of view zoomRatio / 2 degrees, aspect
// width / height, near 20, far 20000. Orthographic: left/right -+6 * zoomRatio,
// bottom/top -+height * 6 * zoomRatio / width, near -1, far 10000. An empty
// viewport or a zoom that makes the volume degenerate gives the identity, as
// OpenGL leaves the matrix alone then.
Matrix4 projectionMatrix(const CameraView& view, const Viewport& viewport);

// Look-at of the preset (identity for None) followed by the rotations about
// the world X, Y and Z axes through the origin.
Matrix4 modelviewMatrix(const CameraView& view);

struct CameraMatrices {
    Matrix4 projection;
    Matrix4 modelview;
    Matrix4 combined() const { return projection * modelview; }
};

CameraMatrices cameraMatrices(const CameraView& view, const Viewport& viewport);

} // namespace meshsmith
