#pragma once
// Where a texture's bitmap lies on disk. Bitmaps stored as bare or relative
// names belong beside the project file, whatever the current folder is.

#include "project.hpp"

#include <string>

namespace meshsmith {

// Folder of ProjectFile with its trailing separator; empty while it is "None".
std::string projectFolderOf(const Project& p);
// A stored bitmap path as the file system finds it.
std::string bitmapPathOnDisk(const Project& p, const std::string& stored);
// Relative bitmap names made absolute against `oldFolder`, for a project that is
// about to be written into another folder where they would no longer resolve.
void anchorRelativeBitmaps(Project& p, const std::string& oldFolder, const std::string& newFolder);

} // namespace meshsmith
