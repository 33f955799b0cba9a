// The view as OpenGL draws it: known scenes, the colours at chosen pixels.
#include "editor/core/view/matrix4.hpp"
#include "editor/qt/shell/editor_harness.hpp"
#include "editor/qt/view/view_form.hpp"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <cmath>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

// A window looking straight down on the XY plane (orthographic Top view;
// zoom 1 shows 12 units across), with nothing in the project yet.
struct ViewScene {
    EditorHarness h;
    ViewForm* view = nullptr;

    ViewScene() {
        h.start();
        view = h.form->view();
        Project& p = h.project();
        p.options.Perspective = false;
        p.options.ZoomRatio = 1;
        p.options.ShowVertices = false;
        p.ShowVerticesNow = false;
        p.drawColours.background = {0.2f, 0.4f, 0.6f};
        h.context->camera.preset = ViewPreset::Top;
    }

    void addVertex(float x, float y, float z = 0) {
        h.project().object.vertices.push_back({x, y, z, 0});
    }

    void addQuad(std::vector<std::int32_t> corners, Rgb colour) {
        ObjectData q;
        q.Red = colour.r;
        q.Green = colour.g;
        q.Blue = colour.b;
        corners.push_back(corners.front());
        q.VertexCount = static_cast<std::int32_t>(corners.size());
        q.VertexIndices = corners;
        h.project().object.polygons.push_back(q);
    }

