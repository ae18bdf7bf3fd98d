#include "lookup/WNInterface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetTestData.h"
#include "support/ScopedAppPaths.h"

namespace {

std::vector<std::string> Words(const std::vector<defItem>& items) {
  std::vector<std::string> words;
  for (const defItem& item : items) words.push_back(item.word);
  return words;
}

std::vector<std::string> EntryTexts(const std::vector<crossRefItem>& items) {
  std::vector<std::string> texts;
  for (const crossRefItem& item : items)
    for (const crossRefWordItem& entry : item.words) texts.push_back(entry.text);
  return texts;
}

std::vector<std::string> Captions(const WNInterface& wordNet, int partOfSpeech) {
  std::vector<std::string> captions;
  wordNet.GetRelationCaptions(captions, partOfSpeech);
  return captions;
}

bool Lists(const std::vector<std::string>& captions, const std::string& caption) {
  return std::find(captions.begin(), captions.end(), caption) != captions.end();
}

class WNInterfaceTest : public testing::Test {
 protected:
  WNInterface wordNet{DictionaryFolder()};
};

// Runs in a process of its own (no earlier test may have started the library): a start on a
// missing folder fails, the default folder setting then finds the installed database, and
// after that the library stays open whatever folder a later object names.
int StartFromTheDefaultFolderAfterAFailure() {
  ScopedAppPaths scoped;
  AppPaths paths = scoped.Paths();
  paths.programFolder = std::string(SORVANE_BIN_DIR) + "/";
  scoped.Change(paths);
  const std::string missing = scoped.Root() / "no-such-folder";
  try {
    WNInterface failed(missing);
    return 1;
  } catch (const SorvaneException& error) {
    if (std::string(error.what()) != "Unable to Initialise WordNet Files") return 2;
  }
  WNInterface started(Settings::Rebuild().GetString(SettingId::FolderWordNet));
  started.Search("dog", 0);
  if (started.senseCount[0] != 8) return 3;
  WNInterface later(missing);
  const std::vector<std::string> names = {"All", "Nouns", "Verbs", "Adjectives", "Adverbs"};
  return later.posNames == names ? 0 : 4;
}

TEST(WNInterfaceStartTest, DefaultFolderStartsTheLibraryAfterAFailedStart) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(StartFromTheDefaultFolderAfterAFailure()), testing::ExitedWithCode(0),
              "");
}

TEST_F(WNInterfaceTest, DogInEveryPartOfSpeech) {
  wordNet.Search("Dog", 0);
  EXPECT_EQ(Words(wordNet.definitions[0]), std::vector<std::string>{"dog"});
  EXPECT_EQ(Words(wordNet.definitions[1]), std::vector<std::string>{"dog"});
  EXPECT_TRUE(wordNet.definitions[2].empty());
  EXPECT_TRUE(wordNet.definitions[3].empty());
  EXPECT_EQ(wordNet.senseCount, (std::array<uint32_t, 5>{8, 7, 1, 0, 0}));
  EXPECT_EQ(wordNet.definitions[0][0].glosses.size(), 7u);
  EXPECT_EQ(wordNet.definitions[0][0].glosses[2], "Informal term for a man; \"you lucky dog\".");
  EXPECT_EQ(wordNet.definitions[1][0].glosses[0],
            "Go after with the intent to catch; \"The policeman chased the mugger down the "
            "alley\"; \"the dog chased the rabbit\".");
  EXPECT_EQ(wordNet.relationMask[0], wordNet.relationMask[1] | wordNet.relationMask[2]);

  wordNet.Search("dog", 2);
  EXPECT_TRUE(wordNet.definitions[0].empty());
  EXPECT_EQ(wordNet.senseCount, (std::array<uint32_t, 5>{1, 0, 1, 0, 0}));
}

TEST_F(WNInterfaceTest, HiddenExamplesEndGlossesWithAFullStop) {
  wordNet.SetShowExamples(false);
  wordNet.Search("dog", 1);
  const std::vector<std::string>& glosses = wordNet.definitions[0][0].glosses;
  EXPECT_EQ(glosses[0],
            "A member of the genus Canis (probably descended from the common wolf) that has "
            "been domesticated by man since prehistoric times; occurs in many breeds.");
  EXPECT_EQ(glosses[2], "Informal term for a man.");
  EXPECT_EQ(glosses[4],
            "A smooth-textured sausage of minced beef or pork usually smoked; often served on "
            "a bread roll.");
  wordNet.SetShowExamples(true);
  wordNet.Search("dog", 1);
  EXPECT_EQ(wordNet.definitions[0][0].glosses[0].back(), '.');
  EXPECT_NE(wordNet.definitions[0][0].glosses[0].find("\"the dog barked all night\"."),
            std::string::npos);
}

