#include "editor/core/shell/settings_folder.hpp"

#include "editor/core/shell/general_options.hpp"
#include "model/paths.hpp"

#include <filesystem>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace meshsmith {

bool folderWritable(const std::string& folder) {
#ifdef _WIN32
    (void)folder;
    return true;
#else
    // access() also answers "no" on a read-only mount and for an immutable
    // folder; the permission bits as this process's user meets them.
    return ::access(nativePath(folder).c_str(), W_OK | X_OK) == 0;
#endif
}

SettingsFolder chooseSettingsFolder(const std::string& appFolder, bool appFolderWritable,
                                    const UserFolders& user) {
#ifdef _WIN32
    (void)appFolderWritable;
    (void)user;
    return {appFolder, ""};
#else
    if (appFolderWritable) return {appFolder, ""};
    std::string base;
    if (!user.configHome.empty() && user.configHome.front() == '/')
        base = withTrailingSeparator(user.configHome);
    else if (!user.home.empty())
        base = withTrailingSeparator(user.home) + ".config/";
    else
        return {appFolder, "The program's folder " + appFolder +
                               " cannot be written and no home folder is set: settings "
                               "changes are not kept."};
    const std::string folder = base + "Meshsmith/";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!folderExists(folder))
        return {appFolder, "The program's folder " + appFolder + " cannot be written and " +
                               folder + " cannot be made (" + ec.message() +
                               "): settings changes are not kept."};
    const std::string settings = settingsFilePath(folder);
    const std::string starting = settingsFilePath(appFolder);
    std::string note =
        "Settings are kept in " + settings + " (the program's folder cannot be written).";
    if (!fileExists(settings) && fileExists(starting)) {
        if (const std::string why = copyFileReplacing(starting, settings); !why.empty())
            note += " " + starting + " could not be copied there: " + why;
    }
    return {folder, note};
#endif
}

} // namespace meshsmith
