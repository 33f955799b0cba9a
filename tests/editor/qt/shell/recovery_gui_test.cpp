// Unsaved work survives a crash: the main window writes the recovery copy
// after its delay, the next start asks about it (Yes recovers the project
// under its own name, No deletes the copy), and a normal close removes it.
// The rules are tested headless (editor/core/shell/recovery_test.cpp).
#include "editor/qt/shell/recovery_controller.hpp"
#include "editor_harness.hpp"
#include "model/edits/attribute_edits.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(Recovery, AnEditLeftUnsavedIsOfferedAtTheNextStartYesRecoversItNoDeletesIt) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "Yes" : "No");
        EditorHarness h;
        h.makeContext().recoveryDelay = 50ms;
        h.start();
        const std::string example = h.openExample();
        const std::string copy = h.form->recovery().files().copyPath();
        const std::string saved = h.project().object.ProjectDescription;
        h.document().run(&setDescription, std::string("Left unsaved"));
        ASSERT_TRUE(waitUntil([&] { return fs::exists(copy); }));

        // The editor goes without closing, as when it is killed.
        h.form.reset();
        h.context.reset();
        h.prompts.answers = {answer};
        h.makeContext().recoveryDelay = 50ms;
        MainForm& again = h.start({QString::fromStdString(example)});
        ASSERT_TRUE(waitUntil([&] { return !h.prompts.questions.empty(); }));
        EXPECT_EQ(h.prompts.questions,
                  std::vector<std::string>{"Meshsmith|Meshsmith was not closed properly. Recover "
                                           "the unsaved changes of stand.3dp ?"});
        ASSERT_TRUE(waitUntil([&] { return h.project().ProjectFile == example; }));
        if (answer == Answer::No) {
            EXPECT_EQ(h.project().object.ProjectDescription, saved) << "the command line's project";
            EXPECT_FALSE(fs::exists(copy)) << "deleted";
            continue;
        }
        EXPECT_EQ(h.project().object.ProjectDescription, "Left unsaved");
        EXPECT_EQ(again.view()->windowTitle(), "stand.3dp");
        EXPECT_TRUE(h.logHas("The project named on the command line, " + example +
                             ", was not opened: the recovered project is open."));
        EXPECT_TRUE(fs::exists(copy)) << "this editor's copy until it is saved";

        again.item(MainItem::SaveProject)->trigger();
        EXPECT_NE(readFile(example).find("Left unsaved"), std::string::npos);
        EXPECT_FALSE(fs::exists(copy)) << "saved";

        h.document().run(&setDescription, std::string("Unsaved again"));
        ASSERT_TRUE(waitUntil([&] { return fs::exists(copy); }));
        h.prompts.answers = {Answer::No}; // "Save project data ?"
        EXPECT_TRUE(again.close());
        EXPECT_FALSE(fs::exists(copy)) << "a normal close";
        EXPECT_FALSE(fs::exists(again.recovery().files().lockPath()));
    }
}
