// CSUTChannelSoftware: defaults.
#include "shared/setup/sut_channel_software.h"

#include "shared/setup/setup_codes.h"

CSUTChannelSoftware::CSUTChannelSoftware() {
    SetHardwareFlag(0, 1);
    SetHardwareFlag(1, 1);
    SetPowerOptions(kQuantityKW, kOptionBit1);
}
