// The view as OpenGL draws it (known scenes, the colours at chosen pixels),
// driven with the mouse, wheel and keys, and the editor without OpenGL.
#include "editor_harness.hpp"
#include "support/project_builders.hpp"

#include <QColor>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// The Top view with nothing in the project yet, without vertex spheres; the
// scene is put together in `model` and given to the document to draw.
struct ViewScene : TopView {
    Project model;

    ViewScene() {
        model = project();
        model.options.ShowVertices = false;
        model.options.BackgroundColor = "$00996633"; // 0.2, 0.4, 0.6
    }

    void addVertex(float x, float y, float z = 0) { model.object.vertices.push_back({x, y, z}); }

    void addQuad(const std::vector<std::int32_t>& corners, Rgb colour) {
        ObjectData& q = model.object.polygons.emplace_back(makePolygon(corners));
        std::tie(q.Red, q.Green, q.Blue) = std::tie(colour.r, colour.g, colour.b);
    }

    // Draws the scene (with the vertices `selected` chosen) and returns what OpenGL drew.
    QImage render(std::vector<std::int32_t> selected = {}) {
        document().adopt(model);
        document().select(Purpose::Vertices, std::move(selected));
        drawViewNow(*view);
        return view->grabScene();
    }

    // The colour drawn at a point of the scene.
    QColor at(const QImage& image, Vec3 point) {
        const auto w = projectToWindow(view->camera().combined(), view->viewport(), point);
        EXPECT_TRUE(w.has_value());
        if (!w) return {};
        const int x = static_cast<int>(std::floor(w->x));
        const int y = image.height() - 1 - static_cast<int>(std::floor(w->y));
        return image.pixelColor(x, y);
    }
};

bool near(const QColor& c, Rgb expected) {
    auto close = [](float a, float b) { return std::abs(a - b) < 0.03f; };
    return close(c.redF(), expected.r) && close(c.greenF(), expected.g) &&
           close(c.blueF(), expected.b);
}

std::string text(const QColor& c) {
    return c.name().toStdString();
}

const Rgb kBackground{0.2f, 0.4f, 0.6f};
const Rgb kRed{1, 0, 0};

// Two vertices and a square polygon beside them, seen from above.
struct InteractiveScene : TopView {
    QWidget* canvas = nullptr;

