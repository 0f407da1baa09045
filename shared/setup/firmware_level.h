// The firmware-level check of the setup editor: whether the logger a setup came from can take the
// editor's settings.
#pragma once

class CSUTHeader;

inline constexpr int kFirmwareLevelOk = 1;
inline constexpr int kFirmwareLevelUnknown = -1;
inline constexpr int kFirmwareLevelTooOld = -2;

// 1 for a setup document of format version 403 or above. Otherwise by the logger firmware version kept
// in the header: -1 when it is 0 (not known); -2 when it is below 149 for model codes 3-10, below 152 for
// 1-2 or below 133 for 0; else 1.
int CheckFirmwareLevel(int documentVersion, const CSUTHeader& header);
