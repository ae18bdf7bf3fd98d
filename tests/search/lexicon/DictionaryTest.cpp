// The lexicon cursor over small lexicons made by the real writer, each case run over the image
// in memory and over the file. Where an index jump matters, the words it must jump over are
// overwritten with bytes that end any walk that reads them, so the results show the jump.

#include "search/lexicon/Dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "foundation/SorvaneException.h"
#include "support/DictionaryCursors.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

using Words = std::vector<std::string>;

class DictionaryTest : public ::testing::TestWithParam<CursorMode> {
 protected:
  // Writes the words as a lexicon; Poison may then damage its bytes before Open.
  void Make(const Words& words) { bytes = ReadWholeFile(WriteLexicon(folder / "test.lex", words)); }
  // Overwrites [from, to) of the lexicon with 0xFF, which no walk reads past.
  void Poison(uint32_t from, uint32_t to) {
    ASSERT_LE(from, to);
    std::fill(bytes.begin() + from, bytes.begin() + to, '\xFF');
  }
  uint32_t Entry(int letterCount, char firstLetter) const {
    return IndexEntry(bytes, letterCount, firstLetter - 'a');
  }
  std::unique_ptr<Dictionary> Open() { return OpenCursor(GetParam(), bytes, folder / "open.lex"); }

  TempFolder folder;
  std::string bytes;
};

const Words kWorkedExample = {"a", "I", "an", "at", "be"};

TEST_P(DictionaryTest, EmptyPatternReadsNothing) {
  Make(kWorkedExample);
  auto cursor = Open();
  const char* word = nullptr;
  EXPECT_EQ(cursor->FindNext(&word, "", nullptr, 0, 0), Dictionary::kEmptyPattern);
  EXPECT_EQ(FindAll(*cursor, "*"), (Found{kWorkedExample, Dictionary::kNoMoreWords}));
}

TEST_P(DictionaryTest, IndexPositionsByLetterCountAndFirstLetter) {
  Make(kWorkedExample);
  auto cursor = Open();
  EXPECT_EQ(cursor->WordCount(), 5u);
  // Row 1, column b points at "I"; past the b the walk moves to two letters at b.
  EXPECT_EQ(FindAll(*cursor, "b*").words, Words{"be"});
  EXPECT_EQ(FindAll(*cursor, "b?").words, Words{"be"});
  EXPECT_EQ(FindAll(*cursor, "*", nullptr, 0, 'b').words, (Words{"I", "an", "at", "be"}));
  EXPECT_EQ(FindAll(*cursor, "*", nullptr, 2, 0).words, (Words{"an", "at", "be"}));
  EXPECT_EQ(FindAll(*cursor, std::string(31, '?')), (Found{{}, Dictionary::kNoMoreWords}));
}

TEST_P(DictionaryTest, EmptyLexiconHasNoWords) {
  Make({});
  auto cursor = Open();
  for (const char* pattern : {"*", "a", "?", "[a-z]*"})
    EXPECT_EQ(FindAll(*cursor, pattern), (Found{{}, Dictionary::kNoMoreWords})) << pattern;
}

const Words kThreeAndFour = {"bat", "cab", "cat", "cot", "dog", "eel", "abba", "cabs", "cobs",
                             "dabs"};

TEST_P(DictionaryTest, FirstLetterSkipJumpsToTheNextLetterCount) {
  Make(kThreeAndFour);
  Poison(Entry(3, 'e'), Entry(4, 'c'));  // "eel", the length step and "abba"
  auto cursor = Open();
  EXPECT_EQ(FindAll(*cursor, "c*").words, (Words{"cab", "cat", "cot", "cabs", "cobs"}));
}

TEST_P(DictionaryTest, FixedLengthPatternEndsAtTheFirstLongerWord) {
  Make(kThreeAndFour);
  auto cursor = Open();
  EXPECT_EQ(FindAll(*cursor, "c?t"), (Found{{"cat", "cot"}, Dictionary::kNoMoreWords}));
  EXPECT_EQ(cursor->CurrentLetterCount(), 4);
  EXPECT_EQ(FindAll(*cursor, "c??s").words, (Words{"cabs", "cobs"}));
}

TEST_P(DictionaryTest, AnythingButASpaceTakesALetter) {
  Make(kWorkedExample);
  auto cursor = Open();
  EXPECT_EQ(FindAll(*cursor, "^\\ ").words, (Words{"a", "I"}));
  EXPECT_EQ(FindAll(*cursor, "a^\\ ").words, (Words{"an", "at"}));
}

