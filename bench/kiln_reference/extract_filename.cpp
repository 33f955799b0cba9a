#include "readers.hpp"

namespace meshsmith::kiln {

std::string extract_filename(const std::string& str) {
    const std::size_t slash = str.find_last_of("/\\");
    return slash == std::string::npos ? str : str.substr(slash + 1);
}

} // namespace meshsmith::kiln
