// add LEX WORD, remove LEX WORD: one word added to or removed from a lexicon by the job the
// program runs, printing the job's result code unless it failed. A lexicon emptied by a removal
// (7) is removed as the program removes it; its backup stays.

#include <cstdio>

#include "BoxHost.h"
#include "Commands.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "lexbuild/ModifyDictThread.h"
#include "platform/Cp1252.h"
#include "search/selection/VirtualLexList.h"

namespace {

int ModifyCommand(const Arguments& arguments, bool remove) {
  if (arguments.size() != 2) return Fail("add and remove need a lexicon and a word");
  BoxHost host;
  ScopedHost scope(host);
  const std::string word = Cp1252::FromUtf8(arguments[1]);
  // Refused before any job, as the dialog refuses it.
  if (const std::string refusal = InvalidWordText(word); !refusal.empty()) {
    MessageBoxWrapper(nullptr, refusal, LoadResString(kInsufficientInformationCaption), MB_OK);
    return host.Status();
  }
  VirtualLexList list;  // empty: the lexicon is changed and removed by its path alone
  const int32_t result = RunModifyDict(word, arguments[0], remove, list, nullptr);
  // A failed job has said why in its box; its -1 is no outcome to print.
  if (result != -1) std::printf("%d\n", result);
  return host.Status();
}

}  // namespace

int AddCommand(const Arguments& arguments) { return ModifyCommand(arguments, false); }

int RemoveCommand(const Arguments& arguments) { return ModifyCommand(arguments, true); }
