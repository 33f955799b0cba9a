#include "batch_project.hpp"

#include "model/project_commands.hpp"
#include "model/project_file.hpp"

#include <ostream>

namespace meshsmith::batch {

bool loadForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    LoadResult r = loadProject(p, path, prompts, log);
    if (r.status == LoadStatus::Loaded) return true;
    if (!prompts.missingBitmaps.empty())
        err << "error: bitmap " << prompts.missingBitmaps.back() << " not found (referenced by "
            << path << ")\n";
    else
        err << "error: cannot load " << path << "\n";
    return false;
}

bool saveForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err) {
    SaveOptions options;
    prompts.savePath = path;
    ProjectSession session{p, options, prompts, log};
    if (saveProjectAs(session).outcome == Outcome::Done) return true;
    err << "error: cannot write " << path << "\n";
    return false;
}

} // namespace meshsmith::batch
