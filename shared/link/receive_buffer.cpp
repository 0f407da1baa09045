// The guarded receive buffer of a link.
#include "shared/link/receive_buffer.h"

#include <algorithm>
#include <cstring>

ReceiveBuffer::ReceiveBuffer() {
    bytes_.reserve(kCapacity);
}

std::size_t ReceiveBuffer::Append(std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    const std::size_t taken = std::min(bytes.size(), kCapacity - bytes_.size());
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(taken));
    return taken;
}

std::size_t ReceiveBuffer::Room(int limit) const {
    std::lock_guard lock(mutex_);
    const std::size_t room = kCapacity - bytes_.size();
    return limit > 0 ? std::min(room, static_cast<std::size_t>(limit)) : room;
}

std::size_t ReceiveBuffer::Count() const {
    std::lock_guard lock(mutex_);
    return bytes_.size();
}

void ReceiveBuffer::Clear() {
    std::lock_guard lock(mutex_);
    bytes_.clear();
}

void ReceiveBuffer::RemoveFront(std::size_t n) {
    std::lock_guard lock(mutex_);
    bytes_.erase(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(std::min(n, bytes_.size())));
}

std::size_t ReceiveBuffer::CopyOut(std::uint8_t* destination, std::size_t max) const {
    std::lock_guard lock(mutex_);
    const std::size_t count = std::min(max, bytes_.size());
    if (count > 0) {
        std::memcpy(destination, bytes_.data(), count);
    }
    return count;
}

std::vector<std::uint8_t> ReceiveBuffer::Snapshot() const {
    std::lock_guard lock(mutex_);
    return bytes_;
}

std::string ReceiveBuffer::Text() const {
    std::lock_guard lock(mutex_);
    return std::string(bytes_.begin(), bytes_.end());
}
