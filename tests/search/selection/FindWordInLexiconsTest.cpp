// Look-ups in one lexicon and in several, against set membership of the words the lexicons
// were written from.

#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "foundation/CharClass.h"
#include "foundation/SorvaneException.h"
#include "platform/Cp1252.h"
#include "search/lexicon/Dictionary.h"
#include "search/selection/FindWordInLexicons.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"

namespace {

using Words = std::vector<std::string>;

// Every valid word of a Debian list, as the program reads a word list (UTF-8 lines to 1252).
Words ValidLines(const std::string& name) {
  std::ifstream in("/usr/share/dict/" + name);
  Words words;
  for (std::string line; std::getline(in, line);) {
    const auto word = Cp1252::WordListLineToCp1252(line);
    if (word && ValidWordLength(word->c_str()) > 0) words.push_back(*word);
  }
  return words;
}

// What a case-blind search for the word's letters alone finds: letters folded, marks dropped.
std::string LetterKey(const std::string& word) {
  std::string key;
  for (const char c : word)
    if (IsLetter(c)) key += static_cast<char>(FoldCase(c));
  return key;
}

std::string Upper(std::string word) {
  for (char& c : word) c = UpperCaseLetter(c);
  return word;
}

std::string Lower(std::string word) {
  for (char& c : word) c = LowerCaseLetter(c);
  return word;
}

struct Lexicon {
  std::string path;
  std::string name;
  std::set<std::string> words;
  std::set<std::string> letterKeys;
};

class FindWordInLexiconsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder = new TempFolder;
    lexicons = new std::vector<Lexicon>;
    for (const char* name : {"american-english", "british-english", "american-english-large"}) {
      Lexicon lexicon;
      lexicon.name = std::string(name) + ".lex";
      lexicon.path = *folder / lexicon.name;
      const Words words = ValidLines(name);
      WriteLexicon(lexicon.path, InLexiconOrder(words));
      lexicon.words.insert(words.begin(), words.end());
      for (const std::string& word : words) lexicon.letterKeys.insert(LetterKey(word));
      lexicons->push_back(std::move(lexicon));
    }
  }
  static void TearDownTestSuite() {
    delete lexicons;
    delete folder;
  }

  // Words of every list, each also with its case changed and its marks dropped, and words no
  // lexicon can hold.
  static Words Queries() {
    Words queries = {"don't", "dont", "Dont", "colour", "color", "ice-cream", "a b",
                     "",      "[a",   "a*",   "?",      "a]",    "-a",        "a-",
                     "a--------b", std::string(31, 'a'), std::string("ca\0t", 4)};
    for (const Lexicon& lexicon : *lexicons) {
      size_t i = 0;
      for (const std::string& word : lexicon.words) {
        if (i++ % 211 != 0) continue;
        std::string capital = word;
        capital[0] = UpperCaseLetter(capital[0]);
        queries.insert(queries.end(), {word, Upper(word), Lower(word), capital, LetterKey(word)});
      }
    }
    return queries;
  }

  static TempFolder* folder;
  static std::vector<Lexicon>* lexicons;
};

TempFolder* FindWordInLexiconsTest::folder = nullptr;
std::vector<Lexicon>* FindWordInLexiconsTest::lexicons = nullptr;

TEST_F(FindWordInLexiconsTest, OneCursorAnswersEveryLookUpAsTheSetsDo) {
  const Words queries = Queries();
  for (const Lexicon& lexicon : *lexicons) {
    Dictionary cursor(lexicon.path);  // one cursor for every look-up
    for (const std::string& word : queries) {
      SCOPED_TRACE(lexicon.name + " " + Cp1252::ToUtf8(word));
      EXPECT_EQ(cursor.Contains(word, false), lexicon.words.count(word) == 1);
      // A word of letters alone finds any stored form of its letters.
      if (!word.empty() && LetterKey(word).size() == word.size() && word.size() <= MaxWordLength) {
        EXPECT_EQ(cursor.Contains(word, true), lexicon.letterKeys.count(LetterKey(word)) == 1);
      }
    }
  }
}

TEST_F(FindWordInLexiconsTest, AllLexiconsNameEveryHolderInOrder) {
  Words paths;
  for (const Lexicon& lexicon : *lexicons) paths.push_back(lexicon.path);
  for (const std::string& word : Queries()) {
    std::string expected;
    for (const Lexicon& lexicon : *lexicons)
      if (lexicon.words.count(word)) expected += "\n" + lexicon.name;
    EXPECT_EQ(FindWordInLexicons(word, paths), expected) << Cp1252::ToUtf8(word);
  }
}

TEST(FindWordInLexiconsEdgeTest, MarksAndFormsAsTheLookUpReadsThem) {
  TempFolder folder;
  const std::string path = WriteLexicon(
      folder / "a.lex", InLexiconOrder({"don't", "ice-cream", "ice cream", "St. John's", "cat"}));
  Dictionary cursor(path);
  EXPECT_TRUE(cursor.Contains("don't", false));
  EXPECT_FALSE(cursor.Contains("dont", false));
  EXPECT_TRUE(cursor.Contains("dont", true));
  EXPECT_TRUE(cursor.Contains("DONT", true));
  EXPECT_TRUE(cursor.Contains("ice-cream", false));
  EXPECT_TRUE(cursor.Contains("ice cream", false));
  EXPECT_FALSE(cursor.Contains("icecream", false));
  EXPECT_TRUE(cursor.Contains("icecream", true));
  EXPECT_TRUE(cursor.Contains("St. John's", false));
  EXPECT_FALSE(cursor.Contains("Cat", false));
  EXPECT_TRUE(cursor.Contains("Cat", true));
  // Patterns are no words: they are never looked for, so they neither throw nor match.
  for (const char* pattern : {"[a", "a*", "?", "c?t", "*", "c[a]t"}) {
    EXPECT_FALSE(cursor.Contains(pattern, true)) << pattern;
  }
  // The cursor still looks up after all that.
  EXPECT_TRUE(cursor.Contains("cat", false));
}

TEST(FindWordInLexiconsEdgeTest, ListOrderAndAMissingFile) {
  TestSettings settings;
  const std::string folder = settings.LexiconsFolderPath() + "/";
  WriteLexicon(folder + "a.lex", {"cat"});
  WriteLexicon(folder + "b.lex", {"dog"});
  WriteLexicon(folder + "c.lex", {"ape", "cat"});
  ScriptedHost host;
  ScopedHost scope(host);
  VirtualLexList list;
  list.ScanLexiconFolder();
  EXPECT_EQ(FindWordInLexicons("cat", list), "\na.lex\nc.lex");
  EXPECT_EQ(FindWordInLexicons("emu", list), "");
  EXPECT_EQ(FindWordInLexicons("[a", list), "");
  std::remove((folder + "b.lex").c_str());
  EXPECT_THROW(FindWordInLexicons("cat", list), SorvaneException);
}

}  // namespace