TEST_F(WNInterfaceTest, GlossEndingInAParenthesisKeepsIt) {
  wordNet.Search("entity", 0);
  ASSERT_EQ(wordNet.definitions[0].size(), 1u);
  EXPECT_EQ(wordNet.definitions[0][0].glosses,
            std::vector<std::string>{"That which is perceived or known or inferred to have its "
                                     "own distinct existence (living or nonliving)."});
}

TEST_F(WNInterfaceTest, CollocationsAccentsAndCaseAreFoundAsTheDatabaseHoldsThem) {
  wordNet.Search("ice cream", 0);
  ASSERT_EQ(Words(wordNet.definitions[0]), std::vector<std::string>{"ice cream"});
  EXPECT_EQ(wordNet.definitions[0][0].glosses,
            std::vector<std::string>{"Frozen dessert containing cream and sugar and flavoring."});

  for (const char* cafe : {"caf\xE9", "CAF\xC9"}) {
    wordNet.Search(cafe, 0);
    EXPECT_EQ(Words(wordNet.definitions[0]), std::vector<std::string>{"cafe"});
    EXPECT_EQ(wordNet.senseCount[0], 1u);
  }
}

TEST_F(WNInterfaceTest, InflectedFormsGiveTheirBaseForms) {
  wordNet.Search("dogs", 0);
  // "dogs" itself is no entry: only its base form is listed.
  EXPECT_EQ(Words(wordNet.definitions[0]), std::vector<std::string>{"dog"});
  EXPECT_EQ(Words(wordNet.definitions[1]), std::vector<std::string>{"dog"});
  EXPECT_EQ(wordNet.senseCount[0], 8u);

  wordNet.Search("glasses", 1);
  EXPECT_EQ(Words(wordNet.definitions[0]), (std::vector<std::string>{"glasses", "glass"}));
  EXPECT_EQ(wordNet.senseCount[1], 1u + 7u);
}

TEST_F(WNInterfaceTest, UnknownWordsAndArgumentsTheLibraryCannotTakeFindNothing) {
  wordNet.Search("dog", 0);
  std::string collocation = "bok";  // each "bok" has the base form "boschbok"
  while (collocation.size() < 115) collocation += " bok";
  const std::string tooLong(300, 'a');
  for (const std::string& word : {std::string("xyzzyqx"), std::string(), collocation, tooLong}) {
    wordNet.Search(word, 0);
    EXPECT_EQ(wordNet.senseCount, (std::array<uint32_t, 5>{})) << word;
    EXPECT_EQ(wordNet.relationMask, (std::array<uint32_t, 5>{})) << word;
    for (const auto& list : wordNet.definitions) EXPECT_TRUE(list.empty()) << word;
    for (const auto& relation : wordNet.crossRefs)
      for (const auto& list : relation) EXPECT_TRUE(list.empty()) << word;
  }
  wordNet.Search("dog", 7);  // no such part of speech
  EXPECT_EQ(wordNet.senseCount[0], 0u);

  // The longest entry of the database is still passed.
  wordNet.Search("blood-oxygenation level dependent functional magnetic resonance imaging", 1);
  EXPECT_EQ(wordNet.senseCount[1], 1u);
}

