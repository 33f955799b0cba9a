#include "batch_project.hpp"

#include "model/bitmap_lookup.hpp"
#include "model/project_commands.hpp"
#include "model/project_file.hpp"

#include <ostream>

namespace meshsmith::batch {

bool loadForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    HeldLog held; // a failed load's lines would only confuse
    const OperationResult r = loadProject(p, path, prompts, held, MissingBitmaps::Keep);
    if (!r.done()) {
        err << fileErrorLine(path, r.line, r.message) << "\n";
        return false;
    }
    held.passTo(log);
    if (const std::vector<std::string> missing = missingBitmaps(p); !missing.empty())
        err << "warning: " << path << ": " << missingBitmapsText(missing) << "; put "
            << (missing.size() == 1 ? "it" : "them")
            << " beside the project or correct the path in the project file\n";
    return true;
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
