// CSUTAlarm: setting single flag and option bits.
#include "shared/setup/sut_alarm.h"

namespace {

std::uint8_t WithBits(std::uint8_t value, std::uint8_t bits, bool on) {
    return static_cast<std::uint8_t>(on ? value | bits : value & ~bits);
}

}  // namespace

void CSUTAlarm::SetFlag(std::uint8_t bits, bool on) {
    SetFlags(WithBits(GetFlags(), bits, on));
}

void CSUTAlarm::SetOption(std::uint8_t bits, bool on) {
    SetOptions(WithBits(GetOptions(), bits, on));
}
