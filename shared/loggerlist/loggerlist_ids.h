// Text ids of the logger lists.
#pragma once

// Format strings taking the list's path.
inline constexpr unsigned IDS_LIST_READ_ONLY = 8240;
inline constexpr unsigned IDS_LIST_CONVERT_OLD = 8241;
inline constexpr unsigned IDS_LIST_NOT_A_LIST = 9309;
// Ours: the list that ends early or is damaged, and the file error of a read or save (path, then the
// error's own text).
inline constexpr unsigned IDS_LIST_DAMAGED = 21320;
inline constexpr unsigned IDS_LIST_FILE_ERROR = 21321;
