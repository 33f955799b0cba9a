// The camera commands of the view as one recorded session of state changes:
// wheel, keys, presets, Reset View, Zoom All, the rotation timer, dragging.
#include "editor/core/view/camera_controls.hpp"

#include "support/golden.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>

using namespace meshsmith;

namespace {

struct ControlSession {
    Project project = test::sampleProject();
    ProjectOptions& o = project.options;
    CameraControls c;
    DragState drag;
    std::ostringstream text;

    // One command and the state after it; `moved` is what the command returned.
    void step(const std::string& command, std::optional<bool> moved = std::nullopt) {
        text << command << (moved ? *moved ? " -> moved" : " -> unchanged" : "") << "\n  zoom "
             << o.ZoomRatio << " rotation " << o.RotationX << "," << o.RotationY << ","
             << o.RotationZ << " pan " << o.PanX << "," << o.PanY << " vertex size "
             << o.VertexDisplaySize << (project.ShowVerticesNow ? "" : " vertices hidden")
             << "\n  bars " << c.xBar << "," << c.yBar << "," << c.zBar << "," << c.zoomBar
             << " preset " << static_cast<int>(c.preset) << " rotating " << c.rotateX << c.rotateY
             << c.rotateZ << (c.yBarEnabled ? "" : " y bar off")
             << (drag.dragging ? " dragging" : "") << "\n";
    }
    void zoomAllTo(float minX, float maxX, const std::string& label) {
        BoundingBox box;
        box.minX = minX;
        box.maxX = maxX;
        zoomAll(o, c, box);
        step("zoom all " + label);
    }
};

} // namespace

TEST(CameraControls, RecordedSessionOfEveryCommand) {
    ControlSession s;
    for (auto [from, wheel] : {std::pair{70, WheelStep::Down},
                               {3, WheelStep::Down},
                               {1, WheelStep::Down},
                               {449, WheelStep::Up},
                               {450, WheelStep::Up}}) {
        s.o.ZoomRatio = from;
        s.step("wheel from " + std::to_string(from), wheelZoom(s.o, wheel));
    }
    s.c.xBar = s.o.RotationX = 360;
    s.step("F1 at the X bar's end", pressViewKey(s.o, s.c, ViewKey::F1));
    const std::pair<ViewKey, const char*> keys[] = {
        {ViewKey::F2, "F2"},     {ViewKey::F4, "F4"},     {ViewKey::F7, "F7"},
        {ViewKey::Left, "Left"}, {ViewKey::Down, "Down"}, {ViewKey::Other, "another key"}};
    for (auto [key, name] : keys)
        s.step(name, pressViewKey(s.o, s.c, key));
    s.c.zoomBar = 1;
    s.step("F8 at the zoom bar's end", pressViewKey(s.o, s.c, ViewKey::F8));
    s.o.PanX = std::numeric_limits<std::int32_t>::max();
    s.step("Right at the largest pan", pressViewKey(s.o, s.c, ViewKey::Right));

    s.o.PanX = 12;
    moveBar(s.o, s.c, CameraBar::Zoom, 200);
    moveBar(s.o, s.c, CameraBar::Y, 30);
    s.c.rotateY = true;
    s.c.yBarEnabled = false;
    s.step("pan 12, zoom bar 200, Y bar 30, rotating Y, Y bar off");
    choosePreset(s.o, s.c, ViewPreset::Left);
    s.step("preset Left");
    choosePreset(s.o, s.c, ViewPreset::Custom);
    s.step("preset Custom");
    s.step("F5", pressViewKey(s.o, s.c, ViewKey::F5));

    s.o.PanX = 5;
    s.zoomAllTo(-10, 60, "-10 .. 60");
    s.zoomAllTo(-20, 20, "-20 .. 20");
    s.zoomAllTo(0, 1e30f, "0 .. 1e30");
    s.zoomAllTo(0, std::nanf(""), "0 .. not a number");

    s.step("tick with no button down", rotationTick(s.o, s.c));
    s.c.rotateX = s.c.rotateZ = true;
    s.o.RotationX = 360;
    s.o.RotationY = 7;
    s.o.RotationZ = 400;
    s.step("tick rotating X and Z", rotationTick(s.o, s.c));
    s.step("tick", rotationTick(s.o, s.c));

    s.o.PanX = 10;
    s.o.PanY = -3;
    s.o.ShowVertices = true;
    s.step("drag before a press", dragTo(s.drag, s.o, 500, 500));
    beginDrag(s.drag, s.project, 100, 50);
    s.step("press at 100,50");
    s.step("drag to 130,40", dragTo(s.drag, s.o, 130, 40));
    endDrag(s.drag, s.project);
    s.step("release");
    s.project.object.polygons.clear();
    s.project.object.lines.clear();
    beginDrag(s.drag, s.project, 0, 0);
    s.step("press on a project of bare vertices");
    test::expectGolden(s.text.str(), "editor/camera_controls.txt");
}
