#pragma once
// The material list of a 3ds Max ASE file: for every material its bitmap, or
// the bitmaps of its sub-materials, as entries of the string table.

#include "kiln_state.hpp"
#include "text_input.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace meshsmith::kiln {

struct MaxMaterial {
    std::string name;                     // *MATERIAL_NAME, for messages
    std::int32_t bitmap = -1;             // string entry of its first bitmap; -1 none
    std::vector<std::int32_t> subBitmaps; // per sub-material in file order; -1 none
};

struct MaxMaterials {
    bool listed = false; // the file has a *MATERIAL_COUNT line
    std::vector<MaxMaterial> materials;
};

// Reads the material list: skips lines up to " *MATERIAL_COUNT %i", then reads
// materials, sub-materials and the first bitmap of each up to the first
// " *GEOMOBJECT %s" line, which is left in `line` (returns true). Without a
// *MATERIAL_COUNT line the file is rewound and the list is empty (returns
// false: the geometry starts at the beginning). Each bitmap gives the string
// entry of its texture name (folder and extension cut; equal names share an
// entry); "clipper" becomes clipperStringNum. A material number outside the
// count, or a sub-material outside a material, stops the run with an
// InputError naming the line; more than kMaxStrings materials, a CapacityError.
bool readMaterialList(KilnState& k, TextSource& file, std::string& line, MaxMaterials& out);

// The string entry of the bitmap that face material id `subMatNum` of
// material `matNum` shows: the material's own bitmap, or for a material with
// sub-materials the one of sub-material subMatNum, taken modulo their number
// as 3ds Max does. -1 when that (sub-)material has no bitmap or does not exist.
std::int32_t getString(const MaxMaterials& list, int matNum, int subMatNum);

} // namespace meshsmith::kiln
