// Any bytes as an ASE file for ase2obj: reading must end in tables or a
// message, and the OBJ and MTL texts of any tables it accepts must be written
// without reading outside them.
#include "ase2obj/ase_reading.hpp"
#include "ase2obj/obj_writing.hpp"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith;
    kiln::TextSource source(std::string(reinterpret_cast<const char*>(data), size));
    if (ase2obj::readHeader(source).status != ase2obj::ReadStatus::Read) return 0;
    ase2obj::AseTables tables;
    if (ase2obj::readBody(source, tables).status != ase2obj::ReadStatus::Read) return 0;
    ase2obj::objText(tables, "fuzz.mtl");
    ase2obj::mtlText(tables);
    return 0;
}
