#include "search/selection/FindWordInLexicons.h"

#include "foundation/CharClass.h"
#include "foundation/PathText.h"
#include "search/lexicon/Dictionary.h"

std::string FindWordInLexicons(const std::string& word, const std::vector<std::string>& paths) {
  std::string holders;
  // A word no lexicon can hold is not looked for: no file needs opening to say so.
  if (ValidWordLength(word.c_str()) == 0) return holders;
  for (const std::string& path : paths) {
    Dictionary cursor(path);
    if (cursor.Contains(word, false)) holders.append("\n").append(ExtractFileName(path));
  }
  return holders;
}

std::string FindWordInLexicons(const std::string& word, const VirtualLexList& list) {
  std::vector<std::string> paths;
  for (const auto& record : list.Records()) paths.push_back(record->path);
  return FindWordInLexicons(word, paths);
}
