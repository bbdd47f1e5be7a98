// Shared pieces of the fuzzing targets: temporary input files, discarded
// output, and running the programs' steps so that a fatal report or a
// failure counts as a handled input.
#ifndef TESTS_FUZZ_FUZZSUPPORT_H
#define TESTS_FUZZ_FUZZSUPPORT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "rinex/InputFailure.h"

// What the fuzzing build's EndProcess throws instead of ending the process,
// for the listing's targets.
struct FatalReport {
  int status;
};

// Runs `steps`; a fatal report inside them ends only this input.  In the
// ordinary build the fatal report ends the process, as in the program.
template <class Steps>
void SurviveFatal(Steps steps) {
  try {
    steps();
  } catch (const FatalReport&) {
  }
}

// Runs `steps`; a failure the converter or its readers throw (an input they
// refuse) ends only this input.
template <class Steps>
void SurviveFailure(Steps steps) {
  try {
    steps();
  } catch (const InputFailure&) {
  }
}

// A folder of this process's own for the targets' files.
const std::string& ScratchFolder();

// Writes `size` bytes to `name` inside the scratch folder; returns its path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
std::string WriteScratchFile(const std::string& name, const std::string& text);

// Points standard output and standard error of the C++ streams at nothing,
// so the fuzzer's own messages stay readable.
void DiscardProgramOutput();

// A valid channel file for all 24 slots, channels -7 to +6, written once.
const std::string& ChannelFile();
// A small valid single-difference file with GPS, GLONASS and Galileo.
const std::string& SingleDifferenceFile();

// Runs the program's whole sequence on `arguments` (the program's name first).
void RunProgram(const std::vector<std::string>& arguments);

#endif
