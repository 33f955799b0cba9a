#include "file_error.hpp"

namespace meshsmith {

std::string messageBoxText(const OperationResult& r) {
    if (r.outcome == Outcome::Done || r.outcome == Outcome::Cancelled) return "";
    if (r.file.empty()) return r.message;
    const std::string where = r.line > 0 ? ", line " + std::to_string(r.line) : "";
    return r.message + "\r\r" + r.file + where;
}

OperationResult fileFailure(LogSink& log, const std::string& doing, const std::string& path,
                            const FileError& error) {
    const std::string where = error.line > 0 ? ", line " + std::to_string(error.line) : "";
    log.addLine("Error " + doing + " " + path + where + ": " + error.message);
    return OperationResult::failed(error.message, path, error.line);
}

} // namespace meshsmith
