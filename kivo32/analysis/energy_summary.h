// BuildEnergySummary: the energy registers that a logger kept itself, as stored in a data file's setup
// table: peak demand, totals, and the software channels' energy registers and peaks.
#pragma once

#include <ctime>
#include <string>

class CDataInfo;
class CSetupTable;

// Lines end in CR LF; empty for a logger that keeps no such registers.
std::string BuildEnergySummary(const CSetupTable& setup, const CDataInfo& info);
// What the energy summary window shows: the summary after a blank line, or why there is none (a Quarven
// whose firmware keeps no demand window) or that there is none.
std::string EnergySummaryWindowText(const CSetupTable& setup, const CDataInfo& info);
// The firmware number of a data file: the digits after the last '.' of its firmware text (0 without).
int FirmwareNumber(const CDataInfo& info);
// The time text, a blank and the date text (four-digit year) of `time`, in the user's formats.
std::string FormatRecordTime(std::time_t time);
