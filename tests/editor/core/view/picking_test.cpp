// Picking through the camera's own matrices: what lies under the pick pixel,
// in drawing order, with kinds; the sphere, line, polygon and culling tests
// against shapes whose screen size is known; the hover hint texts.
#include "editor/core/view/camera.hpp"
#include "editor/core/view/hit_names.hpp"
#include "editor/core/view/picking.hpp"

#include "support/golden.hpp"
#include "support/project_builders.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace meshsmith;

namespace {

using Hits = std::vector<PickHit>;

// An orthographic view straight down -Z without a look-at: world (x, y) shows
// at window (300 + 10x, 200 + 10y), so one unit is 10 pixels, and a vertex of
// display size 15 is a sphere of radius 1 unit = 10 pixels.
struct OrthoScene {
    Project project;
    SceneOptions scene;
    SceneMarks marks; // what the windows have chosen
    Viewport viewport{0, 0, 600, 400};

    OrthoScene() {
        project.GeometryPresent = true;
        project.options.Perspective = false;
        project.options.ZoomRatio = 5;
        project.options.VertexDisplaySize = 15;
    }

    Hits pickPixel(int mouseX, int mouseY) const {
        const CameraView view = cameraViewOf(project.options, project.bounds, ViewPreset::None, 10);
        SceneOptions options = scene;
        options.marks = &marks;
        return pickScene(project, options, cameraMatrices(view, viewport).combined(), viewport,
                         mouseX, mouseY);
    }
    // The pixel showing world (x, y), moved by (dx, dy) pixels to the right and up.
    Hits pickAt(double x, double y, int dx = 0, int dy = 0) const {
        return pickPixel(static_cast<int>(std::lround(300 + 10 * x)) + dx,
                         static_cast<int>(std::lround(200 - 10 * y)) - dy);
    }
    std::int32_t addVertex(float x, float y, float z = 0) {
        project.object.vertices.push_back({x, y, z});
        return static_cast<std::int32_t>(project.object.vertices.size() - 1);
    }
    // A square of half size h around (x, y) at depth z, counter-clockwise on screen.
    std::vector<std::int32_t> addSquare(float x, float y, float h, float z) {
        return {addVertex(x - h, y - h, z), addVertex(x + h, y - h, z), addVertex(x + h, y + h, z),
                addVertex(x - h, y + h, z)};
    }
};

const PickHit vertexHit(std::int32_t i) {
    return {HitKind::Vertex, i};
}

// What is picked along a row of pixels from world (x, y), `count` pixels each
// side in the direction (dx, dy): the first hit's kind by letter, "." none; and
// whole hit lists with the vertex candidates and the hover hint they give.
struct Record {
    std::ostringstream text;
    static char letter(const PickHit& hit) { return "voLlpag"[static_cast<int>(hit.kind)]; }
    void sweep(const std::string& what, const OrthoScene& s, double x, double y, int count, int dx,
               int dy) {
        text << what << "\n  ";
        for (int k = -count; k <= count; ++k) {
            const Hits hits = s.pickAt(x, y, k * dx, k * dy);
            text << (hits.empty() ? '.' : letter(hits[0]));
        }
        text << "\n";
    }
    void hits(const std::string& what, const Project& p, const Hits& hits) {
        text << what << ":";
        for (const PickHit& h : hits)
            text << " " << letter(h) << h.index;
        text << " | vertices";
        for (std::int32_t v : vertexCandidates(p, hits))
            text << " " << v;
        std::string hint = hoverHint(p, hits).value_or("none");
        std::replace(hint.begin(), hint.end(), '\r', '/');
        text << " | hint " << hint << "\n";
    }
    void pick(const std::string& what, const OrthoScene& s, double x, double y) {
        hits(what, s.project, s.pickAt(x, y));
    }
};

} // namespace

