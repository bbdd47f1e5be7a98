// Test support: the frames in which the listing program reports an error
// (and ends) or a warning (and goes on), as its standard error shows them.
#ifndef TESTS_SUPPORT_PROGRAM_FRAMES_H
#define TESTS_SUPPORT_PROGRAM_FRAMES_H

#include <string>

inline std::string ErrorFrame(const std::string& message) {
  return "\n**** Quintavelmor: Error -> " + message + " ****\n     Exiting Quintavelmor ... \n\n";
}

inline std::string WarningFrame(const std::string& message) {
  return "\n#### Quintavelmor: Warning -> " + message +
         " ####\n     Continuing Quintavelmor ... \n\n";
}

#endif
