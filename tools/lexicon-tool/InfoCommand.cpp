// info LEX: the header's fields and the file's size, one "name: value" a line. A damaged lexicon
// shows what its header holds; a file that is no lexicon fails the run.

#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "search/lexicon/VirtualLex.h"

int InfoCommand(const Arguments& arguments) {
  if (arguments.size() != 1) return Fail("info needs one lexicon");
  VirtualLex lexicon(arguments[0]);
  lexicon.ReadHeader();
  if (lexicon.header.magic != kLexiconMagic) return Fail(lexicon.path + " is not a lexicon");
  std::error_code error;
  const auto size = std::filesystem::file_size(lexicon.path, error);
  if (error) return Fail("unable to read the size of " + lexicon.path);
  const DictionaryHeader& h = lexicon.header;
  std::printf(
      "compileTime: %u\nmodifyTime: %u\nwordCount: %u\nmagic: %u\ndefaultFlag: %u\n"
      "fileSize: %llu\n",
      h.compileTime, h.modifyTime, h.wordCount, unsigned{h.magic}, unsigned{h.defaultFlag},
      static_cast<unsigned long long>(size));
  return 0;
}
