// Test support for the time classes: their error frame, and what a writer
// prints together with the stream state it leaves behind.
#ifndef TESTS_SUPPORT_TIME_OUTPUT_H
#define TESTS_SUPPORT_TIME_OUTPUT_H

#include <gtest/gtest.h>

#include <functional>
#include <ios>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/fatal_output.h"

// The frame a class's Error member writes to standard output.
inline std::string ClassFrame(const std::string& className, const std::string& message) {
  return "\n**** " + className + ": Error -> " + message + " ****\n     Exiting class " +
         className + " ... \n";
}

// One fatal path of a time class and the message it must end with.
struct FatalCase {
  const char* what;
  std::function<void()> run;
  const char* message;
};

// Runs each case in a child and checks the exact frame of `className` on
// standard output, nothing on standard error, and status 1.
inline void ExpectClassErrors(const std::string& className, const std::vector<FatalCase>& cases) {
  for (const FatalCase& c : cases) {
    SCOPED_TRACE(c.what);
    ChildOutput output = RunExpectingExit(c.run);
    EXPECT_EQ(output.out, ClassFrame(className, c.message));
    EXPECT_EQ(output.err, "");
  }
}

struct Printed {
  std::string text;
  bool fixed;  // floating-point notation is fixed
  std::streamsize precision;
  char fill;
};

// Writes `value` to a stream whose notation, precision and fill all differ
// from what any layout leaves, so that the state afterwards shows what the
// writer set.
template <class T>
Printed PrintFromForeignState(const T& value) {
  std::ostringstream out;
  out.setf(std::ios::scientific, std::ios::floatfield);
  out.precision(17);
  out.fill('*');
  out << value;
  const bool fixed = (out.flags() & std::ios::floatfield) == std::ios::fixed;
  return Printed{out.str(), fixed, out.precision(), out.fill()};
}

#endif
