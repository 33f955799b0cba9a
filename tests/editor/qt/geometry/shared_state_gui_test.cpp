// The windows over one document: each works on what it shows chosen, follows
// changes made elsewhere at once, and Edit > Undo gives back the view and the
// step a control made.
#include "editor/core/attributes/attribute_rules.hpp"
#include "editor/qt/attributes/collision_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/transform/rotate_box.hpp"
#include "editor_harness.hpp"

#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

using Corners = std::vector<std::int32_t>;

bool hasPolygon(const Project& p, const Corners& closed) {
    for (const ObjectData& poly : p.object.polygons)
        if (poly.VertexIndices == closed) return true;
    return false;
}

// The pixels of the view's picture that are not the background (white).
int drawnPixels(ViewForm& view) {
    drawViewNow(view);
    const QImage image = view.grabScene();
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            drawn += image.pixel(x, y) != qRgb(255, 255, 255);
    return drawn;
}

} // namespace

TEST(SharedState, WindowsChooseForThemselvesAndFollowEachOther) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    auto* polygons = h.open<PolygonForm>(MainItem::Polygons, "Polygonform");
    auto* collision = h.open<CollisionForm>(MainItem::Collision, "CollisionForm");
    button(collision, "AddVolumeButton")->click();
    auto* panel = collision->findChild<QListWidget*>("PolyListBox");
    panel->item(6)->setSelected(true);

    // Row 0 in the polygon window, polygon 5 in the texture window: Remove takes row 0.
    polygons->findChild<QListWidget*>("PolyListBox")->item(0)->setSelected(true);
    auto* assign = h.open<SelectTextureForm>(MainItem::AssignTextures, "SelectTextureForm");
    assign->findChild<QListWidget*>("SelPolyListBox")->item(5)->setSelected(true);
    button(polygons, "RemovePolygonButton")->click();
    ASSERT_EQ(h.project().object.polygons.size(), 23u);
    EXPECT_FALSE(hasPolygon(h.project(), {0, 1, 2, 3, 0}));
    EXPECT_TRUE(hasPolygon(h.project(), {10, 12, 13, 11, 10}));
    EXPECT_EQ(h.document().selected(Purpose::TexturedPolygons), IndexSet{4}) << "it followed";

    // The collision panel follows: its rows name the polygons as they are now.
    ASSERT_EQ(panel->count(), 23);
    EXPECT_EQ(panel->item(0)->text().toStdString(),
              polygonPanelLine(0, h.project().object.polygons[0]));
    EXPECT_TRUE(panel->item(5)->isSelected()) << "the chosen polygon moved down with its row";
    button(collision, "AddButton")->click();
    EXPECT_EQ(h.project().object.collision.back().PlanePolygons, Corners{5});
    button(collision, "CloseButton")->click();
    button(assign, "OKButton")->click();

    // Remove All Vertices, then Edit > Undo: the view draws the object again.
    const int before = drawnPixels(*form.view());
    auto* vertices = h.open<VertexForm>(MainItem::CreateVertices, "Vertexform");
    h.prompts.answers = {Answer::Yes};
    button(vertices, "RemoveAllButton")->click();
    EXPECT_EQ(drawnPixels(*form.view()), 0);
    form.item(MainItem::Undo)->trigger();
    EXPECT_EQ(drawnPixels(*form.view()), before);
    EXPECT_FALSE(button(vertices, "UndoButton")->isEnabled()) << "the window has nothing to give";

    // A typed free angle is one step.
    const std::vector<Vertex> start = h.project().object.vertices;
    auto* rotate = h.open<RotateBox>(MainItem::Rotate, "RotateBox");
    rotate->findChild<QRadioButton*>("FreeRadio")->click();
    auto* spin = rotate->findChild<QSpinBox*>("FreeSpinEdit");
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, "90");
    EXPECT_EQ(spin->value(), 90);
    EXPECT_NE(h.project().object.vertices, start);
    form.item(MainItem::Undo)->trigger();
    EXPECT_EQ(h.project().object.vertices, start);
    button(rotate, "OKButton")->click();
}
