// The project lifecycle in the main window: open, close, clear all, exit, save as.
#include "editor_harness.hpp"
#include "model/paths.hpp"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(MainFormLifecycle, OpenShowsTheProjectAndEnablesItsCommands) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    MainForm& form = h.start();
    h.openExample();
    EXPECT_EQ(h.project().object.vertices.size(), 54u);
    EXPECT_TRUE(h.project().ViewReady);
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_TRUE(h.logHas("Project Description:"));
    form.updateToolbar();
    EXPECT_TRUE(form.item(MainItem::CloseProject)->isEnabled());
    EXPECT_TRUE(form.item(MainItem::AseButton)->isEnabled());
}

TEST(MainFormLifecycle, CloseOnAProjectWithoutVerticesDoesNothingAndClearAllResets) {
    EditorHarness h;
    MainForm& form = h.start();
    h.project().object.textures.push_back({"a.bmp", 0, "", 0, 0});
    const int logSize = form.logLines().size();
    form.onCloseProject();
    EXPECT_TRUE(h.prompts.questions.empty());
    EXPECT_EQ(h.project().object.textures.size(), 1u);
    EXPECT_EQ(form.logLines().size(), logSize);

    form.onClearAll();
    EXPECT_TRUE(h.project().object.textures.empty());
    EXPECT_TRUE(h.logHas("All Data Cleared !"));
}

TEST(MainFormLifecycle, SavedProjectClearedShowsNoneAndDisablesClose) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    form.onClearAll();
    form.updateToolbar();
    EXPECT_EQ(h.project().ProjectFile, "None");
    EXPECT_EQ(form.view()->windowTitle(), "New Project");
    EXPECT_FALSE(form.item(MainItem::CloseProject)->isEnabled());
}

TEST(MainFormLifecycle, OpenCancelledAfterNoLeavesAnEmptyProject) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    h.prompts.answers = {Answer::No}; // "Save project data ?"
    form.onOpenProject();      // no path queued: the dialog is cancelled
    EXPECT_EQ(h.prompts.questions.back(), "Closing Project...|Save project data ?");
    EXPECT_TRUE(h.project().object.vertices.empty());
    EXPECT_TRUE(h.logHas("Project Closed !"));
}

TEST(MainFormLifecycle, CancelInTheSaveQuestionKeepsTheProjectForOpenAndExit) {
    EditorHarness h;
    MainForm& form = h.start();
    h.openExample();
    h.prompts.answers = {Answer::No};
    form.onCloseProject(); // an earlier close in the same run
    h.openExample();

    h.prompts.answers = {Answer::Cancel};
    form.onOpenProject();
    EXPECT_EQ(h.project().object.vertices.size(), 54u);
    EXPECT_EQ(h.files.requests.size(), 2u); // the two opens above; none for the cancelled one

    h.prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(h.project().object.vertices.size(), 54u);

    h.prompts.answers = {Answer::No};
    EXPECT_TRUE(form.close());
}

TEST(MainFormLifecycle, SaveAsInAFolderOfItsOwnAndWhenThatFolderExists) {
    EditorHarness h;
    writeFile(h.app.file("Meshsmith.ini"), "[General Options]\r\nMakeSubDir=1\r\n");
    MainForm& form = h.start();
    h.openExample();
    h.prompts.names = {std::string("tier")};
    form.onSaveProjectAs();
    const std::string saved = h.app.folder() + "tier" + "/tier.3dp";
    EXPECT_TRUE(fileExists(saved));
    EXPECT_EQ(form.view()->windowTitle(), "tier");
    EXPECT_EQ(h.context->recent.entries().front(), h.project().ProjectFile);

    h.prompts.names = {std::string("tier")};
    form.onSaveProjectAs();
    EXPECT_EQ(h.prompts.messages.back(),
              "Unable to create Directory OR Directory already exists !");
}

TEST(MainFormLifecycle, SaveAsThroughTheSaveDialog) {
    EditorHarness h;
    MainForm& form = h.start();
    form.onSaveProjectAs();
    EXPECT_EQ(h.prompts.messages.back(),
              "      No Vertices defined      \r\r      No project data to save !");

    h.openExample();
    const std::string copy = h.work.file("copy.3dp");
    h.prompts.savePaths = {copy};
    form.onSaveProjectAs();
    EXPECT_TRUE(fileExists(copy));
    EXPECT_EQ(h.project().ProjectFile, copy);
    EXPECT_EQ(form.view()->windowTitle(), "copy.3dp");
}

TEST(MainFormLifecycle, ProjectOnTheCommandLineOpensAtTheFirstDrawing) {
    EditorHarness h;
    const std::string path = h.copyExample();
    MainForm& form = h.start({QString::fromStdString(path)});
    ASSERT_TRUE(waitUntil([&] { return h.project().object.vertices.size() == 54u; }));
    EXPECT_EQ(form.view()->windowTitle(), "stand.3dp");
    EXPECT_EQ(h.context->recent.entries().front(), path);
    // Later drawings do not open it again.
    form.onClearAll();
    form.view()->repaint();
    QCoreApplication::processEvents();
    EXPECT_TRUE(h.project().object.vertices.empty());
}
