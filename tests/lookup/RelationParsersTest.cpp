#include "lookup/RelationParsers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/RelationTable.h"
#include "lookup/WordNetTestData.h"

namespace {

using Entries = std::vector<crossRefWordItem>;

const RelationRow& Row(const char* caption) {
  for (const RelationRow& row : relationTable)
    if (std::string(row.caption) == caption) return row;
  throw std::logic_error(caption);
}

Entries Parse(const char* caption, const std::string& text, const std::string& word = "dog") {
  const RelationRow& row = Row(caption);
  Entries entries;
  const int32_t count = row.parser(text, row.marker, word, entries);
  EXPECT_EQ(count, static_cast<int32_t>(entries.size()));
  return entries;
}

std::vector<std::string> Texts(const Entries& entries) {
  std::vector<std::string> texts;
  for (const auto& entry : entries) texts.push_back(entry.text);
  return texts;
}

std::vector<int32_t> Senses(const Entries& entries) {
  std::vector<int32_t> senses;
  for (const auto& entry : entries) senses.push_back(entry.sense);
  return senses;
}

std::string RemovedFrom(std::string line, const std::string& word) {
  RemoveWordFromList(line, word);
  return line;
}

TEST(NextSenseTest, FindsHeadersAndTheirNumbers) {
  const std::string text = "3 senses\n\nSense 12\nx\n\nSense 4";
  size_t pos = 0;
  size_t lineEnd = 0;
  EXPECT_EQ(NextSense(pos, lineEnd, text), 12);
  EXPECT_EQ(text.substr(pos, 2), "12");
  EXPECT_EQ(lineEnd, text.find("\nx"));
  // The last header has no line break after it.
  EXPECT_EQ(NextSense(pos, lineEnd, text), 4);
  EXPECT_EQ(lineEnd, std::string::npos);
  EXPECT_EQ(NextSense(pos, lineEnd, text), -1);

  pos = 0;
  EXPECT_EQ(NextSense(pos, lineEnd, "\n\nSense x\n"), 0);  // no digits read as 0
  pos = 0;
  EXPECT_EQ(NextSense(pos, lineEnd, "\n\nSense 99999999999\n"), INT32_MAX);
  pos = 0;
  EXPECT_EQ(NextSense(pos, lineEnd, ""), -1);
}

TEST(RemoveWordFromListTest, DropsTheWordWhereverItStands) {
  EXPECT_EQ(RemovedFrom("dog, domestic dog, Canis familiaris", "dog"),
            "domestic dog, Canis familiaris");
  EXPECT_EQ(RemovedFrom("dog, domestic dog, Canis familiaris", "Canis familiaris"),
            "dog, domestic dog");
  EXPECT_EQ(RemovedFrom("frump, dog", "dog"), "frump");
  EXPECT_EQ(RemovedFrom("dog", "dog"), "");
  EXPECT_EQ(RemovedFrom("Dog,dog ,  DOG", "dog"), "");  // case folded, blanks trimmed
  EXPECT_EQ(RemovedFrom("chase, dog, track", "dog"), "chase, track");
  EXPECT_EQ(RemovedFrom("", "dog"), "");
  EXPECT_EQ(RemovedFrom("a, b,", "dog"), "a, b");
}

TEST(ParseSynonymsTest, RecordedOutputLosesTheWordAndLonelySenses) {
  const Entries entries = Parse("Synonyms", RecordedOutput("synonyms-dog-noun.txt"));
  EXPECT_EQ(Senses(entries), (std::vector<int32_t>{1, 2, 4, 5, 6, 7}));
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{
                                "domestic dog, Canis familiaris",
                                "frump",
                                "cad, bounder, blackguard, hound, heel",
                                "frank, frankfurter, hotdog, hot dog, wiener, wienerwurst, weenie",
                                "pawl, detent, click",
                                "andiron, firedog, dog-iron",
                            }));
}

TEST(ParseSynonymsTest, OnlyTheFirstLineAfterAHeaderCounts) {
  const Entries entries = Parse("Synonyms", "\n\nSense 2\ngood, full\n       => ample\n", "good");
  EXPECT_EQ(Texts(entries), std::vector<std::string>{"full"});
  EXPECT_EQ(Senses(entries), std::vector<int32_t>{2});
  // A header on the last line, and a last line without a line break.
  EXPECT_TRUE(Parse("Synonyms", "\n\nSense 1").empty());
  EXPECT_EQ(Texts(Parse("Synonyms", "\n\nSense 1\nhound, dog")),
            std::vector<std::string>{"hound"});
}

