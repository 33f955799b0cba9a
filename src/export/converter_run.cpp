#include "export/converter_run.hpp"

#include "model/paths.hpp"

#include <filesystem>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
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

// A handle closed when it goes out of scope.
class OwnedHandle {
  public:
    explicit OwnedHandle(HANDLE h = nullptr) : h_(h) {}
    ~OwnedHandle() { close(); }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;
    HANDLE get() const { return h_; }
    HANDLE* out() { return &h_; }
    void close() {
        if (h_ != nullptr && h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
        h_ = nullptr;
    }

  private:
    HANDLE h_;
};

// An inheritable copy of one of this process's standard handles for a child
// (null when there is none): the handle itself need not be inheritable, and
// a child may be given each handle only once, while input and error are
// often the same console.
HANDLE inheritableCopy(HANDLE h) {
    if (h == nullptr || h == INVALID_HANDLE_VALUE) return nullptr;
    HANDLE copy = nullptr;
    const HANDLE self = GetCurrentProcess();
    return DuplicateHandle(self, h, self, &copy, 0, TRUE, DUPLICATE_SAME_ACCESS) ? copy : nullptr;
}

// The attribute that gives a child only the handles listed, not every
// inheritable handle of this process, such as the pipe of a child another
// thread starts at the same moment.
class InheritOnly {
  public:
    explicit InheritOnly(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        SIZE_T size = 0;
        InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (size == 0 || !InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
        if (UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                      handles_.size() * sizeof(HANDLE), nullptr, nullptr))
            list_ = list;
        else
            DeleteProcThreadAttributeList(list);
    }
    ~InheritOnly() {
        if (list_) DeleteProcThreadAttributeList(list_);
    }
    InheritOnly(const InheritOnly&) = delete;
    InheritOnly& operator=(const InheritOnly&) = delete;
    LPPROC_THREAD_ATTRIBUTE_LIST list() const { return list_; }

  private:
    std::vector<HANDLE> handles_; // the list refers to them until it is deleted
    std::vector<unsigned char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

} // namespace

ChildRun runChild(const std::string& program, const std::vector<std::string>& args,
                  const std::function<void(std::string_view)>& onOutput, ChildErrors errors) {
    ChildRun run;
    OwnedHandle readEnd, writeEnd;
    // Neither end is inheritable but through the list below, so no other
    // child started meanwhile holds the write end (and delays the end of this one's output).
    if (!CreatePipe(readEnd.out(), writeEnd.out(), nullptr, 0) ||
        !SetHandleInformation(writeEnd.get(), HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT)) {
        run.error = lastError("cannot create a pipe");
        return run;
    }
    const bool merged = errors == ChildErrors::Merged;
    OwnedHandle input(inheritableCopy(GetStdHandle(STD_INPUT_HANDLE)));
    OwnedHandle error(merged ? nullptr : inheritableCopy(GetStdHandle(STD_ERROR_HANDLE)));
    std::vector<HANDLE> inherited{writeEnd.get()};
    // A console handle of Windows 7 and earlier (low bits 11) is no kernel
    // handle and cannot be listed: it is handed over as it always was.
    for (HANDLE h : {input.get(), error.get()})
        if (h != nullptr && (reinterpret_cast<ULONG_PTR>(h) & 3) != 3) inherited.push_back(h);
    const InheritOnly attributes(inherited);
    if (!attributes.list()) {
        run.error = lastError("cannot prepare the handles of a child");
        return run;
    }
    std::wstring commandLine = quoted(wide(program));
    for (const std::string& a : args)
        commandLine += L" " + quoted(wide(a));
    STARTUPINFOEXW si{};
    si.StartupInfo.cb = sizeof(si);
    si.StartupInfo.dwFlags = STARTF_USESTDHANDLES;
    si.StartupInfo.hStdInput = input.get();
    si.StartupInfo.hStdOutput = writeEnd.get();
    si.StartupInfo.hStdError = merged ? writeEnd.get() : error.get();
    si.lpAttributeList = attributes.list();
    PROCESS_INFORMATION pi{};
    const std::wstring application = wide(program);
    const BOOL ok = CreateProcessW(application.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                   CREATE_NO_WINDOW | EXTENDED_STARTUPINFO_PRESENT, nullptr,
                                   nullptr, &si.StartupInfo, &pi);
    if (!ok) run.error = lastError(("cannot start " + program).c_str());
    writeEnd.close();
    input.close();
    error.close();
    if (!ok) return run;
    run.started = true;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        onOutput(std::string_view(buffer, got));
    readEnd.close();
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
                  const std::function<void(std::string_view)>& onOutput, ChildErrors errors) {
    ChildRun run;
    int fds[2];
    // Close-on-exec from the start: a child that another thread starts
    // meanwhile must not inherit this pipe (its copy of the write end would
    // keep the reader here from seeing the end until that child exits). The
    // copies made as this child's output (and error) are not.
    if (pipe2(fds, O_CLOEXEC) != 0) {
        run.error = "cannot create a pipe: " + std::generic_category().message(errno);
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    if (errors == ChildErrors::Merged)
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
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
        run.error = "cannot start " + program + ": " + std::generic_category().message(spawned);
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
        run.error = "cannot wait for " + program + ": " + std::generic_category().message(errno);
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
    return runChild(kilnPath, {asePath, outPath}, onOutput, ChildErrors::Merged);
}

} // namespace meshsmith
