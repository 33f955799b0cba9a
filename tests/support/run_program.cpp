#include "support/run_program.hpp"

#include "support/temp_folder.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace meshsmith::test {

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workdir, const std::string& input) {
    return runCommand(std::string(MESHSMITH_BIN_DIR) + "/" + program, args, workdir, input);
}

ProgramRun runCommand(const std::string& programPath, const std::vector<std::string>& args,
                      const std::string& workdir, const std::string& input) {
    TempFolder io;
    const std::string outFile = io.file("out"), errFile = io.file("err"), inFile = io.file("in");
    writeFile(inFile, input);
    const std::string& path = programPath;
    pid_t pid = fork();
    if (pid == 0) {
        int in = open(inFile.c_str(), O_RDONLY);
        int out = open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        if (!workdir.empty() && chdir(workdir.c_str()) != 0) _exit(127);
        std::vector<char*> argv{const_cast<char*>(path.c_str())};
        for (const auto& a : args)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(path.c_str(), argv.data());
        _exit(127);
    }
    ProgramRun run;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = readFile(outFile);
    run.err = readFile(errFile);
    return run;
}

} // namespace meshsmith::test
