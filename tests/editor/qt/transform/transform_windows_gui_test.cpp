// The transformation windows' wiring: the Modify menu opens them, their
// controls call the operations, their Undo and the Edit menu follow, the
// rotate dialog's pivot reaches the view's pick mode.
#include "editor/qt/transform/center_box.hpp"
#include "editor/qt/transform/mirror_box.hpp"
#include "editor/qt/transform/move_box.hpp"
#include "editor/qt/transform/poly_copy_form.hpp"
#include "editor/qt/transform/poly_move_form.hpp"
#include "editor/qt/transform/rotate_box.hpp"
#include "editor_harness.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(TransformWindows, EachWindowCallsItsOperationsAndItsUndo) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    std::vector<Vertex> start = h.project().object.vertices;

    auto* move = h.open<MoveBox>(MainItem::Move, "MoveBox");
    ASSERT_TRUE(move && move->isVisible());
    EXPECT_FALSE(button(move, "OKButton")->isEnabled());
    QTest::keyClicks(move->findChild<QLineEdit*>("Edit1"), "1.0");
    EXPECT_FALSE(button(move, "SelButton")->isEnabled()) << "nothing is selected";
    button(move, "OKButton")->click();
    EXPECT_FALSE(move->isVisible());
    EXPECT_EQ(h.project().object.vertices[1].X, start[1].X + 1);
    EXPECT_TRUE(h.logHas("Objects moved 1.0 units along X-Axis"));
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Move Vertices");
    form.item(MainItem::MoveButton)->trigger(); // the tool button opens it again
    ASSERT_TRUE(button(move, "UndoButton")->isEnabled());
    button(move, "UndoButton")->click();
    EXPECT_EQ(h.project().object.vertices, start);
    button(move, "CancelButton")->click();

    auto* mirror = h.open<MirrorBox>(MainItem::Mirror, "MirrorBox");
    EXPECT_FALSE(button(mirror, "OKButton")->isEnabled());
    mirror->findChild<QRadioButton*>("YRadio")->click();
    mirror->findChild<QCheckBox*>("KeepCheckBox")->setChecked(true);
    button(mirror, "OKButton")->click();
    EXPECT_GT(h.project().object.vertices.size(), start.size());

    auto* showAxis = form.item(MainItem::ShowAxis);
    h.changeOptions([](ProjectOptions& o) { o.ShowAxis = false; });
    auto* center = h.open<CenterBox>(MainItem::Center, "CenterBox");
    EXPECT_TRUE(showAxis->isChecked() && h.project().options.ShowAxis);
    button(center, "OKButton")->click();
    EXPECT_TRUE(center->isVisible()) << "Ok keeps the dialog open";
    EXPECT_EQ(h.project().bounds.centreY, 0);
    EXPECT_TRUE(button(center, "UndoButton")->isEnabled());
    button(center, "CancelButton")->click();
    EXPECT_FALSE(showAxis->isChecked() || h.project().options.ShowAxis);

    start = h.project().object.vertices;
    auto* rotate = h.open<RotateBox>(MainItem::Rotate, "RotateBox");
    ASSERT_TRUE(rotate && rotate->isVisible());
    EXPECT_EQ(rotate->windowTitle(), "Rotate");
    EXPECT_TRUE(h.document().pivot().origin);
    auto* fixed = rotate->findChild<QComboBox*>("FixedComboBox");
    emit fixed->activated(3); // 90° about Z
    EXPECT_EQ(fixed->currentText(), "Select Angle!");
    EXPECT_EQ(h.project().object.vertices[2].Y, start[2].X);
    rotate->findChild<QRadioButton*>("FreeRadio")->click();
    rotate->findChild<QSpinBox*>("FreeSpinEdit")->stepUp();
    EXPECT_NE(h.project().object.vertices[2].Y, start[2].X);
    rotate->findChild<QRadioButton*>("VertexRadio")->click();
    EXPECT_EQ(h.prompts.messages.back(), "Pick vertex as pivot point !");
    EXPECT_TRUE(std::holds_alternative<PivotPick>(h.document().pickSession()));
    rotate->findChild<QRadioButton*>("SelectedRadio")->click();
    EXPECT_EQ(h.prompts.messages.back(), "No vertices selected !");
    EXPECT_TRUE(rotate->findChild<QRadioButton*>("AllRadio")->isChecked());
    button(rotate, "CancelButton")->click();
    EXPECT_EQ(h.project().object.vertices, start);
    EXPECT_FALSE(picking(h.document().pickSession()) || h.document().pivot().origin);
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Center All Vertices")
        << "Cancel takes the rotations back";

    auto* copy = h.open<PolyCopyForm>(MainItem::CopyPolygon, "PolyCopyForm");
    ASSERT_TRUE(copy && copy->isVisible());
    auto* list = copy->findChild<QListWidget*>("PolyCopyListBox");
    const int polygons = list->count();
    ASSERT_EQ(polygons, static_cast<int>(h.project().object.polygons.size()));
    list->item(0)->setSelected(true);
    EXPECT_EQ(h.document().selected(Purpose::CopiedPolygons), IndexSet{0});
    copy->findChild<QLineEdit*>("ZEdit")->setText("10");
    button(copy, "CopyButton")->click();
    EXPECT_EQ(list->count(), polygons + 1);
    EXPECT_EQ(copy->findChild<QLineEdit*>("ZEdit")->text(), "0.0");
    button(copy, "UndoButton")->click();
    EXPECT_EQ(list->count(), polygons);
    EXPECT_EQ(h.project().object.vertices, start);
    button(copy, "CloseButton")->click();
    EXPECT_TRUE(h.document().selected(Purpose::CopiedPolygons).empty());

    auto* polyMove = h.open<PolyMoveForm>(MainItem::MovePolygon, "PolyMoveForm");
    polyMove->findChild<QListWidget*>("PolyMoveListBox")->item(1)->setSelected(true);
    button(polyMove, "MoveButton")->click();
    EXPECT_EQ(h.prompts.messages.back(), "Check Offset values !");
    EXPECT_EQ(fieldLabels(*polyMove), (std::vector<QString>{"&X:", "&Y:", "&Z:"}));
}
