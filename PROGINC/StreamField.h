// One number extracted from a stream for a validating reader: a number too
// large for its type still counts as read, so that the reader's own range
// test can refuse it instead of the stream failing without a word.
#ifndef PROGINC_STREAMFIELD_H
#define PROGINC_STREAMFIELD_H

#include <istream>
#include <limits>

// Extracts `value`; true when the stream held a number.  A number beyond the
// type's range leaves the type's limit in `value` (which the stream stores on
// overflow) and the stream readable; text that is no number, or the end of the
// input, gives false with the stream failed.
template <class T>
bool ReadStreamField(std::istream& in, T& value) {
  value = T();
  if (in >> value) return true;
  // A failed extraction leaves 0, or the limit the number went beyond.
  const bool beyondRange = value != T() && (value == std::numeric_limits<T>::max() ||
                                            value == std::numeric_limits<T>::lowest());
  if (in.bad() || !beyondRange) return false;
  in.clear(in.rdstate() & ~std::ios::failbit);
  return true;
}

#endif
