// Damaged and truncated lexicons: the cursor decodes them as far as they are sound and ends
// there, never reading outside the image or the file and never going round in circles.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "search/lexicon/Dictionary.h"
#include "search/lexicon/LexiconFormat.h"
#include "support/DictionaryCursors.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

using Words = std::vector<std::string>;

const Words kWorkedExample = {"a", "I", "an", "at", "be"};
const CursorMode kModes[] = {CursorMode::kImage, CursorMode::kFile};

bool IsPrefix(const Words& prefix, const Words& of) {
  return prefix.size() <= of.size() && std::equal(prefix.begin(), prefix.end(), of.begin());
}

// A lexicon whose index points every entry at the start of the given word stream.
std::string RawLexicon(const std::string& stream) {
  std::string bytes(kWordStreamOffset, '\0');
  auto* raw = reinterpret_cast<uint8_t*>(bytes.data());
  for (size_t entry = 0; entry < kIndexEntries; ++entry)
    WriteU32(raw + 4 * entry, static_cast<uint32_t>(kWordStreamOffset));
  EncodeHeader(DictionaryHeader{}, raw + kHeaderOffset);
  return bytes + stream;
}

void SetEntry(std::string& bytes, int letterCount, int column, uint32_t offset) {
  WriteU32(reinterpret_cast<uint8_t*>(bytes.data()) + 4 * ((letterCount - 1) * 26 + column),
           offset);
}

TEST(DictionaryDamageTest, TruncatedLexiconGivesAPrefixOfItsWords) {
  TempFolder folder;
  const std::string whole = ReadWholeFile(WriteLexicon(folder / "whole.lex", kWorkedExample));
  for (CursorMode mode : kModes) {
    for (size_t length = 0; length <= whole.size(); ++length) {
      if (length > 2 && length < kHeaderOffset) length = kHeaderOffset;  // all alike: no index
      auto cursor = OpenCursor(mode, whole.substr(0, length), folder / "cut.lex");
      const Found found = FindAll(*cursor, "*");
      EXPECT_EQ(found.code, Dictionary::kNoMoreWords);
      EXPECT_TRUE(IsPrefix(found.words, kWorkedExample)) << ModeName(mode) << " cut at " << length;
      if (length < kWordStreamOffset) {
        EXPECT_TRUE(found.words.empty());
      } else if (length == whole.size()) {
        EXPECT_EQ(found.words, kWorkedExample);
      }
    }
  }
}

TEST(DictionaryDamageTest, UnsoundStreamsEndTheLexicon) {
  const struct {
    const char* what;
    std::string stream;
    Words words;
  } cases[] = {
      {"more than 29 length steps", std::string(40, '\x80') + std::string("\x00" "a", 2), {}},
      {"a 30-letter word cut short", std::string(29, '\x80') + std::string("\x00", 1) + "abc", {}},
      {"a shared prefix longer than the word before",
       std::string("\x00" "a", 2) + "\x80" + "\x03" "bc", {"a"}},
      {"a shared prefix at the start of a walk", std::string("\x01" "a", 2), {}},
      {"a shared prefix longer than the word itself", "\x70" "a'''''''" "\x05", {"a'''''''"}},
      {"an end mark inside the data", std::string("\x00" "a" "\xFF" "\x00" "b", 5), {"a"}},
  };
  TempFolder folder;
  for (const auto& c : cases) {
    for (CursorMode mode : kModes) {
      auto cursor = OpenCursor(mode, RawLexicon(c.stream), folder / "raw.lex");
      EXPECT_EQ(FindAll(*cursor, "*"), (Found{c.words, Dictionary::kNoMoreWords}))
          << c.what << ", " << ModeName(mode);
    }
  }
}

TEST(DictionaryDamageTest, IndexEntriesOutsideTheStreamEndTheLexicon) {
  TempFolder folder;
  std::string bytes = ReadWholeFile(WriteLexicon(folder / "index.lex", kWorkedExample));
  SetEntry(bytes, 1, 0, 0xFFFFFFF0);
  SetEntry(bytes, 2, 0, static_cast<uint32_t>(bytes.size()) + 1);
  SetEntry(bytes, 2, 1, 12);  // inside the index itself
  for (CursorMode mode : kModes) {
    auto cursor = OpenCursor(mode, bytes, folder / "damaged.lex");
    EXPECT_EQ(FindAll(*cursor, "*"), (Found{{}, Dictionary::kNoMoreWords}));
    EXPECT_EQ(FindAll(*cursor, "a?"), (Found{{}, Dictionary::kNoMoreWords}));
    EXPECT_EQ(FindAll(*cursor, "b?"), (Found{{}, Dictionary::kNoMoreWords}));
  }
}