    // Draws the scene and returns what OpenGL drew.
    QImage render() {
        Project& p = h.project();
        updateBounds(p);
        p.GeometryPresent = !p.object.vertices.empty();
        const int before = view->drawCount();
        view->redraw();
        EXPECT_TRUE(waitUntil([&] { return view->drawCount() > before; }));
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

} // namespace

TEST(ViewRendering, ViewNotReadyShowsOnlyTheBackgroundEvenWithTheAxis) {
    ViewScene s;
    ASSERT_FALSE(s.view->openGlProblem()) << *s.view->openGlProblem();
    for (int i = 0; i < 4; ++i)
        s.addVertex(static_cast<float>(i % 2), static_cast<float>(i / 2));
    s.addQuad({0, 1, 3, 2}, kRed);
    s.h.project().options.ShowAxis = true;
    s.h.project().ViewReady = false;
    const QImage image = s.render();
    ASSERT_FALSE(image.isNull());
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            ASSERT_TRUE(near(image.pixelColor(x, y), kBackground))
                << x << "," << y << " " << text(image.pixelColor(x, y));
}

TEST(ViewRendering, PolygonInItsColourAndBackFacesCulledWhenHidden) {
    ViewScene s;
    // Clockwise seen from above: its front faces the camera of the Top view.
    for (auto [x, y] : {std::pair{-3.f, -1.f}, {-1.f, -1.f}, {-1.f, 1.f}, {-3.f, 1.f}})
        s.addVertex(x, y);
    for (auto [x, y] : {std::pair{1.f, -1.f}, {3.f, -1.f}, {3.f, 1.f}, {1.f, 1.f}})
        s.addVertex(x, y);
    s.addQuad({0, 3, 2, 1}, kRed);      // clockwise on screen
    s.addQuad({4, 5, 6, 7}, {0, 1, 0}); // counter-clockwise on screen
    s.h.project().ViewReady = true;
    s.h.context->general.ShowBackside = true;
    QImage image = s.render();
    EXPECT_TRUE(near(s.at(image, {-2, 0, 0}), kRed)) << text(s.at(image, {-2, 0, 0}));
    EXPECT_TRUE(near(s.at(image, {2, 0, 0}), {0, 1, 0})) << text(s.at(image, {2, 0, 0}));

    s.h.context->general.ShowBackside = false;
    image = s.render();
    EXPECT_TRUE(near(s.at(image, {-2, 0, 0}), kRed));
    EXPECT_TRUE(near(s.at(image, {2, 0, 0}), kBackground)) << text(s.at(image, {2, 0, 0}));
}

TEST(ViewRendering, TexturedPolygonShowsItsTextureAndOneWithoutItsBitmapItsColour) {
    ViewScene s;
    // A 2 x 2 bitmap: red and green in the top row, blue and white below.
    QImage bitmap(2, 2, QImage::Format_RGB32);
    bitmap.setPixelColor(0, 0, Qt::red);
    bitmap.setPixelColor(1, 0, Qt::green);
    bitmap.setPixelColor(0, 1, Qt::blue);
    bitmap.setPixelColor(1, 1, Qt::white);
    const std::string path = s.h.work.file("checker.bmp"), gone = s.h.work.file("gone.bmp");
    ASSERT_TRUE(bitmap.save(QString::fromStdString(path), "BMP"));
    Project& p = s.h.project();
    p.object.textures = {{path, 0, "", 0, DefaultBackColor}, {gone, 0, "", 0, DefaultBackColor}};
    ++p.textureLibraryVersion;
    for (auto [x, y] : {std::pair{-2.f, -2.f}, {2.f, -2.f}, {2.f, 2.f}, {-2.f, 2.f}})
        s.addVertex(x, y);
    for (auto [x, y] : {std::pair{3.f, -1.f}, {5.f, -1.f}, {5.f, 1.f}, {3.f, 1.f}})
        s.addVertex(x, y);
    s.addQuad({0, 3, 2, 1}, {0.5f, 0.5f, 0.5f});
    s.addQuad({4, 7, 6, 5}, kRed);
    // V runs up the bitmap from its bottom row, as the bitmaps are stored.
    p.object.polygons[0].TexCoords = {{0, 0}, {0, 1}, {1, 1}, {1, 0}, {0, 0}};
    p.object.polygons[1].TexCoords.assign(5, {0, 0});
    p.object.polygons[0].TextureIndex = 0;
    p.object.polygons[1].TextureIndex = 1;
    p.ViewReady = true;

    const QImage flat = s.render(); // "Show Textures" off: its own colour
    EXPECT_TRUE(near(s.at(flat, {-1, 1, 0}), {0.5f, 0.5f, 0.5f})) << text(s.at(flat, {-1, 1, 0}));

    p.options.ShowTextures = true;
    const QImage image = s.render();
    const std::pair<Vec3, Rgb> expected[] = {{{-1, 1, 0}, kRed},
                                             {{1, 1, 0}, {0, 1, 0}},
                                             {{-1, -1, 0}, {0, 0, 1}},
                                             {{1, -1, 0}, {1, 1, 1}},
                                             {{4, 0, 0}, kRed}};
    for (const auto& [point, colour] : expected)
        EXPECT_TRUE(near(s.at(image, point), colour)) << point.x << "," << point.y;
    EXPECT_TRUE(
        s.h.logHas("Bitmap " + gone + " could not be read: its polygons are drawn without it"));
}

TEST(ViewRendering, SelectedVertexHasTheLargerSphere) {
    ViewScene s;
    Project& p = s.h.project();
    p.options.ShowVertices = true;
    p.ShowVerticesNow = true;
    p.options.VertexDisplaySize = 15; // radius 1
    s.addVertex(-3, 0);
    s.addVertex(3, 0);
    p.object.vertices[1].Selected = 1;
    p.drawColours.vertex = {0, 0.6f, 0};
    p.drawColours.selectedVertex = {1, 0, 0};
    p.ViewReady = true;
    const QImage image = s.render();
    EXPECT_TRUE(near(s.at(image, {-3, 0, 0}), {0, 0.6f, 0}));
    EXPECT_TRUE(near(s.at(image, {3, 0, 0}), kRed));
    // Between the radius 1 and 1.5: only the selected vertex reaches there.
    EXPECT_TRUE(near(s.at(image, {-3 + 1.25f, 0, 0}), kBackground))
        << text(s.at(image, {-1.75f, 0, 0}));
    EXPECT_TRUE(near(s.at(image, {3 + 1.25f, 0, 0}), kRed)) << text(s.at(image, {4.25f, 0, 0}));
}
