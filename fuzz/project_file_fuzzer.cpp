// Any bytes as a project file: parsing and reference checks must fail cleanly,
// and what they accept must be a sound object.
#include "model/object_check.hpp"
#include "model/project_file_reader.hpp"
#include "model/text_file.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace meshsmith;
    auto lines = splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    ParsedProject parsed;
    FileError error;
    if (parseProjectLines(lines, SectionChoice::All, parsed, error) &&
        validateProjectReferences(parsed, error) && findObjectFault(parsed.data.object))
        std::abort();
    return 0;
}
