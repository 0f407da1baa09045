// The logger models the simulator can play: type code, firmware text and identity.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct LoggerModel {
    std::string name;          // for the command line: "standard", "quarven-rs"...
    int typeCode = 0;          // the model it is; the program decides 13 for both Quarven models
    std::string firmwareText;  // 10 characters of the identification record, NUL-padded
    std::string loggerId;      // 6 characters
    std::string description;   // up to 21 characters
    int commandLimit = 70;     // longest command line it takes
};

const std::vector<LoggerModel>& LoggerModels();
// nullptr for an unknown name.
const LoggerModel* FindLoggerModel(std::string_view name);