    InteractiveScene()
        : TopView({{-3, 0, 0}, {-1, 0, 0}, {1, -1, 0}, {3, -1, 0}, {3, 1, 0}, {1, 1, 0}}, 15) {
        canvas = view->canvas();
        Project p = project();
        p.object.polygons.push_back(makePolygon({2, 5, 4, 3}));
        document().adopt(std::move(p));
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

// A textured polygon, one whose bitmap is gone and one facing away, drawn
// with and without textures and back faces; vertex spheres; then the view not ready.
TEST(ViewRendering, ColoursTexturesBackFacesVertexSpheresAndTheViewNotReady) {
    ViewScene s;
    ASSERT_FALSE(s.view->openGlProblem()) << *s.view->openGlProblem();
    // A 2 x 2 bitmap: red and green in the top row, blue and white below.
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.setPixelColor(0, 0, Qt::red);
    bitmap.setPixelColor(1, 0, Qt::green);
    bitmap.setPixelColor(0, 1, Qt::blue);
    bitmap.setPixelColor(1, 1, Qt::white);
    const std::string path = s.work.file("checker.bmp"), gone = s.work.file("gone.bmp");
    ASSERT_TRUE(bitmap.save(QString::fromStdString(path), "BMP"));
    Project& p = s.model;
    p.object.textures = {{path, 0, "", 0, DefaultBackColor}, {gone, 0, "", 0, DefaultBackColor}};
    for (float x0 : {-5.f, 0.f, 3.f}) {
        const float x1 = x0 == -5 ? -1 : x0 + 2, y = x0 == -5 ? 2 : 1;
        for (auto [x, y1] : {std::pair{x0, -y}, {x1, -y}, {x1, y}, {x0, y}})
            s.addVertex(x, y1);
    }
    // Clockwise seen from above (its front faces the camera of the Top view)
    // but the last, counter-clockwise on screen.
    s.addQuad({0, 3, 2, 1}, {0.5f, 0.5f, 0.5f});
    s.addQuad({4, 7, 6, 5}, kRed);
    s.addQuad({8, 9, 10, 11}, {0, 1, 0});
    // V runs up the bitmap from its bottom row, as the bitmaps are stored.
    p.object.polygons[0].TexCoords = {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}};
    p.object.polygons[1].TexCoords.assign(5, {0, 0});
    p.object.polygons[0].TextureIndex = 0;
    p.object.polygons[1].TextureIndex = 1;
    p.GeometryPresent = true;
    s.context->general.ShowBackside = true;

    QImage image = s.render(); // "Show Textures" off: their own colours
    const std::pair<Vec3, Rgb> flat[] = {
        {{-4, 1, 0}, {0.5f, 0.5f, 0.5f}}, {{1, 0, 0}, kRed}, {{4, 0, 0}, {0, 1, 0}}};
    for (const auto& [point, colour] : flat)
        EXPECT_TRUE(near(s.at(image, point), colour)) << point.x << " " << text(s.at(image, point));

    p.options.ShowTextures = true;
    s.context->general.ShowBackside = false;
    image = s.render();
    const std::pair<Vec3, Rgb> drawn[] = {{{-4, 1, 0}, kRed},       {{-2, 1, 0}, {0, 1, 0}},
                                          {{-4, -1, 0}, {0, 0, 1}}, {{-2, -1, 0}, {1, 1, 1}},
                                          {{1, 0, 0}, kRed},        {{4, 0, 0}, kBackground}};
    for (const auto& [point, colour] : drawn)
        EXPECT_TRUE(near(s.at(image, point), colour))
            << point.x << "," << point.y << " " << text(s.at(image, point));
    EXPECT_TRUE(
        s.logHas("Bitmap " + gone + " could not be read: its polygons are drawn without it"));

    // The selected vertex has the larger sphere: only it reaches between radius 1 and 1.5.
    p.object.polygons.clear();
    p.object.vertices = {{-3, 0, 0}, {3, 0, 0}};
    p.options.ShowVertices = true;
    p.options.VertexDisplaySize = 15; // radius 1
    p.options.VertexColor = "$00009900";         // 0, 0.6, 0
    p.options.SelectedVertexColor = "$000000FF"; // red
    image = s.render({1});
    EXPECT_TRUE(near(s.at(image, {-3, 0, 0}), {0, 0.6f, 0}));
    EXPECT_TRUE(near(s.at(image, {3, 0, 0}), kRed));
    EXPECT_TRUE(near(s.at(image, {-1.75f, 0, 0}), kBackground))
        << text(s.at(image, {-1.75f, 0, 0}));
    EXPECT_TRUE(near(s.at(image, {4.25f, 0, 0}), kRed)) << text(s.at(image, {4.25f, 0, 0}));

    p.options.ShowAxis = true;
    p.GeometryPresent = false; // only the background, even with the axis
    image = s.render();
    ASSERT_FALSE(image.isNull());
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_TRUE(near(image.pixelColor(x, y), kBackground))
                << x << "," << y << " " << text(image.pixelColor(x, y));
}

// What a drag, the keys, the wheel and the presets do is tested headless
// (CameraControls): here they reach the camera and the bars follow.
TEST(ViewInteraction, HoverHintCtrlDragWheelKeysAndPresetsReachTheViewAndTheBars) {
    InteractiveScene s;
    s.hover(s.pointOf({2, 0, 0}));
    EXPECT_EQ(s.canvas->toolTip(), "Polygon No. 0\nTexture Name: Untextured");
    s.hover(s.pointOf({0, 4, 0}));
    EXPECT_TRUE(s.canvas->toolTip().isEmpty());

    // Ctrl + drag pans and picks nothing, even in a pick session.
    s.document().startPick(PolygonPick{});
    const QPoint from = s.pointOf({-3, 0, 0}), to = from + QPoint(20, 10);
    QTest::mousePress(s.canvas, Qt::LeftButton, Qt::ControlModifier, from);
    QMouseEvent move(QEvent::MouseMove, to, s.canvas->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::ControlModifier);
    QApplication::sendEvent(s.canvas, &move);
    QTest::mouseRelease(s.canvas, Qt::LeftButton, Qt::ControlModifier, to);
    EXPECT_EQ(s.project().options.PanX, 20);
    EXPECT_EQ(s.project().options.PanY, 10);
    EXPECT_TRUE(pickedVertices(s.document().pickSession()).empty());
    EXPECT_TRUE(s.document().selected(Purpose::Vertices).empty());
    s.document().endPick();

    const Project& p = s.project();
    s.changeOptions([](ProjectOptions& o) { o.ZoomRatio = 20; });
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
