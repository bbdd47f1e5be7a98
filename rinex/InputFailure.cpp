// A failure that ends the run, with the file and line it concerns.
#include "rinex/InputFailure.h"

#include <utility>

InputFailure::InputFailure(std::string message) : message_(std::move(message)), text_(message_) {}

InputFailure::InputFailure(std::string file, std::string message)
    : file_(std::move(file)), message_(std::move(message)), text_(file_ + ": " + message_) {}

InputFailure::InputFailure(std::string file, long line, std::string message)
    : file_(std::move(file)),
      line_(line),
      message_(std::move(message)),
      text_(AtLine(file_, line_, message_)) {}

std::string AtLine(const std::string& file, long line, const std::string& message) {
  return file + ", line " + std::to_string(line) + ": " + message;
}