TEST_F(WNInterfaceTest, ParseOverviewOnRecordedAndCutOutputs) {
  defItem whole;
  wordNet.ParseOverview(RecordedOutput("overview-dog-noun.txt"), whole);
  ASSERT_EQ(whole.glosses.size(), 7u);
  EXPECT_EQ(whole.glosses[5],
            "A hinged catch that fits into a notch of a ratchet to move a wheel forward or "
            "prevent it from moving backward.");

  defItem cutInGloss;
  wordNet.ParseOverview(RecordedOutput("overview-dog-noun-cut-in-gloss.txt"), cutInGloss);
  ASSERT_EQ(cutInGloss.glosses.size(), 3u);
  EXPECT_EQ(cutInGloss.glosses[2], "Informal term.");

  defItem cutAtMarker;
  wordNet.ParseOverview(RecordedOutput("overview-dog-noun-cut-at-marker.txt"), cutAtMarker);
  ASSERT_EQ(cutAtMarker.glosses.size(), 4u);
  EXPECT_EQ(cutAtMarker.glosses[3], ".");

  // A gloss closed at once stays one sense's gloss and does not swallow the next one.
  defItem empty;
  wordNet.ParseOverview("1. a -- ()\n2. b -- (bee)\n", empty);
  EXPECT_EQ(empty.glosses, (std::vector<std::string>{".", "Bee."}));

  // Bytes above 0x7F are neither upper-cased nor taken for letters.
  defItem accented;
  wordNet.ParseOverview("-- (\xE9t\xE9\xE9)\n", accented);
  EXPECT_EQ(accented.glosses, std::vector<std::string>{"\xE9t\xE9."});

  const std::string text = RecordedOutput("overview-dog-noun.txt");
  for (bool examples : {true, false}) {
    wordNet.SetShowExamples(examples);
    for (size_t length = 0; length < text.size(); ++length) {
      defItem item;
      wordNet.ParseOverview(text.substr(0, length), item);
      EXPECT_LE(item.glosses.size(), 7u) << length;
    }
  }
}

TEST_F(WNInterfaceTest, RelationEntriesOfDog) {
  wordNet.Search("dog", 0);
  const int synonyms = WNInterface::RelationIndex("Synonyms");
  ASSERT_EQ(wordNet.crossRefs[synonyms][0].size(), 1u);
  EXPECT_EQ(wordNet.crossRefs[synonyms][0][0].word, "dog");
  EXPECT_EQ(wordNet.crossRefs[synonyms][0][0].words[0].text, "domestic dog, Canis familiaris");
  EXPECT_EQ(EntryTexts(wordNet.crossRefs[synonyms][1]),
            std::vector<std::string>{"chase, chase after, trail, tail, tag, give chase, go "
                                     "after, track"});

  const int kindOf = WNInterface::RelationIndex("Is Kind of");
  EXPECT_EQ(EntryTexts(wordNet.crossRefs[kindOf][0])[0],
            "canine, canid, domestic animal, domesticated animal. ");
  EXPECT_EQ(EntryTexts(wordNet.crossRefs[WNInterface::RelationIndex("Parts of")][0]),
            std::vector<std::string>{"flag. "});

  EXPECT_EQ(Captions(wordNet, 1), (std::vector<std::string>{"Synonyms", "Is Kind of",
                                                            "Kinds of", "Parts of",
                                                            "Is Part of"}));
  EXPECT_EQ(Captions(wordNet, 2),
            (std::vector<std::string>{"Synonyms", "Is Kind of", "Kinds of"}));
  EXPECT_EQ(Captions(wordNet, 0), Captions(wordNet, 1));
  std::vector<std::string> none;
  EXPECT_FALSE(wordNet.GetRelationCaptions(none, 3));
  EXPECT_FALSE(wordNet.GetRelationCaptions(none, 9));
  EXPECT_TRUE(none.empty());

  wordNet.Search("Canis familiaris", 0);
  EXPECT_EQ(wordNet.crossRefs[synonyms][0][0].words[0].text, "dog, domestic dog");
}

TEST_F(WNInterfaceTest, SeeAlsoEntriesOfGood) {
  wordNet.Search("good", 0);
  const auto& seeAlso = wordNet.crossRefs[WNInterface::RelationIndex("See Also")];
  EXPECT_TRUE(seeAlso[0].empty());
  EXPECT_EQ(EntryTexts(seeAlso[2]), (std::vector<std::string>{"best", "good"}));
  EXPECT_EQ(seeAlso[2][0].words[0].sense, -1);
}

// Records what the library reports, so that a test can see which bits were cleared later.
class MaskRecorder : public WordNetLibrary {
 public:
  MaskRecorder() { Install(this); }
  ~MaskRecorder() override { Install(nullptr); }
  uint32_t IsDefined(const std::string& word, int partOfSpeech) override {
    const uint32_t mask = WordNetLibrary::IsDefined(word, partOfSpeech);
    reported[partOfSpeech] |= mask;
    return mask;
  }
  std::array<uint32_t, 5> reported{};
};

