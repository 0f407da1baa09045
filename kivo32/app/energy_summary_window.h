// The energy summary window: the registers a logger kept, of the active data file or read from the
// connected logger, in the text window with its refresh button.
#pragma once

class CDataInfo;
class CSetupTable;

// Shows the summary of `setup` and `info`, titled for a data file or for the logger; returns the
// window's result, IDC_DISPLAY_REFRESH when the user asks for the summary afresh.
int ShowEnergySummary(const CSetupTable& setup, const CDataInfo& info, bool fromLogger);
