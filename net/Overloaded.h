#pragma once

namespace net {

// One visitor of a std::variant made of a lambda per alternative.
template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace net
