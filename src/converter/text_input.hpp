#pragma once
// The converter's names for the text reading it shares with the editor's
// imports (readers/): lines, formatted scanning, input faults.

#include "readers/line_reader.hpp"
#include "readers/scan_format.hpp"

namespace meshsmith::kiln {
using readers::InputError;
using readers::kMaxLineLength;
using readers::kMaxScanString;
using readers::matches;
using readers::readstr;
using readers::ScanResult;
using readers::scanFormatted;
using readers::ScanTarget;
using readers::TextSource;
} // namespace meshsmith::kiln
