// The interval codes of setup tables: seconds, the logger's interval byte and records per day.
#pragma once

#include <cstdint>

// Codes 0-16 exist; a setup's code 255 asks for the setup's own code (CSetupTable::GetRecordsPerDay).
inline constexpr int kIntervalCodeCount = 17;
inline constexpr int kIntervalOwnCode = 255;

// 0 for any number of seconds without a code of its own; 1 second gives code 16, never 7.
int SecondsToIntervalCode(long seconds);
// 0 for codes outside 0-16.
long IntervalCodeToSeconds(int code);
// The logger's own form: the top two bits the unit (00 minutes, 01 seconds, 10 hours), the low six the
// count. 0 for codes outside 0-16.
std::uint8_t IntervalCodeToLoggerByte(int code);
// The first code in code order whose logger byte equals `loggerByte`; 0 when none does.
int LoggerIntervalToCode(std::uint8_t loggerByte);
// Code 7 counts 43200 records per day although it stands for 1 second: loggers reporting 0xC0 rely
// on it. 0 for codes outside 0-16.
long IntervalCodeToRecordsPerDay(int code);
