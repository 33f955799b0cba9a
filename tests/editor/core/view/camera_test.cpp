// The camera's matrices against values worked out by hand from the formulas
// of gluPerspective, glOrtho and gluLookAt, and the view presets' eye and
// centre points. The pick matrix is checked by the picking tests' pixel edges.
#include "editor/core/view/camera.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;

namespace {

void expectMatrix(const Matrix4& actual, const std::array<double, 16>& rowMajor, double tolerance) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(actual.at(r, c), rowMajor[4 * r + c], tolerance)
                << "entry " << r << "," << c;
}

void expectPoint(const Vec3& actual, const Vec3& expected, double tolerance = 1e-9) {
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
    EXPECT_NEAR(actual.z, expected.z, tolerance);
}

Vec3 eyeSpace(const Matrix4& m, const Vec3& p) {
    const Vec4 v = m.transformPoint(p);
    return {v.x / v.w, v.y / v.w, v.z / v.w};
}

CameraView viewAt(ViewPreset preset, bool perspective) {
    CameraView view;
    view.preset = preset;
    view.perspective = perspective;
    return view;
}

} // namespace

TEST(CameraMatrices, ProjectionsMatchTheGluPerspectiveAndGlOrthoFormulas) {
    const Viewport viewport{0, 0, 800, 600};
    CameraView view; // ZoomRatio 70: 35 degrees vertical field of view
    // cot(17.5 deg) = 3.1715948023632126; aspect 4/3; near 20, far 20000.
    expectMatrix(projectionMatrix(view, viewport),
                 {2.3786961017724098, 0, 0, 0, 0, 3.1715948023632126, 0, 0, 0, 0,
                  -1.002002002002002, -40.04004004004004, 0, 0, -1, 0},
                 1e-12);

    view.perspective = false; // left/right -+420, bottom/top -+315, near -1, far 10000
    expectMatrix(
        projectionMatrix(view, viewport),
        {2.0 / 840, 0, 0, 0, 0, 2.0 / 630, 0, 0, 0, 0, -2.0 / 10001, -9999.0 / 10001, 0, 0, 0, 1},
        1e-15);

    // The height quotient is real: 3 * 6 / 7 = 2.571..., not 2.
    view.zoomRatio = 1;
    expectMatrix(projectionMatrix(view, {0, 0, 7, 3}),
                 {2.0 / 12, 0, 0, 0, 0, 1 / (18.0 / 7), 0, 0, 0, 0, -2.0 / 10001, -9999.0 / 10001,
                  0, 0, 0, 1},
                 1e-15);
}

TEST(CameraMatrices, DegenerateVolumesLeaveTheIdentityAsOpenGLWould) {
    CameraView view;
    EXPECT_EQ(projectionMatrix(view, {0, 0, 0, 300}).columnMajor(), Matrix4().columnMajor());
    view.zoomRatio = 0; // a zero field of view: gluPerspective refuses
    EXPECT_EQ(projectionMatrix(view, {0, 0, 400, 300}).columnMajor(), Matrix4().columnMajor());
    view.perspective = false; // left = right: glOrtho refuses
    EXPECT_EQ(projectionMatrix(view, {0, 0, 400, 300}).columnMajor(), Matrix4().columnMajor());
}

TEST(CameraMatrices, CustomAfterResetLooksFromAboveBehindWithZUp) {
    CameraView view; // Custom, pans 0, centre at the origin
    const auto look = presetLookAt(view);
    ASSERT_TRUE(look);
    expectPoint(look->eye, {0, 1000, 1000});
    expectPoint(look->centre, {0, 0, 0});
    // gluLookAt by hand: side (-1, 0, 0), up (0, -s, s), back (0, s, s), s = 1/sqrt(2),
    // then the eye moved to the origin: the centre lies 1414.2 ahead.
    const double s = 1 / std::sqrt(2.0);
    expectMatrix(lookAtMatrix(look->eye, look->centre, look->up),
                 {-1, 0, 0, 0, 0, -s, s, 0, 0, s, s, -1414.213562373095, 0, 0, 0, 1}, 1e-9);
    expectPoint(eyeSpace(modelviewMatrix(view), {0, 1000, 1000}), {0, 0, 0}, 1e-9);
}

TEST(CameraMatrices, PresetsPlaceEyeAndCentreAsTheTableSays) {
    // Centre (1, 2, 3); p = PanX = 5, q = 2 * PanY = 14.
    struct Row {
        ViewPreset preset;
        Vec3 perspectiveEye, perspectiveCentre, orthoEye, orthoCentre, up;
    };
    const Row rows[] = {
        {ViewPreset::Left, {-999, 2, 3}, {1, 7, 17}, {-999, 7, 17}, {1, 7, 17}, {0, 0, 1}},
        {ViewPreset::Right, {1001, 2, 3}, {1, -3, 17}, {1001, -3, 17}, {1, -3, 17}, {0, 0, 1}},
        {ViewPreset::Front, {1, -998, 3}, {-4, 2, 17}, {-4, -998, 17}, {-4, 2, 17}, {0, 0, 1}},
        {ViewPreset::Back, {1, 1002, 3}, {6, 2, 17}, {6, 1002, 17}, {6, 2, 17}, {0, 0, 1}},
        {ViewPreset::Top, {1, 2, 1003}, {-4, 16, 3}, {-4, 16, 1003}, {-4, 16, 3}, {0, 1, 0}},
        {ViewPreset::Bottom, {1, 2, -997}, {6, 16, 3}, {6, 16, -997}, {6, 16, 3}, {0, 1, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.preset));
        for (bool perspective : {true, false}) {
            CameraView view = viewAt(row.preset, perspective);
            view.centre = {1, 2, 3};
            view.panX = 5;
            view.panY = 7;
            const auto look = presetLookAt(view);
            ASSERT_TRUE(look);
            expectPoint(look->eye, perspective ? row.perspectiveEye : row.orthoEye);
            expectPoint(look->centre, perspective ? row.perspectiveCentre : row.orthoCentre);
            expectPoint(look->up, row.up);
        }
    }
    EXPECT_FALSE(presetLookAt(viewAt(ViewPreset::None, true)));
}

TEST(CameraMatrices, CustomPansScaleWithThePanScale) {
    CameraView view;
    view.panScale = 20;
    view.panX = 3; // a = 20 * 3 / 10 = 6
    view.panY = 4; // b = 20 * 8 / 10 = 16
    view.centre = {10, 20, 30};
    const auto look = presetLookAt(view);
    ASSERT_TRUE(look);
    expectPoint(look->eye, {16, 1004, 1030});
    expectPoint(look->centre, {16, 4, 30});
    view.panScale = 1; // 1 * 3 / 10 is a real quotient
    expectPoint(presetLookAt(view)->centre, {10.3, 19.2, 30}, 1e-12);
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
