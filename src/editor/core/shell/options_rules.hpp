#pragma once
// The Options dialog's enabling rules, without its widgets.

#include "editor/core/shell/general_options.hpp"
#include "model/outcome.hpp"
#include "model/project.hpp"

namespace meshsmith {

struct OptionsEnabling {
    bool copyBmp = false, mipInfo = false; // follow "Create Individual Subfolders ..."
    bool gridControls = false;             // scale, point size and colour follow "Show 3D Grid"
    bool trackFolder = false;              // the track folder and its Browse button
    bool autoGpl = false;                  // "Autostart GPL when 3DO is written"
    bool gplRadios = false;                // minimize / close follow the autostart box
    bool gplParams = false;                // the parameters follow their box
};

// `trackFolderUsable`: the stored track folder counts as good (the dialog
// checks that it exists when it is shown, not while the user works in it).
OptionsEnabling optionsEnabling(const GeneralOptions& g, const ProjectOptions& o,
                                bool trackFolderUsable);

// Checking "Autostart GPL when 3DO is written" needs a track folder that exists:
// refused with "Invalid Trackfolder !" otherwise.
OperationResult checkAutoGpl(const ProjectOptions& o);

} // namespace meshsmith
