// The receive buffer of a link: filled by the read thread, read and emptied by the command routine,
// every access under one lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <vector>

class ReceiveBuffer {
public:
    static constexpr std::size_t kCapacity = 5136;

    ReceiveBuffer();

    // Appends what fits and returns how many bytes that was.
    std::size_t Append(std::span<const std::uint8_t> bytes);
    // Room left, at most `limit` when limit is positive (a block reply of known length).
    std::size_t Room(int limit) const;
    std::size_t Count() const;
    void Clear();
    // Drops `n` bytes from the front (all of them when n >= Count()).
    void RemoveFront(std::size_t n);
    // Copies min(max, Count()) bytes to `destination`; returns the count.
    std::size_t CopyOut(std::uint8_t* destination, std::size_t max) const;
    // A copy of what is there now.
    std::vector<std::uint8_t> Snapshot() const;
    std::string Text() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::uint8_t> bytes_;
};
