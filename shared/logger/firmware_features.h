// What a Quarven logger's firmware can do, by type code and firmware number; every test is false
// below type code 13.
#pragma once

bool IsLargeFirmwareBlockSupported(int typeCode, int firmware);
bool SupportsLineMode(int typeCode, int firmware);
bool IsAutoFrequencySupported(int typeCode, int firmware);
bool IsDemandWindowSupported(int typeCode, int firmware);
bool IsModuleTextSupported(int typeCode, int firmware);
