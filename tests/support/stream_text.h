// Test support: the exact text a value's stream writer produces.
#ifndef TESTS_SUPPORT_STREAM_TEXT_H
#define TESTS_SUPPORT_STREAM_TEXT_H

#include <sstream>
#include <string>

template <class T>
std::string Written(const T& value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

#endif
