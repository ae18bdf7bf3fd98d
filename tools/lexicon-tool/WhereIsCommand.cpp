// whereis WORD LEX...: the file names of the given lexicons that hold the word exactly, in the
// order given, one a line. A file that is not a lexicon is refused before any is searched.

#include <cstdio>

#include "BoxHost.h"
#include "Commands.h"
#include "platform/Cp1252.h"
#include "search/lexicon/LexiconFormat.h"
#include "search/lexicon/VirtualLex.h"
#include "search/selection/FindWordInLexicons.h"

int WhereIsCommand(const Arguments& arguments) {
  if (arguments.size() < 2) return Fail("whereis needs a word and one or more lexicons");
  BoxHost host;
  ScopedHost scope(host);
  const Arguments paths(arguments.begin() + 1, arguments.end());
  for (const std::string& path : paths) {
    VirtualLex lexicon(path);
    lexicon.ReadHeader();
    if (lexicon.header.magic != kLexiconMagic) return Fail("whereis: not a lexicon: " + path);
  }
  const std::string holders = FindWordInLexicons(Cp1252::FromUtf8(arguments[0]), paths);
  // Each name follows a line break; printed one a line.
  if (!holders.empty()) std::printf("%s\n", holders.c_str() + 1);
  return host.Status();
}
