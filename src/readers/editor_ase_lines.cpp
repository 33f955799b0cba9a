#include "editor_ase_lines.hpp"

#include "scan_format.hpp"

#include <array>

namespace meshsmith::readers {

namespace {

struct KeywordPattern {
    EditorAseKeyword keyword;
    const char* pattern;
};

// The dialect's keywords; none is the beginning of another's pattern.
constexpr std::array<KeywordPattern, 7> kPatterns{{
    {EditorAseKeyword::Bitmap, " *BITMAP \"%s\""},
    {EditorAseKeyword::DisplayClass, "*DISPLAY_CLASS  %i"},
    {EditorAseKeyword::GeomObject, "*GEOMOBJECT %i"},
    {EditorAseKeyword::LineObject, "*LINEOBJECT %i"},
    {EditorAseKeyword::Vertex, "*MESH_VERTEX %i %f %f %f"},
    {EditorAseKeyword::TextureVertex, "*MESH_TVERT %i %f %f %f"},
    {EditorAseKeyword::MaterialRef, "*MATERIAL_REF %i"},
}};

} // namespace

EditorAseLine readEditorAseLine(const std::string& line) {
    for (const KeywordPattern& k : kPatterns) {
        EditorAseLine read;
        const std::vector<ScanTarget> targets =
            k.keyword == EditorAseKeyword::Bitmap
                ? std::vector<ScanTarget>{&read.token}
                : std::vector<ScanTarget>{&read.number, &read.x, &read.y, &read.z};
        const ScanResult r = scanFormatted(line, k.pattern, targets);
        if (!r.literalPrefix || (r.converted == 0 && !r.endBeforeField)) continue;
        read.keyword = k.keyword;
        read.fields = r.converted;
        return read;
    }
    return {};
}

} // namespace meshsmith::readers