TEST(Picking, RecordedSweepsAndHits) {
    Record r;
    OrthoScene s; // one unit 10 pixels; the pick pixel spans half a pixel each side
    s.addVertex(2, 1);
    r.sweep("vertex, radius 10 px: across", s, 2, 1, 32, 1, 0);
    r.sweep("  down", s, 2, 1, 32, 0, 1);
    r.sweep("  diagonal", s, 2, 1, 12, 1, 1);
    s.marks.vertices = {1}; // drawn 1.5 times as large
    r.sweep("selected", s, 2, 1, 32, 1, 0);
    s.scene.pivotVertex = 0; // three times the base radius
    r.sweep("pivot", s, 2, 1, 32, 1, 0);
    s.project.options.VertexDisplaySize = 0; // no visible sphere
    r.sweep("display size 0", s, 2, 1, 32, 1, 0);

    OrthoScene l;
    const std::int32_t a = l.addVertex(-5, 0), b = l.addVertex(5, 0);
    l.project.object.lines = {test::makeLine(a, b)};
    l.scene.showVertices = false;
    r.sweep("line -5..5, width 1.5: across", l, 0, 0, 4, 0, 1);
    r.sweep("  along", l, 0, 0, 60, 1, 0);
    l.marks.lines = {1};
    r.sweep("selected, width 5", l, 0, 0, 4, 0, 1);
    l.project.object.lines.clear();
    l.project.object.visLines = {test::makeLine(a, b)};
    r.sweep("visualization line, width 0.3", l, 0, 0, 4, 0, 1);

    OrthoScene f; // squares of 4 units at x = -5 (counter-clockwise) and 5 (clockwise)
    const auto counter = f.addSquare(-5, 0, 2, 0);
    auto clockwise = f.addSquare(5, 0, 2, 0);
    std::swap(clockwise[1], clockwise[3]);
    f.project.object.polygons = {test::makePolygon(counter), test::makePolygon(clockwise)};
    f.scene.showVertices = false;
    r.sweep("two faces", f, 0, 0, 75, 1, 0);
    f.scene.showBackfaces = false;
    r.sweep("back faces hidden: counter-clockwise culled", f, 0, 0, 75, 1, 0);
    f.marks.polygons = {1, 0};
    r.sweep("the culled one selected: its outline", f, 0, 0, 75, 1, 0);

    OrthoScene star; // tips at radius 6 on the axes, inner corners at radius 2 between them
    std::vector<std::int32_t> corners;
    for (int k = 0; k < 8; ++k) {
        const double angle = k * 3.14159265358979 / 4, radius = k % 2 == 0 ? 6 : 2;
        corners.push_back(star.addVertex(static_cast<float>(radius * std::cos(angle)),
                                         static_cast<float>(radius * std::sin(angle))));
    }
    star.project.object.polygons = {test::makePolygon(corners)};
    star.scene.showVertices = false;
    r.sweep("star: along a tip", star, 0, 0, 70, 1, 0);
    r.sweep("  diagonal, through the notch between two tips", star, 0, 0, 50, 1, 1);

    OrthoScene o; // two vertices at the origin, in front of a square with everything else
    const std::int32_t left = o.addVertex(-5, 0);
    o.addVertex(0, 0);
    const std::int32_t right = o.addVertex(5, 0);
    o.addVertex(0, 0, 0.5f);
    const auto square = o.addSquare(0, 0, 3, -5);
    o.project.object.lines = {test::makeLine(left, right)};
    o.project.object.visLines = {test::makeLine(square[0], square[2])};
    o.project.object.polygons = {test::makePolygon(square)};
    o.project.options.ShowAxis = true;
    o.scene.originPivot = o.scene.showGrid = true;
    updateBounds(o.project);
    r.pick("drawing order at the origin", o, 0, 0);
    r.pick("off the vertices (polygon 0 is not vertex 0)", o, 1.5, -1.5);
    o.scene.showVertices = o.project.options.ShowLines = o.project.options.ShowPolygons =
        o.project.options.ShowAxis = o.scene.showGrid = o.scene.originPivot = false;
    r.pick("everything switched off: visualization lines always show", o, 0, 0);
    o.project.GeometryPresent = false;
    r.pick("view not ready", o, 0, 0);
    o.project.GeometryPresent = true;
    o.viewport = {0, 0, 0, 0};
    r.hits("empty viewport", o.project, o.pickPixel(0, 0));

    OrthoScene m; // items naming missing vertices are skipped, not read
    const auto q = m.addSquare(0, 0, 4, 0);
    ObjectData overclaimed = test::makePolygon(q), oneEnd = test::makeLine(q[0], q[2]);
    overclaimed.VertexCount = 12;
    oneEnd.VertexIndices.pop_back();
    m.project.object.polygons = {test::makePolygon({q[0], q[1], 99}), overclaimed,
                                 test::makePolygon({q[0], -1, q[2]}), test::makePolygon(q)};
    m.project.object.lines = {test::makeLine(q[0], 4000), oneEnd, test::makeLine(q[0], q[2])};
    m.project.object.visLines = {test::makeLine(-7, q[2])};
    m.scene.showVertices = false;
    r.pick("broken polygons 0 to 2, lines 0 and 1, visualization line 0", m, 0, 0);

    OrthoScene d; // the near plane of the orthographic view lies at z = 1
    d.addVertex(0, 0, 5);
    r.pick("vertex beyond the near plane", d, 0, 0);
    d.project.object.vertices[0].Z = 1.5f;
    r.pick("vertex reaching over the near plane", d, 0, 0);

    Project p = test::sampleProject();
    p.object.textures[0].Filename = "C:\\GPL\\tex\\brick01.bmp";
    for (const PickHit& h : Hits{vertexHit(3),
                                 vertexHit(6),
                                 {HitKind::Line, 1},
                                 {HitKind::Line, 2},
                                 {HitKind::Polygon, 0},
                                 {HitKind::Polygon, 1},
                                 {HitKind::Polygon, 2},
                                 {HitKind::Polygon, 3}})
        r.hits("sample", p, {h});
    p.object.polygons[1].TextureIndex = 2; // one past the table
    p.object.polygons[2].TextureIndex = -1;
    r.hits("sample, naming texture 2 of 2", p, {{HitKind::Polygon, 1}});
    r.hits("sample, naming texture -1", p, {{HitKind::Polygon, 2}});
    r.hits("sample", p, {vertexHit(3), {HitKind::Line, 1}, {HitKind::Axis, 0}});
    r.hits("sample, nothing named", p, {{HitKind::Axis, 0}, {HitKind::VisLine, 0}});
    test::expectGolden(r.text.str(), "editor/picking.txt");
}

