#include "editor/core/shell/system_information.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace meshsmith {
namespace {

using Lines = std::vector<std::string>;

std::string orUnknown(const std::string& text, const char* unknown = "Unknown") {
    return text.empty() ? unknown : text;
}

void addSection(Lines& out, const char* label, const Lines& values) {
    if (!out.empty()) out.emplace_back();
    out.emplace_back(label);
    out.insert(out.end(), values.begin(), values.end());
}

std::string operatingSystemText(const SystemFacts& f) {
    std::string text = orUnknown(f.osName);
    if (!f.osVersion.empty()) text += ", Version " + f.osVersion;
    return text;
}

std::string viewSizeText(const std::optional<ViewSize>& size) {
    if (!size) return "not available";
    return "Width = " + std::to_string(size->width) + ", Height = " + std::to_string(size->height);
}

Lines libraryLines(const std::string& name, const std::vector<LibraryVersion>& libraries) {
    if (libraries.empty())
        return {name.empty() ? std::string("not loaded") : "not loaded (" + name + ")"};
    Lines out;
    for (const LibraryVersion& lib : libraries) {
        out.push_back("Filename = " + lib.fileName);
        out.push_back("FileVersion = " + orUnknown(lib.fileVersion));
        // Only platforms with version resources know these; elsewhere they are left out.
        if (!lib.productName.empty()) out.push_back("ProductName = " + lib.productName);
        if (!lib.companyName.empty()) out.push_back("CompanyName = " + lib.companyName);
        if (!lib.legalCopyright.empty()) out.push_back("LegalCopyright = " + lib.legalCopyright);
    }
    return out;
}

std::string_view fileNameOfPath(std::string_view path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// "MemTotal:   16318032 kB" -> ("MemTotal", 16318032); nullopt for anything else.
std::optional<std::pair<std::string_view, std::uint64_t>> memInfoField(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    std::string_view value = trimmed(line.substr(colon + 1));
    if (value.size() >= 2 && value.substr(value.size() - 2) == "kB")
        value = trimmed(value.substr(0, value.size() - 2));
    std::uint64_t number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size()) return std::nullopt;
    return std::make_pair(trimmed(line.substr(0, colon)), number);
}

} // namespace

std::string withThousandsSeparators(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, ",");
    return digits;
}

std::string memoryText(const std::optional<MemoryStatus>& memory) {
    if (!memory) return "Unknown";
    std::string text = withThousandsSeparators(memory->totalKilobytes) + " KB";
    if (memory->loadPercent)
        text += ", of which " + std::to_string(*memory->loadPercent) + "% are currently used";
    return text;
}

std::optional<MemoryStatus> parseMemInfo(std::string_view text) {
    std::optional<std::uint64_t> total, available;
    std::uint64_t freeSum = 0;
    int freeParts = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const auto field = memInfoField(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!field) continue;
        const auto [key, value] = *field;
        if (key == "MemTotal")
            total = value;
        else if (key == "MemAvailable")
            available = value;
        else if (key == "MemFree" || key == "Buffers" || key == "Cached") {
            // Saturating: a sum past the total is clamped below anyway.
            freeSum = value > UINT64_MAX - freeSum ? UINT64_MAX : freeSum + value;
            ++freeParts;
        }
    }
    if (!total || *total == 0) return std::nullopt;
    if (!available && freeParts == 3) available = freeSum;
    MemoryStatus status{*total, std::nullopt};
    if (available) {
        const double used = static_cast<double>(*total - std::min(*available, *total));
        status.loadPercent =
            static_cast<int>(std::lround(used * 100.0 / static_cast<double>(*total)));
    }
    return status;
}

bool isLibraryFile(std::string_view path, std::string_view name) {
    const std::string_view file = fileNameOfPath(path);
    if (name.size() >= 4 && equalsIgnoringCase(name.substr(name.size() - 4), ".dll"))
        return equalsIgnoringCase(file, name);
    if (file.size() < name.size() + 3 || file.substr(0, name.size()) != name) return false;
    const std::string_view rest = file.substr(name.size());
    return rest == ".so" || rest.substr(0, 4) == ".so.";
}

std::string sharedObjectVersion(std::string_view path) {
    const std::string_view file = fileNameOfPath(path);
    const std::size_t so = file.find(".so.");
    return so == std::string_view::npos ? std::string() : std::string(file.substr(so + 4));
}

std::vector<std::string> systemInformationLines(const SystemFacts& f) {
    Lines out;
    addSection(out, "Operating System:", {operatingSystemText(f)});
    addSection(out, "Processor:", {orUnknown(f.processor, "Unknown Processor")});
    addSection(out, "RAM:", {memoryText(f.memory)});
    addSection(out, "Current Dimensions of View Window:", {viewSizeText(f.viewSize)});
    const char* const none = "not available";
    addSection(out, "Renderer:", {f.openGl ? orUnknown(f.openGl->renderer) : none});
    addSection(out, "Vendor:", {f.openGl ? orUnknown(f.openGl->vendor) : none});
    addSection(out, "Version:", {f.openGl ? orUnknown(f.openGl->version) : none});
    addSection(out, "OpenGL Version:", libraryLines(f.openGlLibraryName, f.openGlLibraries));
    Lines extensions;
    if (!f.openGl)
        extensions.emplace_back(none);
    else if (f.openGl->extensions.empty())
        extensions.emplace_back("none");
    else
        extensions = f.openGl->extensions;
    addSection(out, "Supported OpenGL Extensions:", extensions);
    addSection(out, "OpenGL Utilities Version:", libraryLines(f.gluLibraryName, f.gluLibraries));
    return out;
}

} // namespace meshsmith
