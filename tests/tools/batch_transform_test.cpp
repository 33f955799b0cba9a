// meshsmith-batch transform over the example: each step moves every vertex as
// the Modify dialogs do and keeps the polygons' corner order; a bad step
// writes nothing.
#include "model/project_file.hpp"
#include "support/run_program.hpp"
#include "support/scripted_prompts.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace meshsmith;
using namespace meshsmith::test;

namespace {

Project load(const std::string& path) {
    Project p;
    ScriptedPrompts prompts;
    RecordingLog log;
    EXPECT_TRUE(loadProject(p, path, prompts, log).done()) << path;
    return p;
}

} // namespace

TEST(BatchTransform, StepsMoveEveryVertexAndKeepTheCornerOrder) {
    const std::string example = sourcePath("examples/stand/stand.3dp");
    const Project original = load(example);
    struct Case {
        std::vector<std::string> steps;
        std::function<Vertex(const Vertex&)> expected;
    };
    const Case cases[] = {
        {{"--scale", "2"},
         [](const Vertex& v) {
             return Vertex{2 * v.X, 2 * v.Y, 2 * v.Z};
         }},
        {{"--rotate", "z", "90"},
         [](const Vertex& v) {
             return Vertex{-v.Y, v.X, v.Z};
         }},
        {{"--mirror", "x", "--move", "1", "0", "0"},
         [](const Vertex& v) {
             return Vertex{1 - v.X, v.Y, v.Z};
         }},
        {{"--center"}, // the example spans (0, 0, 0) - (20, 9, 9)
         [](const Vertex& v) {
             return Vertex{v.X - 10, v.Y - 4.5f, v.Z - 4.5f};
         }},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        std::vector<std::string> args{"transform", example, "--out", dir.file("out.3dp")};
        args.insert(args.end(), c.steps.begin(), c.steps.end());
        const ProgramRun run = runProgram("meshsmith-batch", args);
        ASSERT_EQ(run.status, 0) << c.steps[0] << ": " << run.err;
        const Project result = load(dir.file("out.3dp"));
        ASSERT_EQ(result.object.vertices.size(), original.object.vertices.size());
        for (std::size_t k = 0; k < original.object.vertices.size(); ++k)
            EXPECT_EQ(result.object.vertices[k], c.expected(original.object.vertices[k]))
                << c.steps[0] << " vertex " << k;
        ASSERT_EQ(result.object.polygons.size(), original.object.polygons.size());
        for (std::size_t k = 0; k < original.object.polygons.size(); ++k)
            EXPECT_EQ(result.object.polygons[k].VertexIndices,
                      original.object.polygons[k].VertexIndices);
    }
}

TEST(BatchTransform, BadStepsAndResultsOutOfRangeWriteNothing) {
    const std::string example = sourcePath("examples/stand/stand.3dp");
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--scale", "abc"}, 2},
        {{"--rotate", "w", "10"}, 2},
        {{"--move", "1", "2"}, 2},
        {{"--center", "--scale", "1e38"}, 1},
    };
    for (const auto& [steps, status] : cases) {
        TempFolder dir;
        std::vector<std::string> args{"transform", example, "--out", dir.file("out.3dp")};
        args.insert(args.end(), steps.begin(), steps.end());
        const ProgramRun run = runProgram("meshsmith-batch", args);
        EXPECT_EQ(run.status, status) << steps[0];
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(std::filesystem::exists(dir.file("out.3dp"))) << steps[0];
    }
}
