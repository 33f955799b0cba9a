// meshsmith-batch build: "Write ASE and convert to 3DO" for one or more
// projects, or for every project in a folder.

#include "batch_commands.hpp"
#include "batch_project.hpp"
#include "ordered_work.hpp"

#include "export/ase_writer.hpp"
#include "export/build_checks.hpp"
#include "export/converter_run.hpp"
#include "model/paths.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <thread>

namespace meshsmith::batch {
namespace {

namespace fs = std::filesystem;

const char* invocationName = nullptr;

const char* const kUsage =
    "usage: meshsmith-batch build [-j N] PROJECT.3dp [PROJECT2.3dp ... | FOLDER]\n";

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool isProjectFile(const fs::path& path) {
    return lowered(path.extension().string()) == ".3dp";
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

// One step of a build: a project, or the warning that a folder held none.
struct Item {
    std::string project; // empty for a warning
    std::string warning;
};

// What building one project printed, and whether its 3DO file came of it.
struct Report {
    std::string out, err;
    bool ok = false;
};

bool buildItem(const Item& item, const std::string& appFolder, std::ostream& out,
               std::ostream& err) {
    if (item.project.empty()) {
        err << item.warning;
        return false;
    }
    // Whatever goes wrong with one project, the others are still built.
    try {
        return buildProject(item.project, appFolder, out, err);
    } catch (const std::exception& e) {
        err << "error: " << item.project << ": " << e.what() << "\n";
        return false;
    }
}

// One text for each 3DO file a project's build writes, however its path is spelt.
std::string targetKey(const std::string& project) {
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(nativePath(threeDoPath(project)), ec);
    const std::string key = ec ? threeDoPath(project) : pathText(target);
#ifdef _WIN32
    return lowered(key); // Windows names differing only in case are one file
#else
    return key;
#endif
}

// The items in chains that may run side by side: a project named twice (its
// ASE and 3DO files the same) is built the second time after the first.
std::vector<std::vector<std::size_t>> chainsOf(const std::vector<Item>& items) {
    std::vector<std::vector<std::size_t>> chains;
    std::map<std::string, std::size_t> chainOf;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].project.empty()) {
            chains.push_back({i});
            continue;
        }
        const auto [at, added] = chainOf.try_emplace(targetKey(items[i].project), chains.size());
        if (added) chains.emplace_back();
        chains[at->second].push_back(i);
    }
    return chains;
}

struct BuildRequest {
    unsigned jobs = std::max(std::thread::hardware_concurrency(), 1u);
    Args names; // projects and folders
};

// -j N, --jobs N or -jN anywhere among the names; the problem when one is wrong.
std::optional<std::string> readRequest(const Args& args, BuildRequest& request) {
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        std::string option = arg, value;
        if (arg == "-j" || arg == "--jobs") {
            if (k + 1 == args.size()) return "missing N after " + arg;
            value = args[++k];
            option += " " + value;
        } else if (arg.starts_with("-j")) {
            value = arg.substr(2);
        } else {
            request.names.push_back(arg);
            continue;
        }
        unsigned jobs = 0;
        const char* end = value.data() + value.size();
        const auto [stop, ec] = std::from_chars(value.data(), end, jobs);
        if (ec != std::errc{} || stop != end || jobs == 0)
            return option + ": N, the number of conversions at once, is a whole number from 1 up";
        request.jobs = jobs;
    }
    return std::nullopt;
}

} // namespace

void setInvocationName(const char* argv0) {
    invocationName = argv0;
}

int buildCommand(const Args& args, std::ostream& out, std::ostream& err) {
    BuildRequest request;
    if (const std::optional<std::string> problem = readRequest(args, request)) {
        err << "meshsmith-batch build: " << *problem << "\n" << kUsage;
        return 2;
    }
    if (request.names.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string appFolder = programFolder(invocationName);
    std::vector<Item> items;
    for (const std::string& name : request.names) {
        const std::vector<std::string> projects = projectsOf(name);
        if (projects.empty()) items.push_back({"", "warning: no project (.3dp) in " + name + "\n"});
        for (const std::string& project : projects)
            items.push_back({project, ""});
    }
    int failed = 0, built = 0;
    auto count = [&](const Item& item, bool ok) {
        if (!item.project.empty()) (ok ? built : failed) += 1;
    };
    const std::vector<std::vector<std::size_t>> chains = chainsOf(items);
    if (request.jobs == 1 || chains.size() < 2) {
        for (const Item& item : items)
            count(item, buildItem(item, appFolder, out, err));
    } else {
        std::vector<Report> reports(items.size());
        const auto work = [&](std::size_t i) {
            std::ostringstream itsOut, itsErr;
            reports[i].ok = buildItem(items[i], appFolder, itsOut, itsErr);
            reports[i].out = std::move(itsOut).str();
            reports[i].err = std::move(itsErr).str();
        };
        const auto print = [&](std::size_t i) {
            out << reports[i].out << std::flush;
            err << reports[i].err << std::flush;
            count(items[i], reports[i].ok);
            reports[i] = {};
        };
        workInOrder(chains, request.jobs, work, print);
    }
    if (built + failed > 1) out << built << " built, " << failed << " failed\n";
    return failed == 0 && built > 0 ? 0 : 1;
}

} // namespace meshsmith::batch
