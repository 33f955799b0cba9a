// The Options dialog wired to the settings file and the project: browsed paths
// stored as the user expects, a changed box at once, its enabling rules (tested
// headless as OptionsRules) applied, OK and Enter closing it.
#include "editor/qt/shell/options_form.hpp"
#include "editor_harness.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(OptionsFormWindow, BrowsedPathsAreStoredAsTheUserExpects) {
    EditorHarness h;
    OptionsForm* options = h.start().options();
    h.files.paths = {std::string("D:\\Archive\\Walls\\brick.bmp")};
    options->findChild<QPushButton*>("BrowseBMPButton")->click();
    EXPECT_EQ(h.context->general.BMPPath, "D:\\Archive\\Walls\\");
    EXPECT_NE(h.ini().find("BMPPath=D:\\Archive\\Walls\\"), std::string::npos) << h.ini();
    h.files.paths = {h.work.path().string()};
    options->findChild<QPushButton*>("BrowseTrackButton")->setEnabled(true);
    options->findChild<QPushButton*>("BrowseTrackButton")->click();
    EXPECT_EQ(h.project().options.TrackFolder, h.work.folder());
}

TEST(OptionsFormWindow, ProjectOptionsChangeTheirRulesApplyAndOkOrEnterClose) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    OptionsForm* options = form.options();
    options->show();
    auto* autostart = options->findChild<QCheckBox*>("AutoGPLCheckBox");
    EXPECT_FALSE(autostart->isEnabled());
    options->findChild<QCheckBox*>("TrackfolderCheckBox")->click();
    EXPECT_TRUE(h.project().options.SaveToTrackFolder);
    EXPECT_TRUE(autostart->isEnabled());
    autostart->click(); // no track folder yet
    EXPECT_EQ(h.prompts.messages.back(), "Invalid Trackfolder !");
    EXPECT_FALSE(autostart->isChecked());
    options->findChild<QScrollBar*>("ScrollBar1")->setValue(7);
    EXPECT_EQ(h.project().options.VertexDisplaySize, 7);
    options->findChild<QCheckBox*>("GPLParamCheckBox")->click();
    options->findChild<QLineEdit*>("AdditionalGPLParamsEditBox")->setText("-ko20:Personal");
    QTest::mouseClick(options->findChild<QPushButton*>("ApplyButton"), Qt::LeftButton);
    EXPECT_FALSE(options->isVisible()) << "OK closes the dialog";
    EXPECT_EQ(h.project().options.AdditionalGPLParams, "-ko20:Personal");
    options->show();
    options->findChild<QCheckBox*>("HintCheckBox")->setFocus();
    QTest::keyClick(options, Qt::Key_Return);
    EXPECT_FALSE(options->isVisible()) << "Enter closes it too";
}
