#pragma once
// Where the viewer finds the bitmap a 3DO's texture group names: the name is
// a bare texture name ("wall") or a file name ("wall.bmp", even with a folder
// before it); it is looked for beside the 3DO first, then in the editor's
// bitmap folders, as "<name>.bmp" when it has no extension, letter case aside
// (the files come from Windows).

#include <optional>
#include <string>
#include <vector>

namespace meshsmith::viewer {

// The first file that matches, or nullopt. `folders` in the order to search.
std::optional<std::string> findBitmap(const std::string& name,
                                      const std::vector<std::string>& folders);

// The folders to search for a 3DO at `threeDoPath`: its own folder, then each
// of `bitmapFolders` that is not empty.
std::vector<std::string> bitmapFolders(const std::string& threeDoPath,
                                       const std::vector<std::string>& bitmapFolders);

// "Bitmaps not found: roof, wall"; "" for none.
std::string missingBitmapsLine(const std::vector<std::string>& names);

} // namespace meshsmith::viewer
