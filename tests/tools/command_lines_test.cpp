// What every console program says to --version and --help: the one version of
// the tool set, and its usage on standard output, with status 0. The
// converters, whose only argument is a file, say their usage when given none.

#include "model/version.hpp"
#include "support/run_program.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::test;

TEST(CommandLines, EveryProgramAnswersVersionAndHelp) {
    for (const std::string program : {"3DO-Kiln", "ase2obj", "meshsmith-batch", "3do-inspect"}) {
        const ProgramRun version = runProgram(program, {"--version"});
        EXPECT_EQ(version.status, 0) << program;
        EXPECT_EQ(version.out,
                  program + " (Meshsmith " + std::string(meshsmith::kVersionText) + ")\n");
        std::vector<std::vector<std::string>> asked{{"--help"}, {"-h"}};
        if (program == "3DO-Kiln" || program == "ase2obj") asked.push_back({});
        for (const auto& args : asked) {
            const ProgramRun help = runProgram(program, args);
            const std::string how = program + (args.empty() ? "" : " " + args[0]);
            EXPECT_EQ(help.status, 0) << how;
            EXPECT_TRUE(help.out.starts_with("usage: " + program + " ")) << how << ":\n" << help.out;
            EXPECT_EQ(help.err, "") << how;
        }
    }
}
