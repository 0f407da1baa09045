// The firmware feature tests of the Quarven models. Firmware 269 and 303 were withdrawn builds that
// lack what their neighbours have.
#include "shared/logger/firmware_features.h"

namespace {

bool IsQuarven(int typeCode) {
    return typeCode >= 13;
}

}  // namespace

bool IsLargeFirmwareBlockSupported(int typeCode, int firmware) {
    return IsQuarven(typeCode) && firmware >= 267 && firmware != 269;
}

bool SupportsLineMode(int typeCode, int firmware) {
    return IsQuarven(typeCode) && firmware >= 265 && firmware != 269;
}

bool IsAutoFrequencySupported(int typeCode, int firmware) {
    return IsQuarven(typeCode) && (firmware == 0 || firmware >= 300);
}

bool IsDemandWindowSupported(int typeCode, int firmware) {
    return IsQuarven(typeCode) && firmware >= 301 && firmware != 303;
}

bool IsModuleTextSupported(int typeCode, int firmware) {
    return IsQuarven(typeCode) && firmware >= 360;
}
