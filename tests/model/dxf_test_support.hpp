#pragma once
// DXF texts for the import tests.

#include "model/object_check.hpp"
#include "model/project.hpp"

#include <string>
#include <vector>

namespace meshsmith::test {

struct Xyz {
    const char *x, *y, *z;
};

// Entities as R12 writers put them, codes without padding.
std::vector<std::string> dxfPoint(Xyz at, const char* name = "POINT");
std::vector<std::string> dxfLine(Xyz from, Xyz to);
std::vector<std::string> dxfFace(Xyz a, Xyz b, Xyz c, Xyz d);

// A file with one ENTITIES section holding the entities, lines ended by CR LF.
std::string dxfFile(const std::vector<std::vector<std::string>>& entities);

} // namespace meshsmith::test
