#pragma once
// The user guide behind Online Help, Local Help and the About box, and the
// contact address. openOnlineHelp and openLocalHelp themselves are declared
// in about_box.hpp.

#include "editor/core/shell/editor_context.hpp"

#include <string>

namespace meshsmith {

// The About box's link to the user guide (there is no help site).
inline constexpr const char* kUserGuideLink = "Meshsmith user guide";
inline constexpr const char* kContactMailAddress = "support@meshsmith.example.org";

// AppFolder + "help" + separator + "index.htm" in this platform's form; the
// folder may end with "\", "/" or neither.
std::string localHelpPath(const std::string& appFolder);

// "mailto:" + the contact address + "?subject=About Meshsmith 1.0".
std::string contactMailLink();

// Opens a file or address with the desktop's default handler; when that
// fails the user is told which target could not be opened.
void openTarget(EditorContext& context, const std::string& pathOrAddress);

} // namespace meshsmith
