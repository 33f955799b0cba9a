// Any bytes through the 3DO inspector: parse, check and list must end cleanly.

#include "threedo_check.hpp"
#include "threedo_file.hpp"
#include "threedo_print.hpp"

#include <cstddef>
#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith::inspect3do;
    const std::span<const std::uint8_t> bytes(data, size);
    const ParsedFile parsed = parseThreeDo(bytes);
    std::ostringstream listing;
    printListing(parsed.file, ListingOptions{true}, listing);
    const CheckResult result = checkThreeDo(bytes);
    // A file without a layout fault is checked the same way in both entries.
    if (!parsed.violation &&
        checkParsedThreeDo(parsed.file).violation.has_value() != result.violation.has_value())
        __builtin_trap();
    return 0;
}
