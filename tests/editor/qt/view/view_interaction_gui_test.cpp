// The view driven with the mouse, wheel and keys, and the editor without OpenGL.
#include "editor/qt/shell/editor_harness.hpp"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// Two vertices and a square polygon beside them, seen from above.
struct InteractiveScene : TopView {
    QWidget* canvas = nullptr;

    InteractiveScene()
        : TopView({{-3, 0, 0, 0}, {-1, 0, 0, 0}, {1, -1, 0, 0}, {3, -1, 0, 0}, {3, 1, 0, 0},
                   {1, 1, 0, 0}},
                  15) {
        canvas = view->canvas();
        ObjectData q;
        q.Red = 1;
        q.VertexIndices = {2, 5, 4, 3, 2};
        q.VertexCount = 5;
        project().object.polygons.push_back(q);
        drawViewNow(*view);
    }

    // A mouse move with no button held (what the view hover-picks on).
    void hover(QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, canvas->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(canvas, &move);
    }
};

} // namespace

TEST(ViewInteraction, CtrlDragPansWithoutPicking) {
    InteractiveScene s;
    s.context->pickModes.PolygonPickMode = true;
    const QPoint from = s.pointOf({-3, 0, 0});
    QTest::mousePress(s.canvas, Qt::LeftButton, Qt::ControlModifier, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(20, 10),
                     s.canvas->mapToGlobal(from + QPoint(20, 10)), Qt::NoButton, Qt::LeftButton,
                     Qt::ControlModifier);
    QApplication::sendEvent(s.canvas, &move);
    QTest::mouseRelease(s.canvas, Qt::LeftButton, Qt::ControlModifier, from + QPoint(20, 10));
    EXPECT_EQ(s.project().options.PanX, 20);
    EXPECT_EQ(s.project().options.PanY, 10);
    EXPECT_TRUE(s.context->pickModes.PickedVertices.empty());
    EXPECT_EQ(s.project().object.vertices[0].Selected, 0);
}

// What the keys, the wheel and the presets do is tested headless
// (CameraControls): here they reach the camera and the bars follow.
TEST(ViewInteraction, HoverHintWheelKeysAndPresetsReachTheViewAndTheBars) {
    InteractiveScene s;
    s.hover(s.pointOf({2, 0, 0}));
    EXPECT_EQ(s.canvas->toolTip(), "Polygon No. 0\nTexture Name: Untextured");
    s.hover(s.pointOf({0, 4, 0}));
    EXPECT_TRUE(s.canvas->toolTip().isEmpty());

    Project& p = s.project();
    p.options.ZoomRatio = 20;
    const QPoint at = s.pointOf({0, 0, 0});
    QWheelEvent down(at, s.canvas->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(s.canvas, &down);
    EXPECT_NE(p.options.ZoomRatio, 20);
    s.canvas->setFocus();
    QTest::keyClick(s.canvas, Qt::Key_F7);
    auto* zoomBar = s.form->findChild<QScrollBar*>("ZoomScrollBar");
    EXPECT_EQ(p.options.ZoomRatio, zoomBar->value());
    QTest::keyClick(s.canvas, Qt::Key_F1);
    EXPECT_EQ(s.form->findChild<QScrollBar*>("XScrollBar")->value(), p.options.RotationX);
    EXPECT_NE(p.options.RotationX, 0);

    s.view->onCustomView(); // the pop-up presets move the main window's bars
    EXPECT_EQ(p.options.RotationZ, 45);
    EXPECT_EQ(zoomBar->value(), 45);
    EXPECT_EQ(s.form->findChild<QScrollBar*>("ZScrollBar")->value(), 0);
}

TEST(ViewWithoutOpenGl, EditorStartsSaysSoAndOpensProjects) {
    EditorHarness h;
    h.makeContext().openGlProblem = [] { return std::optional<std::string>("no OpenGL here"); };
    const std::string path = h.copyExample();
    h.start({QString::fromStdString(path)});
    EXPECT_EQ(h.form->view()->canvas(), nullptr);
    EXPECT_TRUE(h.logHas("The 3D view is not available: no OpenGL here. All other commands work."));
    // The project on the command line still opens at the view's first drawing.
    ASSERT_TRUE(waitUntil([&] { return h.project().object.vertices.size() == 54u; }));
    h.form->view()->onZoomAll();
    h.form->view()->redraw();
    EXPECT_TRUE(h.form->view()->grabScene().isNull());
}
