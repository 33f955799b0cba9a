#pragma once
// The fixed AutoCAD R12 drawing that every DXF export is wrapped in: a header
// of the 133 R12 header variables, the tables (viewport *ACTIVE, line type
// CONTINUOUS, layer 0, text style STANDARD, application ACAD, dimension style
// ISO-25), the blocks $MODEL_SPACE and $PAPER_SPACE, and an empty ENTITIES
// section as the last one. Group codes are right-aligned in three columns.

#include <cstddef>
#include <span>
#include <string_view>

namespace meshsmith {

// The 932 lines of the drawing, without line ends.
std::span<const std::string_view> dxfTemplateLines();

// The entities go before the template's last four lines ("  0", "ENDSEC",
// "  0", "EOF"), which close the ENTITIES section and the file.
inline constexpr std::size_t kDxfTemplateTailLines = 4;

// Index of the line that holds the value of $HANDSEED, the next free handle.
std::size_t dxfTemplateHandSeedLine();

} // namespace meshsmith
