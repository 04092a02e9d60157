// Failure as a value, one way for every layer: a step that can fail gives back
// what it made, or a Failure that says why in words and names the file or
// folder concerned when there is one. Result<> is a step that makes nothing.
// It is std::expected in small, which C++20 lacks:
//
//   Result<MenuFileBytes> r = ReadMenuBytes(path);
//   if (!r)
//       return Tell(r.failure().reason);
//   Use(r->size);
//
// The reason is UTF-8 text, as the core keeps all text; the toolkit's side
// turns its own reasons into one with Failed (StringBridge.h).
#pragma once

#include <string>
#include <type_traits>
#include <utility>
#include <variant>

struct Failure {
    explicit Failure(std::string why, std::string where = {})
        : reason(std::move(why)), path(std::move(where))
    {
    }

    std::string reason; // as the user reads it
    std::string path;   // "" when no file or folder is concerned
};

template <class T = std::monostate> class [[nodiscard]] Result
{
public:
    // Success, for the steps that make nothing: `return {};`.
    Result() requires(std::is_same_v<T, std::monostate>) {}
    Result(T value) : state_(std::move(value)) {}
    Result(Failure failure) : state_(std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T& operator*() { return std::get<0>(state_); }
    const T& operator*() const { return std::get<0>(state_); }
    T* operator->() { return &std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }

    // Why not; only when !ok().
    const Failure& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure> state_;
};
