// The project commands wired to the main window: what Open shows and enables,
// the save question on Open and Exit, Save As into a folder of its own, and
// the project named on the command line. The commands themselves are tested
// headless (model/project_commands).
#include "editor_harness.hpp"
#include "model/paths.hpp"

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(MainFormLifecycle, OpenSaveAsClearAllAndTheSaveQuestionOnOpenAndExit) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    writeFile(h.app.file("Meshsmith.ini"), "[General Options]\r\nMakeSubDir=1\r\n");
    MainForm& form = h.start();
    h.openExample();
    EXPECT_EQ(h.project().object.vertices.size(), 54u);
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_TRUE(h.logHas("Project Description:"));
    form.updateToolbar();
    EXPECT_TRUE(form.item(MainItem::CloseProject)->isEnabled());
    EXPECT_TRUE(form.item(MainItem::AseButton)->isEnabled());
    // These commands of the older tool stay in the menus, never enabled.
    for (MainItem never :
         {MainItem::Write3do, MainItem::Write3doButton, MainItem::WriteAseConvertViewer})
        EXPECT_FALSE(form.item(never)->isEnabled()) << textOf(never).objectName;

    // Save As into a folder of its own: the new name shows and joins the recent list.
    h.prompts.names = {std::string("tier")};
    form.onSaveProjectAs();
    EXPECT_TRUE(fileExists(h.app.folder() + "tier/tier.3dp"));
    EXPECT_EQ(form.view()->windowTitle(), "tier");
    EXPECT_EQ(h.context->recent.entries().front(), h.project().ProjectFile);
    h.prompts.names = {std::string("tier")};
    form.onSaveProjectAs();
    EXPECT_EQ(h.prompts.messages.back(),
              "Unable to create Directory OR Directory already exists !");

    h.prompts.answers = {Answer::No};
    h.openExample();
    h.prompts.answers = {Answer::Cancel};
    form.onOpenProject();
    EXPECT_EQ(h.prompts.questions.back(), "Closing Project...|Save project data ?");
    EXPECT_EQ(h.project().object.vertices.size(), 54u);
    EXPECT_EQ(h.files.requests.size(), 2u) << "no open dialog after Cancel";
    h.prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    h.prompts.answers = {Answer::No}; // then the open dialog is cancelled
    form.onOpenProject();
    EXPECT_TRUE(h.project().object.vertices.empty());
    EXPECT_TRUE(h.logHas("Project Closed !"));

    h.openExample();
    form.onClearAll();
    form.updateToolbar();
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    EXPECT_TRUE(h.logHas("All Data Cleared !"));
    EXPECT_FALSE(form.item(MainItem::CloseProject)->isEnabled());
    EXPECT_TRUE(form.close());
}

TEST(MainFormLifecycle, ProjectOnTheCommandLineOpensAtTheFirstDrawingOnly) {
    EditorHarness h;
    const std::string path = h.copyExample();
    MainForm& form = h.start({QString::fromStdString(path)});
    ASSERT_TRUE(waitUntil([&] { return h.project().object.vertices.size() == 54u; }));
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_EQ(h.context->recent.entries().front(), path);
    form.onClearAll();
    form.view()->repaint();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.project().object.vertices.empty()) << "later drawings do not open it again";
}
