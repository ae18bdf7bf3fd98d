#pragma once
// A FIND pattern that does not compile. Its code picks one of the fixed messages; the search
// request shows it with Show() after a beep.

#include <cstdint>
#include <stdexcept>

class RegExpException : public std::runtime_error {
 public:
  enum Code : uint8_t {
    kInvalidNegator = 1,
    kClosingBracketMissing = 2,
    kInvalidRange = 3,
    kOpeningBracketMissing = 4,
    kIllegalWildcard = 5,
    kNestedSymbols = 6,
    kRangeOrder = 7,
    kMultiplierAtEnd = 8,
  };

  explicit RegExpException(Code errorCode);

  // The message of a code; empty for a code outside the table.
  static const char* MessageOf(uint8_t errorCode);
  // A task-modal box with an OK button and no icon. Makes no sound itself.
  void Show() const;

  const uint8_t code;
};
