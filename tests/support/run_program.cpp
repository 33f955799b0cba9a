#include "support/run_program.hpp"

#include "support/temp_folder.hpp"

#ifdef _WIN32
#include "export/converter_run.hpp"

#include <windows.h>

#include <filesystem>
#else
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdlib>

namespace meshsmith::test {

std::string programPath(const std::string& program) {
#ifdef _WIN32
    return std::string(MESHSMITH_BIN_DIR) + "/" + program + ".exe";
#else
    return std::string(MESHSMITH_BIN_DIR) + "/" + program;
#endif
}

ProgramRun runProgram(const std::string& program, const std::vector<std::string>& args,
                      const std::string& workdir, const std::string& input) {
    return runCommand(programPath(program), args, workdir, input);
}

#ifdef _WIN32

namespace {

HANDLE inheritableFile(const std::string& path, bool write) {
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    return CreateFileA(path.c_str(), write ? GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ, &sa,
                       write ? CREATE_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// What a program writes as text comes with CR LF line ends here; the tests
// compare lines as the program meant them.
std::string withoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

} // namespace

// The program is started the way the editor starts the converter (runChild,
// CreateProcess), which hands over this process's standard input and error:
// for the run those are the input file and the error file.
ProgramRun runCommand(const std::string& programPath, const std::vector<std::string>& args,
                      const std::string& workdir, const std::string& input) {
    TempFolder io;
    const std::string errFile = io.file("err"), inFile = io.file("in");
    writeFile(inFile, input);
    const HANDLE in = inheritableFile(inFile, false), err = inheritableFile(errFile, true);
    const HANDLE savedIn = GetStdHandle(STD_INPUT_HANDLE),
                 savedErr = GetStdHandle(STD_ERROR_HANDLE);
    SetStdHandle(STD_INPUT_HANDLE, in);
    SetStdHandle(STD_ERROR_HANDLE, err);
    const std::filesystem::path savedFolder = std::filesystem::current_path();
    if (!workdir.empty()) std::filesystem::current_path(workdir);
    ProgramRun run;
    const ChildRun child =
        runChild(programPath, args, [&run](std::string_view text) { run.out += text; });
    std::filesystem::current_path(savedFolder);
    SetStdHandle(STD_INPUT_HANDLE, savedIn);
    SetStdHandle(STD_ERROR_HANDLE, savedErr);
    CloseHandle(in);
    CloseHandle(err);
    if (child.exited) run.status = child.status;
    run.out = withoutCarriageReturns(run.out);
    run.err = withoutCarriageReturns(readFile(errFile));
    return run;
}

#else

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

#endif

} // namespace meshsmith::test
