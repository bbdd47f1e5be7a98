// UniqList(m): the distinct values of a list, sorted, as a one-column matrix.
#ifndef MATRIX_UNIQLIST_H
#define MATRIX_UNIQLIST_H

#include "matrix/matrix.h"
#include "matrix/sort.h"

template <class T>
matrix<T> UniqList(matrix<T>& m) {
  const long n = m.NRow();
  matrix<T> sorted = sort(m);
  long distinct = 1;
  for (long k = 1; k < n; k++)
    if (sorted(k) != sorted(k - 1)) distinct++;
  matrix<T> result;
  result.Resize(distinct);
  result(0) = sorted(0);
  long next = 1;
  for (long k = 1; k < n; k++)
    if (sorted(k) != sorted(k - 1)) result(next++) = sorted(k);
  return result;
}

#endif
