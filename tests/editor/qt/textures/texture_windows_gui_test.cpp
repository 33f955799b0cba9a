// The texture windows' wiring: the library window with its two dialogs, the
// assignment window, and the background-colour preview, on the example.
#include "editor/core/textures/texture_library_rules.hpp"
#include "editor/core/view/texture_sources.hpp"
#include "editor/qt/textures/back_color_form.hpp"
#include "editor/qt/textures/select_texture_form.hpp"
#include "editor/qt/textures/tex_man_box.hpp"
#include "editor/qt/textures/texture_form.hpp"
#include "editor/qt/textures/texture_view_form.hpp"
#include "editor/qt/textures/transparency_form.hpp"
#include "editor_harness.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

std::string bitmap(EditorHarness& h, const std::string& name, int w, int h2) {
    writeBmpFile(h.work.file(name), filledBmp(w, h2, 0x808080));
    return h.work.file(name);
}

} // namespace

TEST(TextureWindows, LibraryWithItsDialogsThenAssigningAndTheBackgroundColourPreview) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    form.item(MainItem::LoadTextures)->trigger();
    auto* window = form.findChild<TextureForm*>("Textureform");
    ASSERT_TRUE(window && window->isVisible());
    auto* grid = window->findChild<QTableWidget*>("StringGrid1");
    EXPECT_EQ(grid->rowCount(), 13);
    h.files.paths = {bitmap(h, "big.bmp", 100, 100), bitmap(h, "sign.bmp", 64, 32)};
    button(window, "LoadTexButton")->click();
    EXPECT_TRUE(h.prompts.messages.back().ends_with("100, 100"));
    button(window, "LoadTexButton")->click();
    ASSERT_EQ(h.project().object.textures.size(), 4u);
    EXPECT_EQ(grid->item(3, 1)->text(), "sign.bmp");
    EXPECT_TRUE(h.logHas("Rebuilding Texture Library.....") && h.logHas("Done !"));
    EXPECT_TRUE(button(window, "RemoveTexButton")->isEnabled());

    grid->selectRow(0); // the polygons on seats.bmp are marked
    EXPECT_TRUE(h.document().marks().polygon(0));
    // A bitmap gone since loading: the rebuild goes on and names it.
    const std::string seats = h.work.file("seats.bmp");
    std::filesystem::remove(seats);
    grid->selectRow(3);
    button(window, "RemoveTexButton")->click();
    EXPECT_EQ(h.project().object.textures.size(), 3u);
    EXPECT_TRUE(h.logHas(unreadableTextureLine(seats)));
    button(window, "CancelTexButton")->click();
    EXPECT_TRUE(h.document().selected(Purpose::LibraryTexture).empty());
    EXPECT_FALSE(h.document().marks().polygon(0));

    form.item(MainItem::LoadTextures)->trigger();
    grid->selectRow(1);
    const std::string mask = h.work.file("roof_mask.bmp");
    bool stayedOpen = false;
    QString readOut;
    whenShown<TransparencyForm>("TransForm", [&](TransparencyForm& d) {
        button(&d, "TransButton")->click();
        QWidget* image = d.findChild<QWidget*>("Image1");
        QMouseEvent move(QEvent::MouseMove, QPointF(1, 1), image->mapToGlobal(QPointF(1, 1)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(image, &move);
        readOut = d.findChild<QLabel*>("RGBLabel")->text();
        QTest::mouseClick(d.findChild<QWidget*>("Image1"), Qt::LeftButton, {}, QPoint(1, 1));
        h.files.paths = {h.work.file("none/roof_mask.bmp"), mask};
        button(&d, "OKButton")->click(); // the folder is missing: the window stays
        stayedOpen = d.isVisible() && h.project().object.textures[1].MaskFilename.empty();
        button(&d, "OKButton")->click();
    });
    button(window, "TransButton")->click();
    EXPECT_TRUE(stayedOpen);
    BmpImage roof;
    ASSERT_TRUE(readBmpFile(h.work.file("roof.bmp"), roof).done());
    EXPECT_EQ(readOut.toStdString(), rgbLabel(roof.at(1, 1)));
    EXPECT_EQ(h.files.requests.back().presetPath, mask);
    EXPECT_EQ(h.project().object.textures[1].MaskFilename, mask);
    EXPECT_EQ(grid->item(1, 5)->text().toStdString(), mask);

    int interval = 0;
    whenShown<BackColorForm>("AverageForm", [&](BackColorForm& d) {
        d.findChild<QScrollBar*>("ToggleRateBar")->setValue(4);
        interval = d.toggleTimer().interval();
        button(&d, "TransButton")->click();
        QTest::mouseClick(d.findChild<QWidget*>("Image1"), Qt::LeftButton, {}, QPoint(1, 1));
        button(&d, "OKButton")->click();
    });
    button(window, "AverageButton")->click();
    EXPECT_EQ(interval, 250);
    EXPECT_EQ(h.project().object.textures[1].BackColor, roof.at(1, 1));
    button(window, "CancelTexButton")->click();
    h.copyExample(); // seats.bmp back

    // The assignment window: styles, coordinates, a new texture; the preview.
    auto* assign = h.open<SelectTextureForm>(MainItem::AssignTextures, "SelectTextureForm");
    ASSERT_TRUE(assign && assign->isVisible());
    auto* polygons = assign->findChild<QListWidget*>("SelPolyListBox");
    EXPECT_EQ(polygons->item(0)->text(), "Polygon No. 0");
    polygons->item(0)->setSelected(true);
    emit assign->findChild<QComboBox*>("TextureComboBox")->activated(2);
    emit assign->findChild<QComboBox*>("StyleComboBox")->activated(0);
    const ObjectData& poly = h.project().object.polygons[0];
    EXPECT_EQ(poly.TextureIndex, 2);
    EXPECT_EQ(poly.TexCoords, (std::vector<TexCoord>{{0, 0}, {0, 1}, {1, 1}, {1, 0}}));
    button(assign, "RotateButton")->click();
    EXPECT_EQ(assign->findChild<QListWidget*>("CoordinateListBox")->item(0)->text(),
              "Vertex 0: 0.000, 1.000");
    EXPECT_EQ(form.item(MainItem::Undo)->text(), "&Undo Rotate Texture");
    button(assign, "OKButton")->click();
    EXPECT_TRUE(h.document().selected(Purpose::TexturedPolygons).empty());
    EXPECT_TRUE(form.item(MainItem::ShowTextures)->isChecked());

    const float red = poly.Red;
    form.item(MainItem::CheckBackColors)->trigger();
    EXPECT_TRUE(h.prompts.messages.back().starts_with("This is how the 3DO will look like"));
    EXPECT_EQ(poly.Red, red);
    EXPECT_TRUE(form.item(MainItem::ShowTextures)->isChecked());

    form.item(MainItem::AssignTextures)->trigger();
    polygons->item(1)->setSelected(true);
    emit assign->findChild<QComboBox*>("StyleComboBox")->activated(1); // Texture Area
    auto* coords = assign->findChild<QListWidget*>("CoordinateListBox");
    TexCoord nearTopLeft;
    whenShown<TextureViewForm>("TextureViewForm", [&](TextureViewForm& v) {
        nearTopLeft = clickedTexCoord(1, 1, v.image()->width(), v.image()->height());
        for (int k = 0; k < 4; ++k) // the fourth click closes the window
            QTest::mouseClick(v.image(), Qt::LeftButton, {}, QPoint(1, 1));
    });
    emit coords->itemDoubleClicked(coords->item(0));
    const ObjectData& second = h.project().object.polygons[1];
    EXPECT_EQ(second.TexCoords, std::vector<TexCoord>(4, nearTopLeft));

    assign->findChild<QComboBox*>("CoordComboBox")->setCurrentIndex(2); // Manually
    coords->setCurrentRow(2);
    whenShown<TexManBox>("TexManBox", [](TexManBox& box) {
        auto* x = box.findChild<QLineEdit*>("Edit1");
        for (const char* typed : {"abc", "0.5"}) { // "abc" is refused: the box stays
            x->clear();
            QTest::keyClicks(x, typed);
            button(&box, "OKButton")->click();
        }
    });
    emit coords->itemDoubleClicked(coords->item(2));
    EXPECT_EQ(h.prompts.messages.back(), "'abc' is not a valid floating point value");
    EXPECT_EQ(second.TexCoords[2], (TexCoord{0.5f, nearTopLeft.V}));

    h.files.paths = {bitmap(h, "sign.bmp", 64, 32)};
    whenShown<TextureForm>("Textureform", [](TextureForm& library) {
        button(&library, "LoadTexButton")->click();
        button(&library, "CancelTexButton")->click();
    });
    emit assign->findChild<QComboBox*>("TextureComboBox")->activated(4); // -> Load New Texture
    EXPECT_EQ(second.TextureIndex, 3);
    EXPECT_TRUE(assign->isVisible());
}

// Touching the repeat counts without changing them leaves every coordinate as
// it was: the example's seats repeat 10 times across but a quarter up, which
// no count makes, so they show as they are.
TEST(TextureWindows, RepeatCountsMovedUpAndBackChangeNoCoordinate) {
    EditorHarness h;
    h.start();
    h.openExample();
    auto* assign = h.open<SelectTextureForm>(MainItem::AssignTextures, "SelectTextureForm");
    const std::vector<TexCoord> seats = h.project().object.polygons[0].TexCoords;
    assign->findChild<QListWidget*>("SelPolyListBox")->item(0)->setSelected(true);
    EXPECT_EQ(assign->findChild<QComboBox*>("StyleComboBox")->currentText(), "Texture Area");
    for (const char* name : {"SpinEditX", "SpinEditY"}) {
        auto* spin = assign->findChild<QSpinBox*>(name);
        spin->setValue(spin->value() + 1);
        spin->setValue(spin->value() - 1);
    }
    EXPECT_EQ(h.project().object.polygons[0].TexCoords, seats);
}
