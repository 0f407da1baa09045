// GridWalkProgress: how a walk over the grid's rows reports how far it got and learns that it must stop.
#pragma once

#include <atomic>

// Shared between the walk's thread and the window that waits for it.
class GridWalkProgress {
public:
    // Records the per cent done; false once the user asked to stop.
    bool Report(int percent) {
        percent_.store(percent, std::memory_order_relaxed);
        return !stop_.load(std::memory_order_relaxed);
    }
    // Per cent done of `row` in rows first..last, reported only every 4096 rows.
    bool ReportRow(long row, long first, long last) {
        if ((row - first) % 4096 != 0) {
            return !stop_.load(std::memory_order_relaxed);
        }
        return Report(last > first ? static_cast<int>(100 * (row - first) / (last - first)) : 100);
    }
    int Percent() const { return percent_.load(std::memory_order_relaxed); }
    void Stop() { stop_.store(true, std::memory_order_relaxed); }
    bool Stopped() const { return stop_.load(std::memory_order_relaxed); }

private:
    std::atomic<int> percent_{0};
    std::atomic<bool> stop_{false};
};
