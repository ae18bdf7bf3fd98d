// The cursor against a plain scan: over a lexicon built from the American English word list
// (plus a few phrases), every search must return exactly the stored words, in stored order, that
// testing every word with the matcher and the FROM letters returns. The index skips, the jumps
// and the early ends may save work but never change a result.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "search/lexicon/Dictionary.h"
#include "support/DictionaryCursors.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

using Words = std::vector<std::string>;

struct Reference {
  TempFolder folder;
  std::string path;
  Words words;  // every stored word, in stored order
};

const Reference& ReferenceLexicon() {
  // Built once for the run and removed at its end.
  static const std::unique_ptr<Reference> reference = [] {
    auto built = std::make_unique<Reference>();
    const std::string list = built->folder.Write(
        "list.txt", ReadWholeFile("/usr/share/dict/american-english") +
                        "ice cream\nwell-known\nrock-n-roll\nhot dog\nSt. John's\n"
                        "jack-in-the-box\nhot-dog stand\n");
    built->path = built->folder / "english.lex";
    if (RunTool(built->folder, "build " + list + " " + built->path).status == 0)
      built->words = DecodeAll(ReadWholeFile(built->path));
    return built;
  }();
  return *reference;
}

struct Search {
  const char* pattern;
  const char* from = nullptr;  // FROM letters, none when null
  bool caseSensitive = false;
  int32_t minLetters = 0;
  char firstLetter = 0;
};

// What the cursor must return: every stored word, in order, of a length the pattern allows,
// that the matcher accepts and the FROM letters can spell.
Words PlainScan(const Words& stored, const Search& search) {
  RegExp matcher(search.pattern);
  matcher.SetCaseSensitive(search.caseSensitive);
  SrcLetters from = Letters(search.from ? search.from : "");
  const int32_t start = std::max({1, matcher.MinLength(), search.minLetters});
  const bool matchAll = std::string(search.pattern) == "*";
  Words words;
  for (const std::string& word : stored) {
    const int32_t letters = CountLetters(word.c_str());
    if (letters < start) continue;
    if (matcher.SegmentCount() == 1 && letters != matcher.MinLength()) continue;
    if (letters == start && search.firstLetter && FoldCase(word[0]) < search.firstLetter) continue;
    if (!matchAll && !matcher.Match(("&" + word + "@").c_str())) continue;
    if (search.from && (from.Total() < static_cast<uint32_t>(letters) ||
                        from.TryWord((word + "@").c_str(), '@') != 0))
      continue;
    words.push_back(word);
  }
  return words;
}

const Search kSearches[] = {
    {"*"},
    // letters, '?', '*'
    {"c?t"}, {"?a??e?"}, {"b*ing"}, {"*tion"}, {"un*ed"}, {"a*b*c*"}, {"q*"}, {"*zz*"},
    // a leading '*' then a tail, which alone decides a word of letters
    {"*[aeiou]?e"}, {"*?ing"}, {"*s"},
    // spaces and hyphens
    {"ice cream"}, {"* cream"}, {"well known"}, {"wellknown"}, {"rock n roll"}, {"hot dog*"},
    {"* *"}, {"?? *"}, {"st john*"}, {"jack*box"},
    // sets, ranges, negation, escapes, repeats
    {"[aeiou]?[aeiou]"}, {"[bcd]*[p-t]"}, {"?[a-e]?[x-z]*"}, {"^[aeiou]*ly"}, {"s^t*"},
    {"c^a^t"}, {"^[a-m]??"}, {"\\c?t"}, {"\\q*"}, {"3[aeiou]*"}, {"s2[aeiou]?"},
    {"[bc]3?s"}, {"[st]^[aeiou]*"}, {"[[ab][yz]]?"},
    // first letters a set, range, negation or accented letter allows
    {"[xyz]?"}, {"^[a-w]*"}, {"[p-t]?[a-f]??"}, {"\xE9*"}, {"[\xC9\xE8]*", nullptr, true},
    {"^[q]*", nullptr, true}, {"2[st]*"},
    // case and accents
    {"A*", nullptr, true}, {"[A-C]*e", nullptr, true}, {"ab*", nullptr, true},
    {"Ab*", nullptr, false}, {"caf?", nullptr, true}, {"*\xE9*"}, {"*\xF1*"},
    // FROM letters: plain, blanks, unlimited (upper case), mixed
    {"*", "aegilnrt"}, {"*", "aeg?nrt"}, {"c*", "caet?"}, {"*", "ABC"}, {"??????", "AEIRST"},
    {"[st]*", "stare?"}, {"*", "Seat?"}, {"*", "xyz"}, {"*", "??"}, {"* *", "icecream"},
    // a minimum letter count and a first letter
    {"*", "triangle", false, 6}, {"*", "mnopst", false, 0, 'n'}, {"*", nullptr, false, 12, 'w'},
};

TEST(DictionaryReferenceTest, CursorReturnsWhatAPlainScanReturns) {
  const Reference& reference = ReferenceLexicon();
  ASSERT_GT(reference.words.size(), 90000u) << "lexicon-tool build failed";

  VirtualLex lexicon(reference.path);
  lexicon.Use(true);
  Dictionary inMemory(lexicon);
  Dictionary inFile(reference.path);
  size_t found = 0;
  for (const Search& search : kSearches) {
    const Words expected = PlainScan(reference.words, search);
    EXPECT_FALSE(expected.empty()) << search.pattern;
    found += expected.size();
    for (Dictionary* cursor : {&inMemory, &inFile}) {
      const std::string pattern = search.pattern;
      const SrcLetters from = Letters(search.from ? search.from : "");
      cursor->Matcher().SetCaseSensitive(search.caseSensitive);
      const Found actual = FindAll(*cursor, pattern, search.from ? &from : nullptr,
                                   search.minLetters, search.firstLetter);
      EXPECT_EQ(actual, (Found{expected, Dictionary::kNoMoreWords}))
          << "pattern " << pattern << " from " << (search.from ? search.from : "(none)")
          << (cursor == &inMemory ? " in memory" : " in the file");
    }
  }
  EXPECT_GT(found, reference.words.size());
  lexicon.Use(false);
}

// The walk does less work than the plain scan wherever the index or the letters allow.
TEST(DictionaryReferenceTest, SkipsAndEarlyEndsSaveReading) {
  const Reference& reference = ReferenceLexicon();
  ASSERT_GT(reference.words.size(), 90000u);
  VirtualLex lexicon(reference.path);
  lexicon.Use(true);
  const auto wordsRead = [&](const char* pattern, const char* letters) {
    Dictionary cursor(lexicon);
    const SrcLetters from = Letters(letters ? letters : "");
    FindAll(cursor, pattern, letters ? &from : nullptr);
    return cursor.WordsRead();
  };
  const uint64_t all = reference.words.size();
  EXPECT_EQ(wordsRead("*", nullptr), all);
  EXPECT_LT(wordsRead("c?t", nullptr), all / 200);      // one first letter of one length
  EXPECT_LT(wordsRead("?a??e?", nullptr), all / 5);     // one length
  EXPECT_LT(wordsRead("q*", nullptr), all / 20);        // one first letter of every length
  EXPECT_LT(wordsRead("[xyz]*", nullptr), all / 20);    // three first letters of every length
  EXPECT_LT(wordsRead("[bcd]a??e?", nullptr), wordsRead("?a??e?", nullptr) / 3);
  EXPECT_LT(wordsRead("*", "aegilnrt"), all / 4);      // letters held, up to eight letters
  lexicon.Use(false);
}

}  // namespace
