// Text ids of kivo32's settings, as the resource library numbers them.
#pragma once

// The settings store that could not be read, in part or whole.
inline constexpr unsigned IDS_SETTINGS_VALUES_NOT_READ = 20933;
inline constexpr unsigned IDS_SETTINGS_NOT_READ_WHOLE = 20934;
