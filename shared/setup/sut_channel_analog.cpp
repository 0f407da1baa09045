// CSUTChannelAnalog: defaults and the raw fields of the logger image.
#include "shared/setup/sut_channel_analog.h"

#include <algorithm>

#include "shared/setup/setup_codes.h"

CSUTChannelAnalog::CSUTChannelAnalog() {
    SetOptions(kOptionBit1);
}

void CSUTChannelAnalog::SetRawField(std::size_t offset, std::span<const std::uint8_t> bytes) {
    std::copy(bytes.begin(), bytes.end(), block_.Field(offset, bytes.size()).begin());
}
