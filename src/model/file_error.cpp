#include "file_error.hpp"

namespace meshsmith {

std::string fileErrorBoxText(const std::string& path, const FileError& error) {
    const std::string where = error.line > 0 ? ", line " + std::to_string(error.line) : "";
    return error.message + "\r\r" + path + where;
}

void reportFileError(UserPrompts& prompts, LogSink& log, const std::string& doing,
                     const std::string& path, const FileError& error) {
    const std::string where = error.line > 0 ? ", line " + std::to_string(error.line) : "";
    log.addLine("Error " + doing + " " + path + where + ": " + error.message);
    prompts.showMessage(fileErrorBoxText(path, error));
}

} // namespace meshsmith
