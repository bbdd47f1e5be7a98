// The compiler-specific pieces of the program, each with a portable
// fallback.  Defining QUINTAVELMOR_PORTABLE selects every fallback, so that
// the tests build and run them on any compiler.
#ifndef PROGINC_PORTABILITY_H
#define PROGINC_PORTABILITY_H

#include <cstdint>

// A 128-bit unsigned integer, where the compiler has one; without it the
// fixed-point formatter hands every value to the C library.
#if defined(__SIZEOF_INT128__) && !defined(QUINTAVELMOR_PORTABLE)
#define QUINTAVELMOR_HAS_UINT128 1
using uint128 = unsigned __int128;
#else
#define QUINTAVELMOR_HAS_UINT128 0
#endif

#if (defined(__GNUC__) || defined(__clang__)) && !defined(QUINTAVELMOR_PORTABLE)
#define QUINTAVELMOR_GNU_BUILTINS 1
#else
#define QUINTAVELMOR_GNU_BUILTINS 0
#endif

// The number of leading zero bits of x, which must not be 0.
inline int LeadingZeros64(std::uint64_t x) {
#if QUINTAVELMOR_GNU_BUILTINS
  return __builtin_clzll(x);
#else
  int zeros = 0;
  for (std::uint64_t bit = std::uint64_t(1) << 63; (x & bit) == 0; bit >>= 1) zeros++;
  return zeros;
#endif
}

// Asks the processor to fetch the memory at p ahead of a read; a hint only.
inline void PrefetchForRead(const void* p) {
#if QUINTAVELMOR_GNU_BUILTINS
  __builtin_prefetch(p);
#else
  (void)p;
#endif
}

// Whether the machine stores the lowest byte of a word first.  When the
// compiler does not say, the readers take their byte-order-free paths.
#if defined(__BYTE_ORDER__) && !defined(QUINTAVELMOR_PORTABLE)
constexpr bool kLittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;
#else
constexpr bool kLittleEndian = false;
#endif

#endif
