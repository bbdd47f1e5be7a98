// sort(m): a sorted copy of a list (bubble sort over the first NRow() elements).
#ifndef MATRIX_SORT_H
#define MATRIX_SORT_H

#include "matrix/matrix.h"
#include "matrix/matrixUtil.h"

namespace sortns {
enum { ASC = 0, DISC = 1 };
// Direction used by sort(); ascending unless a caller changes it.
extern unsigned short sort;
}  // namespace sortns

template <class T>
matrix<T> sort(matrix<T>& m) {
  matrix<T> sorted(m);
  long n = m.NRow();
  bool swapped = true;
  while (swapped && n > 1) {
    swapped = false;
    for (long k = 0; k + 1 < n; k++) {
      const bool outOfOrder =
          sortns::sort == sortns::ASC ? sorted(k) > sorted(k + 1) : sorted(k) < sorted(k + 1);
      if (outOfOrder) {
        SWAP(sorted(k), sorted(k + 1));
        swapped = true;
      }
    }
    n--;
  }
  return sorted;
}

#endif
