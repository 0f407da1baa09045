// The plotting methods of the graph type dialog: list position to method code and back.
#pragma once

#include <array>

// The method codes in list order: line, points, best-fit curve, area, bar, points and line, step, stick,
// spline, best-fit line.
inline constexpr std::array<int, 10> kGraphMethodCodes{0, 2, 17, 3, 1, 4, 8, 13, 15, 16};

// Any other list position gives code 0.
int GraphMethodCode(int listIndex);
// Any other code gives position 0.
int GraphMethodIndex(int code);
