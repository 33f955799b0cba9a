// The camera commands of the view as state changes: wheel, keys, presets,
// Reset View, Zoom All, the rotation timer and dragging.
#include "editor/core/view/camera_controls.hpp"

#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace meshsmith;

TEST(CameraControls, WheelStepsByThreeAndStopsAtTheEndsOfTheZoomBar) {
    ProjectOptions options;
    struct Case {
        std::int32_t from;
        WheelStep step;
        std::int32_t to;
        bool moved;
    };
    for (const Case& c : {Case{70, WheelStep::Down, 67, true}, Case{3, WheelStep::Down, 1, true},
                          Case{1, WheelStep::Down, 1, false}, Case{449, WheelStep::Up, 450, true},
                          Case{450, WheelStep::Up, 450, false}}) {
        options.ZoomRatio = c.from;
        EXPECT_EQ(wheelZoom(options, c.step), c.moved) << c.from;
        EXPECT_EQ(options.ZoomRatio, c.to) << c.from;
    }
}

TEST(CameraControls, KeysMoveTheBarsWithinTheirRangeAndPanByTwo) {
    ProjectOptions options;
    CameraControls controls;
    controls.xBar = options.RotationX = 360;
    EXPECT_TRUE(pressViewKey(options, controls, ViewKey::F1));
    EXPECT_EQ(controls.xBar, 360);
    EXPECT_TRUE(pressViewKey(options, controls, ViewKey::F2));
    EXPECT_EQ(controls.xBar, 359);
    EXPECT_EQ(options.RotationX, 359);
    pressViewKey(options, controls, ViewKey::F4);
    EXPECT_EQ(options.RotationY, -1);
    pressViewKey(options, controls, ViewKey::F7);
    EXPECT_EQ(options.ZoomRatio, 71);
    controls.zoomBar = 1;
    pressViewKey(options, controls, ViewKey::F8);
    EXPECT_EQ(options.ZoomRatio, 1) << "the zoom bar stops at 1";

    pressViewKey(options, controls, ViewKey::Left);
    pressViewKey(options, controls, ViewKey::Down);
    pressViewKey(options, controls, ViewKey::Down);
    EXPECT_EQ(options.PanX, -2);
    EXPECT_EQ(options.PanY, 4);
    options.PanX = std::numeric_limits<std::int32_t>::max();
    pressViewKey(options, controls, ViewKey::Right);
    EXPECT_EQ(options.PanX, std::numeric_limits<std::int32_t>::max());

    const ProjectOptions before = options;
    EXPECT_FALSE(pressViewKey(options, controls, ViewKey::Other));
    EXPECT_EQ(options.PanX, before.PanX);
    EXPECT_EQ(options.ZoomRatio, before.ZoomRatio);
}

TEST(CameraControls, PresetsResetTheViewAndCustomTurnsByFortyFive) {
    ProjectOptions options;
    CameraControls controls;
    options.PanX = 12;
    options.PanY = -4;
    moveBar(options, controls, CameraBar::Zoom, 200);
    moveBar(options, controls, CameraBar::Y, 30);
    controls.rotateY = true;
    controls.yBarEnabled = false;

    choosePreset(options, controls, ViewPreset::Left);
    EXPECT_EQ(controls.preset, ViewPreset::Left);
    EXPECT_EQ(options.ZoomRatio, 70);
    EXPECT_EQ(controls.zoomBar, 70);
    EXPECT_EQ(options.RotationY, 0);
    EXPECT_FALSE(controls.rotating());
    EXPECT_TRUE(controls.yBarEnabled);
    EXPECT_EQ(options.PanX, 12) << "Reset View keeps the pans";
    EXPECT_EQ(options.PanY, -4);

    choosePreset(options, controls, ViewPreset::Custom);
    EXPECT_EQ(controls.preset, ViewPreset::Custom);
    EXPECT_EQ(options.RotationZ, 45);
    EXPECT_EQ(controls.zBar, 0) << "the Z bar keeps showing 0";
    EXPECT_EQ(options.ZoomRatio, 45);
    EXPECT_EQ(controls.zoomBar, 45);
    // Moving the Z bar replaces the 45 with the bar's value.
    pressViewKey(options, controls, ViewKey::F5);
    EXPECT_EQ(options.RotationZ, 1);
}

TEST(CameraControls, ZoomAllRoundsHalvesToEvenAndKeepsVerticesVisible) {
    ProjectOptions options;
    CameraControls controls;
    options.PanX = 5;
    options.PanY = 9;
    BoundingBox box;
    box.minX = -10;
    box.maxX = 60; // 60 / 10 * 1.75 = 10.5 -> 10; (60 - 10) * 0.6 = 30
    zoomAll(options, controls, box);
    EXPECT_EQ(options.ZoomRatio, 10);
    EXPECT_EQ(controls.zoomBar, 10);
    EXPECT_EQ(options.VertexDisplaySize, 30);
    EXPECT_EQ(options.PanX, 0);
    EXPECT_EQ(options.PanY, 0);

    box.minX = -20;
    box.maxX = 20; // 3.5 -> 4; a centred box would give size 0: no visible vertex
    zoomAll(options, controls, box);
    EXPECT_EQ(options.ZoomRatio, 4);
    EXPECT_EQ(options.VertexDisplaySize, 1);

    box.minX = 0;
    box.maxX = 1e30f; // beyond the zoom bar and the sizes offered
    zoomAll(options, controls, box);
    EXPECT_EQ(options.ZoomRatio, 450);
    EXPECT_EQ(options.VertexDisplaySize, 30);
    box.maxX = std::nanf("");
    zoomAll(options, controls, box);
    EXPECT_EQ(options.ZoomRatio, 1);
}

TEST(CameraControls, RotationTimerTurnsTheAxesWhoseButtonIsDown) {
    ProjectOptions options;
    CameraControls controls;
    EXPECT_FALSE(rotationTick(options, controls));
    controls.rotateX = controls.rotateZ = true;
    options.RotationX = 360;
    options.RotationY = 7;
    options.RotationZ = 400;
    EXPECT_TRUE(rotationTick(options, controls));
    EXPECT_EQ(options.RotationX, 361);
    EXPECT_EQ(options.RotationY, 7);
    EXPECT_EQ(options.RotationZ, 0);
    rotationTick(options, controls);
    EXPECT_EQ(options.RotationX, 0);
    EXPECT_EQ(options.RotationZ, 1);
}

TEST(CameraControls, DraggingPansFromThePressPointAndHidesVerticesOfMeshes) {
    Project project = test::sampleProject();
    project.options.PanX = 10;
    project.options.PanY = -3;
    project.options.ShowVertices = true;
    DragState drag;
    EXPECT_FALSE(dragTo(drag, project.options, 500, 500)) << "no drag before the press";
    beginDrag(drag, project, 100, 50);
    EXPECT_FALSE(project.ShowVerticesNow);
    EXPECT_TRUE(dragTo(drag, project.options, 130, 40));
    EXPECT_EQ(project.options.PanX, 40);
    EXPECT_EQ(project.options.PanY, -13);
    endDrag(drag, project);
    EXPECT_FALSE(drag.dragging);
    EXPECT_TRUE(project.ShowVerticesNow);

    Project points;
    points.object.vertices = {{1, 2, 3, 0}};
    beginDrag(drag, points, 0, 0);
    EXPECT_TRUE(points.ShowVerticesNow) << "a project of bare vertices keeps them while dragging";
}
