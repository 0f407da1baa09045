// The items that the setup editor's print-out asks the setup table for, in page order.
#pragma once

#include <vector>

class CSetupTable;

// Item 0 (general settings) and items 1-6 (hardware and software channels) for every setup, and items
// 7 and 8 (pulse channels) for model code 13. Analog channels have no item.
std::vector<int> PlanPrintPages(const CSetupTable& table);