TEST_F(WNInterfaceTest, RelationsWithoutEntriesAreNotOffered) {
  MaskRecorder recorder;
  wordNet.Search("pack", 0);
  // The library offers parts for the noun, but it has only members: no "HAS PART: " line.
  constexpr uint32_t kParts = 1u << 12;
  EXPECT_TRUE(recorder.reported[1] & kParts);
  EXPECT_FALSE(wordNet.relationMask[1] & kParts);
  EXPECT_FALSE(wordNet.relationMask[0] & kParts);
  EXPECT_FALSE(Lists(Captions(wordNet, 1), "Parts of"));
  EXPECT_FALSE(Lists(Captions(wordNet, 0), "Parts of"));
  EXPECT_TRUE(wordNet.crossRefs[WNInterface::RelationIndex("Parts of")][0].empty());
  EXPECT_TRUE(Lists(Captions(wordNet, 1), "Synonyms"));
}

TEST(WNInterfaceRelationIndexTest, CaptionsMatchExactly) {
  EXPECT_EQ(WNInterface::RelationIndex("Synonyms"), 0);
  EXPECT_EQ(WNInterface::RelationIndex("See Also"), 6);
  EXPECT_EQ(WNInterface::RelationIndex("Is Part of"), 10);
  EXPECT_EQ(WNInterface::RelationIndex("is part of"), -1);
  EXPECT_EQ(WNInterface::RelationIndex("Nouns"), -1);
  EXPECT_EQ(WNInterface::RelationIndex(""), -1);
  EXPECT_EQ(WNInterface::RelationIndex(nullptr), -1);
}

TEST_F(WNInterfaceTest, KeyWordsMatchWhereAWordOfTheTextBegins) {
  EXPECT_TRUE(wordNet.MatchesKeyWords("dog", {" canine"}));  // a relation entry
  EXPECT_TRUE(wordNet.MatchesKeyWords("dog", {" zebra", " wol"}));  // a gloss: "wolf"
  EXPECT_TRUE(wordNet.MatchesKeyWords("Dogs", {" sausage"}));
  EXPECT_FALSE(wordNet.MatchesKeyWords("dog", {" barked"}));  // only in an example
  EXPECT_FALSE(wordNet.MatchesKeyWords("dog", {" anine"}));   // not where a word begins
  EXPECT_FALSE(wordNet.MatchesKeyWords("dog", {}));
  EXPECT_EQ(wordNet.showExamples, 0);

  // " dog" matches "hot dog" but not "hotdog".
  EXPECT_TRUE(wordNet.MatchesKeyWords("wiener", {" dog"}));
  EXPECT_FALSE(wordNet.MatchesKeyWords("andiron", {" iron"}));  // "dog-iron"
  EXPECT_TRUE(wordNet.MatchesKeyWords("andiron", {" dog"}));

  for (const char* unknown : {"xyzzyqx", ""})
    EXPECT_FALSE(wordNet.MatchesKeyWords(unknown, {" a", " e", " the"})) << unknown;
}

// Remembered verdicts are those of searching afresh, whatever the key words, the order of the
// words and the parts of speech a form turns up in (dog: a canine noun, a verb that follows).
TEST_F(WNInterfaceTest, RememberedAnswersAreThoseOfSearchingAfresh) {
  WNInterface afresh(DictionaryFolder());
  afresh.rememberLookups = false;
  std::vector<std::string> words = {"dogs", "dog", "dogged", "cats", "cat", "catting", "fell"};
  std::ifstream list("/usr/share/dict/american-english");
  size_t n = 0;
  for (std::string line; std::getline(list, line); ++n)
    if (n % 997 == 0) words.push_back(line);
  for (const std::vector<std::string>& keyWords :
       std::vector<std::vector<std::string>>{{" follow"}, {" animal", " music"}, {" follow"}})
    for (const std::string& word : words)
      EXPECT_EQ(wordNet.MatchesKeyWords(word, keyWords), afresh.MatchesKeyWords(word, keyWords))
          << word << keyWords[0];
  EXPECT_TRUE(wordNet.MatchesKeyWords("dog", {" follow"}));
}

}  // namespace
