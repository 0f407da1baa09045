// Model names of logger type codes, as the CSV form of a data file writes and reads them.
#pragma once

#include <string>
#include <string_view>

// The name of a type code; empty for a code without one.
std::string GetLoggerTypeName(int typeCode);
// The type code of a name, by exact comparison; 0 for a name it does not know.
int GetLoggerTypeFromName(std::string_view name);
