// The build's look-ups against its check lexicon answer as a search of the lexicon does.

#include <gtest/gtest.h>

#include <fstream>

#include "foundation/CharClass.h"
#include "lexbuild/CheckLexiconWords.h"
#include "platform/Cp1252.h"
#include "search/lexicon/Dictionary.h"
#include "search/lexicon/VirtualLex.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"

namespace {

std::vector<std::string> ValidLines(const std::string& name) {
  std::ifstream in("/usr/share/dict/" + name);
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);) {
    const auto word = Cp1252::WordListLineToCp1252(line);
    if (word && ValidWordLength(word->c_str()) > 0) words.push_back(*word);
  }
  return words;
}

// A sample of another list's words, each also in other cases, without its marks and with a
// mark it lacks; and words no lexicon can hold.
std::vector<std::string> Queries() {
  std::vector<std::string> queries = {
      "don't", "dont", "DONT", "ice-cream", "ice cream", "icecream", "Ice Cream", "St. John's",
      "st johns", "", "[a", "a*", "?", "a-", std::string(31, 'a'), std::string("ca\0t", 4)};
  size_t i = 0;
  for (std::string word : ValidLines("american-english-large")) {
    if (i++ % 53 != 0) continue;
    std::string upper = word, lower = word, letters, marked = word;
    for (char& c : upper) c = UpperCaseLetter(c);
    for (char& c : lower) c = LowerCaseLetter(c);
    for (const char c : word)
      if (IsLetter(c)) letters += c;
    if (marked.size() > 2) marked.insert(marked.begin() + 1, '\'');
    queries.insert(queries.end(), {word, upper, lower, letters, marked});
  }
  return queries;
}

TEST(CheckLexiconWordsTest, AnswersAsTheSearchInBothForms) {
  TempFolder folder;
  std::vector<std::string> words = ValidLines("british-english");
  words.insert(words.end(), {"don't", "ice-cream", "ice cream", "St. John's"});
  const std::string path = WriteLexicon(folder / "check.lex", InLexiconOrder(words));
  VirtualLex lexicon(path);
  lexicon.Load();
  CheckLexiconWords check(lexicon);
  Dictionary search(lexicon);
  int held = 0;
  for (const std::string& word : Queries()) {
    for (const bool anyForm : {false, true}) {
      const bool expected = search.Contains(word, anyForm);
      held += expected;
      ASSERT_EQ(check.Contains(word, anyForm), expected)
          << Cp1252::ToUtf8(word) << (anyForm ? " in any form" : "");
    }
  }
  EXPECT_GT(held, 1000);  // the sample meets the lexicon often enough to tell
}

TEST(CheckLexiconWordsTest, ALexiconNotLoadedHoldsNothing) {
  TempFolder folder;
  VirtualLex lexicon(WriteLexicon(folder / "check.lex", InLexiconOrder({"cat"})));
  CheckLexiconWords check(lexicon);
  EXPECT_FALSE(check.Contains("cat", false));
  EXPECT_FALSE(check.Contains("cat", true));
}

}  // namespace
