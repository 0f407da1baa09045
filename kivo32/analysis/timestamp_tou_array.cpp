// CTimestampTOUArray: the time stamps of a data grid's rows.
#include "kivo32/analysis/timestamp_tou_array.h"

void CTimestampTOUArray::RemoveAll() {
    stamps_.clear();
}
