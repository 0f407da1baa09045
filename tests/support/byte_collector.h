// A ByteReceiver for transport tests: keeps what a reader hands it and how the reader ended, and lets
// the test wait for either.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "platform/io/byte_transport.h"

namespace testsupport {

class ByteCollector : public platform::ByteReceiver {
public:
    // The room offered to the reader; 0 offers none.
    explicit ByteCollector(std::size_t room = 4096) : room_(room) {}

    std::size_t ReceiveRoom() override { return room_; }
    bool OnBytes(std::span<const std::uint8_t> bytes) override {
        Update([&] { received_.append(bytes.begin(), bytes.end()); });
        return true;
    }
    void OnReaderEnded(int error) override {
        Update([&] { ended_ = error; });
    }

    // False when `count` bytes did not come within a generous deadline.
    bool WaitForBytes(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, kDeadline, [&] { return received_.size() >= count; });
    }
    // The errno the reader ended with; nullopt when it did not end by itself within the deadline.
    std::optional<int> WaitForEnd() {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, kDeadline, [&] { return ended_.has_value(); });
        return ended_;
    }
    std::string Received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }
    std::optional<int> Ended() const {
        std::lock_guard lock(mutex_);
        return ended_;
    }

private:
    static constexpr auto kDeadline = std::chrono::seconds(30);

    template <class Change>
    void Update(Change change) {
        std::lock_guard lock(mutex_);
        change();
        changed_.notify_all();
    }

    const std::size_t room_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::string received_;
    std::optional<int> ended_;
};

// The bytes of `text`, for a transport's Write.
inline const std::uint8_t* BytesOf(std::string_view text) {
    return reinterpret_cast<const std::uint8_t*>(text.data());
}

}  // namespace testsupport
