// The geometry windows' wiring: vertices typed, polygons and lines picked in
// the view with the mouse or typed in the manual window, the edit panels and
// the next-item questions, the lists following every change (also Edit > Undo).
#include "editor/qt/geometry/line_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor_harness.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

using Indices = std::vector<std::int32_t>;

std::vector<Vertex> circle() {
    std::vector<Vertex> ten;
    for (int k = 0; k < 10; ++k)
        ten.push_back({3 * std::cos(k * 0.628f), 3 * std::sin(k * 0.628f), 0});
    return ten;
}

// Ten vertices on a circle, seen from above; the windows opened from the menu.
struct PickingScene : TopView {
    PickingScene() : TopView(circle()) {
        context->general.PlaySound = false; // refusals go to the log
    }
    void pick(const Indices& vertices) {
        for (std::int32_t v : vertices) {
            const Vertex& at = project().object.vertices[static_cast<std::size_t>(v)];
            clickView(*view, pointOf({at.X, at.Y, at.Z}));
        }
    }
    Qt::CursorShape cursor() const { return view->canvas()->cursor().shape(); }
};

} // namespace

TEST(PolygonFormWindow, PickedAndTypedPolygonsTheNextItemQuestionAndTheEditPanel) {
    PickingScene s;
    auto* window = s.open<PolygonForm>(MainItem::Polygons, "Polygonform");
    ASSERT_NE(window, nullptr);
    window->seedColours(1);
    s.prompts.answers = {Answer::Yes};
    button(window, "FlatButton")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(s.cursor(), Qt::PointingHandCursor);
    s.pick({5, 8, 8, 2, 5});
    EXPECT_TRUE(s.logHas("Select different Vertex !")) << "8 right after 8";
    const std::vector<ObjectData>& polygons = s.project().object.polygons;
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].VertexIndices, (Indices{5, 8, 2, 5}));
    EXPECT_EQ(s.cursor(), Qt::ArrowCursor);

    auto* next = window->findChild<QDialog*>("PolygonColorForm");
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(button(next, "SameButton")->text(), "Yes") << "random colours";
    EXPECT_EQ(next->findChild<QLabel*>("QuestionLabel")->text(), "Create New Polygon ?");
    EXPECT_GE(next->width(), next->fontMetrics().horizontalAdvance("Create New Polygon ?"));
    button(next, "SameButton")->click();
    s.pick({1, 3, 4, 1});
    ASSERT_EQ(polygons.size(), 2u);
    EXPECT_NE(polygons[0].Red, polygons[1].Red) << "a new random colour";
    button(window->findChild<QDialog*>("PolygonColorForm"), "NoButton")->click();
    EXPECT_TRUE(window->isVisible());
    auto* list = window->findChild<QListWidget*>("PolyListBox");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->toolTip(), "1  :  None  1, 3, 4");

    // A polygon typed in the manual window, then re-picked with the mouse from the edit panel.
    s.prompts.answers = {Answer::No};
    button(window, "FlatButton")->click();
    QDialog* manual = typeVertexNumbers(window, {"4", "10", "5", "6"});
    EXPECT_EQ(s.prompts.messages.back(), "Not a valid Vertex number !");
    button(manual, "CloseButton")->click();
    ASSERT_EQ(polygons.size(), 3u);
    EXPECT_EQ(polygons[2].VertexIndices, (Indices{4, 5, 6, 4}));
    list->item(2)->setSelected(true);
    button(window, "EditButton")->click();
    EXPECT_FALSE(window->findChild<QComboBox*>("TexIndexComboBox")->isEnabled()) << "untextured";
    s.prompts.answers = {Answer::Yes};
    button(window, "VertButton")->click();
    s.pick({7, 8, 9});
    EXPECT_EQ(polygons[2].VertexIndices, (Indices{7, 8, 9, 7}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(s.form->item(MainItem::Undo)->text(), "&Undo Redefine Polygon");
}

TEST(LineFormWindow, PickedLineTypedEndsAndUndo) {
    PickingScene s;
    auto* window = s.open<LineForm>(MainItem::Lines, "Lineform");
    ASSERT_NE(window, nullptr);
    s.files.colours = {0x000000FF};
    button(window, "AddLineButton")->click();
    s.pick({0, 0, 3});
    const std::vector<ObjectData>& lines = s.project().object.lines;
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].VertexIndices, (Indices{0, 3}));
    EXPECT_EQ(lines[0].Red, 1) << "the colour chosen";
    button(window->findChild<QDialog*>("LineColorForm"), "NoButton")->click();
    auto* list = window->findChild<QListWidget*>("LineListBox");
    ASSERT_EQ(list->count(), 1);

    // Re-picked by typing the numbers 3 and 7; Undo gives the picked ends back.
    list->item(0)->setSelected(true);
    button(window, "EditButton")->click();
    s.prompts.answers = {Answer::No};
    button(window, "VertButton")->click();
    typeVertexNumbers(window, {"3", "7"});
    EXPECT_EQ(list->item(0)->text(), "0  :  3,7");
    button(window, "UndoButton")->click();
    EXPECT_EQ(lines[0].VertexIndices, (Indices{0, 3}));
}

TEST(VertexFormWindow, AddSelectRemoveAndUndoThroughTheWindowAndTheEditMenu) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    auto* window = h.open<VertexForm>(MainItem::CreateVertices, "Vertexform");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Create/Add vertices manually");
    auto* list = window->findChild<QListWidget*>("VertexListBox");
    ASSERT_EQ(list->count(), 54);

    addTypedVertices(*window, {"1.5 2 abc"});
    EXPECT_EQ(h.prompts.messages.back(),
              "The Z field does not hold a number: 'abc' is not a valid floating point value");
    addTypedVertices(*window, {"1.5 2 -3"});
    ASSERT_EQ(list->count(), 55);
    EXPECT_EQ(list->item(54)->text(), "54  :    1.500    2.000   -3.000");
    EXPECT_EQ(window->findChild<QLabel*>("Label4")->text(), "No. of Vertices: 55");
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Add Vertex");

    list->item(54)->setSelected(true);
    EXPECT_EQ(button(window, "AddModVertexButton")->text(), "Modify");
    EXPECT_EQ(window->findChild<QLineEdit*>("VertexEdit_X")->text(), "1.500");
    button(window, "RemoveVertexButton")->click();
    EXPECT_EQ(list->count(), 54);
    EXPECT_TRUE(button(window, "UndoButton")->isEnabled());

    form.item(MainItem::Undo)->trigger(); // Edit > Undo takes back the removal, the list follows
    EXPECT_EQ(list->count(), 55);
    EXPECT_EQ(h.project().object.vertices.size(), 55u);
    // The window's own Undo steps the same history back: no step of its own.
    list->item(54)->setSelected(true);
    button(window, "RemoveVertexButton")->click();
    button(window, "UndoButton")->click();
    EXPECT_EQ(list->count(), 55);
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Add Vertex");

    // Each field is named by its label, in the order X, Y, Z.
    EXPECT_EQ(fieldLabels(*window), (std::vector<QString>{"&X:", "&Y:", "&Z:"}));
}
