// Where the base layer writes its diagnostic lines: to the program's trace log once it is connected.
#pragma once

#include <string_view>

namespace platform {

using DiagnosticTraceWriter = void (*)(std::string_view line);

// The program connects its trace log at start; nullptr (and the start) drops the lines.
void SetDiagnosticTrace(DiagnosticTraceWriter writer);
// From any thread.
void WriteDiagnosticTrace(std::string_view line);

}  // namespace platform
