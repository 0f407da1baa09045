// The program's own date and time formats: one CDateTimeFormatHelper that the date and time texts of
// every thread follow, loaded from the source the program supplies at start and again on a change.
#pragma once

#include <string>

#include "shared/common/date_time_format_helper.h"

// Takes `source` (the desktop's regional formats) and loads the formats from it at once; an empty
// source goes back to the defaults ("MM/dd/yy", "HH:mm:ss").
void SetProgramFormatSource(CDateTimeFormatHelper::FormatSource source);
// Reads the formats from the source again: the user changed them while the program runs.
void ReloadProgramFormats();

// The formats and order codes as last loaded; safe from any thread.
std::string GetProgramShortDateFormat();
int GetProgramDateOrder();
std::string GetProgramTimeFormat();
