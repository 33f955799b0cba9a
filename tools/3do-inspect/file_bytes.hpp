#pragma once
// The bytes of a file to inspect, read whole.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace meshsmith::inspect3do {

// The bytes of the regular file at `path`, or nullopt with `why` set to the
// reason: "no such file", "it is a folder", "it is not a file", "it cannot be
// opened", "reading it failed". Only regular files: a folder opens as a stream
// on some systems and fails in the middle of the read.
std::optional<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::string& why);

} // namespace meshsmith::inspect3do
