#include "export/converter_run.hpp"

#include "model/paths.hpp"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char** environ;
#endif

namespace meshsmith {

#ifdef _WIN32

namespace {

// Narrow texts are in the ANSI code page, as the command line they came from.
std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    const int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// One argument as the C runtime's command-line parser reads it back.
std::wstring quoted(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring q = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        q.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        q.push_back(c);
    }
    q.append(backslashes * 2, L'\\');
    return q + L"\"";
}

std::string lastError(const char* doing) {
    return std::string(doing) + ": " +
           std::system_category().message(static_cast<int>(GetLastError()));
}

} // namespace

ChildRun runChild(const std::string& program, const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& onOutput) {
    ChildRun run;
    SECURITY_ATTRIBUTES sa{sizeof(sa), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &sa, 0)) {
        run.error = lastError("cannot create a pipe");
        return run;
    }
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::wstring commandLine = quoted(wide(program));
    for (const std::string& a : args)
        commandLine += L" " + quoted(wide(a));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi{};
    const std::wstring application = wide(program);
    const BOOL ok = CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                   CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi);
    CloseHandle(writeEnd);
    if (!ok) {
        run.error = lastError(("cannot start " + program).c_str());
        CloseHandle(readEnd);
        return run;
    }
    run.started = true;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        onOutput(std::string_view(buffer, got));
    CloseHandle(readEnd);
    WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD code = 0;
    if (GetExitCodeProcess(pi.hProcess, &code)) {
        run.exited = true;
        run.status = static_cast<int>(code);
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return run;
}

std::string programFolder(const char* argv0) {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n > 0 && n < path.size()) {
        path.resize(n);
        return withTrailingSeparator(pathText(std::filesystem::path(path).parent_path()));
    }
    if (!argv0 || !*argv0) return "";
    return withTrailingSeparator(
        pathText(std::filesystem::absolute(std::filesystem::path(argv0)).parent_path()));
}

#else

ChildRun runChild(const std::string& program, const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& onOutput) {
    ChildRun run;
    int fds[2];
    if (pipe(fds) != 0) {
        run.error = std::string("cannot create a pipe: ") + std::strerror(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addclose(&actions, fds[1]);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (spawned != 0) {
        close(fds[0]);
        run.error = "cannot start " + program + ": " + std::strerror(spawned);
        return run;
    }
    run.started = true;
    char buffer[4096];
    for (;;) {
        const ssize_t got = read(fds[0], buffer, sizeof(buffer));
        if (got > 0) {
            onOutput(std::string_view(buffer, static_cast<std::size_t>(got)));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    close(fds[0]);
    int status = 0;
    pid_t waited = 0;
    do {
        waited = waitpid(pid, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited != pid) {
        run.error = std::string("cannot wait for ") + program + ": " + std::strerror(errno);
    } else if (WIFEXITED(status)) {
        run.exited = true;
        run.status = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        run.error = program + " was ended by signal " + std::to_string(WTERMSIG(status));
    }
    return run;
}

std::string programFolder(const char* argv0) {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && !self.empty()) return withTrailingSeparator(self.parent_path().string());
    if (!argv0 || !*argv0 || std::string_view(argv0).find('/') == std::string_view::npos)
        return ""; // found on PATH: its folder is not known here
    const std::filesystem::path given = std::filesystem::absolute(argv0, ec);
    return ec ? "" : withTrailingSeparator(given.parent_path().string());
}

#endif

ChildRun runConverter(const std::string& kilnPath, const std::string& asePath,
                      const std::string& outPath,
                      const std::function<void(std::string_view)>& onOutput) {
    return runChild(kilnPath, {asePath, outPath}, onOutput);
}

} // namespace meshsmith
