// The text of a load-profile table without Qt: each bucket's day (weekly only), start, end and value,
// and the CSV file written from them.
#pragma once

#include <string>

class CLoadProfile;
class CLoadProfileTOU;

// The table's columns: the day only in a weekly profile.
int LoadProfileTableColumns(const CLoadProfile& profile);
// The text of column `column` (1 from the left) of bucket `bucket`: day name, start, end (one second
// before the next bucket begins), the value with three decimals.
std::string LoadProfileCellText(const CLoadProfileTOU& profile, int bucket, int column);
// One line per bucket, the cells separated by ",", each line ending in "\n".
std::string LoadProfileCsvText(const CLoadProfileTOU& profile);
