// How the values of data records print: decimals by value kind in the grid and in CSV text.
#pragma once

#include <string>

// Decimals of a value of `valueKind` as the grid shows it.
int GridDecimals(int valueKind);
// Decimals of a value of `valueKind` in a CSV record line.
int CsvDecimals(int valueKind);
// Value kind 16 holds a duration in seconds: within 1 of the logging interval it prints as the interval.
double DurationShownAs(double value, long intervalSeconds);
// The value of a float cell as it prints: kind 16 by DurationShownAs, every other kind as it is.
double ValueShownAs(int valueKind, double value, long intervalSeconds);

// Appends `value` with `decimals` decimals, as printf's "%.*f" writes it.
void AppendFixed(std::string& text, double value, int decimals);
