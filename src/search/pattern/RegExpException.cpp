#include "search/pattern/RegExpException.h"

#include "foundation/ResStrings.h"

RegExpException::RegExpException(Code errorCode)
    : std::runtime_error(MessageOf(errorCode)), code(errorCode) {}

const char* RegExpException::MessageOf(uint8_t errorCode) {
  switch (errorCode) {
    case kInvalidNegator:
      return "Invalid use of negator: ^";
    case kClosingBracketMissing:
      return "Closing Bracket Missing: ]";
    case kInvalidRange:
      return "Invalid Range: Use Format [a-z]";
    case kOpeningBracketMissing:
      return "Opening Bracket Missing: [";
    case kIllegalWildcard:
      return "Illegal use of Wildcard";
    case kNestedSymbols:
      return "Cannot use nested multi-char symbols";
    case kRangeOrder:
      return "Range must be Lower-Upper Eg. [a-z] NOT [z-a]";
    case kMultiplierAtEnd:
      return "Multiplier at End of Mask.";
    default:
      return "";
  }
}

void RegExpException::Show() const {
  ShowMessageBox(what(), "Invalid Regular Expression", MB_OK | MB_TASKMODAL);
}
