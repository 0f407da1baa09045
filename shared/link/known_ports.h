// The application's known-port array: entries "X,<name>" for a hidden port and ",<name>" for a shown
// one, loaded and saved with the program's settings.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> GetKnownPorts();
void SetKnownPorts(std::vector<std::string> entries);
