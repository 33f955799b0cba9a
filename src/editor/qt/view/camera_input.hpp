#pragma once
// The camera input every 3D view shares: the keys it handles, the wheel's
// notches and the pop-up menu of camera commands.

#include "editor/core/view/camera_commands.hpp"

#include <functional>

class QMenu;

namespace meshsmith {

// The view key of a Qt key code (ViewKey::Other for keys the view leaves alone).
ViewKey viewKeyOf(int key);

// Whole wheel notches in `delta` (Qt's eighths of a degree) added to what
// `remainder` kept of finer wheels: one wheel step each, Up for a positive notch.
void turnWheel(ProjectOptions& options, int& remainder, int delta);

// Fills `menu` with the camera commands ("Perspective View" checked as
// `perspective` says); choosing one calls `run` with it.
void fillCameraMenu(QMenu& menu, bool perspective, const std::function<void(CameraCommand)>& run);

} // namespace meshsmith
