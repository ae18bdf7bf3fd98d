#pragma once
// The program's door to the WordNet dictionary. One object serves one user (the dictionary
// window, or one search's key-word test): Search looks a word up and leaves in the object the
// forms found, the gloss of every sense, the sense counts, the searches available and the
// relation entries, which the owner then reads directly.
//
// Parts of speech are numbered as the library numbers them: 1 noun, 2 verb, 3 adjective,
// 4 adverb; 0 stands for all four.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "lookup/LookupMemo.h"
#include "lookup/ParsedEntries.h"
#include "lookup/RelationParsers.h"
#include "lookup/RelationTable.h"

// One word form in one part of speech.
struct defItem {
  std::vector<std::string> glosses;  // one per sense, in the library's sense order
  std::string word;                  // with blanks, not underscores
};

// One word form's entries for one relation and part of speech.
struct crossRefItem {
  std::string word;  // as in its defItem
  std::vector<crossRefWordItem> words;
};

class WNInterface {
 public:
  // Starts the library on the dictionary folder; throws SorvaneException when it cannot.
  explicit WNInterface(const std::string& folder);

  // Replaces every result below. Safe to call from several threads at once on separate objects.
  void Search(const std::string& word, int partOfSpeech);
  // Whether glosses keep their example sentences; takes effect at the next search.
  void SetShowExamples(bool show);
  // Cuts one gloss per sense out of an overview text into item.glosses.
  void ParseOverview(std::string_view text, defItem& item) const;

  // Appends the caption of every relation available in that part of speech (0: in any);
  // true when at least one was appended.
  bool GetRelationCaptions(std::vector<std::string>& captions, int partOfSpeech) const;
  // The relation row whose caption is exactly caption; -1 when none is.
  static int32_t RelationIndex(const char* caption);
  // The key-word test: true when one of the key words (lower case, each starting with a blank)
  // begins a word of one of the word's glosses or relation entries. It remembers answers from
  // one test to the next (see LookupMemo) and keeps the library's parsed entries until the
  // object goes (see ParsedEntries), leaving the definitions and sense counts as Search does but
  // no relation entries, and relationMask as the library reported it. With rememberLookups false
  // it runs Search and remembers nothing.
  bool MatchesKeyWords(const std::string& word, const std::vector<std::string>& keyWords);
  bool rememberLookups = true;  // false asks the library every time, for comparing the two

  std::vector<std::string> posNames;
  std::array<uint32_t, 5> senseCount{};  // [0] all, [1]-[4] per part of speech
  std::string glossStart;
  uint8_t showExamples;
  std::string glossEnd;
  std::string folder;
  std::array<std::vector<defItem>, 4> definitions;  // index: part of speech - 1
  std::array<std::array<std::vector<crossRefItem>, 4>, kRelationCount> crossRefs;
  // Per part of speech: bit n set when search type n is available for the word or one of its
  // base forms and gave entries; [0] is the union of [1]-[4].
  std::array<uint32_t, 5> relationMask{};

 private:
  using TextTest = std::function<bool(const std::string&)>;
  // Search but for the relations; called with WordNetLock held.
  void SearchDefinitions(const std::string& word, int partOfSpeech);
  void SearchOverview(const std::string& word, int partOfSpeech);
  void AddDefinition(const LookupMemo::Noted& found, std::string word, int partOfSpeech);
  void SearchRelations();
  void UpdateMaskUnion();
  // The library's answers, through the memo once there is one. Called with WordNetLock held; a
  // text stays valid until the next call.
  uint32_t IsDefined(const std::string& word, int partOfSpeech);
  LookupMemo::Noted FindTheInfo(const std::string& word, int partOfSpeech, int searchType);

  bool GlossesHold(const TextTest& holds) const;
  bool RelationEntriesHold(const TextTest& holds) const;
  // Searches the relations of one form as SearchRelations does; true at the first entry held.
  bool FormEntriesHold(const std::string& form, int partOfSpeech, const TextTest& holds);

  std::unique_ptr<LookupMemo> memo;
  LookupMemo::Text asked;                 // the last answer while there is no memo
  std::vector<std::string> memoKeyWords;  // the key words the memo's verdicts are for
  std::unique_ptr<ParsedEntriesKept> keptEntries;  // the library's parses, while the memo is used
};
