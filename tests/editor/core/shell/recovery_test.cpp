// Unsaved work kept safe: which changes are unsaved, the recovery copy (whole
// or refused, never read half), when it is written and removed, and what a
// start after a crash offers.

#include "editor/core/shell/general_options.hpp"
#include "editor/core/shell/recovery_copy.hpp"
#include "editor/core/shell/recovery_keeper.hpp"
#include "model/edits/attribute_edits.hpp"
#include "model/edits/vertex_edits.hpp"
#include "model/text_file.hpp"
#include "support/prefix_cuts.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

using namespace meshsmith;
using namespace meshsmith::test;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// The example project in a folder of its own, opened in a document.
struct Session {
    TempFolder work, settings;
    Document doc;
    SaveOptions options;
    ScriptedPrompts prompts;
    RecordingLog log;
    std::string file = work.file("stand.3dp");

    Session() {
        for (const auto& entry : fs::directory_iterator(sourcePath("examples/stand")))
            fs::copy_file(entry.path(), work.path() / entry.path().filename());
        EXPECT_TRUE(doc.runFile(&openProject, options, prompts, log, file).done());
    }
    void save() { doc.runFile(&saveProjectCommand, options, prompts, log); }
};

// The copies in the folder (lock files aside), by name.
std::vector<std::string> copiesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() != ".lock") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(UnsavedChanges, FollowTheProjectFileThroughEditsUndoSavesAndMergedSteps) {
    Session s;
    unsigned told = 0;
    s.doc.listen([&](const DocumentChange& c) { told |= c.what; });
    const auto option = [&](const std::function<void(ProjectOptions&)>& change) {
        ProjectOptions o = s.doc.options();
        change(o);
        s.doc.setOptions(o);
    };
    const auto describe = [&](const char* text) {
        s.doc.runMerged("description", &setDescription, std::string(text));
    };
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"- opened", [] {}},
        {"- camera, zoom and a View Options switch",
         [&] {
             option([](ProjectOptions& o) { o.RotationZ = 40, o.ZoomRatio = 9, o.ShowAxis = 1; });
         }},
        {"+ a vertex added", [&] { s.doc.run(&addVertex, 1.f, 2.f, 3.f); }},
        {"- undone back to the file", [&] { s.doc.undo(); }},
        {"+ redone", [&] { s.doc.redo(); }},
        {"- saved", [&] { s.save(); }},
        {"+ typing a description", [&] { describe("a"); }},
        {"- saved while typing", [&] { s.save(); }},
        {"+ typing on: merged into the step that was saved", [&] { describe("ab"); }},
        {"+ typed back to the saved text", [&] { describe("a"); }},
        {"- saved", [&] { s.save(); }},
        {"+ the track folder, saved with the project",
         [&] { option([](ProjectOptions& o) { o.TrackFolder = "/gpl/tracks/monza/"; }); }},
        {"- closed without saving",
         [&] {
             s.prompts.answers = {Answer::No};
             s.doc.runFile(&closeProject, s.options, s.prompts, s.log);
         }},
    };
    for (const auto& [what, act] : steps) {
        told = 0;
        const bool before = s.doc.hasUnsavedChanges();
        act();
        const bool unsaved = what[0] == '+';
        EXPECT_EQ(s.doc.hasUnsavedChanges(), unsaved) << what;
        EXPECT_TRUE(before == unsaved || (told & DocumentChange::File)) << what << ": not told";
    }
}

TEST(RecoveryCopy, ReadsBackAsTheProjectUnderItsOwnNameAndNeverHalf) {
    Session s;
    s.doc.run(&addVertex, 7.f, 8.f, 9.f);
    const std::string copyPath = s.settings.file("Meshsmith-recovery-1.3dp");
    const std::string text = recoveryCopyText(s.doc.project(), copyPath);
    writeFile(copyPath, text);
    const RecoveryCopyCheck whole = checkRecoveryCopy(splitLines(text));
    ASSERT_TRUE(whole.header) << whole.error;

    Document back;
    ASSERT_TRUE(
        back.runFile(&recoverProject, s.options, s.prompts, s.log, copyPath, *whole.header).done());
    EXPECT_EQ(back.object(), s.doc.object()) << "its bitmaps found from the copy's folder";
    EXPECT_EQ(back.options(), s.doc.options());
    EXPECT_EQ(back.project().ProjectFile, s.file);
    EXPECT_EQ(back.project().viewCaption, "stand.3dp");
    back.undo();
    EXPECT_TRUE(back.hasUnsavedChanges()) << "its file holds something else";

    const std::size_t headerEnd = text.find("\r\n", text.find("Lines=")) + 2;
    for (std::size_t cut : prefixCuts(text)) {
        if (cut + 2 >= text.size()) break; // only the last line end missing: all is there
        const RecoveryCopyCheck check = checkRecoveryCopy(splitLines(text.substr(0, cut)));
        EXPECT_FALSE(check.header) << "cut at " << cut;
        if (cut >= headerEnd) {
            EXPECT_EQ(check.error, "it was not written to its end") << "cut at " << cut;
        }
    }
    std::string longer = text;
    longer.insert(longer.find("Vertices"), "Vertices\r\n");
    EXPECT_FALSE(checkRecoveryCopy(splitLines(longer)).header) << "a line too many";
}

