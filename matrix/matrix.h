// matrix<T>: the system's one container, a dense, row-major, range-checked
// two-dimensional array that owns its elements.  A list is a one-column matrix.
#ifndef MATRIX_MATRIX_H
#define MATRIX_MATRIX_H

#include <cstddef>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>

#include "matrix/MError.h"
#include "matrix/ZeroBytesDefault.h"

template <class T>
class matrix {
 public:
  long r;  // number of rows
  long c;  // number of columns
  T* v;    // r*c elements in row-major order; null while nothing was allocated

  matrix() : r(0), c(0), v(nullptr) {}
  matrix(long rows, long cols) : r(0), c(0), v(nullptr) { Allocate(rows, cols); }
  matrix(long rows, long cols, T value) : r(0), c(0), v(nullptr) {
    Allocate(rows, cols);
    Fill(value);
  }
  matrix(const matrix<T>& m) : r(0), c(0), v(nullptr) {
    Allocate(m.r, m.c);
    CopyElements(m);
  }
  ~matrix() { Release(); }

  long NRow() const { return r; }
  long NCol() const { return c; }
  long Length() const { return r * c; }

  // Reshapes; the contents are kept only when the shape does not change.
  void Resize(long rows, long cols) {
    if (rows == r && cols == c) return;
    Release();
    Allocate(rows, cols);
  }
  void Resize(long n) { Resize(n, 1); }
  void Resize(long rows, long cols, T value) {
    Resize(rows, cols);
    Fill(value);
  }

  matrix<T>& operator=(const matrix<T>& m) {
    if (this == &m) return *this;
    Resize(m.r, m.c);
    CopyElements(m);
    return *this;
  }

  T& operator()(long i) {
    CheckSet();
    if (i < 0 || i >= r * c) Error("Operator:   ()\nMatrix index not in range: ", i, r * c - 1);
    return v[i];
  }
  const T& operator()(long i) const { return const_cast<matrix<T>&>(*this)(i); }

  T& operator()(long i, long j) {
    CheckSet();
    if (i < 0 || i >= r) Error("Operator:   ()\nRow index not in range: ", i, r - 1);
    if (j < 0 || j >= c) Error("Operator:   ()\nColumn index not in range: ", j, c - 1);
    return v[i * c + j];
  }
  const T& operator()(long i, long j) const { return const_cast<matrix<T>&>(*this)(i, j); }

 private:
  static constexpr bool kZeroFilled = ZeroBytesAreDefault<T>::value;

  void CheckSet() const {
    if (c == 0 || r == 0) invError("Operator:   ()\nMatrix is not set: ", r, c);
  }

  // A negative shape, or one whose element count does not fit in a long or in
  // memory, is fatal rather than undefined behaviour.
  void Allocate(long rows, long cols) {
    const long maxElements =
        static_cast<long>(std::numeric_limits<std::ptrdiff_t>::max() / sizeof(T));
    if (rows < 0 || cols < 0 || (cols != 0 && rows > maxElements / cols))
      invError("Operator:   Resize\nMatrix size not valid: ", rows, cols);
    r = rows;
    c = cols;
    const long n = rows * cols;
    if (n == 0) return;
    // A zero-filled block fresh from the system is not touched at all until
    // it is written.  Large blocks get no huge-page hint: in a virtual
    // machine that hands free memory back to its host, huge pages are taken
    // from that memory and backing it again costs far more, and far less
    // predictably, than the page faults they save.
    static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "over-aligned element type");
    static_assert(!kZeroFilled || CanBeZeroFilled<T>(), "element type needs construction");
    const size_t bytes = static_cast<size_t>(n) * sizeof(T);
    void* block = kZeroFilled ? std::calloc(static_cast<size_t>(n), sizeof(T))
                              : ::operator new(bytes, std::nothrow);
    if (block == nullptr) {
      r = 0;
      c = 0;
      invError("Operator:   Resize\nMatrix cannot be allocated: ", rows, cols);
      return;
    }
    v = static_cast<T*>(block);
    if (!kZeroFilled) std::uninitialized_default_construct_n(v, n);
  }

  void Release() {
    if (v != nullptr) {
      std::destroy_n(v, r * c);
      if (kZeroFilled)
        std::free(v);
      else
        ::operator delete(v);
    }
    v = nullptr;
    r = 0;
    c = 0;
  }

  void Fill(const T& value) {
    for (long k = 0; k < r * c; k++) v[k] = value;
  }

  void CopyElements(const matrix<T>& m) {
    for (long k = 0; k < r * c; k++) v[k] = m.v[k];
  }
};

#endif
