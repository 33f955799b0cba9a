// Damaged project files: every refusal leaves an empty project, never a
// half-read one that a later Save would write over the user's file. Random
// and cut-off bytes are the fuzz harness's (replayed by the FuzzReplay tests).

#include "model/project_file.hpp"
#include "model/project_file_reader.hpp"
#include "model/text_file.hpp"
#include "support/project_builders.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>


using namespace meshsmith;
using namespace meshsmith::test;

namespace {

struct Attempt {
    Project project = sampleProject(); // a project that must not survive a failed load
    ScriptedPrompts prompts;
    RecordingLog log;
    OperationResult result;
};

std::unique_ptr<Attempt> attempt(TempFolder& dir, const std::string& text) {
    auto a = std::make_unique<Attempt>();
    std::string path = dir.file("damaged.3dp");
    writeFile(path, text);
    a->result = loadProject(a->project, path, a->prompts, a->log);
    return a;
}

void expectEmptyProject(const Project& p) {
    EXPECT_TRUE(p.object == Project{}.object);
    EXPECT_EQ(p.ProjectFile, "None") << "a later Save must not write over the damaged file";
    EXPECT_FALSE(p.GeometryPresent);
}

const std::string kPolygonHead = crlfLines({"Vertices", "3", "0", "0", "0", "1", "0", "0", "1", "1",
                                            "0", "Polygons", "1", "0.5", "0.5", "0.5"});

} // namespace

TEST(ProjectLoadFaults, TheMessageNamesTheFileAndTheLine) {
    TempFolder dir;
    auto a = attempt(dir, crlfLines({"ProjectDescription", "x", "Vertices", "2", "1.0", "2.0",
                                     "3.0", "4.0", "abc", "6"}));
    EXPECT_EQ(messageBoxText(a->result), "'abc' is not a valid floating point value\r\r" +
                                             dir.file("damaged.3dp") + ", line 9");
    EXPECT_TRUE(a->log.contains("Error loading " + dir.file("damaged.3dp") +
                                ", line 9: 'abc' is not a valid floating point value"));
    a = attempt(dir, "");
    EXPECT_EQ(messageBoxText(a->result), a->result.message + "\r\r" + dir.file("damaged.3dp"));
}

TEST(ProjectLoadFaults, UnreadablePathsReportTheError) {
    TempFolder dir;
    Project p = sampleProject();
    ScriptedPrompts prompts;
    RecordingLog log;
    for (std::string path : {dir.file("missing.3dp"), dir.folder()}) {
        OperationResult r = loadProject(p, path, prompts, log);
        EXPECT_EQ(r.outcome, Outcome::Failed);
        EXPECT_NE(r.message.find(path), std::string::npos) << r.message;
        expectEmptyProject(p);
    }
}
