// The grid's print settings kept in the program's settings as the defaults of new grid views.
#pragma once

#include "platform/ui/grid_print_properties.h"

// Writes the margins, lines, headers, centring, frame and page order under the grid's group. The
// header and footer lines are left out: every print-out fills them from its patterns.
void SaveGridPrintProfile(const platform::GridPrintProperties& properties);
// Reads what was saved into `properties`; a setting never saved, or one out of its range, keeps the
// value `properties` has.
void LoadGridPrintProfile(platform::GridPrintProperties& properties);
