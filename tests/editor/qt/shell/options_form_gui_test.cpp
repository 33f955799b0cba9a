// The Options dialog: settings written as they change, the enabling rules of
// its controls and the project options it edits.
#include "editor/qt/shell/options_form.hpp"
#include "editor_harness.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

template <typename T> T* control(OptionsForm* form, const char* name) {
    T* c = form->findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name;
    return c;
}

} // namespace

TEST(OptionsFormWindow, BrowsedPathsAreStoredAsTheUserExpects) {
    EditorHarness h;
    OptionsForm* options = h.start().options();
    h.files.paths = {std::string("D:\\Archive\\Walls\\brick.bmp")};
    control<QPushButton>(options, "BrowseBMPButton")->click();
    EXPECT_EQ(h.context->general.BMPPath, "D:\\Archive\\Walls\\");
    EXPECT_NE(h.ini().find("BMPPath=D:\\Archive\\Walls\\"), std::string::npos) << h.ini();

    h.files.paths = {h.work.path().string()};
    control<QPushButton>(options, "BrowseTrackButton")->setEnabled(true);
    control<QPushButton>(options, "BrowseTrackButton")->click();
    EXPECT_EQ(h.project().options.TrackFolder, h.work.folder());
}

TEST(OptionsFormWindow, TrackFolderAutostartAndParameterRules) {
    EditorHarness h;
    OptionsForm* options = h.start().options();
    options->show();
    auto* track = control<QCheckBox>(options, "TrackfolderCheckBox");
    auto* autostart = control<QCheckBox>(options, "AutoGPLCheckBox");
    EXPECT_FALSE(autostart->isEnabled());
    track->click();
    EXPECT_TRUE(h.project().options.SaveToTrackFolder);
    EXPECT_TRUE(autostart->isEnabled());
    autostart->click(); // no track folder yet
    EXPECT_EQ(h.prompts.messages.back(), "Invalid Trackfolder !");
    EXPECT_FALSE(autostart->isChecked());
    EXPECT_FALSE(control<QRadioButton>(options, "MakerMinimizeRadioButton")->isEnabled());

    h.project().options.TrackFolder = h.work.folder();
    autostart->click();
    EXPECT_TRUE(h.project().options.AutoGPL);
    EXPECT_TRUE(control<QRadioButton>(options, "MakerCloseRadioButton")->isEnabled());
    EXPECT_EQ(control<QRadioButton>(options, "MakerCloseRadioButton")->text(),
              "Close Meshsmith and Restart after GPL");

    auto* params = control<QCheckBox>(options, "GPLParamCheckBox");
    auto* edit = control<QLineEdit>(options, "AdditionalGPLParamsEditBox");
    params->click();
    edit->setText("-ko20:Personal");
    params->click(); // unchecked: the edit is disabled but keeps its text
    EXPECT_FALSE(edit->isEnabled());
    QTest::mouseClick(control<QPushButton>(options, "ApplyButton"), Qt::LeftButton);
    EXPECT_FALSE(options->isVisible()) << "OK closes the dialog";
    EXPECT_EQ(h.project().options.AdditionalGPLParams, "-ko20:Personal");

    options->show();
    control<QCheckBox>(options, "HintCheckBox")->setFocus();
    QTest::keyClick(options, Qt::Key_Return);
    EXPECT_FALSE(options->isVisible()) << "Enter closes it too";
}

TEST(OptionsFormWindow, ProjectOptionsShowAndChange) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    OptionsForm* options = form.options();
    options->show();
    auto* size = control<QScrollBar>(options, "ScrollBar1");
    EXPECT_EQ(size->value(), h.project().options.VertexDisplaySize);
    size->setValue(7);
    EXPECT_EQ(h.project().options.VertexDisplaySize, 7);
    control<QScrollBar>(options, "AxisScrollBar")->setValue(250);
    EXPECT_EQ(h.project().options.AxisSize, 250);
    options->accept();
}
