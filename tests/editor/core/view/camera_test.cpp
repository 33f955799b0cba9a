// The camera's matrices and the view presets' eye, centre and up as recorded
// values (checked once against gluPerspective, glOrtho and gluLookAt worked
// by hand), and the properties every preset keeps. The pick matrix is checked
// by the picking tests' pixel edges.
#include "editor/core/view/camera.hpp"

#include "support/golden.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

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

void expectPoint(const Vec3& actual, const Vec3& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
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
                  << point(at->up) << "\n";
            else
                t << ": none\n";
        }
    view = CameraView{};
    view.panScale = 1; // 1 * 3 / 10 is a real quotient
    view.panX = 3;
    view.panY = 4;
    t << "custom, pan scale 1, pans 3, 4: centre " << point(presetLookAt(view)->centre) << "\n";
    test::expectGolden(t.str(), "editor/camera.txt");
}

TEST(CameraMatrices, TheBoxCentreProjectsToTheViewportCentreInEveryPreset) {
    const Viewport viewport{0, 0, 640, 480};
    for (int preset = 1; preset <= 7; ++preset) {
        for (bool perspective : {true, false}) {
            CameraView view = viewAt(static_cast<ViewPreset>(preset), perspective);
            view.centre = {40, -25, 12};
            const auto window =
                projectToWindow(cameraMatrices(view, viewport).combined(), viewport, view.centre);
            ASSERT_TRUE(window);
            EXPECT_NEAR(window->x, 320, 1e-6) << preset << perspective;
            EXPECT_NEAR(window->y, 240, 1e-6) << preset << perspective;
        }
    }
}

TEST(CameraMatrices, RotationsTurnAboutTheOriginXThenYThenZ) {
    const Viewport viewport{0, 0, 640, 480};
    CameraView plain;
    plain.preset = ViewPreset::Front;
    const Matrix4 reference = cameraMatrices(plain, viewport).combined();
    CameraView turned = plain;
    turned.rotationX = 90;
    turned.rotationY = 90;
    turned.rotationZ = 90;
    // Rx * Ry * Rz takes (1, 0, 0) to (0, 1, 0), keeps it, then to (0, 0, 1);
    // every other order of the three quarter turns ends elsewhere.
    const auto a =
        projectToWindow(cameraMatrices(turned, viewport).combined(), viewport, {1, 0, 0});
    const auto b = projectToWindow(reference, viewport, {0, 0, 1});
    ASSERT_TRUE(a && b);
    expectPoint(*a, *b, 1e-9);
    // The box centre is not the pivot: a model off the origin swings round it.
    CameraView half = plain;
    half.rotationZ = 180;
    const auto swung =
        projectToWindow(cameraMatrices(half, viewport).combined(), viewport, {5, 0, 0});
    const auto mirrored = projectToWindow(reference, viewport, {-5, 0, 0});
    ASSERT_TRUE(swung && mirrored);
    expectPoint(*swung, *mirrored, 1e-9);
}
