#pragma once
// The geometry of a 3ds Max ASE file, after its material list: the objects'
// vertices, faces and texture faces, each object taken into the mesh when it
// ends.

#include "max_ase_reader.hpp"
#include "max_materials.hpp"

#include <string>

namespace meshsmith::readers {

// Reads the rest of `file` into `mesh` (whose materials are those of `list`),
// starting with `firstLine` when the material list ended at a *GEOMOBJECT
// line (nullptr otherwise). Throws InputError naming the line, and
// CapacityError for counts past the limits.
void readMaxMeshes(TextSource& file, const std::string* firstLine, const MaxRules& rules,
                   const MaxMaterialList& list, PlainMesh& mesh, MaxAseObserver* observer);

} // namespace meshsmith::readers
