#include "editor/core/shell/options_rules.hpp"

#include "model/paths.hpp"

namespace meshsmith {

OptionsEnabling optionsEnabling(const GeneralOptions& g, const ProjectOptions& o,
                                bool trackFolderUsable) {
    OptionsEnabling e;
    e.copyBmp = e.mipInfo = g.MakeSubDir;
    e.gridControls = g.ShowGrid;
    e.trackFolder = o.SaveToTrackFolder;
    e.autoGpl = o.SaveToTrackFolder && trackFolderUsable;
    e.gplRadios = e.autoGpl && o.AutoGPL;
    e.gplParams = o.GPLParam;
    return e;
}

OperationResult checkAutoGpl(const ProjectOptions& o) {
    if (!folderExists(o.TrackFolder)) return OperationResult::refused("Invalid Trackfolder !");
    return {};
}

} // namespace meshsmith