TEST(ParsePointerLinesTest, RecordedOutputsJoinTheLinesOfEachSense) {
  const Entries kinds = Parse("Is Kind of", RecordedOutput("hypernyms-dog-noun.txt"));
  EXPECT_EQ(Senses(kinds), (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(kinds[0].text, "canine, canid, domestic animal, domesticated animal. ");
  EXPECT_EQ(kinds[4].text, "sausage. ");

  // " OF:" takes every holonym line, whatever kind of whole it names.
  const Entries wholes = Parse("Is Part of", RecordedOutput("holonyms-dog-noun.txt"));
  EXPECT_EQ(Senses(wholes), (std::vector<int32_t>{1, 5, 6}));
  EXPECT_EQ(Texts(wholes), (std::vector<std::string>{"Canis, genus Canis, pack. ",
                                                    "hotdog, hot dog, red hot. ",
                                                    "ratchet, rachet, ratch. "}));

  // Only member parts here: the marker with its closing blank finds nothing.
  EXPECT_TRUE(Parse("Parts of", RecordedOutput("meronyms-pack-noun.txt")).empty());

  // Senses without any marker line after the first give nothing.
  const Entries pertains = Parse("Pertains to", RecordedOutput("pertainyms-musical-adj.txt"));
  EXPECT_EQ(Texts(pertains), std::vector<std::string>{"music, auditory communication. "});
}

TEST(ParsePointerLinesTest, BlockWithoutMarkerBorrowsTheNextLine) {
  const std::string text =
      "\n\nSense 1\nfirst\n\nSense 2\nsecond\n       => a, b\n       => c\n\nSense 3\nthird\n"
      "       => d\n";
  const Entries entries = Parse("Is Kind of", text);
  // Sense 1 takes sense 2's first line and ends there; the search goes on after that line.
  EXPECT_EQ(Senses(entries), (std::vector<int32_t>{1, 3}));
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"a, b. ", "d. "}));

  EXPECT_EQ(Texts(Parse("Is Kind of", "\n\nSense 1\nx\n => a, b\n => c\n")),
            std::vector<std::string>{"a, b, c. "});
}

TEST(ParseSeeAlsoTest, EntriesRunToTheHashUntrimmed) {
  const Entries entries = Parse("See Also", RecordedOutput("seealso-good-adj.txt"), "good");
  EXPECT_EQ(Texts(entries), (std::vector<std::string>{"best", "good"}));
  EXPECT_EQ(Senses(entries), (std::vector<int32_t>{-1, -1}));
  EXPECT_EQ(Texts(Parse("See Also", " Also See->  far off #2 Also See-> near")),
            (std::vector<std::string>{" far off ", "near"}));
}

TEST(TruncatedOutputTest, RecordedCutsEndWithWhatCameBefore) {
  EXPECT_EQ(Texts(Parse("Synonyms", RecordedOutput("synonyms-dog-noun-cut-after-header.txt"))),
            (std::vector<std::string>{"domestic dog, Canis familiaris", "frump"}));

  const Entries cutAtMarker =
      Parse("Is Kind of", RecordedOutput("hypernyms-dog-noun-cut-at-marker.txt"));
  EXPECT_EQ(Senses(cutAtMarker), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(cutAtMarker[1].text, ". ");  // the marker ends the text: an empty piece

  const Entries noFinalBreak =
      Parse("Is Kind of", RecordedOutput("hypernyms-dog-noun-no-final-newline.txt"));
  EXPECT_EQ(noFinalBreak.size(), 7u);
  EXPECT_EQ(noFinalBreak.back().text, "support. ");

  EXPECT_EQ(Texts(Parse("See Also", RecordedOutput("seealso-good-adj-cut-at-marker.txt"))),
            (std::vector<std::string>{"best", ""}));
}

// Every parser ends on every prefix of every recorded output, and never finds more than the
// whole text holds.
TEST(TruncatedOutputTest, EveryPrefixOfEveryRecordingEnds) {
  const char* const files[] = {"synonyms-dog-noun.txt", "hypernyms-dog-noun.txt",
                               "holonyms-dog-noun.txt", "meronyms-pack-noun.txt",
                               "seealso-good-adj.txt", "pertainyms-musical-adj.txt"};
  for (const char* file : files) {
    const std::string text = RecordedOutput(file);
    ASSERT_FALSE(text.empty()) << file;
    for (const RelationRow& row : relationTable) {
      Entries whole;
      const int32_t most = row.parser(text, row.marker, "dog", whole) + 1;
      for (size_t length = 0; length < text.size(); ++length) {
        Entries entries;
        EXPECT_LE(row.parser(text.substr(0, length), row.marker, "dog", entries), most)
            << file << " " << row.caption << " " << length;
      }
    }
  }
}

}  // namespace
