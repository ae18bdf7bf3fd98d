#pragma once
// The exception for everything the user must be told: its text is shown as it stands.

#include <stdexcept>
#include <string>

class SorvaneException : public std::runtime_error {
 public:
  explicit SorvaneException(const std::string& message) : std::runtime_error(message) {}
};
