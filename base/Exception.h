#pragma once

#include <stdexcept>
#include <string>

namespace brevolt {

// Base of the program's own errors. The message is the German text shown to the user (UTF-8).
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern with the argument.
std::string FormatText(const std::string& pattern, const std::string& argument);

}  // namespace brevolt
