#pragma once
// The material list of a 3ds Max ASE file: for every material its first
// bitmap, or the first bitmaps of its sub-materials.

#include "max_ase_reader.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith::readers {

// The first bitmap of a material or sub-material, when it names a texture.
struct MaxBitmap {
    std::string path;        // as written between the quotes
    std::size_t line = 0;    // its *BITMAP line
    std::int32_t index = -1; // its mesh material (meshMaterialsOf)
};

struct MaxMaterial {
    std::string name; // *MATERIAL_NAME, for messages
    std::optional<MaxBitmap> bitmap;
    std::vector<std::optional<MaxBitmap>> subBitmaps; // per sub-material in file order
};

struct MaxMaterialList {
    bool listed = false; // the file has a *MATERIAL_COUNT line
    std::vector<MaxMaterial> materials;
};

// Reads the material list: skips lines up to " *MATERIAL_COUNT %i", then reads
// materials, sub-materials and the first bitmap of each up to the first
// " *GEOMOBJECT %s" line, which is left in `line` (returns true). Without a
// *MATERIAL_COUNT line the file is rewound and the list is empty (returns
// false: the geometry starts at the beginning). A bitmap whose path gives an
// empty texture name is none; each other is told to `observer` when given. A
// material number outside the count, a sub-material outside a material, or a
// texture name with a control character stops the reading with an InputError
// naming the line; more than kMaxMaterials materials, a CapacityError.
bool readMaxMaterialList(TextSource& file, std::string& line, MaxMaterialList& out,
                         MaxAseObserver* observer);

// The mesh materials of the list: one per bitmap that a face can show (a
// material's own, or each of its sub-materials' when it has any, as
// "Material/N"), in the order of the material numbers. Sets their indices.
std::vector<MeshMaterial> meshMaterialsOf(MaxMaterialList& list);

// The bitmap that face material id `subMatNum` of material `matNum` shows:
// the material's own, or for a material with sub-materials the one of
// sub-material subMatNum, taken modulo their number as 3ds Max does. nullptr
// when that (sub-)material has no bitmap or does not exist.
const MaxBitmap* bitmapOf(const MaxMaterialList& list, int matNum, int subMatNum);

// subMatNum modulo the `count` sub-materials (0 .. count-1).
int subMaterialOf(int subMatNum, int count);

} // namespace meshsmith::readers
