// Small helpers shared by the matrix algorithms.
#ifndef MATRIX_MATRIXUTIL_H
#define MATRIX_MATRIXUTIL_H

template <class T>
void SWAP(T& a, T& b) {
  T t = a;
  a = b;
  b = t;
}

#endif
