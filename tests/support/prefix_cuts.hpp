#pragma once
// Where a file is cut short (a full disk, an aborted copy) in the tests and the
// fuzz replays: after every line, and every `size / 2000` bytes within the
// lines (every byte in files of up to 2000 bytes), so that numbers, keywords
// and records end half-way as well as whole. The whole file is no cut.

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

namespace meshsmith::test {

inline std::vector<std::size_t> prefixCuts(std::string_view text) {
    const std::size_t step = std::max<std::size_t>(1, text.size() / 2000);
    std::vector<std::size_t> cuts;
    for (std::size_t n = 0; n < text.size(); ++n)
        if (n % step == 0 || text[n - 1] == '\n') cuts.push_back(n);
    return cuts;
}

} // namespace meshsmith::test