TEST(RecoveryKeeper, WritesAtMostADelayAfterAChangeAndRemovesTheCopyWhenNothingIsUnsaved) {
    Session s;
    RecoveryKeeper keeper(s.settings.folder(), 11, 60s);
    const std::string copy = keeper.files().copyPath();
    const auto t0 = RecoveryKeeper::Clock::time_point{} + 1h;
    const auto change = [&](float x, auto at) {
        s.doc.run(&addVertex, x, x, x);
        return keeper.changed(s.doc.project(), t0 + at);
    };
    std::string error;

    EXPECT_FALSE(keeper.changed(s.doc.project(), t0)) << "opened: nothing unsaved";
    EXPECT_EQ(change(1, 0s), 60s);
    EXPECT_EQ(change(2, 50s), 10s) << "a later change does not put it off";
    EXPECT_EQ(keeper.writeIfDue(s.doc.project(), t0 + 59s, error), 1s);
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_FALSE(keeper.writeIfDue(s.doc.project(), t0 + 60s, error));
    EXPECT_TRUE(checkRecoveryCopy(readTextLines(copy).lines).header) << error;
    EXPECT_EQ(change(3, 100s), 60s) << "the next change waits again";

    s.save();
    EXPECT_FALSE(keeper.changed(s.doc.project(), t0 + 101s));
    EXPECT_FALSE(fs::exists(copy)) << "saved";
    change(4, 200s);
    keeper.writeIfDue(s.doc.project(), t0 + 260s, error);
    ASSERT_TRUE(fs::exists(copy));
    keeper.closeNormally();
    EXPECT_TRUE(fs::is_empty(s.settings.path())) << "a normal close leaves nothing";
}

// Editors 21 and 30 crash with unsaved work, 22 runs on; the next start is
// editor 23, then one that got the number 30 again.
TEST(RecoveryKeeper, ANewStartIsOfferedTheCopiesOfEditorsThatAreGoneOnly) {
    Session s;
    s.doc.run(&setDescription, std::string("before the crash"));
    const std::string folder = s.settings.folder();
    RecoveryFiles running(folder, 22);
    ASSERT_FALSE(running.write(s.doc.project()));
    struct Start {
        long id;
        Answer answer;
        std::vector<std::string> left; // the copies afterwards
    };
    const Start starts[] = {
        {23, Answer::No, {"Meshsmith-recovery-22.3dp"}},
        {23, Answer::Yes, {"Meshsmith-recovery-22.3dp", "Meshsmith-recovery-23.3dp"}},
        {30, Answer::Yes, {"Meshsmith-recovery-22.3dp", "Meshsmith-recovery-30.3dp"}},
    };
    for (const Start& start : starts) {
        SCOPED_TRACE(start.id);
        // The crashed editor's copy; its lock goes with it.
        ASSERT_FALSE(RecoveryFiles(folder, start.id == 30 ? 30 : 21).write(s.doc.project()));
        RecoveryFiles next(folder, start.id);
        Document doc;
        ScriptedPrompts prompts;
        prompts.answers = {start.answer};
        EXPECT_EQ(offerLeftCopies(next, doc, s.options, prompts, s.log),
                  start.answer == Answer::Yes);
        EXPECT_EQ(prompts.questions,
                  std::vector<std::string>{"Meshsmith|" + recoveryQuestion("stand.3dp")});
        EXPECT_EQ(copiesIn(folder), start.left);
        const bool yes = start.answer == Answer::Yes;
        EXPECT_EQ(doc.object().ProjectDescription, yes ? "before the crash" : "None available");
        EXPECT_EQ(doc.project().ProjectFile, yes ? s.file : "None");
        if (start.id == 23) fs::remove(next.copyPath());
    }
}

TEST(RecoveryKeeper, ACopyThatCannotBeReadIsSetAsideAndReported) {
    Session s;
    s.doc.run(&addVertex, 1.f, 1.f, 1.f);
    const std::string text = recoveryCopyText(s.doc.project(), s.settings.file("x.3dp"));
    // The first coordinate made no number: the copy is whole, its project is not.
    std::string badValue = text;
    badValue[badValue.find("\r\n", badValue.find("Vertices\r\n") + 10) + 2] = 'x';
    for (const std::string& content : {text.substr(0, text.size() / 2), badValue}) {
        TempFolder folder;
        writeFile(folder.file("Meshsmith-recovery-5.3dp"), content);
        RecoveryFiles next(folder.folder(), 6);
        Document doc;
        ScriptedPrompts prompts;
        prompts.answers = {Answer::Yes};
        EXPECT_FALSE(offerLeftCopies(next, doc, s.options, prompts, s.log));
        EXPECT_TRUE(doc.object().vertices.empty()) << "nothing loaded half";
        EXPECT_EQ(copiesIn(folder.folder()),
                  std::vector<std::string>{"Meshsmith-recovery-5.3dp.broken"});
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_NE(prompts.messages[0].find("Meshsmith-recovery-5.3dp.broken"), std::string::npos);
    }
}
