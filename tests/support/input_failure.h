// Test support: the failure a reader or the converter throws, as the text
// the program's error frame carries.
#ifndef TESTS_SUPPORT_INPUT_FAILURE_H
#define TESTS_SUPPORT_INPUT_FAILURE_H

#include <gtest/gtest.h>

#include <string>

#include "rinex/InputFailure.h"

// The text of the InputFailure that `statement` throws; empty when it throws
// none.
template <class Statement>
std::string FailureText(Statement statement) {
  try {
    statement();
  } catch (const InputFailure& failure) {
    return failure.what();
  }
  return "";
}

// `statement` must throw an InputFailure whose text holds `expected`.
template <class Statement>
void ExpectFailure(Statement statement, const std::string& expected) {
  const std::string text = FailureText(statement);
  EXPECT_NE(text.find(expected), std::string::npos)
      << "expected a failure with \"" << expected << "\", got \"" << text << "\"";
}

#endif