TEST(Picking, PerspectivePicksTheProjectedVertexButNothingBehindTheEye) {
    Project p;
    p.GeometryPresent = true;
    p.object.vertices = {{50, -30, 20}, {0, 2000, 2000}, {0, 0, 0}};
    const Viewport viewport{0, 0, 640, 480};
    CameraView view = cameraViewOf(p.options, p.bounds, ViewPreset::Custom, 10);
    view.rotationX = 10;
    const Matrix4 m = cameraMatrices(view, viewport).combined();
    const auto window = projectToWindow(m, viewport, {50, -30, 20});
    ASSERT_TRUE(window);
    const int x = static_cast<int>(std::lround(window->x));
    const int y = static_cast<int>(std::lround(480 - window->y));
    EXPECT_EQ(pickScene(p, {}, m, viewport, x, y), Hits{vertexHit(0)});
    EXPECT_TRUE(pickScene(p, {}, m, viewport, x + 40, y).empty());

    // (0, 2000, 2000) lies on the line of sight through the centre, behind the
    // eye at (0, 1000, 1000); its divided coordinates would land on the centre too.
    view.rotationX = 0;
    const Matrix4 straight = cameraMatrices(view, viewport).combined();
    EXPECT_EQ(pickScene(p, {}, straight, viewport, 320, 240), Hits{vertexHit(2)});
}
