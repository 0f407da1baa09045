// Numbers as text and back: significant digits, decimals, strict parsing.
#pragma once

#include <string>
#include <string_view>

// `value` with `digits` significant digits (at least 1): every digit before the point is kept, so a
// number needs no more digits than it has before its point ("1234" for 1234.4 at 2 digits); a value
// below 1 gets the zeros after the point that it needs. Never ends in a point; zero gives as many
// zeros as digits.
std::string FloatToSignificantText(float value, int digits);

// Characters after the ".", 0 when there is none.
int CountDecimals(std::string_view text);
// Decimal digits at the start of the text.
int CountLeadingDigits(std::string_view text);

// A decimal number, with blanks and tabs around it and nothing else, in the C locale whatever the
// program's locale is. False (the value untouched) for anything else, and for infinities, NaN and
// numbers beyond the range of a double.
bool ParseDouble(std::string_view text, double& value);
// A decimal whole number of int size, with blanks and tabs around it and nothing else. False (the value
// untouched) for anything else.
bool ParseInt(std::string_view text, int& value);
