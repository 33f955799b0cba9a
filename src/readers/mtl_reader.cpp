#include "mtl_reader.hpp"

#include "reader_text.hpp"

namespace meshsmith::readers {

namespace {

// The file of a "map_Kd" value: options such as "-s 1 1 1" come before it.
std::string mapPath(const std::string& value) {
    if (value.empty() || value[0] != '-') return value;
    const std::size_t blank = value.find_last_of(" \t");
    return blank == std::string::npos ? value : value.substr(blank + 1);
}

MtlBitmaps readBitmaps(TextSource& file) {
    MtlBitmaps bitmaps;
    std::string material, line;
    bool first = true;
    while (readstr(file, line)) {
        const std::string_view text = first ? withoutByteOrderMark(line) : line;
        first = false;
        if (auto name = keywordRest(text, "newmtl")) {
            material = *name;
        } else if (auto value = keywordRest(text, "map_Kd")) {
            std::string path = mapPath(*value);
            // The texture name is what a 3DO keeps; a path that gives none is passed over.
            if (!textureName(file, textureNameOf(path)).empty())
                bitmaps[material] = std::move(path);
        }
    }
    return bitmaps;
}

} // namespace

MtlBitmaps readMtl(TextSource& file, const std::string& path) {
    try {
        return readBitmaps(file);
    } catch (const InputError& e) {
        throw InputError("MTL file " + path + ": " + e.what());
    }
}

void applyBitmaps(PlainMesh& mesh, const MtlBitmaps& bitmaps) {
    for (MeshMaterial& material : mesh.materials)
        if (auto found = bitmaps.find(material.name); found != bitmaps.end())
            material.bitmap = found->second;
}

} // namespace meshsmith::readers
