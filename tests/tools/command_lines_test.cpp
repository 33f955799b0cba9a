// What every console program says to --version and --help: the one version of
// the tool set, and its usage on standard output, with status 0. The
// converters, whose only argument is a file, say their usage when given none.

#include "model/version.hpp"
#include "support/run_program.hpp"

#include <gtest/gtest.h>

using namespace meshsmith::test;
using Args = std::vector<std::string>;

TEST(CommandLines, EveryProgramAnswersVersionAndHelp) {
    const std::string version = std::string(" (Meshsmith ") + meshsmith::kVersionText + ")\n";
    for (const std::string program : {"3DO-Kiln", "ase2obj", "meshsmith-batch", "3do-inspect"}) {
        const ProgramRun said = runProgram(program, {"--version"});
        EXPECT_EQ(std::to_string(said.status) + " " + said.out, "0 " + program + version);
        const bool converter = program == "3DO-Kiln" || program == "ase2obj";
        for (const std::vector<std::string>& args : {Args{"--help"}, Args{"-h"}, Args{}}) {
            if (args.empty() && !converter) continue; // a wrong command line there
            const ProgramRun run = runProgram(program, args);
            EXPECT_EQ(run.status, 0) << program << " " << args.size();
            EXPECT_TRUE(run.out.starts_with("usage: " + program + " ")) << run.out;
        }
    }
}
