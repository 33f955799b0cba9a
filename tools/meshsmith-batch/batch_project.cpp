#include "batch_project.hpp"

#include "model/project_commands.hpp"
#include "model/project_file.hpp"

#include <ostream>

namespace meshsmith::batch {

bool loadForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    HeldLog held; // a failed load's lines ("All Data Cleared !") would only confuse
    const OperationResult r = loadProject(p, path, prompts, held);
    if (r.done()) {
        held.passTo(log);
        return true;
    }
    if (r.outcome == Outcome::Cancelled && !prompts.missingBitmaps.empty())
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
    const OperationResult saved = saveProjectAs(session);
    if (saved.done()) return true;
    err << "error: cannot write " << path << ": " << messageForTerminal(saved.message) << "\n";
    return false;
}

} // namespace meshsmith::batch
