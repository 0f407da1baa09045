// Text ids of kivo32's settings; fixed numbers: never renumber.
#pragma once

// The settings store that could not be read, in part or whole.
inline constexpr unsigned IDS_SETTINGS_VALUES_NOT_READ = 20933;
inline constexpr unsigned IDS_SETTINGS_NOT_READ_WHOLE = 20934;
