// The camera commands of the view as one recorded session of state changes
// (tests/data/editor/camera_controls.txt): wheel, keys, bars, presets, Zoom
// All, the rotation timer, dragging, between commands that set the state up.
#include "editor/core/view/camera_controls.hpp"

#include "support/project_builders.hpp"

#include "../rule_table.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <sstream>

using namespace meshsmith;

namespace {

struct ControlSession {
    Project project = test::sampleProject();
    ProjectOptions& o = project.options;
    CameraControls c;
    DragState drag;
    const std::map<std::string, std::int32_t*> numbers{
        {"zoom", &o.ZoomRatio},       {"rotation-x", &o.RotationX}, {"rotation-y", &o.RotationY},
        {"rotation-z", &o.RotationZ}, {"pan-x", &o.PanX},           {"pan-y", &o.PanY},
        {"x-bar", &c.xBar},           {"zoom-bar", &c.zoomBar}};
    const std::map<std::string, bool*> switches{{"rotate-x", &c.rotateX},
                                                {"rotate-y", &c.rotateY},
                                                {"rotate-z", &c.rotateZ},
                                                {"y-bar-enabled", &c.yBarEnabled},
                                                {"show-vertices", &o.ShowVertices}};

    // One command: "set NAME VALUE" (a field above), "wheel up|down", "key NAME",
    // "bar x|y|z|zoom POSITION", "preset NUMBER", "zoom-all MIN-X MAX-X",
    // "tick", "press X Y", "drag X Y", "release",
    // "clear lines|polygons", "sample" (the sample's lines and polygons back).
    std::string run(const std::string& command) {
        static const std::vector<std::string> keys{
            "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "Left", "Right", "Up", "Down", "Other"};
        static const std::vector<std::string> bars{"x", "y", "z", "zoom"};
        std::istringstream in(command);
        std::vector<std::string> t{std::istream_iterator<std::string>(in), {}};
        const auto at = [&](const std::vector<std::string>& names, std::size_t k) {
            return std::find(names.begin(), names.end(), t.at(k)) - names.begin();
        };
        const auto number = [&](std::size_t k) { return static_cast<int>(std::stod(t.at(k))); };
        std::optional<bool> moved;
        if (t[0] == "set" && numbers.count(t.at(1))) *numbers.at(t[1]) = number(2);
        if (t[0] == "set" && switches.count(t.at(1))) *switches.at(t[1]) = number(2) != 0;
        if (t[0] == "wheel")
            moved = wheelZoom(o, t.at(1) == "up" ? WheelStep::Up : WheelStep::Down);
        if (t[0] == "key") moved = pressViewKey(o, c, static_cast<ViewKey>(at(keys, 1)));
        if (t[0] == "bar") moveBar(o, c, static_cast<CameraBar>(at(bars, 1)), number(2));
        if (t[0] == "preset") choosePreset(o, c, static_cast<ViewPreset>(number(1)));
        if (t[0] == "zoom-all") {
            BoundingBox box;
            box.minX = std::stof(t.at(1));
            box.maxX = std::stof(t.at(2));
            zoomAll(o, c, box);
        }
        if (t[0] == "tick") moved = rotationTick(o, c);
        if (t[0] == "press") beginDrag(drag, c, project, number(1), number(2));
        if (t[0] == "drag") moved = dragTo(drag, o, number(1), number(2));
        if (t[0] == "release") endDrag(drag, c);
        if (t[0] == "clear")
            (t.at(1) == "lines" ? project.object.lines : project.object.polygons).clear();
        if (t[0] == "sample") project.object = test::sampleProject().object;
        std::ostringstream text;
        if (moved) text << "  -> " << (*moved ? "moved" : "unchanged") << "\n";
        text << "  zoom " << o.ZoomRatio << " rotation " << o.RotationX << "," << o.RotationY << ","
             << o.RotationZ << " pan " << o.PanX << "," << o.PanY << " vertex size "
             << o.VertexDisplaySize << (verticesShown(o, c) ? "" : " vertices hidden")
             << "\n  bars " << c.xBar << "," << c.yBar << "," << c.zBar << "," << c.zoomBar
             << " preset " << static_cast<int>(c.preset) << " rotating " << c.rotateX << c.rotateY
             << c.rotateZ << (c.yBarEnabled ? "" : " y bar off")
             << (drag.dragging ? " dragging" : "") << "\n";
        return text.str();
    }
};

} // namespace

TEST(CameraControls, RecordedSessionOfEveryCommand) {
    ControlSession s;
    test::expectSession("camera_controls.txt",
                        [&](const std::string& command) { return s.run(command); });
}
