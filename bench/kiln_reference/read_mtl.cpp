// Reading the MTL file of an OBJ: the texture each material shows.

#include "reader_helpers.hpp"
#include "readers.hpp"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

namespace meshsmith::kiln {

namespace {

// The file of a "map_Kd" value: options such as "-s 1 1 1" come before it.
std::string mapPath(const std::string& value) {
    if (value.empty() || value[0] != '-') return value;
    const std::size_t blank = value.find_last_of(" \t");
    return blank == std::string::npos ? value : value.substr(blank + 1);
}

// Only a regular file: a name such as /dev/zero or a pipe would never end.
std::optional<TextSource> openMtl(const std::string& name) {
    std::error_code error;
    if (name.empty() || !std::filesystem::is_regular_file(name, error)) return std::nullopt;
    return TextSource::open(name);
}

// Reads the materials' textures into `replacement`, per string-table entry.
void readMaterials(const KilnState& k, TextSource& file,
                   std::vector<std::optional<std::string>>& replacement) {
    std::string material, line;
    bool first = true;
    while (readstr(file, line)) {
        const std::string_view text = first ? withoutByteOrderMark(line) : line;
        first = false;
        if (auto name = keywordRest(text, "newmtl")) {
            material = *name;
        } else if (auto path = keywordRest(text, "map_Kd")) {
            const std::string texture = textureName(file, textureNameOf(mapPath(*path)));
            if (texture.empty()) continue;
            for (std::size_t i = 0; i < replacement.size(); ++i)
                if (k.stringy[i] == material) replacement[i] = texture;
        }
    }
}

} // namespace

int read_MTL(KilnState& k, const std::string& mtlFilename) {
    std::optional<TextSource> file = openMtl(mtlFilename);
    if (!file) {
        std::printf("MTL file not found!\n");
        return 0;
    }
    std::printf("MTL file = %s\n", mtlFilename.c_str());
    // A material without a map_Kd line keeps its name as the texture name.
    std::vector<std::optional<std::string>> replacement(static_cast<std::size_t>(k.stringCount));
    try {
        readMaterials(k, *file, replacement);
    } catch (const InputError& e) {
        throw InputError("MTL file " + mtlFilename + ": " + e.what());
    }
    for (std::size_t i = 0; i < replacement.size(); ++i)
        if (replacement[i]) k.stringy[i] = replacement[i]->substr(0, kMaxStringLength);
    return 1;
}

} // namespace meshsmith::kiln
