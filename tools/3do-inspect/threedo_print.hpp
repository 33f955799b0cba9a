#pragma once
// The listing of a 3DO file: header, chunks, tables, strings and the tree.

#include "threedo_file.hpp"

#include <ostream>

namespace meshsmith::inspect3do {

struct ListingOptions {
    bool verbose = false; // every vertex and plane, not only their counts
};

// Writes the listing of `file`, which may be only partly read (it lists what
// is there). The tree is listed from the root, indented two spaces per depth;
// an offset that names no record is shown as such, and a record reached a
// second time is only named, so the listing is finite on any file.
void printListing(const ThreeDoFile& file, const ListingOptions& options, std::ostream& out);

// Shortest text that reads back as the same float, always with ".".
std::string floatText(float value);

} // namespace meshsmith::inspect3do
