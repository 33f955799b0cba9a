// Compiled twice: as this tree's converter, and, with the macro `meshsmith`
// renaming the converter's namespace, as the reference copy. KILN_CONVERT
// and KILN_RUN name the functions each defines.

#include "kiln_conversion.hpp"

#include "kiln_driver.hpp"
#include "readers.hpp"

#include <exception>

namespace kiln_bench {

Conversion KILN_CONVERT(const std::string& text, const std::string& name, Reader reader) {
    using namespace meshsmith::kiln;
    Conversion c;
    try {
        KilnState k;
        TextSource source(text);
        std::string first, fileName = name;
        readstr(source, first);
        switch (reader) {
        case Reader::Meshsmith:
            read_Meshsmith(k, source, fileName);
            break;
        case Reader::Max:
            read_3dsMax(k, source, fileName);
            break;
        case Reader::Obj:
            read_OBJ(k, source, fileName, first);
            break;
        }
        c.polygonsRead = k.polyCount;
        TreeChoice choice;
        c.bytes = buildObjectBytes(k, &choice);
        c.polygonsWritten = k.polyCount;
        c.treesBuilt = choice.built;
    } catch (const std::exception& e) {
        c.refusal = e.what();
    } catch (const UntexturedFace&) {
        c.refusal = "an untextured face";
    }
    return c;
}

int KILN_RUN(const std::vector<std::string>& args) {
    return meshsmith::kiln::runKiln(args);
}

} // namespace kiln_bench
