// The main window wired to the settings file, the project commands and the
// Options dialog. The rules themselves (defaults, the list of ten, what each
// menu item needs, the commands, the options' enabling) are tested headless in
// editor/core/shell and model/project_commands.
#include "editor/qt/shell/options_form.hpp"
#include "editor_harness.hpp"
#include "model/paths.hpp"
#include "model/version.hpp"

#include <QCheckBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

// At start-up: the main window, wired to the settings file, the recent list,
// the converter beside the program and the tool bar. The rules themselves
// (defaults, the list of ten, what each menu item needs) are tested headless
// in editor/core/shell.
TEST(MainFormStartup, CaptionLogToolBarAndTheItemsTheConverterEnables) {
    EditorHarness h;
    MainForm& form = h.start();
    const QString product = QString("Meshsmith ") + kVersionText;
    // The maximized view adds its caption after the frame's own.
    EXPECT_TRUE(form.windowTitle().startsWith(product)) << form.windowTitle().toStdString();
    ASSERT_GE(form.logLines().size(), 2);
    EXPECT_EQ(form.logLines()[0], product);
    EXPECT_EQ(form.logLines()[1], "See Tool Tips for some more Information");
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized) << "the default of a first start";
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    EXPECT_TRUE(form.item(MainItem::ShowVertices)->isChecked());
    EXPECT_FALSE(form.item(MainItem::CloseProject)->isEnabled());
    // Without the converter beside the program, the ASE commands start disabled
    // (MainFormLifecycle starts with it).
    EXPECT_FALSE(form.item(MainItem::WriteAseMenu)->isEnabled());

    // Every tool button shows its icon and hint in a 1024 pixel window.
    form.showNormal();
    form.resize(1024, 768);
    auto* bar = form.findChild<QToolBar*>("ToolBar");
    ASSERT_TRUE(waitUntil([&] { return form.width() == 1024 && bar->width() <= 1024; }));
    QApplication::processEvents();
    int buttons = 0;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator()) continue;
        ++buttons;
        const QWidget* w = bar->widgetForAction(a);
        // A button that does not fit is hidden behind the bar's extension arrow.
        EXPECT_TRUE(w->isVisible() && bar->rect().contains(w->geometry()) &&
                    !a->icon().pixmap(24).isNull() && !a->toolTip().isEmpty())
            << a->text().toStdString();
    }
    EXPECT_EQ(buttons, 20);
}

// The project commands wired to the main window: what Open shows and enables,
// the save question on Open and Exit, Save As into a folder of its own, and
// the project named on the command line. The commands themselves are tested
// headless (model/project_commands).
TEST(MainFormLifecycle, OpenSaveAsClearAllAndTheSaveQuestionOnOpenAndExit) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    writeFile(h.app.file("Meshsmith.ini"), "[General Options]\r\nMakeSubDir=1\r\n");
    MainForm& form = h.start();
    const std::string example = h.openExample();
    EXPECT_TRUE(form.item(MainItem::WriteAseMenu)->isEnabled());
    EXPECT_EQ(h.context->recent.entries(), std::vector<std::string>{example});
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_TRUE(h.logHas("Project Description:"));
    EXPECT_TRUE(form.item(MainItem::CloseProject)->isEnabled());
    EXPECT_TRUE(form.item(MainItem::AseButton)->isEnabled());
    // These commands of the older tool stay in the menus, never enabled.
    for (MainItem never :
         {MainItem::Write3do, MainItem::Write3doButton, MainItem::WriteAseConvertViewer})
        EXPECT_FALSE(form.item(never)->isEnabled()) << textOf(never).objectName;

    // Save As into a folder of its own: the new name shows and joins the recent list.
    h.prompts.names = {std::string("tier")};
    form.item(MainItem::SaveProjectAs)->trigger();
    EXPECT_TRUE(fileExists(h.app.folder() + "tier/tier.3dp"));
    EXPECT_EQ(form.view()->windowTitle(), "tier");
    EXPECT_EQ(h.context->recent.entries().front(), h.project().ProjectFile);
    h.prompts.names = {std::string("tier")};
    form.item(MainItem::SaveProjectAs)->trigger();
    EXPECT_EQ(h.prompts.messages.back(),
              "Unable to create Directory OR Directory already exists !");

    h.prompts.answers = {Answer::No};
    h.openExample();
    h.prompts.answers = {Answer::Cancel};
    form.item(MainItem::OpenProject)->trigger();
    EXPECT_EQ(h.prompts.questions.back(), "Closing Project...|Save project data ?");
    EXPECT_EQ(h.project().object.vertices.size(), 54u);
    EXPECT_EQ(h.files.requests.size(), 2u) << "no open dialog after Cancel";
    h.prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(form.close());
    h.prompts.answers = {Answer::No}; // then the open dialog is cancelled
    form.item(MainItem::OpenProject)->trigger();
    EXPECT_TRUE(h.project().object.vertices.empty());
    EXPECT_TRUE(h.logHas("Project Closed !"));

    h.openExample();
    form.item(MainItem::ClearAll)->trigger();
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    EXPECT_TRUE(h.logHas("All Data Cleared !"));
    EXPECT_FALSE(form.item(MainItem::CloseProject)->isEnabled());
    EXPECT_TRUE(form.close());
}

TEST(MainFormLifecycle, ProjectOnTheCommandLineOpensAtTheFirstDrawingOnlyAndJoinsTheRecentList) {
    EditorHarness h;
    const std::string old = h.work.file("old.3dp"), path = h.copyExample();
    writeFile(h.app.file("Meshsmith.ini"), "[Recent Used Files]\r\nF0=" + old + "\r\n");
    MainForm& form = h.start({QString::fromStdString(path)});
    ASSERT_TRUE(waitUntil([&] { return h.project().object.vertices.size() == 54u; }));
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_EQ(h.context->recent.entries(), (std::vector<std::string>{path, old}));
    form.item(MainItem::ClearAll)->trigger();
    drawViewNow(*form.view());
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.project().object.vertices.empty()) << "later drawings do not open it again";
    form.findChild<QAction*>("MRUItem0")->trigger(); // reopened from the list
    EXPECT_EQ(h.project().viewCaption, "stand.3dp");
    h.form.reset(); // the list is stored when the program ends
    EXPECT_NE(h.ini().find("F0=" + path + "\r\nF1=" + old), std::string::npos) << h.ini();
}

// The Options dialog wired to the settings file and the project: browsed paths
// stored as the user expects, a changed box at once, its enabling rules (tested
// headless as OptionsRules) applied, OK and Enter closing it.
TEST(OptionsFormWindow, BrowsedPathsAreStoredProjectOptionsChangeAndOkOrEnterClose) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    OptionsForm* options = form.options();
    h.files.paths = {std::string("D:\\Archive\\Walls\\brick.bmp")};
    options->findChild<QPushButton*>("BrowseBMPButton")->click();
    EXPECT_EQ(h.context->general.BMPPath, "D:\\Archive\\Walls\\");
    EXPECT_NE(h.ini().find("BMPPath=D:\\Archive\\Walls\\"), std::string::npos) << h.ini();
    h.files.paths = {h.work.path().string()};
    options->findChild<QPushButton*>("BrowseTrackButton")->setEnabled(true);
    options->findChild<QPushButton*>("BrowseTrackButton")->click();
    EXPECT_EQ(h.project().options.TrackFolder, h.work.folder());

    h.changeOptions([](ProjectOptions& o) { o.TrackFolder.clear(); });
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
