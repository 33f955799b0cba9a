// The camera's matrices and the view presets' eye, centre and up as recorded
// values (checked once against gluPerspective, glOrtho and gluLookAt worked
// by hand), where the box centre and turned points show. The pick matrix is checked
// by the picking tests' pixel edges.
#include "editor/core/view/camera.hpp"

#include "support/golden.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <tuple>

using namespace meshsmith;

namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", std::fabs(v) < 1e-12 ? 0.0 : v);
    return text;
}

std::string point(const Vec3& p) {
    return "(" + number(p.x) + ", " + number(p.y) + ", " + number(p.z) + ")";
}

std::string rows(const Matrix4& m) {
    std::string out;
    for (int r = 0; r < 4; ++r) {
        out += " ";
        for (int c = 0; c < 4; ++c)
            out += " " + number(m.at(r, c));
        out += "\n";
    }
    return out;
}

// Where `p` shows in a 640 x 480 window, to a millionth of a pixel.
std::string window(const CameraView& view, const Vec3& p) {
    const Viewport viewport{0, 0, 640, 480};
    const auto at = projectToWindow(cameraMatrices(view, viewport).combined(), viewport, p);
    const auto round = [](double v) { return std::round(v * 1e6) / 1e6; };
    return at ? "(" + number(round(at->x)) + ", " + number(round(at->y)) + ")" : "nowhere";
}

CameraView viewAt(ViewPreset preset, bool perspective) {
    CameraView view;
    view.preset = preset;
    view.perspective = perspective;
    return view;
}

} // namespace

TEST(CameraMatrices, ProjectionsLookAtsAndPresetsAsRecorded) {
    std::ostringstream t;
    CameraView view; // ZoomRatio 70: 35 degrees vertical field of view
    const auto projection = [&](const char* what, const Viewport& viewport) {
        t << what << "\n" << rows(projectionMatrix(view, viewport));
    };
    projection("perspective, 800 x 600", {0, 0, 800, 600});
    projection("perspective, no width", {0, 0, 0, 300});
    view.perspective = false;
    projection("orthographic, 800 x 600", {0, 0, 800, 600});
    view.zoomRatio = 1;
    projection("orthographic zoom 1, 7 x 3: a real height quotient", {0, 0, 7, 3});
    view.zoomRatio = 0;
    projection("orthographic zoom 0: left = right", {0, 0, 400, 300});
    view.perspective = true;
    projection("perspective zoom 0: no field of view", {0, 0, 400, 300});

    view = CameraView{};
    const auto look = presetLookAt(view);
    ASSERT_TRUE(look);
    t << "custom after reset: eye " << point(look->eye) << " centre " << point(look->centre)
      << " up " << point(look->up) << "\n"
      << rows(lookAtMatrix(look->eye, look->centre, look->up));
    for (int preset = 0; preset <= 7; ++preset)
        for (bool perspective : {true, false}) {
            view = viewAt(static_cast<ViewPreset>(preset), perspective);
            view.centre = {1, 2, 3};
            view.panX = 5;
            view.panY = 7;
            view.panScale = preset == 7 ? 20 : 10;
            t << "preset " << preset << (perspective ? " perspective" : " orthographic");
            if (const auto at = presetLookAt(view))
                t << ": eye " << point(at->eye) << " centre " << point(at->centre) << " up "
                  << point(at->up);
            view.panX = view.panY = 0;
            t << "; unpanned, the box centre shows at " << window(view, view.centre) << "\n";
        }
    view = CameraView{};
    view.panScale = 1; // 1 * 3 / 10 is a real quotient
    view.panX = 3;
    view.panY = 4;
    t << "custom, pan scale 1, pans 3, 4: centre " << point(presetLookAt(view)->centre) << "\n";
    // The rotations turn about the origin (not the box centre), X then Y then Z.
    view = viewAt(ViewPreset::Front, true);
    view.centre = {5, 0, 0};
    for (const auto& [x, y, z] : {std::tuple{0, 0, 0}, {90, 90, 90}, {0, 0, 180}}) {
        view.rotationX = x;
        view.rotationY = y;
        view.rotationZ = z;
        t << "front, turned " << x << ", " << y << ", " << z << ":";
        for (const Vec3& p : {Vec3{1, 0, 0}, Vec3{0, 0, 1}, Vec3{5, 0, 0}})
            t << " " << point(p) << " at " << window(view, p);
        t << "\n";
    }
    test::expectGolden(t.str(), "editor/camera.txt");
}
