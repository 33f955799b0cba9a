#pragma once
// The product's name as it appears in the files the editor writes (the marker
// line of its ASE files) and in its windows.

namespace meshsmith {

inline constexpr const char* kProductName = "Meshsmith";

} // namespace meshsmith
