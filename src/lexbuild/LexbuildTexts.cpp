// The lexbuild texts join the program's text table when the program starts.

#include "platform/StringTable.h"

namespace {

const StringEntry kTexts[] = {
#include "strings/lexbuild.inc"
};

[[maybe_unused]] const bool registered = (StringTable::Register(kTexts), true);

}  // namespace
