#include "file_error.hpp"

namespace meshsmith {

void reportFileError(UserPrompts& prompts, LogSink& log, const std::string& doing,
                     const std::string& path, const FileError& error) {
    std::string where = error.line > 0 ? ", line " + std::to_string(error.line) : "";
    log.addLine("Error " + doing + " " + path + where + ": " + error.message);
    prompts.showMessage(error.message);
}

} // namespace meshsmith
