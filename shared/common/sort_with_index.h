// Sorting a table of values together with the indices that say where each value came from.
#pragma once

#include <span>

// Sorts `values` and moves each entry of `indices` with its value; equal values keep their order and
// NaNs go last.
// Only the entries that both spans have are sorted.
void SortAscendingWithIndex(std::span<double> values, std::span<int> indices);
void SortDescendingWithIndex(std::span<double> values, std::span<int> indices);
