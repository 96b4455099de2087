// Included before every source of the browser build: the C++20 library features the core uses
// that emscripten's C++ library (an older libc++) does not have yet, from the compiler's builtins.
#pragma once

#include <bit>
#include <version>

#if !defined(__cpp_lib_bit_cast)
namespace std {
template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From));
  return __builtin_bit_cast(To, from);
}
}  // namespace std
#endif
