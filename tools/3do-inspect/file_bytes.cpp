#include "file_bytes.hpp"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace meshsmith::inspect3do {

std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::string& why) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        why = "no such file";
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        why = std::filesystem::is_directory(status) ? "it is a folder" : "it is not a file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = "it cannot be opened";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    if (in.bad()) {
        why = "reading it failed";
        return std::nullopt;
    }
    return bytes;
}

} // namespace meshsmith::inspect3do
