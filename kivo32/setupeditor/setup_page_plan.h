// The pages of the setup print-out: which items print on which page, by the lines each item takes.
#pragma once

#include <vector>

class CSetupTable;

// At most 10 pages.
inline constexpr int kMaxSetupPages = 10;

// The items of the print-out (general settings, the channels of PlanPrintPages) in order, a page ending
// before the item that would reach `pageHeight` with lines of `lineHeight`. Empty when a line has no
// height.
std::vector<std::vector<int>> PlanSetupPages(const CSetupTable& table, int lineHeight, int pageHeight);
