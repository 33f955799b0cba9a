#include "editor/core/view/camera_controls.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace meshsmith {

namespace {

constexpr int kZoomStart = 70;
constexpr int kWheelStep = 3;
constexpr int kArrowPan = 2;
constexpr int kCustomTurn = 45;
constexpr int kCustomZoom = 45;
constexpr int kFullTurn = 361;
constexpr int kSmallestVertexSize = 1;
constexpr int kLargestVertexSize = 30;

std::int32_t saturated(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// Half to even, then into [low, high]; NaN goes to low.
int roundedInto(double value, int low, int high) {
    if (!(value >= low)) return low;
    if (value > high) return high;
    return static_cast<int>(std::nearbyint(value));
}

std::int32_t& optionOf(ProjectOptions& options, CameraBar bar) {
    switch (bar) {
    case CameraBar::X:
        return options.RotationX;
    case CameraBar::Y:
        return options.RotationY;
    case CameraBar::Z:
        return options.RotationZ;
    case CameraBar::Zoom:
        break;
    }
    return options.ZoomRatio;
}

} // namespace

int barMinimum(CameraBar bar) {
    return bar == CameraBar::Zoom ? SmallestZoomRatio : -360;
}

int barMaximum(CameraBar bar) {
    return bar == CameraBar::Zoom ? LargestZoomRatio : 360;
}

namespace {

template <typename Controls> auto& positionOf(Controls& controls, CameraBar bar) {
    switch (bar) {
    case CameraBar::X:
        return controls.xBar;
    case CameraBar::Y:
        return controls.yBar;
    case CameraBar::Z:
        return controls.zBar;
    case CameraBar::Zoom:
        break;
    }
    return controls.zoomBar;
}

} // namespace

std::int32_t& CameraControls::position(CameraBar bar) {
    return positionOf(*this, bar);
}

std::int32_t CameraControls::position(CameraBar bar) const {
    return positionOf(*this, bar);
}

void moveBar(ProjectOptions& options, CameraControls& controls, CameraBar bar, int position) {
    const int kept = std::clamp(position, barMinimum(bar), barMaximum(bar));
    controls.position(bar) = kept;
    optionOf(options, bar) = kept;
}

void resetView(ProjectOptions& options, CameraControls& controls) {
    controls.rotateX = controls.rotateY = controls.rotateZ = false;
    controls.xBarEnabled = controls.yBarEnabled = controls.zBarEnabled = true;
    moveBar(options, controls, CameraBar::Zoom, kZoomStart);
    moveBar(options, controls, CameraBar::X, 0);
    moveBar(options, controls, CameraBar::Y, 0);
    moveBar(options, controls, CameraBar::Z, 0);
}

void choosePreset(ProjectOptions& options, CameraControls& controls, ViewPreset preset) {
    controls.preset = preset;
    if (preset == ViewPreset::None) return;
    resetView(options, controls);
    if (preset != ViewPreset::Custom) return;
    options.RotationZ = kCustomTurn;
    moveBar(options, controls, CameraBar::Zoom, kCustomZoom);
}

void zoomAll(ProjectOptions& options, CameraControls& controls, const BoundingBox& box) {
    const double zoom = static_cast<double>(box.maxX) / 10.0 * 1.75;
    moveBar(options, controls, CameraBar::Zoom,
            roundedInto(zoom, barMinimum(CameraBar::Zoom), barMaximum(CameraBar::Zoom)));
    const double size = (static_cast<double>(box.maxX) + box.minX) * 0.6;
    options.VertexDisplaySize = roundedInto(size, kSmallestVertexSize, kLargestVertexSize);
    options.PanX = 0;
    options.PanY = 0;
}

bool wheelZoom(ProjectOptions& options, WheelStep step) {
    const std::int32_t before = options.ZoomRatio;
    const std::int32_t wanted = step == WheelStep::Down ? before - kWheelStep : before + kWheelStep;
    options.ZoomRatio =
        std::clamp(wanted, barMinimum(CameraBar::Zoom), barMaximum(CameraBar::Zoom));
    return options.ZoomRatio != before;
}

KeyEffect keyEffect(ViewKey key) {
    switch (key) {
    case ViewKey::F1:
        return {CameraBar::X, 1};
    case ViewKey::F2:
        return {CameraBar::X, -1};
    case ViewKey::F3:
        return {CameraBar::Y, 1};
    case ViewKey::F4:
        return {CameraBar::Y, -1};
    case ViewKey::F5:
        return {CameraBar::Z, 1};
    case ViewKey::F6:
        return {CameraBar::Z, -1};
    case ViewKey::F7:
        return {CameraBar::Zoom, 1};
    case ViewKey::F8:
        return {CameraBar::Zoom, -1};
    case ViewKey::Left:
        return {std::nullopt, 0, -kArrowPan, 0};
    case ViewKey::Right:
        return {std::nullopt, 0, kArrowPan, 0};
    case ViewKey::Up:
        return {std::nullopt, 0, 0, -kArrowPan};
    case ViewKey::Down:
        return {std::nullopt, 0, 0, kArrowPan};
    case ViewKey::Other:
        break;
    }
    return {};
}

bool pressViewKey(ProjectOptions& options, CameraControls& controls, ViewKey key) {
    const KeyEffect effect = keyEffect(key);
    if (effect.bar) {
        // The bar's range keeps the step from overflowing whatever position was set.
        const std::int64_t target = std::int64_t{controls.position(*effect.bar)} + effect.barStep;
        moveBar(options, controls, *effect.bar,
                static_cast<int>(std::clamp<std::int64_t>(target, barMinimum(*effect.bar),
                                                          barMaximum(*effect.bar))));
        return true;
    }
    if (effect.panX == 0 && effect.panY == 0) return false;
    options.PanX = saturated(std::int64_t{options.PanX} + effect.panX);
    options.PanY = saturated(std::int64_t{options.PanY} + effect.panY);
    return true;
}

bool rotationTick(ProjectOptions& options, const CameraControls& controls) {
    auto turn = [](std::int32_t& angle) { angle = angle >= kFullTurn ? 0 : angle + 1; };
    if (controls.rotateX) turn(options.RotationX);
    if (controls.rotateY) turn(options.RotationY);
    if (controls.rotateZ) turn(options.RotationZ);
    return controls.rotating();
}

bool hidesVerticesWhileMoving(const Project& project) {
    return !project.object.lines.empty() || !project.object.polygons.empty();
}

void beginDrag(DragState& drag, CameraControls& controls, const Project& project, int x, int y) {
    drag.dragging = true;
    drag.originX = std::int64_t{x} - project.options.PanX;
    drag.originY = std::int64_t{y} - project.options.PanY;
    if (hidesVerticesWhileMoving(project)) controls.verticesHidden = true;
}

bool dragTo(DragState& drag, ProjectOptions& options, int x, int y) {
    if (!drag.dragging) return false;
    options.PanX = saturated(x - drag.originX);
    options.PanY = saturated(y - drag.originY);
    return true;
}

void endDrag(DragState& drag, CameraControls& controls) {
    drag.dragging = false;
    controls.verticesHidden = false;
}

bool verticesShown(const ProjectOptions& options, const CameraControls& controls) {
    return options.ShowVertices && !controls.verticesHidden;
}

void rotationBarsFollow(CameraControls& controls, const ProjectOptions& options) {
    controls.xBar =
        std::clamp(options.RotationX, barMinimum(CameraBar::X), barMaximum(CameraBar::X));
    controls.yBar =
        std::clamp(options.RotationY, barMinimum(CameraBar::Y), barMaximum(CameraBar::Y));
    controls.zBar =
        std::clamp(options.RotationZ, barMinimum(CameraBar::Z), barMaximum(CameraBar::Z));
}

} // namespace meshsmith
