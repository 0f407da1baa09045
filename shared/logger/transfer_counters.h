// The bytes of a firmware transfer: moved by the session thread as blocks go through, read by the window
// that follows the transfer on another thread.
#pragma once

#include <atomic>
#include <cstdint>

struct TransferCounters {
    std::atomic<std::uint64_t> total{0};
    std::atomic<std::uint64_t> done{0};

    // A new transfer of `bytes`: nothing moved yet.
    void Start(std::uint64_t bytes) {
        done.store(0);
        total.store(bytes);
    }
    void Add(std::uint64_t bytes) { done.fetch_add(bytes); }
};
