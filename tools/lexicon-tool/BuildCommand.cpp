// build [--default] WORDLIST OUT.lex: the valid words of a word list, in lexicon order.

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>

#include "Commands.h"
#include "foundation/SorvaneException.h"
#include "platform/Cp1252.h"
#include "platform/FileSys.h"
#include "foundation/CharClass.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/VirtualLex.h"

namespace {

// One line: its UTF-8 converted to Windows-1252 where it is UTF-8, trimmed; empty when invalid.
std::string ValidWord(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::optional<std::string> converted = Cp1252::WordListLineToCp1252(line);
  if (!converted) return {};
  int letters = 0;
  const char* word = CleanWord(converted->data(), &letters);
  return word ? std::string(word) : std::string();
}

std::vector<std::string> ReadValidWords(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw SorvaneException("Unable to Open File " + path);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  std::string_view rest = text;
  if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
  std::vector<std::string> words;
  while (!rest.empty()) {
    const size_t end = std::min(rest.find('\n'), rest.size());
    std::string word = ValidWord(rest.substr(0, end));
    if (!word.empty()) words.push_back(std::move(word));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return words;
}

// Lexicon order, with the bytes deciding between words it holds equal, so that byte-identical
// words end up side by side and the writer drops the repeats.
bool InLexiconOrder(const std::string& a, const std::string& b) {
  const int order = CompareWordStrings(a, b);
  return order ? order < 0 : a < b;
}

void WriteLexiconFile(const std::vector<std::string>& words, const std::string& path,
                      bool isDefault) {
  CompressDictionary writer(path);
  for (const std::string& word : words) writer.AddWord(word);
  writer.Close();
  if (!isDefault) return;
  VirtualLex lexicon(path);
  lexicon.ReadHeader();
  lexicon.SetFlag(true);
}

}  // namespace

int BuildCommand(const Arguments& arguments) {
  Arguments paths = arguments;
  const auto flag = std::find(paths.begin(), paths.end(), "--default");
  const bool isDefault = flag != paths.end();
  if (isDefault) paths.erase(flag);
  if (paths.size() != 2) return Fail("build needs a word list and the lexicon to write");
  std::vector<std::string> words = ReadValidWords(paths[0]);
  std::sort(words.begin(), words.end(), InLexiconOrder);
  try {
    WriteLexiconFile(words, paths[1], isDefault);
  } catch (...) {
    FileSys::Current().Remove(paths[1]);  // never leave half a lexicon behind
    throw;
  }
  return 0;
}
