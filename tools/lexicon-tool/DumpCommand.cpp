// dump LEX: every stored word in stored order, one a line, in UTF-8.

#include <cstdio>

#include "Commands.h"
#include "platform/Cp1252.h"
#include "search/lexicon/LexiconWordStream.h"
#include "search/lexicon/VirtualLex.h"

int DumpCommand(const Arguments& arguments) {
  if (arguments.size() != 1) return Fail("dump needs one lexicon");
  VirtualLex lexicon(arguments[0]);
  lexicon.ReadHeader();
  if (lexicon.header.magic != kLexiconMagic) return Fail(lexicon.path + " is not a lexicon");
  lexicon.Load();
  const auto image = lexicon.Image();
  LexiconWordStream stream(image->Data(), image->Size());
  stream.Seek(1, 0);
  std::string out;
  for (std::string word; stream.Next(word);) out += Cp1252::ToUtf8(word) + '\n';
  if (std::fwrite(out.data(), 1, out.size(), stdout) != out.size() || std::fflush(stdout) != 0)
    return Fail("unable to write the words");
  return 0;
}
