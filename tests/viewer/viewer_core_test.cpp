// The viewer's core on small composed files: the order of the tree walk from
// either side of a node, the facing rule, what a file is refused for, the
// eye of the editor's camera, planes cut to a box, and the bitmap search.

#include "viewer/core/bitmap_search.hpp"
#include "viewer/core/draw_order.hpp"
#include "viewer/core/first_camera.hpp"
#include "viewer/core/plane_pieces.hpp"
#include "viewer/core/polygon_pick.hpp"
#include "viewer/core/threedo_load.hpp"

#include "editor/core/view/camera.hpp"
#include "threedo_fixtures.hpp"

#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace meshsmith::test {
namespace {

using namespace meshsmith::viewer;

inspect3do::ThreeDoFile fileOf(const std::vector<std::uint8_t>& bytes) {
    return inspect3do::parseThreeDo(bytes).file;
}

// A node of type `type` over the single quad (facing up, plane z = 0), its
// group as the front or back group.
std::vector<std::uint8_t> singleNodeOfType(std::int32_t type) {
    ThreeDoParts parts = singleNodeParts();
    parts.prim = LeBytes{};
    parts.prim.i32(88).append(polygonRecord({0, 1, 2, 3})).ints({5, 4, 5, 0, 3});
    if (type == 6)
        parts.prim.ints({6, 0, 68});
    else if (type == 7)
        parts.prim.ints({7, 0, -1, 68});
    else
        parts.prim.ints({type, 0, -1, 68, -1});
    return assemble(parts);
}

// Each drawn polygon as "<data offset>", "+b" from a back group, "+r" reversed.
std::string orderText(const inspect3do::ThreeDoFile& f, const Eye& eye) {
    std::string text;
    for (const DrawnPolygon& d : drawOrder(f, eye))
        text += (text.empty() ? "" : " ") + std::to_string(d.polygon->offset) +
                (d.backGroup ? "+b" : "") + (d.reversed ? "+r" : "");
    return text;
}

// Two nodes: the root (plane z = 0, its quad at 100) and a child leaf (plane
// x = 0.5, its quad at 4) in front of or behind the root's plane.
TEST(ViewerDrawOrder, FarSideThenTheFacingGroupThenTheNearSide) {
    const auto front = fileOf(assemble(twoNodeParts(1, 2, true)));
    const auto back = fileOf(assemble(twoNodeParts(-2, -1, false)));
    const struct {
        const char* what;
        const inspect3do::ThreeDoFile& file;
        Eye eye;
        const char* order;
    } cases[] = {
        {"above the root, child near", front, {1, 0, 10, 1}, "100 4"},
        {"above the root, behind the child", front, {0, 0, 10, 1}, "100"},
        {"below the root, child far", front, {1, 0, -10, 1}, "4"},
        {"above the root, child far", back, {1, 0, 10, 1}, "4 100"},
        {"below the root, child near", back, {1, 0, -10, 1}, "4"},
        {"from far away above", front, {1, 0, 1, 0}, "100 4"},
        {"in the root's plane", front, {1, 0, 0, 1}, "4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(orderText(c.file, c.eye), c.order) << c.what;
}

TEST(ViewerDrawOrder, EachNodeTypeDrawsTheGroupFacingTheEye) {
    const struct {
        std::int32_t type;
        const char* above;
        const char* below;
    } cases[] = {
        {6, "4", ""},
        {9, "4", ""},
        {7, "", "4+b"},
        {10, "4", "4+r"},
    };
    for (const auto& c : cases) {
        const auto f = fileOf(singleNodeOfType(c.type));
        EXPECT_EQ(orderText(f, {0.5, 0.5, 5, 1}), c.above) << "type " << c.type;
        EXPECT_EQ(orderText(f, {0.5, 0.5, -5, 1}), c.below) << "type " << c.type;
    }
}

// A polygon whose facing does not match its group's side is shown from behind;
// the status line counts it. A sliver's facing is not judged.
TEST(ViewerFacing, PolygonsInTheWrongGroupAreCounted) {
    const struct {
        std::vector<std::int32_t> corners;
        bool backGroup;
        std::size_t fromBehind;
    } cases[] = {
        {{0, 1, 2, 3}, false, 0}, {{3, 2, 1, 0}, false, 1}, {{0, 1, 2, 3}, true, 1},
        {{3, 2, 1, 0}, true, 0},  {{4, 1, 0}, false, 0},
    };
    for (const auto& c : cases) {
        const auto f = fileOf(singleNodeFacing(c.corners, c.backGroup));
        EXPECT_EQ(sceneCounts(f, shownFromBehind(f)).fromBehind, c.fromBehind)
            << c.corners.size() << " corners, back group " << c.backGroup;
    }
}

TEST(ViewerLoad, SoundFilesAreCountedAndOthersRefusedWithTheReadersReason) {
    TempFolder dir;
    const auto write = [&](const char* name, const std::vector<std::uint8_t>& bytes) {
        writeFile(dir.file(name), std::string(bytes.begin(), bytes.end()));
        return dir.file(name);
    };
    const std::string turned = write("turned.3do", singleNodeFacing({3, 2, 1, 0}, false));
    const std::string coll = write("coll.3do", assemble(collisionParts()));
    auto cut = assemble(collisionParts());
    cut.resize(cut.size() - 5);
    const std::string broken = write("cut.3do", cut);
    const std::string text = dir.file("notes.txt");
    writeFile(text, "just some text\n");
    const auto shown = [](const std::string& path) {
        const LoadedThreeDo loaded = loadThreeDo(path);
        return loaded.file ? countsText(sceneCounts(*loaded.file, shownFromBehind(*loaded.file)))
                           : loaded.refusal.substr(loaded.refusal.find(": ") + 2);
    };
    EXPECT_EQ(shown(turned),
              "5 vertices, 1 polygon, 1 node, 0 collision volumes, 1 shown from behind");
    EXPECT_EQ(shown(coll),
              "4 vertices, 1 polygon, 1 node, 1 collision volume, 0 shown from behind");
    EXPECT_EQ(shown(text).rfind("not a 3DO file that can be shown (violation: ", 0), 0u)
        << shown(text);
    EXPECT_EQ(shown(broken).rfind("not a 3DO file that can be shown (violation: ", 0), 0u);
    EXPECT_EQ(shown(dir.file("missing.3do")), "no such file");
}

// The eye found from the editor's camera is where the model-view matrix puts
// the origin (perspective), or what it turns into the view's backward axis.
TEST(ViewerEye, TheCameraLooksFromItsEye) {
    for (const ViewPreset preset : {ViewPreset::Custom, ViewPreset::Top, ViewPreset::Left})
        for (const std::int32_t rotation : {0, 45, 200})
            for (const bool perspective : {true, false}) {
                CameraView view;
                view.preset = preset;
                view.rotationX = rotation;
                view.rotationZ = rotation / 3;
                view.perspective = perspective;
                view.centre = {3, -2, 7};
                const Matrix4 m = modelviewMatrix(view);
                const Eye eye = eyeOfCamera(m, perspective);
                const Vec4 seen = perspective ? m.transformPoint({eye.x, eye.y, eye.z})
                                              : m.transformDirection({eye.x, eye.y, eye.z});
                const Vec4 expected = perspective ? Vec4{0, 0, 0, 1} : Vec4{0, 0, 1, 0};
                EXPECT_NEAR(seen.x, expected.x, 1e-6) << rotation;
                EXPECT_NEAR(seen.y, expected.y, 1e-6) << rotation;
                EXPECT_NEAR(seen.z, expected.z, 1e-6) << rotation;
            }
}

TEST(ViewerPlanes, APlaneInABoxLiesInThePlaneAndInTheBox) {
    const Box box{{-1, -1, -1}, {1, 1, 1}};
    const struct {
        inspect3do::Plane plane;
        std::size_t corners;
    } cases[] = {{{0, 0, 1, 0}, 4}, {{1, 1, 1, 0}, 6}, {{1, 1, 1, -2.5f}, 3}, {{0, 0, 1, -3}, 0}};
    for (const auto& c : cases) {
        const auto piece = planeInBox(c.plane, box);
        EXPECT_EQ(piece.size(), c.corners) << c.plane.d;
        for (const Point& p : piece) {
            EXPECT_NEAR(c.plane.a * p[0] + c.plane.b * p[1] + c.plane.c * p[2] + c.plane.d, 0,
                        1e-6);
            for (int k = 0; k < 3; ++k)
                EXPECT_LE(std::abs(p[k]), 1 + 1e-9);
        }
    }
}

TEST(ViewerBitmaps, FoundBesideTheFileFirstWhateverTheCase) {
    TempFolder beside, library;
    writeFile(beside.file("WALL.BMP"), "b");
    writeFile(library.file("wall.bmp"), "l");
    writeFile(library.file("roof.bmp"), "l");
    const std::vector<std::string> folders =
        bitmapFolders(beside.file("x.3do"), {"", library.folder()});
    for (const char* name : {"wall", "wall.bmp", "C:\\tex\\Wall.bmp"})
        EXPECT_EQ(readFile(findBitmap(name, folders).value_or("")), "b") << name;
    EXPECT_EQ(readFile(findBitmap("roof", folders).value_or("")), "l");
    EXPECT_FALSE(findBitmap("door", folders));
    EXPECT_EQ(missingBitmapsLine({"door", "gate"}), "Bitmaps not found: door, gate");
}

} // namespace
} // namespace meshsmith::test


namespace meshsmith::test {

// A new file is shown whole and in the middle of the view, wherever the
// object lies (the editor's turns are about the origin).
TEST(ViewerFirstCamera, TheObjectFillsTheMiddleOfTheView) {
    struct Case {
        BoundingBox box;
        int width, height;
    };
    const Case cases[] = {
        {{-5, -3, 0, 5, 3, 4, 0, 0, 2}, 1000, 700},
        {{40, 90, 0, 60, 110, 12, 50, 100, 6}, 1000, 700},
        {{-2, -30, 0, 2, 30, 1, 0, 0, 0.5f}, 400, 900},
    };
    for (const Case& c : cases) {
        ProjectOptions camera;
        CameraControls controls;
        viewer::firstCamera(camera, controls, c.box, c.width, c.height);
        const Matrix4 m = cameraMatrices(cameraViewOf(camera, c.box, controls.preset,
                                                      controls.panScale),
                                         Viewport{0, 0, c.width, c.height})
                              .combined();
        double reach = 0;
        for (int k = 0; k < 8; ++k) {
            const Vec4 q = m.transformPoint({k & 1 ? c.box.maxX : c.box.minX,
                                             k & 2 ? c.box.maxY : c.box.minY,
                                             k & 4 ? c.box.maxZ : c.box.minZ});
            reach = std::max({reach, std::abs(q.x), std::abs(q.y)});
        }
        const Vec4 middle = m.transformPoint({c.box.centreX, c.box.centreY, c.box.centreZ});
        EXPECT_LE(reach, 0.9) << c.box.minX;
        EXPECT_GT(reach, 0.6) << c.box.minX;
        EXPECT_LT(std::abs(middle.x) + std::abs(middle.y), 0.05) << c.box.minX;
    }
}

} // namespace meshsmith::test