TEST_P(DictionaryTest, MinimumLetterCountStartsAtThatLength) {
  Make({"a", "ab", "abc", "abcd", "abcde", "abcdef", "bcdefg", "abcdefg"});
  Poison(kWordStreamOffset, Entry(6, 'a'));
  auto cursor = Open();
  EXPECT_EQ(FindAll(*cursor, "*", nullptr, 6, 0).words, (Words{"abcdef", "bcdefg", "abcdefg"}));
}

TEST_P(DictionaryTest, FromTotalEndsTheWalk) {
  Make({"a", "at", "tab", "bath", "abate", "bathes"});
  auto cursor = Open();
  const SrcLetters from = Letters("abth");
  EXPECT_EQ(FindAll(*cursor, "*", &from), (Found{{"a", "at", "tab", "bath"}, 2}));
  EXPECT_EQ(cursor->CurrentLetterCount(), 5);
}

TEST_P(DictionaryTest, MissingFirstLetterJumpsToTheNextLetterHeld) {
  Make({"bat", "cab", "cat", "cot", "dot", "tab", "tat"});
  Poison(Entry(3, 'c') + 4, Entry(3, 't'));  // everything behind "cab" before the t words
  auto cursor = Open();
  const SrcLetters from = Letters("abt");
  EXPECT_EQ(FindAll(*cursor, "*", &from).words, (Words{"bat", "tab"}));
}

TEST_P(DictionaryTest, MissingFirstLetterPastZMovesToTheNextLetterCount) {
  Make({"aba", "cab", "cat", "tab", "abaa", "baaa", "caba"});
  Poison(Entry(3, 'c') + 4, Entry(4, 'a'));
  auto cursor = Open();
  const SrcLetters from = Letters("Ab");  // a unlimited, one b
  EXPECT_EQ(FindAll(*cursor, "*", &from), (Found{{"aba", "abaa", "baaa"}, 2}));
}

TEST_P(DictionaryTest, MissingFirstLetterOfThirtyLettersEndsTheWalk) {
  const std::string longest = "c" + std::string(MaxWordLength - 1, 'a');
  Make({"aa", "a" + std::string(MaxWordLength - 1, 'b'), longest});
  auto cursor = Open();
  const SrcLetters from = Letters("Ab");
  EXPECT_EQ(FindAll(*cursor, "*", &from), (Found{{"aa"}, 2}));
  EXPECT_EQ(cursor->CurrentLetterCount(), MaxWordLength);
}

// A word that begins with the characters its predecessor could not be spelt up to fails too;
// one that shares a character less of them must still be tried ("ab'de" after "ab'cd", and
// with a blank, "abcf" after "abce").
TEST_P(DictionaryTest, WordsSharingAnUnspellablePrefixFailAndTheNextIsTried) {
  Make({"abce", "abcf", "abdf", "ab'cd", "ab'de", "acde"});
  auto cursor = Open();
  const SrcLetters from = Letters("abdef");
  EXPECT_EQ(FindAll(*cursor, "*", &from).words, (Words{"abdf", "ab'de"}));
  const SrcLetters withBlank = Letters("abdf?");
  EXPECT_EQ(FindAll(*cursor, "*", &withBlank).words, (Words{"abcf", "abdf", "ab'cd", "ab'de"}));
}

TEST_P(DictionaryTest, CancelAnswersOnceAndTheWalkCanGoOn) {
  Make(kWorkedExample);
  auto cursor = Open();
  const char* word = nullptr;
  ASSERT_EQ(cursor->FindNext(&word, "*", nullptr, 0, 0), Dictionary::kFound);
  EXPECT_STREQ(word, "a");
  cursor->Cancel();
  EXPECT_EQ(cursor->FindNext(&word, nullptr, nullptr, 0, 0), Dictionary::kCancelled);
  ASSERT_EQ(cursor->FindNext(&word, nullptr, nullptr, 0, 0), Dictionary::kFound);
  EXPECT_STREQ(word, "an");  // the word read by the cancelled call is gone
}

