// Error and warning frames of the matrix library.
#include "matrix/MError.h"

#include <iomanip>
#include <iostream>

#include "PROGINC/ProcessExit.h"

namespace {

const char* const kStars = "************************************************************";

void WriteHead(const char* title, const char* err) {
  std::cout << "\n" << kStars << "\n" << title << "\n";
  std::cout << "\n\t" << err;
}

void WriteTailStars() { std::cout << kStars << "\n"; }

[[noreturn]] void ExitProgram() {
  std::cout << "Exiting program..." << std::endl << std::endl;
  EndProcess(1);
}

void WriteOddsTail(long double ods, long j) {
  std::cout << std::setw(10) << ods << " 10**-15 " << std::setw(5) << j << "\n\n";
}

}  // namespace

void Error(const char* err, long i, long r) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << std::setw(5) << i << " -> [" << std::setw(5) << 0 << "," << std::setw(5) << r
            << "]\n\n";
  WriteTailStars();
  ExitProgram();
}

void Error(const char* err, long r1, long c1, long r2, long c2) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << "  [" << std::setw(5) << r1 << "," << std::setw(5) << c1 << "] -> [" << std::setw(5)
            << r2 << "," << std::setw(5) << c2 << "]\n\n";
  WriteTailStars();
  ExitProgram();
}

void invError(const char* err, long r, long c) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << " [" << std::setw(5) << r << "," << std::setw(5) << c << "]\n\n";
  WriteTailStars();
  ExitProgram();
}

void UError(const char* err, long n) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << " [" << std::setw(5) << n << "]\n\n";
  WriteTailStars();
  ExitProgram();
}

void invError(const char* err, long double ods, long j) {
  WriteHead("MATRIX::ERROR:", err);
  WriteOddsTail(ods, j);
  WriteTailStars();
  ExitProgram();
}

void invWarning(const char* err, long double ods, long j) {
  WriteHead("MATRIX::WARNING:", err);
  WriteOddsTail(ods, j);
  WriteTailStars();
}

void normWarning(const char* err) {
  WriteHead("MATRIX::WARNING:", err);
  std::cout << "\n\n" << kStars << "\n";
  std::cout << "Continuing program..." << std::endl << std::endl;
}

void qrgivError(const char* err) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << "\n\n" << kStars << "\n";
  ExitProgram();
}

void subnormError(const char* err, long n, long r, long c) {
  WriteHead("MATRIX::ERROR:", err);
  std::cout << " [" << std::setw(5) << r << "," << std::setw(5) << c << "] -> n = " << n << "\n\n";
  WriteTailStars();
  ExitProgram();
}
