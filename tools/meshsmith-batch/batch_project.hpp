#pragma once
// Loading and saving projects for the batch commands.

#include "batch_prompts.hpp"
#include "model/project.hpp"

#include <iosfwd>
#include <string>

namespace meshsmith::batch {

// Loads a project; false (with the reason on `err`) when it cannot be used.
// Bitmaps that are not found keep their names and are named in a warning on
// `err`: the project is used all the same, as the editor builds it.
bool loadForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err);

// Saves the project under `path` (as Save As to a chosen file); false with the
// reason on `err` when it could not be written.
bool saveForBatch(Project& p, const std::string& path, BatchPrompts& prompts, LogSink& log,
                  std::ostream& err);

} // namespace meshsmith::batch
