// The rules of the logger-ID window: the model text's completion and combo key, and the bits of the
// Quarven I/O configuration.
#pragma once

#include <string>
#include <string_view>

namespace logger_id_rules {

// The longest logger ID the logger keeps.
std::size_t LoggerIdLimit(int typeCode);
// Whether the model text names the variant: its fourth character is "B".
bool IsVariantModel(std::string_view model);
// The leading characters that pick the model combo's entry: up to the first "0" or "B", at most four.
std::string ModelKey(std::string_view model);
// The model text completed to four characters: a two-character text gets "0B" or "00", a
// three-character one "B" or "0"; others stay.
std::string CompleteModelText(std::string model, bool variant);

// The seven switches of the I/O configuration, bits 0-6.
inline constexpr int kIoConfigSwitchBits = 0x7F;
// The switches the window shows of a configuration as read.
int ShownIoConfig(int read);
// What goes back to the logger: the switches chosen, and the higher bits as they were read.
int IoConfigToWrite(int read, int switches);

}  // namespace logger_id_rules
