// ZeroBytesAreDefault: element types of the matrix container whose
// default-constructed value is all zero bytes, and which need no
// construction or destruction, may say so.  Their blocks are then taken
// zero-filled from the allocator instead of being constructed element by
// element: memory fresh from the system is zero already, so a series of
// millions of values costs no writing pass before it is read into.
#ifndef MATRIX_ZEROBYTESDEFAULT_H
#define MATRIX_ZEROBYTESDEFAULT_H

#include <type_traits>

template <class T>
struct ZeroBytesAreDefault : std::false_type {};

// Whether T may say so: its objects come into being in zero-filled storage
// without a constructor call.
template <class T>
constexpr bool CanBeZeroFilled() {
  return std::is_trivially_copyable<T>::value && std::is_trivially_destructible<T>::value;
}

#endif
