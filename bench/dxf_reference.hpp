#pragma once
// The DXF import as it was at commit 721b692 (dxf_reference.cpp), with the
// interface of today's importDxf and importDxfLines.

#include "model/dxf_import.hpp"

namespace meshsmith::dxf_reference {

OperationResult importDxf(Project& p, const std::string& path, DxfKind kind, UserPrompts& prompts,
                          LogSink& log, RandomColours& colours);
OperationResult importDxfLines(Project& p, const std::vector<std::string>& lines,
                               const std::string& path, DxfKind kind, UserPrompts& prompts,
                               LogSink& log, RandomColours& colours);

} // namespace meshsmith::dxf_reference
