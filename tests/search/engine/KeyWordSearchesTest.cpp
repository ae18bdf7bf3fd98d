#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

using Words = std::vector<std::string>;

// The words each search found over the a-z words of american-english when the dictionary was
// read through the library's own file streams and every answer asked for.
Words Recorded(const std::string& name) {
  std::istringstream text(ReadWholeFile(std::string(SORVANE_TEST_DATA) +
                                        "/wordnet/key-word-searches/" + name + ".txt"));
  Words words;
  for (std::string word; std::getline(text, word);) words.push_back(word);
  return words;
}

Words Sorted(Words words) {
  std::sort(words.begin(), words.end());
  return words;
}

// Every word the search found then, and every 41st word of the list besides (nearly all of
// which it did not find), keep a test to seconds; a word's test does not depend on the words
// searched with it, so the search must find exactly those recorded.
Words Searched(const Words& recorded) {
  std::set<std::string> searched(recorded.begin(), recorded.end());
  const Words& all = DebianWords();
  for (size_t i = 0; i < all.size(); i += 41) searched.insert(all[i]);
  return Words(searched.begin(), searched.end());
}

struct Case {
  const char* recorded;
  const char* find;
  const char* keyWords;
};

TEST(KeyWordSearchesTest, FindWhatTheyFoundBefore) {
  const Case cases[] = {
      {"star-feline", "*", "feline"},
      {"c-star-animal", "c*", "animal"},
      {"star-s-colour", "*s", "colour"},
      {"five-letters-music", "?????", "music"},
      {"star-horse-cattle", "*", "horse cattle"},
  };
  ASSERT_GT(DebianWords().size(), 60000u);
  for (const Case& c : cases) {
    const Words expected = Recorded(c.recorded);
    ASSERT_FALSE(expected.empty()) << c.recorded;
    SearchHarness search({Searched(expected)});
    Settings::Instance().SetString(SettingId::FolderWordNet, SORVANE_BIN_DIR "/Wordnet");
    ASSERT_TRUE(search.Set(c.find, "", "", "", c.keyWords)) << c.recorded;
    EXPECT_EQ(Sorted(search.Single()), Sorted(expected)) << c.recorded;
  }
}

// The tool, linked whole with the library, finds the same: it supplies the library's functions
// as the program does, from its own copy of the library's archive.
TEST(KeyWordSearchesTest, TheToolFindsWhatTheProgramFinds) {
  const Words expected = Recorded("c-star-animal");
  std::string list;
  for (const std::string& word : Searched(expected)) list += word + "\n";
  TempFolder folder;
  const std::string lexicon = folder / "words.lex";
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("list.txt", list) + " " + lexicon).status, 0);
  const ToolRun found = RunTool(folder, "search --find 'c*' --keywords animal " + lexicon);
  ASSERT_EQ(found.status, 0) << found.err;
  EXPECT_EQ(Sorted(Lines(found.out)), Sorted(expected));
}

}  // namespace
