#pragma once
// The installation settings of section "General Options" of Meshsmith.ini,
// with their defaults when a key (or the whole file) is missing.

#include "editor/core/shell/ini_file.hpp"

#include <string>

namespace meshsmith {

inline constexpr const char* kGeneralOptions = "General Options";
inline constexpr const char* kRecentFilesSection = "Recent Used Files";

struct GeneralOptions {
    std::string GPLPath, ViewerPath, UserPath, BMPPath;
    bool MakeSubDir = false, CopyBmp = false, MipInfo = false;
    bool MaxOnStartup = true, PlaySound = true, ShowBackside = true;
    // Tool tips stay on until the user clears "Show ToolTips" (a missing setting leaves them on).
    bool RandomPolyColors = false, ToolTips = true, NoCaption = false, ShowGrid = false;
    int GridScale = 1; // 1..20
    int GridSize = 1;  // 1..100, tenths of a pixel
    std::string GridColor = "clBlack";
};

// Reads every key of the section (missing ones give the defaults above;
// out-of-range numbers are brought into range).
GeneralOptions readGeneralOptions(const IniFile& ini);

// The settings file in its folder (settings_folder.hpp says which):
// folder + "Meshsmith.ini".
std::string settingsFilePath(const std::string& folder);

// "Start " + the file name of the path without folder and without its last 4
// characters: the caption of the viewer and user-program menu items.
std::string startItemCaption(const std::string& programPath);

} // namespace meshsmith
