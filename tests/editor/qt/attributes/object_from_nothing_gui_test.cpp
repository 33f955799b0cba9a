// An object made from nothing through the editing windows, as a new user
// makes it, saved, opened again and built into a 3DO by the converter run as
// a child process; the attribute windows' wiring.
#include "editor/qt/attributes/attribute_dialogs.hpp"
#include "editor/qt/attributes/collision_form.hpp"
#include "editor/qt/geometry/polygon_form.hpp"
#include "editor/qt/geometry/vertex_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "editor_harness.hpp"
#include "model/bmp_image.hpp"
#include "support/run_program.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>

#include <QTest>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

void addVolume(CollisionForm& window, int polygonRow, const char* rebound) {
    button(&window, "AddVolumeButton")->click();
    window.findChild<QListWidget*>("PolyListBox")->item(polygonRow)->setSelected(true);
    ASSERT_TRUE(choose(window.findChild<QComboBox*>("ReboundComboBox"), rebound));
    button(&window, "AddButton")->click();
}

} // namespace

TEST(ObjectFromNothing, MadeInTheEditingWindowsAndBuiltIntoA3DO) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    ASSERT_TRUE(writeBmpFile(h.work.file("sign.bmp"), filledBmp(64, 32, 0xC02828)).done());
    h.start();

    auto* vertices = h.open<VertexForm>(MainItem::CreateVertices, "Vertexform");
    addTypedVertices(*vertices, {"0 0 0", "0 0 3", "6 0 3", "6 0 0"});

    auto* polygons = h.open<PolygonForm>(MainItem::Polygons, "Polygonform");
    h.prompts.answers = {Answer::No}; // "Vertex selection method": typed
    button(polygons, "FlatButton")->click();
    button(typeVertexNumbers(polygons, {"0", "1", "2", "3"}), "CloseButton")->click();

    auto* library = h.open<TextureForm>(MainItem::LoadTextures, "Textureform");
    h.files.paths = {h.work.file("sign.bmp")};
    button(library, "LoadTexButton")->click();

    auto* assign = h.open<SelectTextureForm>(MainItem::AssignTextures, "SelectTextureForm");
    assign->findChild<QListWidget*>("SelPolyListBox")->item(0)->setSelected(true);
    ASSERT_TRUE(choose(assign->findChild<QComboBox*>("TextureComboBox"), "sign.bmp"));
    ASSERT_TRUE(choose(assign->findChild<QComboBox*>("StyleComboBox"), "Entire Texture"));
    button(assign, "OKButton")->click();

    // The description typed replaces the default and is stored, then a changed
    // one cancelled.
    for (auto [text, key] : {std::pair{"Sign made from scratch", "SaveButton"},
                             std::pair{"changed", "CancelButton"}}) {
        whenShown<DescForm>("DescForm", [text, key](DescForm& d) {
            QTest::keyClicks(d.findChild<QLineEdit*>("DescEdit"), text);
            button(&d, key)->click();
        });
        h.form->item(MainItem::Description)->trigger();
    }
    QString shown;
    for (const char* entry : {"Tree", ""}) { // choose, then reopen and read
        whenShown<DisplayClassForm>("DisplayClassForm", [&shown, entry](DisplayClassForm& d) {
            auto* box = d.findChild<QComboBox*>("DCComboBox");
            shown = *entry && !choose(box, entry) ? "" : box->currentText();
            button(&d, "OKButton")->click();
        });
        h.form->item(MainItem::Visibility)->trigger();
    }
    EXPECT_TRUE(shown.startsWith("Tree"));
    auto* collision = h.open<CollisionForm>(MainItem::Collision, "CollisionForm");
    addVolume(*collision, 0, "Armco");
    button(collision, "CloseButton")->click();

    // Save (Ctrl+S) on a project without a file asks where, as Save As does.
    const std::string project = h.work.file("sign.3dp");
    h.prompts.savePaths = {project};
    QAction* save = h.form->item(MainItem::SaveProject);
    ASSERT_TRUE(save->isEnabled());
    EXPECT_EQ(save->shortcut(), QKeySequence(QKeySequence::Save));
    save->trigger();
    EXPECT_TRUE(h.prompts.savePaths.empty());
    // Closed and opened again: the build commands are usable, the submenu's too.
    h.prompts.answers = {Answer::No}; // "Save project data ?"
    h.form->item(MainItem::CloseProject)->trigger();
    h.files.paths = {project};
    h.form->item(MainItem::OpenProject)->trigger();
    ASSERT_TRUE(waitUntil([&] { return h.form->item(MainItem::WriteAseMenu)->isEnabled(); }));
    EXPECT_TRUE(h.form->findChild<QMenu*>("WriteASEMenu")->isEnabled());
    h.form->item(MainItem::WriteAseAndConvert)->trigger();
    EXPECT_TRUE(h.form->converterRunning());
    ASSERT_TRUE(waitUntil([&] { return !h.form->converterRunning(); }));
    EXPECT_TRUE(h.prompts.messages.empty()) << h.prompts.messages.front();
    EXPECT_TRUE(h.logHas("3DO " + h.work.file("sign.3do") + " written !"));
    // The converter's own lines reach the log.
    EXPECT_TRUE(h.logHas("writing 3DO... 3DO saved."))
        << h.form->logLines().join("\n").toStdString();

    EXPECT_EQ(h.project().object.ProjectDescription, "Sign made from scratch");
    const ProgramRun check = runProgram("3do-inspect", {"--verbose", h.work.file("sign.3do")});
    for (const char* shows : {"\"sign\", display class 8", "texture 0 1", "1 volumes", "type 9"})
        EXPECT_NE(check.out.find(shows), std::string::npos) << shows << "\n" << check.out;
    EXPECT_EQ(runProgram("3do-inspect", {"--check", h.work.file("sign.3do")}).status, 0);
}

TEST(AttributeWindows, VolumesShowTheirPolygonsAndAUsedPolygonIsRefused) {
    EditorHarness h;
    h.start();
    h.openExample();
    auto* collision = h.open<CollisionForm>(MainItem::Collision, "CollisionForm");
    auto* volumes = collision->findChild<QListWidget*>("VolumesListBox");
    const int before = volumes->count();
    addVolume(*collision, 1, "Armco");
    addVolume(*collision, 1, "Armco"); // refused, the panel stays open
    button(collision, "BackButton")->click();
    ASSERT_EQ(volumes->count(), before + 1);
    volumes->setCurrentRow(before);
    emit volumes->itemClicked(volumes->item(before));
    EXPECT_TRUE(h.document().marks().polygon(1)) << "the volume's polygons show";
    // Edit Rebound offers the volume's own rebound.
    button(collision, "EditReboundButton")->click();
    EXPECT_EQ(collision->findChild<QComboBox*>("ReboundComboBox")->currentText(), "Armco");
    button(collision, "BackButton")->click();
    // The heading's words stand over the columns of the lines ("  1: Armco  ...").
    const QRect row = volumes->visualItemRect(volumes->item(before));
    const QFontMetrics metrics(volumes->font());
    const auto leftOf = [collision](QWidget* w, int x) { return w->mapTo(collision, QPoint(x, 0)).x(); };
    const int listText = leftOf(volumes->viewport(), row.left());
    auto* rebound = collision->findChild<QLabel*>("ReboundHeading");
    ASSERT_NE(rebound, nullptr);
    EXPECT_NEAR(leftOf(rebound, 0), listText + metrics.horizontalAdvance("  0: "), 4);
    button(collision, "RemoveButton")->click();
    EXPECT_EQ(volumes->count(), before);
    button(collision, "CloseButton")->click();
}
