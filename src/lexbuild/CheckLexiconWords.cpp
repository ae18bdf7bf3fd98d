#include "lexbuild/CheckLexiconWords.h"

#include "foundation/CharClass.h"
#include "search/lexicon/LexiconFormat.h"
#include "search/lexicon/LexiconWordStream.h"

namespace {

std::string FoldedLetters(const std::string& word) {
  std::string letters;
  letters.reserve(word.size());
  for (const char c : word)
    if (IsLetter(c)) letters += static_cast<char>(FoldCase(c));
  return letters;
}

}  // namespace

CheckLexiconWords::CheckLexiconWords(const VirtualLex& lexicon) : search(lexicon) {
  const std::shared_ptr<const LexImage> image = lexicon.Image();
  if (!image) return;
  words.reserve(search.WordCount());
  foldedLetters.reserve(search.WordCount());
  // Row by row from the index, as a search reads them: damage in one row ends only that row.
  LexiconWordStream stream(image->Data(), image->Size());
  std::string word;
  for (int letters = 1; letters <= kIndexRows; ++letters) {
    for (int column = 0; column < kIndexColumns; ++column) {
      stream.Seek(letters, column);
      while (stream.Next(word) && stream.LetterCount() == letters &&
             FoldCase(word[0]) == 'a' + column) {
        foldedLetters.insert(FoldedLetters(word));
        // Where a search for the word itself looks: its row is its letter count.
        if (CountLetters(word.c_str()) == letters) words.insert(word);
      }
    }
  }
}

bool CheckLexiconWords::Contains(const std::string& word, bool anyForm) {
  // As the search: a word breaking the word rules is held by no lexicon.
  if (word.find('\0') != std::string::npos || ValidWordLength(word.c_str()) == 0) return false;
  if (words.contains(word)) return true;
  if (!anyForm || !foldedLetters.contains(FoldedLetters(word))) return false;
  return search.Contains(word, true);
}
