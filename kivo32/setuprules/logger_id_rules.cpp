// The rules of the logger-ID window.
#include "kivo32/setuprules/logger_id_rules.h"

#include <algorithm>

namespace logger_id_rules {

namespace {

constexpr int kFirstQuarvenModel = 13;
constexpr std::size_t kMemoryModelIdMax = 5;
constexpr std::size_t kQuarvenIdMax = 32;
constexpr std::size_t kModelTextLength = 4;

}  // namespace

std::size_t LoggerIdLimit(int typeCode) {
    return typeCode < kFirstQuarvenModel ? kMemoryModelIdMax : kQuarvenIdMax;
}

bool IsVariantModel(std::string_view model) {
    return model.size() >= kModelTextLength && model[kModelTextLength - 1] == 'B';
}

std::string ModelKey(std::string_view model) {
    const std::size_t end = std::min(model.find_first_of("0B"), kModelTextLength);
    return std::string(model.substr(0, end));
}

std::string CompleteModelText(std::string model, bool variant) {
    if (model.size() == 2) {
        model += variant ? "0B" : "00";
    } else if (model.size() == 3) {
        model += variant ? "B" : "0";
    }
    return model;
}

int ShownIoConfig(int read) {
    return read & kIoConfigSwitchBits;
}

int IoConfigToWrite(int read, int switches) {
    return (read & ~kIoConfigSwitchBits) | (switches & kIoConfigSwitchBits);
}

}  // namespace logger_id_rules
