#include "editor/core/shell/general_options.hpp"

#include "model/colour_text.hpp"
#include "model/paths.hpp"

#include <algorithm>

namespace meshsmith {

GeneralOptions readGeneralOptions(const IniFile& ini) {
    const std::string s = kGeneralOptions;
    GeneralOptions o;
    o.GPLPath = ini.readString(s, "GPLPath", o.GPLPath);
    o.ViewerPath = ini.readString(s, "ViewerPath", o.ViewerPath);
    o.UserPath = ini.readString(s, "UserPath", o.UserPath);
    o.BMPPath = ini.readString(s, "BMPPath", o.BMPPath);
    o.MakeSubDir = ini.readBool(s, "MakeSubDir", o.MakeSubDir);
    o.CopyBmp = ini.readBool(s, "CopyBmp", o.CopyBmp);
    o.MipInfo = ini.readBool(s, "MipInfo", o.MipInfo);
    o.MaxOnStartup = ini.readBool(s, "MaxOnStartup", o.MaxOnStartup);
    o.PlaySound = ini.readBool(s, "PlaySound", o.PlaySound);
    o.ShowBackside = ini.readBool(s, "ShowBackside", o.ShowBackside);
    o.RandomPolyColors = ini.readBool(s, "RandomPolyColors", o.RandomPolyColors);
    o.ToolTips = ini.readBool(s, "ToolTips", o.ToolTips);
    o.NoCaption = ini.readBool(s, "NoCaption", o.NoCaption);
    o.ShowGrid = ini.readBool(s, "ShowGrid", o.ShowGrid);
    // The spin edits hold only their ranges, so a hand-edited file cannot give
    // a grid without spacing or one that covers the view.
    o.GridScale = std::clamp(ini.readInteger(s, "GridScale", o.GridScale), 1, 20);
    o.GridSize = std::clamp(ini.readInteger(s, "GridSize", o.GridSize), 1, 100);
    std::string colour = ini.readString(s, "GridColor", o.GridColor);
    // A text that names no colour would leave the grid without one: keep the default.
    if (textToColour(colour)) o.GridColor = colour;
    return o;
}

std::string settingsFilePath(const std::string& folder) {
    return folder + "Meshsmith.ini";
}

std::string startItemCaption(const std::string& programPath) {
    return "Start " + withoutLast4(fileNameOf(programPath));
}

} // namespace meshsmith
