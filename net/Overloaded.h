#pragma once

namespace net {

// One visitor of a std::variant made of a lambda per alternative.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};
// Not every compiler deduces an aggregate's arguments yet.
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

}  // namespace net
