#include "editor/core/view/camera.hpp"

namespace meshsmith {

namespace {

// Where a preset puts the eye relative to the centre, and how the pan offsets
// p = PanX, q = 2 * PanY move the centre.
struct PresetGeometry {
    Vec3 eyeOffset;
    Vec3 panOfP, panOfQ; // the centre moves by p * panOfP + q * panOfQ
    Vec3 up;
};

PresetGeometry geometryOf(ViewPreset preset) {
    const double d = kEyeDistance;
    switch (preset) {
    case ViewPreset::Left:
        return {{-d, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 0, 1}};
    case ViewPreset::Right:
        return {{d, 0, 0}, {0, -1, 0}, {0, 0, 1}, {0, 0, 1}};
    case ViewPreset::Front:
        return {{0, -d, 0}, {-1, 0, 0}, {0, 0, 1}, {0, 0, 1}};
    case ViewPreset::Back:
        return {{0, d, 0}, {1, 0, 0}, {0, 0, 1}, {0, 0, 1}};
    case ViewPreset::Top:
        return {{0, 0, d}, {-1, 0, 0}, {0, 1, 0}, {0, 1, 0}};
    case ViewPreset::Bottom:
        return {{0, 0, -d}, {1, 0, 0}, {0, 1, 0}, {0, 1, 0}};
    default:
        return {};
    }
}

Vec3 plus(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 scaled(const Vec3& v, double k) {
    return {v.x * k, v.y * k, v.z * k};
}

LookAt customLookAt(const CameraView& view) {
    // Integer products, real quotients; 64 bits keep any stored pan exact.
    const double a = static_cast<double>(std::int64_t{view.panScale} * view.panX) / 10.0;
    const double b = static_cast<double>(std::int64_t{view.panScale} * 2 * view.panY) / 10.0;
    const Vec3& c = view.centre;
    return {
        {c.x + a, c.y + kEyeDistance - b, c.z + kEyeDistance}, {c.x + a, c.y - b, c.z}, {0, 0, 1}};
}

} // namespace

CameraView cameraViewOf(const ProjectOptions& options, const BoundingBox& bounds, ViewPreset preset,
                        std::int32_t panScale) {
    CameraView view;
    view.zoomRatio = options.ZoomRatio;
    view.rotationX = options.RotationX;
    view.rotationY = options.RotationY;
    view.rotationZ = options.RotationZ;
    view.panX = options.PanX;
    view.panY = options.PanY;
    view.perspective = options.Perspective;
    view.preset = preset;
    view.panScale = panScale;
    view.centre = {bounds.centreX, bounds.centreY, bounds.centreZ};
    return view;
}

std::optional<LookAt> presetLookAt(const CameraView& view) {
    if (view.preset == ViewPreset::Custom) return customLookAt(view);
    if (view.preset < ViewPreset::Left || view.preset > ViewPreset::Bottom) return std::nullopt;
    const PresetGeometry g = geometryOf(view.preset);
    const double p = view.panX;
    const double q = 2.0 * static_cast<double>(view.panY);
    const Vec3 pan = plus(scaled(g.panOfP, p), scaled(g.panOfQ, q));
    const Vec3 centre = plus(view.centre, pan);
    // In perspective the eye stays put and only the view direction turns
    // towards the pan offset; in orthographic projection the eye moves along.
    const Vec3 eyeBase = view.perspective ? view.centre : centre;
    return LookAt{plus(eyeBase, g.eyeOffset), centre, g.up};
}

Matrix4 projectionMatrix(const CameraView& view, const Viewport& viewport) {
    if (viewport.empty()) return Matrix4();
    const double width = viewport.width, height = viewport.height;
    if (view.perspective)
        return perspectiveMatrix(view.zoomRatio / 2.0, width / height, kPerspectiveNear,
                                 kPerspectiveFar);
    const std::int64_t extent = std::int64_t{6} * view.zoomRatio;
    const double top = static_cast<double>(viewport.height * extent) / width;
    return orthoMatrix(static_cast<double>(-extent), static_cast<double>(extent), -top, top,
                       kOrthoNear, kOrthoFar);
}

Matrix4 modelviewMatrix(const CameraView& view) {
    Matrix4 m;
    if (const auto look = presetLookAt(view)) m = lookAtMatrix(look->eye, look->centre, look->up);
    return m * rotationMatrix(view.rotationX, 1, 0, 0) * rotationMatrix(view.rotationY, 0, 1, 0) *
           rotationMatrix(view.rotationZ, 0, 0, 1);
}

CameraMatrices cameraMatrices(const CameraView& view, const Viewport& viewport) {
    return {projectionMatrix(view, viewport), modelviewMatrix(view)};
}

} // namespace meshsmith
