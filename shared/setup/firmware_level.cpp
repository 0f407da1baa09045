// The firmware-level check of the setup editor.
#include "shared/setup/firmware_level.h"

#include "shared/setup/setup_codes.h"
#include "shared/setup/sut_header.h"

namespace {

// The first firmware versions that take the editor's settings, by model.
constexpr int kStandardMinimum = 133;
constexpr int kOrnatMinimum = 152;
constexpr int kBrelanMinimum = 149;
// Documents of this format version and later need no check.
constexpr int kCheckedDocumentVersion = 403;

}  // namespace

int CheckFirmwareLevel(int documentVersion, const CSUTHeader& header) {
    if (documentVersion >= kCheckedDocumentVersion) {
        return kFirmwareLevelOk;
    }
    const int firmware = header.GetFirmwareVersion();
    if (firmware == 0) {
        return kFirmwareLevelUnknown;
    }
    const int model = header.GetModelCode();
    const bool tooOld =
        (model >= kModelBrelanFirst && model <= kModelBrelanLast && firmware < kBrelanMinimum) ||
        (model >= kModelOrnatFirst && model <= kModelOrnatLast && firmware < kOrnatMinimum) ||
        (model == kModelStandard && firmware < kStandardMinimum);
    return tooOld ? kFirmwareLevelTooOld : kFirmwareLevelOk;
}
