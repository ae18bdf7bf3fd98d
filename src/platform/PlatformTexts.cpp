// The platform texts join the program's text table when the program starts.

#include "platform/StringTable.h"

namespace {

const StringEntry kTexts[] = {
#include "strings/platform.inc"
};

[[maybe_unused]] const bool registered = (StringTable::Register(kTexts), true);

}  // namespace
