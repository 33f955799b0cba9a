#include "text_file.hpp"

#include "paths.hpp"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace meshsmith {

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t breaks = 0;
    for (char c : text)
        breaks += (c == '\n' || c == '\r') ? 1 : 0;
    lines.reserve(breaks + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c != '\r' && c != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    std::size_t size = 0;
    for (const auto& l : lines)
        size += l.size() + 2;
    out.reserve(size);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::optional<std::string> readWholeFile(std::string_view path, std::string* error) {
    std::string native = nativePath(path);
    std::error_code ec;
    if (std::filesystem::is_directory(native, ec)) {
        if (error) *error = "Cannot open file \"" + std::string(path) + "\". Is a directory";
        return std::nullopt;
    }
    std::ifstream in(native, std::ios::binary);
    if (!in) {
        // generic_category() rather than strerror, which may share a buffer between threads.
        if (error)
            *error = "Cannot open file \"" + std::string(path) + "\". " +
                     std::generic_category().message(errno);
        return std::nullopt;
    }
    // One read of the whole size: far faster than a character iterator on big files.
    std::string data;
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.read(data.data(), size);
        data.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        if (error) *error = "Read error in file \"" + std::string(path) + "\"";
        return std::nullopt;
    }
    return data;
}

TextLines readTextLines(std::string_view path) {
    TextLines result;
    auto data = readWholeFile(path, &result.error);
    if (data) result.lines = splitLines(*data);
    return result;
}

std::optional<std::string> writeFileAtomically(std::string_view path, std::string_view contents) {
    namespace fs = std::filesystem;
    // Both names stay texts: path::string() would not give back a Windows name outside ASCII.
    const std::string targetName = nativePath(path);
    std::random_device rd;
    const std::string tempName = targetName + ".tmp" + std::to_string(rd() % 1000000);
    const fs::path target(targetName), temp(tempName);
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        std::error_code ec;
        fs::remove(temp, ec);
        return "Cannot write file \"" + std::string(path) + "\". " + why;
    };
    std::FILE* f = std::fopen(tempName.c_str(), "wb");
    if (!f)
        return "Cannot create file \"" + std::string(path) + "\". " +
               std::generic_category().message(errno);
    bool ok = std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    int writeErr = errno;
    ok = (std::fflush(f) == 0) && ok;
    if (std::fclose(f) != 0) ok = false;
    if (!ok) return fail(std::generic_category().message(writeErr ? writeErr : EIO));
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) return fail(ec.message());
    return std::nullopt;
}

} // namespace meshsmith
