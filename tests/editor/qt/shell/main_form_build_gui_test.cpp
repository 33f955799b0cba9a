// Build and launch wired to the main window: a failing converter, the track
// folder and the game, the viewer beside the editor, closing while the converter runs (a real conversion is
// the end of ObjectFromNothing). The checks, their order and their messages are
// tested headless (export/build_checks, launch_plans).
#include "editor_harness.hpp"
#include "model/paths.hpp"

#include <gtest/gtest.h>

#include <filesystem>

using namespace meshsmith;
using namespace meshsmith::test;

TEST(MainFormBuild, AFailingConverterIsReportedAndClosingTheEditorEndsARunningOne) {
    EditorHarness h;
    const std::string kiln = h.app.file("3DO-Kiln"), pidFile = h.work.file("kiln.pid");
    writeScript(kiln, "echo 'File type not supported!'\nexit 1");
    writeFile(h.app.file("3DO-View"), "");
    MainForm& form = h.start();
    h.openExample();
    form.item(MainItem::WriteAseConvertViewer)->trigger();
    ASSERT_TRUE(waitUntil([&] { return !form.converterRunning(); }));
    EXPECT_TRUE(h.logHas("File type not supported!"));
    ASSERT_EQ(h.prompts.messages.size(), 1u);
    EXPECT_NE(h.prompts.messages[0].find("exit status 1"), std::string::npos);
    EXPECT_TRUE(h.starter.started.empty()) << "no 3DO, no viewer";

    writeScript(kiln, "echo $$ > '" + pidFile + "'\nexec sleep 60");
    h.prompts.answers = {Answer::Yes}; // "Overwrite stand.3do ?"
    form.item(MainItem::WriteAseAndConvert)->trigger();
    ASSERT_TRUE(waitUntil([&] { return fileExists(pidFile) && !readFile(pidFile).empty(); }));
    const std::string pid = readFile(pidFile).substr(0, readFile(pidFile).find('\n'));
    h.prompts.answers = {Answer::No};
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(form.converterRunning());
    EXPECT_FALSE(std::filesystem::exists("/proc/" + pid)) << pid;
    for (const QString& line : form.logLines())
        EXPECT_FALSE(line.endsWith("written !")) << line.toStdString();
}

TEST(MainFormBuild, GplBuildWarnsOfMissingTexturesThenCopiesSavesAndStartsTheGame) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    writeFile(h.app.file("GPLkick"), "");
    const std::string gpl = h.work.file("gpl.exe");
    writeFile(gpl, "");
    writeFile(h.app.file("Meshsmith.ini"), "[General Options]\r\nGPLPath=" + gpl + "\r\n");
    MainForm& form = h.start();
    h.openExample();
    TempFolder track;
    writeFile(track.file("roof.mip"), "");
    h.changeOptions([&](ProjectOptions& o) {
        o.SaveToTrackFolder = true;
        o.TrackFolder = track.folder();
    });
    h.prompts.answers = {Answer::No}; // "Proceed anyway ?"
    form.item(MainItem::WriteAseConvertGpl)->trigger();
    EXPECT_EQ(h.prompts.messages.size(), 2u) << "seats.mip and banner.mip are missing";
    EXPECT_FALSE(fileExists(h.work.file("stand.ase"))) << "nothing written";

    for (const char* mip : {"seats.mip", "banner.mip"})
        writeFile(track.file(mip), "");
    h.prompts.questions.clear();
    h.prompts.answers = {Answer::Yes, Answer::Yes}; // "Overwrite stand.3do ?", then "Start GPL ?"
    form.item(MainItem::WriteAseConvertGpl)->trigger();
    ASSERT_TRUE(waitUntil([&] { return !form.converterRunning(); }));
    EXPECT_EQ(h.prompts.questions.front(), "File exists|Overwrite stand.3do ?");
    EXPECT_TRUE(h.logHas("3DO " + track.file("stand.3do") + " written !"));
    EXPECT_TRUE(h.logHas("Project Saved !"));
    EXPECT_EQ(h.prompts.questions.back(), "Gplkick.exe|Start GPL ?");
    ASSERT_EQ(h.starter.started.size(), 1u);
    EXPECT_EQ(h.starter.started[0].program, gpl);
    EXPECT_TRUE(h.starter.started[0].arguments.empty());
}

// The 3DO only names its textures: a bitmap gone since the project was opened
// is named in the log, and the build goes on; the viewer beside the editor
// then shows the new 3DO.
TEST(MainFormBuild, ABitmapGoneMissingIsNamedAndTheBuildGoesOnToTheViewer) {
    EditorHarness h;
    copyProgram("3DO-Kiln", h.app.folder());
    writeFile(h.app.file("3DO-View"), "");
    MainForm& form = h.start();
    h.openExample();
    std::filesystem::remove(h.work.file("roof.bmp"));
    form.item(MainItem::WriteAseConvertViewer)->trigger();
    ASSERT_TRUE(waitUntil([&] { return !form.converterRunning(); }));
    EXPECT_TRUE(h.logHas("Warning: bitmap roof.bmp not found"));
    EXPECT_TRUE(h.logHas("3DO " + h.work.file("stand.3do") + " written !"));
    EXPECT_TRUE(h.prompts.messages.empty());
    ASSERT_EQ(h.starter.started.size(), 1u);
    EXPECT_EQ(h.starter.started[0].program, h.app.file("3DO-View"));
    EXPECT_EQ(h.starter.started[0].arguments, std::vector<std::string>{h.work.file("stand.3do")});
}
