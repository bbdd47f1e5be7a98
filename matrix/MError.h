// Error and warning frames of the matrix library (written to standard output).
#ifndef MATRIX_MERROR_H
#define MATRIX_MERROR_H

[[noreturn]] void Error(const char* err, long i, long r);
[[noreturn]] void Error(const char* err, long r1, long c1, long r2, long c2);
[[noreturn]] void invError(const char* err, long r, long c);
[[noreturn]] void UError(const char* err, long n);
[[noreturn]] void invError(const char* err, long double ods, long j);
void invWarning(const char* err, long double ods, long j);
void normWarning(const char* err);
[[noreturn]] void qrgivError(const char* err);
[[noreturn]] void subnormError(const char* err, long n, long r, long c);

#endif