TEST_P(DictionaryTest, SearchStopTokenStopsEveryCursorUntilCleared) {
  Make(kWorkedExample);
  auto first = Open();
  auto second = Open();
  std::atomic<bool> stop{false};
  first->SetStopToken(&stop);
  second->SetStopToken(&stop);
  const char* word = nullptr;
  ASSERT_EQ(first->FindNext(&word, "*", nullptr, 0, 0), Dictionary::kFound);
  stop = true;
  EXPECT_EQ(first->FindNext(&word, nullptr, nullptr, 0, 0), Dictionary::kCancelled);
  EXPECT_EQ(first->FindNext(&word, nullptr, nullptr, 0, 0), Dictionary::kCancelled);
  EXPECT_EQ(second->FindNext(&word, "*", nullptr, 0, 0), Dictionary::kCancelled);
  stop = false;
  EXPECT_EQ(FindAll(*second, "?"), (Found{{"a", "I"}, 2}));
}

TEST_P(DictionaryTest, CaseFlagAndMarksReachTheMatcher) {
  Make({"don't", "Apple", "apple", "ice cream", "well-known"});
  auto cursor = Open();
  EXPECT_EQ(FindAll(*cursor, "apple").words, (Words{"Apple", "apple"}));
  cursor->Matcher().SetCaseSensitive(true);
  EXPECT_EQ(FindAll(*cursor, "apple").words, Words{"apple"});
  cursor->Matcher().SetCaseSensitive(false);

  const char* word = nullptr;
  ASSERT_EQ(cursor->FindNext(&word, "dont", nullptr, 0, 0), Dictionary::kFound);
  EXPECT_STREQ(word, "don't");
  EXPECT_EQ(cursor->CurrentLetterCount(), 4);
  EXPECT_EQ(cursor->LastWordLength(), 5);
  EXPECT_EQ(FindAll(*cursor, "well known").words, Words{"well-known"});
  // "*" takes every entry, phrases too, though the matcher alone keeps it inside one word.
  EXPECT_EQ(FindAll(*cursor, "*").words.size(), 5u);
  EXPECT_THROW(cursor->FindNext(&word, "ab[c", nullptr, 0, 0), RegExpException);
}

TEST_P(DictionaryTest, NewSearchLeavesEarlierLettersBehind) {
  Make(kThreeAndFour);
  auto cursor = Open();
  const SrcLetters from = Letters("cat");
  EXPECT_EQ(FindAll(*cursor, "*", &from).words, Words{"cat"});
  ASSERT_NE(cursor->Letters(), nullptr);
  EXPECT_EQ(FindAll(*cursor, "c?t").words, (Words{"cat", "cot"}));
  EXPECT_EQ(cursor->Letters(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothSources, DictionaryTest,
                         ::testing::Values(CursorMode::kImage, CursorMode::kFile),
                         [](const auto& info) { return ModeName(info.param); });

TEST(DictionaryFileTest, MissingFileThrowsAndShortFileIsEmpty) {
  TempFolder folder;
  try {
    Dictionary cursor(folder / "absent.lex");
    FAIL() << "opened a missing file";
  } catch (const SorvaneException& error) {
    EXPECT_EQ(std::string(error.what()), "Unable to Open File " + folder / "absent.lex");
  }
  Dictionary shortFile(folder.Write("short.lex", std::string(100, '\0')));
  EXPECT_EQ(shortFile.WordCount(), 0u);
  EXPECT_EQ(FindAll(shortFile, "*"), (Found{{}, Dictionary::kNoMoreWords}));
}

TEST(DictionaryImageTest, CursorHoldsTheImageItReads) {
  TempFolder folder;
  VirtualLex lexicon(WriteLexicon(folder / "held.lex", kWorkedExample));
  Dictionary unloaded(lexicon);
  EXPECT_EQ(FindAll(unloaded, "*"), (Found{{}, Dictionary::kNoMoreWords}));

  lexicon.Use(true);
  Dictionary cursor(lexicon);
  EXPECT_EQ(cursor.Path(), lexicon.path);
  const char* word = nullptr;
  ASSERT_EQ(cursor.FindNext(&word, "*", nullptr, 0, 0), Dictionary::kFound);
  lexicon.Use(false);  // the last holder lets go while the search still reads
  ASSERT_EQ(lexicon.Image(), nullptr);
  std::vector<std::string> rest;
  while (cursor.FindNext(&word, nullptr, nullptr, 0, 0) == Dictionary::kFound) rest.push_back(word);
  EXPECT_EQ(rest, (Words{"I", "an", "at", "be"}));
}

}  // namespace
