// Dialog requests: a question that code without windows asks as one plain struct per request (its
// inputs and the user's answers as members), the program-wide table of the answers, keyed by the
// request's type, and the lists of request types a program checks its answers against.
#pragma once

#include <any>
#include <array>
#include <concepts>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>

#include "platform/base/ui_broker.h"

namespace platform {

// A request type: a copyable struct whose `kName` names its window for traces and scripts
// ("CSetTimeDlg").
template <class Request>
concept DialogRequestType = std::is_class_v<Request> && std::is_copy_constructible_v<Request> && requires {
    { Request::kName } -> std::convertible_to<std::string_view>;
};

// One request as the broker sees it: its name, its type and the struct, which the answer writes into.
class RequestRef {
public:
    template <DialogRequestType Request>
    explicit RequestRef(Request& request)
        : name_(Request::kName),
          type_(typeid(Request)),
          request_(&request),
          copy_([](const void* held) { return std::any(*static_cast<const Request*>(held)); }) {}

    std::string_view Name() const { return name_; }
    std::type_index Type() const { return type_; }
    // The struct when it is a `Request`; nullptr otherwise.
    template <DialogRequestType Request>
    Request* As() const {
        return type_ == typeid(Request) ? static_cast<Request*>(request_) : nullptr;
    }
    // A copy of the struct as it is now, for a record of what was asked.
    std::any Copy() const { return copy_(request_); }

private:
    std::string_view name_;
    std::type_index type_;
    void* request_;
    std::any (*copy_)(const void*);
};

// How the program answers a request: it shows the request's window on the user-interface thread (or,
// without one, answers by rule), writes the user's choices into the request and returns IDOK, IDCANCEL
// or a button id.
template <DialogRequestType Request>
using DialogRunner = std::function<int(Request&)>;

namespace detail {

// The one answer of each request type: a per-type slot.
template <DialogRequestType Request>
struct RunnerSlot {
    inline static std::mutex mutex;
    inline static DialogRunner<Request> runner;
};

}  // namespace detail

// The program registers one answer per request type at start; a later registration replaces it, an
// empty function removes it.
template <DialogRequestType Request>
void RegisterDialogRunner(DialogRunner<Request> runner) {
    std::lock_guard lock(detail::RunnerSlot<Request>::mutex);
    detail::RunnerSlot<Request>::runner = std::move(runner);
}

// The answer registered for `Request`; an empty function when there is none.
template <DialogRequestType Request>
DialogRunner<Request> FindDialogRunner() {
    std::lock_guard lock(detail::RunnerSlot<Request>::mutex);
    return detail::RunnerSlot<Request>::runner;
}

// Asks the current broker (UiBroker::RunRequest) for `request` with the registered answer.
template <DialogRequestType Request>
int RunDialogRequest(Request& request) {
    const DialogRunner<Request> runner = FindDialogRunner<Request>();
    std::function<int()> answer;
    if (runner) {
        answer = [&runner, &request] { return runner(request); };
    }
    return CurrentUiBroker().RunRequest(RequestRef(request), answer);
}

namespace detail {

template <DialogRequestType... Requests>
consteval bool NamesAreDistinct() {
    constexpr std::array<std::string_view, sizeof...(Requests)> names{std::string_view(Requests::kName)...};
    for (std::size_t i = 0; i < names.size(); ++i) {
        for (std::size_t j = i + 1; j < names.size(); ++j) {
            if (names[i] == names[j]) {
                return false;
            }
        }
    }
    return true;
}

template <class... Types>
struct TypesAreDistinct : std::true_type {};
template <class First, class... Rest>
struct TypesAreDistinct<First, Rest...>
    : std::bool_constant<(!std::is_same_v<First, Rest> && ...) && TypesAreDistinct<Rest...>::value> {};

}  // namespace detail

// A list of request types, checked as it compiles: each type once, each with a name of its own.
template <DialogRequestType... Requests>
struct RequestList {
    static_assert(detail::TypesAreDistinct<Requests...>::value, "a request type is listed twice");
    static_assert(((!std::string_view(Requests::kName).empty()) && ...), "a request type has no name");
    static_assert(detail::NamesAreDistinct<Requests...>(), "two request types share a name");

    // Calls `visit.template operator()<Request>()` for each type in turn.
    template <class Visit>
    static void ForEach(Visit&& visit) {
        (visit.template operator()<Requests>(), ...);
    }
};

}  // namespace platform
