// The vertex window's wiring: its controls call the vertex operations, the
// lists follow every change (also Edit > Undo), fields are named by labels.
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor_harness.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(VertexFormWindow, AddSelectRemoveAndUndoThroughTheWindowAndTheEditMenu) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    auto* window = h.open<VertexForm>(MainItem::CreateVertices, "Vertexform");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Create/Add vertices manually");
    auto edit = [&](const char* name) { return window->findChild<QLineEdit*>(name); };
    auto button = [&](const char* name) { return test::button(window, name); };
    auto* list = window->findChild<QListWidget*>("VertexListBox");
    ASSERT_EQ(list->count(), 54);

    edit("VertexEdit_X")->setText("1.5");
    edit("VertexEdit_Y")->setText("2");
    edit("VertexEdit_Z")->setText("abc");
    button("AddModVertexButton")->click();
    EXPECT_EQ(h.prompts.messages.back(),
              "The Z field does not hold a number: 'abc' is not a valid floating point value");
    edit("VertexEdit_Z")->setText("-3");
    button("AddModVertexButton")->click();
    ASSERT_EQ(list->count(), 55);
    EXPECT_EQ(list->item(54)->text(), "54  :    1.500    2.000   -3.000");
    EXPECT_EQ(window->findChild<QLabel*>("Label4")->text(), "No. of Vertices: 55");
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Add Vertex");

    list->item(54)->setSelected(true);
    EXPECT_EQ(button("AddModVertexButton")->text(), "Modify");
    EXPECT_EQ(edit("VertexEdit_X")->text(), "1.500");
    button("RemoveVertexButton")->click();
    EXPECT_EQ(list->count(), 54);
    EXPECT_TRUE(button("UndoButton")->isEnabled());

    form.onUndo(); // Edit > Undo takes back the removal, the list follows
    EXPECT_EQ(list->count(), 55);
    EXPECT_EQ(h.project().object.vertices.size(), 55u);

    // Each field is named by its label, in the order X, Y, Z.
    EXPECT_EQ(fieldLabels(*window), (std::vector<QString>{"&X:", "&Y:", "&Z:"}));
}
