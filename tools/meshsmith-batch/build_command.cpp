// meshsmith-batch build: "Write ASE and convert to 3DO" for one or more
// projects, or for every project in a folder.

#include "batch_commands.hpp"
#include "batch_project.hpp"

#include "export/ase_writer.hpp"
#include "export/build_checks.hpp"
#include "export/converter_run.hpp"
#include "model/paths.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <ostream>

namespace meshsmith::batch {
namespace {

namespace fs = std::filesystem;

const char* invocationName = nullptr;

bool isProjectFile(const fs::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".3dp";
}

// The projects an argument names: the file itself, or the projects of a
// folder in name order.
std::vector<std::string> projectsOf(const std::string& argument) {
    std::error_code ec;
    if (!fs::is_directory(argument, ec)) return {argument};
    std::vector<std::string> found;
    for (const fs::directory_entry& e : fs::directory_iterator(argument, ec))
        if (e.is_regular_file(ec) && isProjectFile(e.path())) found.push_back(pathText(e.path()));
    std::sort(found.begin(), found.end());
    return found;
}

// Writes the project's ASE file and converts it; false (with an error line)
// when it was refused or no 3DO file came of it.
bool buildProject(const std::string& path, const std::string& appFolder, std::ostream& out,
                  std::ostream& err) {
    Project p;
    BatchPrompts prompts;
    StreamLog log(&out);
    if (!loadForBatch(p, path, prompts, log, err)) return false;
    if (const OperationResult check = checkBuild(p, appFolder); !check.done()) {
        err << "error: " << path << ": " << messageForTerminal(check.message) << "\n";
        return false;
    }
    const std::string ase = asePath(p.ProjectFile), target = threeDoPath(p.ProjectFile);
    OperationResult written = writeAse(p, ase, log);
    if (written.outcome != Outcome::Done) {
        err << "error: " << path << ": " << messageForTerminal(written.message) << "\n";
        return false;
    }
    out.flush();
    // The converter's lines end in CR LF on Windows, where `out` adds the CR itself.
    ChildRun run = runConverter(kilnPath(appFolder), ase, target, [&out](std::string_view text) {
        std::string lines(text);
        std::erase(lines, '\r');
        out << lines;
    });
    out.flush();
    if (!run.started || !run.exited) {
        err << "error: " << run.error << "\n";
        return false;
    }
    out << "3DO-Kiln exit status: " << run.status << "\n";
    if (run.status != 0 || !fileExists(target)) {
        err << "error: no 3DO file was written for " << ase << "\n";
        return false;
    }
    out << "3DO " << target << " written !\n";
    return true;
}

} // namespace

void setInvocationName(const char* argv0) {
    invocationName = argv0;
}

int buildCommand(const Args& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << "usage: meshsmith-batch build PROJECT.3dp [PROJECT2.3dp ... | FOLDER]\n";
        return 2;
    }
    const std::string appFolder = programFolder(invocationName);
    int failed = 0, built = 0;
    for (const std::string& argument : args) {
        const std::vector<std::string> projects = projectsOf(argument);
        if (projects.empty()) err << "warning: no project (.3dp) in " << argument << "\n";
        for (const std::string& project : projects) {
            const bool ok = buildProject(project, appFolder, out, err);
            (ok ? built : failed) += 1;
        }
    }
    if (built + failed > 1) out << built << " built, " << failed << " failed\n";
    return failed == 0 && built > 0 ? 0 : 1;
}

} // namespace meshsmith::batch
