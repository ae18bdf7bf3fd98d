#include "lookup/WordNetLemmas.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

// Only a word the library would search as spelled, missing from a list that was read, is told
// absent; a list that could not be read holds every word.
TEST(WordNetLemmasTest, TellsAbsentOnlyWhatItKnowsToBeAbsent) {
  TempFolder folder;
  folder.Write("noun.exc", "geese goose\nmice mouse\n");
  folder.Write("verb.exc", "ate eat\n");  // adj.exc and adv.exc are missing
  const std::string noun = "  1 licence text\ncat n 2 1 @ 2 0 1 2\ngoose n 1 0 1 0 1\n";
  const WordNetLemmas lemmas({noun, "cat v 1 0 1 0 1\n", "", "fast r 1 0 1 0 1"}, folder.Path());

  EXPECT_TRUE(lemmas.MayBeIndexed("cat", 1));
  EXPECT_TRUE(lemmas.MayBeIndexed("cat", 2));
  EXPECT_TRUE(lemmas.MayBeIndexed("fast", 4));  // a last line without its line end
  EXPECT_FALSE(lemmas.MayBeIndexed("fast", 1));
  EXPECT_FALSE(lemmas.MayBeIndexed("", 1));
  EXPECT_FALSE(lemmas.MayBeIndexed("1", 1));        // the licence is no entry
  EXPECT_TRUE(lemmas.MayBeIndexed("anything", 3));  // its index was empty
  EXPECT_TRUE(lemmas.MayBeIndexed("Dog", 1));       // the library lower-cases first
  EXPECT_TRUE(lemmas.MayBeIndexed("dog(a)", 1));

  EXPECT_TRUE(lemmas.MayBeException("mice", 1));
  EXPECT_FALSE(lemmas.MayBeException("mice", 2));
  EXPECT_FALSE(lemmas.MayBeException("mouse", 1));    // a base form begins no line
  EXPECT_TRUE(lemmas.MayBeException("anything", 3));  // its list could not be read
  EXPECT_TRUE(lemmas.MayBeException("mice", 0));      // a part of speech it does not know
}

TEST(WordNetLemmasTest, WordsTheLibraryChangesBeforeSearching) {
  for (const char* word : {"Cat", "ice cream", "ice_cream", "ice-cream", "a.m.", "lay(p)"})
    EXPECT_FALSE(WordNetLemmas::SearchedAsSpelled(word)) << word;
  for (const char* word : {"cat", "caf\xe9", "x2", "o'clock", ""})
    EXPECT_TRUE(WordNetLemmas::SearchedAsSpelled(word)) << word;
}

}  // namespace
