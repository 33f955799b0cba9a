#pragma once
// Where a texture's bitmap lies on disk, and the one rule for its name:
//  - in the object (in memory) a bitmap or mask is named by its absolute
//    path, made so where it enters (a project read, a bitmap chosen, data
//    added from another project); saving never changes it;
//  - in a project file it is named relative to the file's folder when it
//    lies in or below that folder ("seats.bmp", "tex/wall.bmp"), by its
//    absolute path otherwise;
//  - a relative name read from a file resolves against that file's folder,
//    never against the current folder.

#include "project.hpp"

#include <optional>
#include <string>
#include <vector>

namespace meshsmith {

// Folder of ProjectFile with its trailing separator ("./" for a bare file
// name); empty while it is "None".
std::string projectFolderOf(const Project& p);
// A bitmap path of the object as the file system finds it (a relative one,
// which only a tool or a test puts there, against the project's folder).
std::string bitmapPathOnDisk(const Project& p, const std::string& stored);
// A name read from a file in `folder`: absolute and normalised.
std::string absoluteBitmapPath(const std::string& folder, const std::string& name);
// Where a bitmap that a file in `folder` names lies: first its file name in
// `preferredFolder` (beside the file while that is empty), then the name as
// written ("\\" or "/" between folders; relative names against `folder`).
// Absolute and normalised; nullopt when neither is a file.
std::optional<std::string> locateBitmap(const std::string& folder, const std::string& name,
                                        const std::string& preferredFolder = {});
// The name a project file in `projectFolder` stores for `path` (see above);
// "" stays "".
std::string bitmapNameInFile(const std::string& path, const std::string& projectFolder);

// The texture bitmaps and masks of the project that are not on disk, each
// once, in the order of the texture table, named as its project file names
// them ("roof.bmp", "tex/wall.bmp", or a full path).
std::vector<std::string> missingBitmaps(const Project& p);
// "bitmap roof.bmp not found", "bitmaps roof.bmp, wall.bmp not found"; ""
// for none.
std::string missingBitmapsText(const std::vector<std::string>& names);

} // namespace meshsmith