// An entry that leads a jump back to a word already passed would loop for ever.
TEST(DictionaryDamageTest, JumpsNeverLeadBackwards) {
  TempFolder folder;
  std::string bytes = ReadWholeFile(WriteLexicon(folder / "loop.lex", {"bat", "cab", "tab"}));
  SetEntry(bytes, 3, 't' - 'a', IndexEntry(bytes, 3, 'c' - 'a'));  // t points back at "cab"
  SetEntry(bytes, 4, 'c' - 'a', IndexEntry(bytes, 3, 'c' - 'a'));
  for (CursorMode mode : kModes) {
    auto cursor = OpenCursor(mode, bytes, folder / "damaged.lex");
    const SrcLetters from = Letters("abt");
    EXPECT_EQ(FindAll(*cursor, "*", &from), (Found{{"bat"}, Dictionary::kNoMoreWords}));
    EXPECT_EQ(FindAll(*cursor, "c*"), (Found{{"cab"}, Dictionary::kNoMoreWords}));
  }
}

// Valid words in lexicon order: letters a-f with accents and marks, some of every length.
Words RandomLexiconWords(std::mt19937& random) {
  static const char kLetters[] = "abcdefABE\xE9\xE1";
  static const char kMarks[] = " -'.";
  Words words;
  for (int n = 0; n < 600; ++n) {
    const int letters = n < 30 ? n + 1 : std::uniform_int_distribution<int>(1, 9)(random);
    std::string word;
    for (int i = 0; i < letters; ++i) {
      if (i > 0 && random() % 9 == 0) word += kMarks[random() % 4];
      word += kLetters[random() % (sizeof kLetters - 1)];
    }
    if (ValidWordLength(word.c_str())) words.push_back(word);
  }
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    const int order = CompareWordStrings(a, b);
    return order ? order < 0 : a < b;
  });
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

void Damage(std::string& bytes, std::mt19937& random) {
  const auto at = [&](size_t size) { return static_cast<size_t>(random() % (size + 1)); };
  for (int hits = 1 + random() % 4; hits > 0; --hits) {
    switch (random() % 5) {
      case 0:
        if (!bytes.empty()) bytes[at(bytes.size() - 1)] = static_cast<char>(random());
        break;
      case 1: {
        const uint32_t near = static_cast<uint32_t>(at(bytes.size() + 64));
        const int entry = static_cast<int>(random() % kIndexEntries);
        if (bytes.size() >= kIndexBytes)
          WriteU32(reinterpret_cast<uint8_t*>(bytes.data()) + 4 * entry,
                   random() % 3 ? near : static_cast<uint32_t>(random()));
        break;
      }
      case 2:
        bytes.resize(at(bytes.size()));
        break;
      case 3: {
        const size_t from = at(bytes.size());
        bytes.replace(from, std::min<size_t>(random() % 40, bytes.size() - from),
                      std::string(random() % 40, '\x80'));
        break;
      }
      default:
        if (bytes.size() > kWordStreamOffset)
          bytes[kWordStreamOffset + at(bytes.size() - kWordStreamOffset - 1)] =
              static_cast<char>(random() % 0x80);  // a control byte's worth
        break;
    }
  }
}

TEST(DictionaryDamageTest, RandomlyDamagedLexiconsEndSafely) {
  TempFolder folder;
  std::mt19937 random(1234);
  const std::string sound = ReadWholeFile(WriteLexicon(folder / "sound.lex", RandomLexiconWords(random)));
  const SrcLetters blanks = Letters("abc?e");
  const SrcLetters unlimited = Letters("Ab");
  const SrcLetters two = Letters("de");
  const struct {
    const char* pattern;
    const SrcLetters* from;
  } searches[] = {{"*", nullptr}, {"c*", nullptr},    {"?a*", nullptr},  {"[a-c]?*", nullptr},
                  {"*", &blanks}, {"*", &unlimited}, {"d*", &two},      {"e 3?", nullptr}};
  size_t wordsFound = 0;
  for (int variant = 0; variant < 2000; ++variant) {
    std::string bytes = sound;
    Damage(bytes, random);
    const CursorMode mode = variant % 8 == 0 ? CursorMode::kFile : CursorMode::kImage;
    auto cursor = OpenCursor(mode, bytes, folder / "damaged.lex");
    for (const auto& search : searches) {
      const Found found = FindAll(*cursor, search.pattern, search.from);
      ASSERT_EQ(found.code, Dictionary::kNoMoreWords) << "variant " << variant;
      for (const std::string& word : found.words)
        ASSERT_LE(word.size(), static_cast<size_t>(MaxWordLength + MaxWordMarks)) << variant;
      wordsFound += found.words.size();
    }
  }
  EXPECT_GT(wordsFound, 100000u);  // most damage leaves much of the lexicon readable
}

}  // namespace
