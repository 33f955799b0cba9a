#pragma once
// Where the editor keeps its settings file Meshsmith.ini and the recovery
// copies of unsaved work (recovery_files.hpp).
//
// Beside the program, as on Windows, where the editor can write. An editor
// that cannot write into its own folder (unpacked into /opt, installed by a
// package) keeps them in the user's configuration folder instead:
// $XDG_CONFIG_HOME/Meshsmith, or $HOME/.config/Meshsmith when that variable is
// unset or not an absolute path (as the XDG base directory rules say). The
// folder is made when missing, and a Meshsmith.ini beside the program becomes
// its starting settings when it has none yet (later changes stay the user's).

#include <string>

namespace meshsmith {

// The variables of the user's environment that the rule reads ("" when unset).
struct UserFolders {
    std::string configHome; // XDG_CONFIG_HOME
    std::string home;       // HOME
};

struct SettingsFolder {
    std::string folder; // with its trailing separator
    // For the log: where the settings went and why, when not beside the
    // program, or what went wrong; "" when they are beside the program.
    std::string note;
};

// `appFolder` with its trailing separator; `appFolderWritable` as
// folderWritable(appFolder) says. Never fails: when no user folder can be
// made the settings stay beside the program (they read, and writing them
// fails quietly, as for any settings file that cannot be written), and the
// note says so.
SettingsFolder chooseSettingsFolder(const std::string& appFolder, bool appFolderWritable,
                                    const UserFolders& user);

// True when this process can make a file in the folder (false too on a
// read-only file system).
bool folderWritable(const std::string& folder);

} // namespace meshsmith
