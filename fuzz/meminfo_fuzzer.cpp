// Any bytes as /proc/meminfo: the About box's memory line is read without a
// fault, and a load it reports lies between 0 and 100 percent.
#include "editor/core/shell/system_information.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto status =
        meshsmith::parseMemInfo(std::string(reinterpret_cast<const char*>(data), size));
    if (status && status->loadPercent && (*status->loadPercent < 0 || *status->loadPercent > 100))
        std::abort();
    return 0;
}
