#include "batch_project.hpp"

#include "model/project_commands.hpp"
#include "model/project_file.hpp"

#include <ostream>

namespace meshsmith::batch {

bool loadForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    HeldLog held; // a failed load's lines ("All Data Cleared !") would only confuse
    LoadResult r = loadProject(p, path, prompts, held);
    if (r.status == LoadStatus::Loaded) {
        held.passTo(log);
        return true;
    }
    if (r.status == LoadStatus::Cleared && !prompts.missingBitmaps.empty())
        err << "error: " << path << ": bitmap " << prompts.missingBitmaps.back()
            << " not found; put it beside the project or correct its path in the project file\n";
    else
        err << fileErrorLine(path, r.line, r.message) << "\n";
    return false;
}

bool saveForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    SaveOptions options;
    prompts.savePath = path;
    ProjectSession session{p, options, prompts, log};
    if (saveProjectAs(session).outcome == Outcome::Done) return true;
    err << "error: cannot write " << path;
    if (!prompts.messages.empty()) err << ": " << messageForTerminal(prompts.messages.back());
    err << "\n";
    return false;
}

} // namespace meshsmith::batch
