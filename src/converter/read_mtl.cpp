// Reading the MTL file of an OBJ: the texture each material shows.

#include "reader_helpers.hpp"
#include "readers.hpp"
#include "readers/mtl_reader.hpp"

#include <cstdio>
#include <optional>

namespace meshsmith::kiln {

int read_MTL(KilnState& k, const std::string& mtlFilename) {
    std::optional<TextSource> file = TextSource::open(mtlFilename);
    if (!file) {
        std::printf("MTL file not found!\n");
        return 0;
    }
    std::printf("MTL file = %s\n", mtlFilename.c_str());
    const readers::MtlBitmaps bitmaps = readers::readMtl(*file, mtlFilename);
    // A material without a map_Kd line keeps its name as the texture name.
    for (std::size_t i = 0; i < static_cast<std::size_t>(k.stringCount); ++i)
        if (auto found = bitmaps.find(k.stringy[i]); found != bitmaps.end())
            k.stringy[i] = textureNameOf(found->second).substr(0, kMaxStringLength);
    return 1;
}

} // namespace meshsmith::kiln
