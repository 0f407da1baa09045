// The bytes that each column of a data record takes in the logger's own record, by the setup table's
// record-size rules, so that a decoder can pass over a value it does not decode.
#pragma once

#include "shared/setup/raw_data_field.h"

class CSetupTable;

// Bytes before the values of a logger record: the record's time stamp and what comes with it.
int RawRecordBaseSize(int model);
// Bytes of `field` (a value or a time-of-day column) in a logger record of `setup`'s model.
int RawFieldWidth(const CSetupTable& setup, const CRawDataField& field);
