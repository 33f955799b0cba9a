#pragma once
// The scan that precedes a DXF import: it counts the importable entities of a
// file for the "Scan DXF" dialog, in which the user picks one kind; and the
// dialog's OK button.

#include "dxf_reader.hpp"
#include "outcome.hpp"
#include "project.hpp"
#include "random_colours.hpp"
#include "user_interaction.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meshsmith {

inline constexpr const char* kSelectObjectsMessage = "Select objects to import!";

// What the "Scan DXF" dialog shows. Arrays follow kDxfChoices (POINT, VERTEX,
// LINE, 3DFACE, POLYLINE, polyface meshes and all: PRadioButton,
// VRadioButton, LRadioButton, FRadioButton, PLRadioButton, PFRadioButton,
// ARadioButton). The count of polyface meshes is that of the meshes; the
// count of all is that of the POINT, LINE, 3DFACE and POLYLINE entities
// (polyface meshes included), which it reads together.
struct DxfScan {
    bool ok = false;
    std::string message; // the refusal to show when !ok
    std::array<std::size_t, kDxfChoices.size()> counts{};
    std::size_t polyfaceFaces = 0; // the face records of the polyface meshes
    std::string caption;           // "Scanning file '" + file name + "'"
    // "12 POINT objects in DXF" ... "2 polyface meshes with 40 faces in DXF",
    // "30 POINT, LINE, 3DFACE and POLYLINE objects in DXF"
    std::array<std::string, kDxfChoices.size()> radioCaptions;
    std::array<bool, kDxfChoices.size()> enabled{}; // count > 0; disabled ones are unchecked
};

// Reads and counts the file. Fails with "Unable to load file " + path when it
// cannot be read, "Binary DXF format not supported..." for binary DXF, and
// "Unable to import from file '" + path + "'\r No POINT, VERTEX, LINE or 3DFACE
// entities found !" when it holds none of the four. Shows nothing itself.
DxfScan scanDxf(const std::string& path);
// The same for lines already read, or for the file's text; `path` names the
// file in the texts.
DxfScan scanDxfLines(const std::vector<std::string>& lines, const std::string& path);
DxfScan scanDxfText(std::string_view text, const std::string& path);

// The kind the scan dialog's OK imports: the checked radio button's, when
// it is enabled. nullopt: the dialog says kSelectObjectsMessage and stays open.
std::optional<DxfKind> chosenDxfKind(const DxfScan& scan, std::optional<DxfKind> checked);

// The import of the chosen kind, and when it has done its work the main
// window's Remove Double Vertices command after it: one step of the edit history.
OperationResult importScannedDxf(Project& p, const std::string& path, DxfKind kind,
                                 UserPrompts& prompts, LogSink& log, RandomColours& colours);

} // namespace meshsmith
