// The Quarven's replies to "R?K" (six timed values) and "R?R" (fourteen further values), read into the
// extended data of a setup table.
#pragma once

#include <string_view>

class CSUTExtendedData;

// The reply text these readers take at most; the rest is left unread.
inline constexpr std::size_t kQuarvenReplyTextMax = 511;

// Six entries "month/day/year,hour:minute:second[,value]" (the time in UTC, a value of 0 when it is left
// out), separated by ";" or line breaks. Stores all six and returns true, or stores nothing and returns
// false when fewer than six entries stand in the reply.
bool ParseQuarvenTimedValues(std::string_view reply, CSUTExtendedData& extended);

// Two groups of seven entries, each group after a four-character head, on one line or on two; each
// entry's number stands after a blank and runs to ";" or the end of its line. Stores all fourteen and
// returns true, or stores nothing and returns false.
bool ParseQuarvenExtraValues(std::string_view reply, CSUTExtendedData& extended);
