#pragma once
// The plain-text listing of the whole project, for the "Project Contents"
// window and for the printer, and the column padding every list uses.

#include "model/project.hpp"

#include <string>
#include <vector>

namespace meshsmith {

// Pads `text` with blanks to `width` characters (after it when `right`, else
// before it); longer texts are cut to `width`.
std::string padText(const std::string& text, std::size_t width, bool right);

enum class ListingForm { Print, Display };

// The listing's lines (a line " " holds one blank).
std::vector<std::string> projectListing(const Project& p, ListingForm form);

// The captions of the display class list and of the collision rebound codes.
const std::vector<std::string>& displayClassCaptions(); // 13 entries
const std::vector<std::string>& reboundCaptions();      // 16 entries
// The caption shown for a stored display class (17..20 show entries 9..12;
// others the entry of that number, or "" when there is none).
std::string displayClassCaption(int displayClass);

} // namespace meshsmith
