// A posted message: the system's message number, its wParam, and an owned payload in place of lParam.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <utility>

namespace platform {

// What a message carries beyond its numbers. It is owned by the message and moved to the receiver,
// never a pointer into the sender's buffers.
struct Payload {
    virtual ~Payload() = default;
};

template <class T>
struct ValuePayload : Payload {
    explicit ValuePayload(T v) : value(std::move(v)) {}
    T value;
};

template <class T>
std::unique_ptr<Payload> MakePayload(T value) {
    return std::make_unique<ValuePayload<std::decay_t<T>>>(std::move(value));
}

// Move-only, as its payload has one owner.
struct Message {
    Message() = default;
    // Message{id, wParam, payload, lParam} with the later ones optional.
    Message(unsigned messageId, std::uintptr_t w = 0, std::unique_ptr<Payload> p = nullptr,
            std::intptr_t l = 0)
        : id(messageId), wParam(w), payload(std::move(p)), lParam(l) {}

    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::unique_ptr<Payload> payload;
    // A plain number where the system passes one in lParam; anything owned goes in `payload`.
    std::intptr_t lParam = 0;
};

// The payload's value when it is a T (a ValuePayload<T>, or T itself when T is a Payload class);
// nullptr when there is none or it is of another type.
template <class T>
T* PayloadAs(const Message& message) {
    if constexpr (std::is_base_of_v<Payload, T>) {
        return dynamic_cast<T*>(message.payload.get());
    } else {
        auto* holder = dynamic_cast<ValuePayload<T>*>(message.payload.get());
        return holder ? &holder->value : nullptr;
    }
}

}  // namespace platform
