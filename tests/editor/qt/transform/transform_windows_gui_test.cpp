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

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

template <typename Window> Window* open(MainForm& form, MainItem item) {
    form.item(item)->trigger();
    return form.findChild<Window*>();
}

template <typename Control = QPushButton> Control* control(QWidget* window, const char* name) {
    auto* c = window->findChild<Control*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

} // namespace

TEST(TransformWindows, MoveMirrorAndCenterCallTheirOperationsAndTheirUndo) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    const std::vector<Vertex> start = h.project().object.vertices;

    auto* move = open<MoveBox>(form, MainItem::Move);
    ASSERT_TRUE(move && move->isVisible());
    EXPECT_FALSE(control(move, "OKButton")->isEnabled());
    control<QLineEdit>(move, "Edit1")->setText("1.0");
    emit control<QLineEdit>(move, "Edit1")->textEdited("1.0");
    EXPECT_FALSE(control(move, "SelButton")->isEnabled()) << "nothing is selected";
    control(move, "OKButton")->click();
    EXPECT_FALSE(move->isVisible());
    EXPECT_EQ(h.project().object.vertices[1].X, start[1].X + 1);
    EXPECT_TRUE(h.logHas("Objects moved 1.0 units along X-Axis"));
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Move Vertices");
    form.item(MainItem::MoveButton)->trigger(); // the tool button opens it again
    ASSERT_TRUE(control(move, "UndoButton")->isEnabled());
    control(move, "UndoButton")->click();
    EXPECT_EQ(h.project().object.vertices, start);
    control(move, "CancelButton")->click();

    auto* mirror = open<MirrorBox>(form, MainItem::Mirror);
    EXPECT_FALSE(control(mirror, "OKButton")->isEnabled());
    control<QRadioButton>(mirror, "YRadio")->click();
    control<QCheckBox>(mirror, "KeepCheckBox")->setChecked(true);
    control(mirror, "OKButton")->click();
    EXPECT_GT(h.project().object.vertices.size(), start.size());

    auto* showAxis = form.item(MainItem::ShowAxis);
    showAxis->setChecked(false);
    h.project().options.ShowAxis = false;
    auto* center = open<CenterBox>(form, MainItem::Center);
    EXPECT_TRUE(showAxis->isChecked() && h.project().options.ShowAxis);
    control(center, "OKButton")->click();
    EXPECT_TRUE(center->isVisible()) << "Ok keeps the dialog open";
    EXPECT_EQ(h.project().bounds.centreY, 0);
    EXPECT_TRUE(control(center, "UndoButton")->isEnabled());
    control(center, "CancelButton")->click();
    EXPECT_FALSE(showAxis->isChecked() || h.project().options.ShowAxis);
}

TEST(TransformWindows, RotateStepsPivotPickingAndCancel) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    const std::vector<Vertex> start = h.project().object.vertices;
    auto* rotate = open<RotateBox>(form, MainItem::Rotate);
    ASSERT_TRUE(rotate && rotate->isVisible());
    EXPECT_EQ(rotate->windowTitle(), "Rotate");
    EXPECT_TRUE(h.context->pickModes.OriginPivot);
    auto* fixed = control<QComboBox>(rotate, "FixedComboBox");
    emit fixed->activated(3); // 90° about Z
    EXPECT_EQ(fixed->currentText(), "Select Angle!");
    EXPECT_EQ(h.project().object.vertices[2].Y, start[2].X);
    control<QRadioButton>(rotate, "FreeRadio")->click();
    control<QSpinBox>(rotate, "FreeSpinEdit")->stepUp();
    EXPECT_NE(h.project().object.vertices[2].Y, start[2].X);

    control<QRadioButton>(rotate, "VertexRadio")->click();
    EXPECT_EQ(h.prompts.messages.back(), "Pick vertex as pivot point !");
    EXPECT_TRUE(h.context->pickModes.PivotPickMode);
    control<QRadioButton>(rotate, "SelectedRadio")->click();
    EXPECT_EQ(h.prompts.messages.back(), "No vertices selected !");
    EXPECT_TRUE(control<QRadioButton>(rotate, "AllRadio")->isChecked());

    control(rotate, "CancelButton")->click();
    EXPECT_EQ(h.project().object.vertices, start);
    EXPECT_FALSE(h.context->pickModes.PivotPickMode || h.context->pickModes.OriginPivot);
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Cancel Rotation");
}

TEST(TransformWindows, PolygonWindowsTakeTheirListSelection) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    const std::size_t vertices = h.project().object.vertices.size();
    auto* copy = open<PolyCopyForm>(form, MainItem::CopyPolygon);
    ASSERT_TRUE(copy && copy->isVisible());
    auto* list = control<QListWidget>(copy, "PolyCopyListBox");
    ASSERT_EQ(list->count(), 24);
    list->item(0)->setSelected(true);
    EXPECT_TRUE(h.project().object.polygons[0].Selected);
    control<QLineEdit>(copy, "ZEdit")->setText("10");
    control(copy, "CopyButton")->click();
    EXPECT_EQ(list->count(), 25);
    EXPECT_EQ(control<QLineEdit>(copy, "ZEdit")->text(), "0.0");
    control(copy, "UndoButton")->click();
    EXPECT_EQ(list->count(), 24);
    EXPECT_EQ(h.project().object.vertices.size(), vertices);
    control(copy, "CloseButton")->click();
    EXPECT_EQ(h.project().SelectedPolygon, NoSelection);

    auto* move = open<PolyMoveForm>(form, MainItem::MovePolygon);
    control<QListWidget>(move, "PolyMoveListBox")->item(1)->setSelected(true);
    control(move, "MoveButton")->click();
    EXPECT_EQ(h.prompts.messages.back(), "Check Offset values !");

    // Every field is named by its label.
    std::vector<QString> named;
    for (QLabel* label : move->findChildren<QLabel*>())
        if (label->buddy()) named.push_back(label->text());
    EXPECT_EQ(named, (std::vector<QString>{"&X:", "&Y:", "&Z:"}));
}
