#pragma once
// The FIND pattern language: letters, '?' for any letter, '*' for any run inside one word, a
// space for a word separator, sets and ranges in brackets, '^' to negate, '\' to escape and a
// digit to repeat. A pattern compiles to segments split at '*'; a whole entry, framed as
// "&" + entry + "@", matches when every segment matches in turn, each at the first place it can
// (there is no backtracking).
//
// Patterns without "[]^\" compile to plain text segments, matched without virtual calls;
// the others compile to segments of match nodes. Either form is also built into a LetterPattern
// of byte tables, which answers for entries of letters only (most of any lexicon) without the
// rules for marks and separators.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CharClass.h"
#include "search/pattern/LetterPattern.h"
#include "search/pattern/MatchNodes.h"
#include "search/pattern/RegExpException.h"

class RegExp {
 public:
  static constexpr char ANY_SINGLE_CHAR = LetterPattern::kAnyLetter;
  // A repeat count beyond any entry's length cannot change a result, so larger ones are cut
  // here instead of building that many references.
  static constexpr int32_t kMaxMultiplier = MaxWordLength + 1;
  // Brackets nest in sets; deeper nesting than this is refused, so a hostile pattern cannot
  // exhaust the stack while compiling, matching or deleting its nodes.
  static constexpr int kMaxBracketDepth = 32;

  // Throws RegExpException for a malformed pattern. The matcher starts case-insensitive.
  explicit RegExp(const std::string& patternText);
  RegExp(const RegExp&) = delete;
  RegExp& operator=(const RegExp&) = delete;

  // Replaces the compiled pattern. Throws RegExpException, leaving what was built so far.
  void SetPattern(const std::string& patternText);
  // True: accents are folded but case must agree. False: case and accents are folded.
  void SetCaseSensitive(bool sensitive);
  // framedEntry is "&" + entry + "@", NUL-terminated.
  bool Match(const char* framedEntry) const;
  // The same answer as Match for an entry of `letters` letters and nothing else (no mark), found
  // by the fast form; the caller knows the entry holds letters only.
  bool MatchLetters(const char* framedEntry, int32_t letters) const {
    return letterForm.Ready() ? letterForm.Match(framedEntry, letters) : Match(framedEntry);
  }
  // The pattern's fixed tail, when it ends in one after a '*' (see LetterPattern::Tail).
  LetterPattern::Tail FixedTail() const { return letterForm.FixedTail(); }
  // tail.FitsLetters for any entry of `length` characters and `letters` letters: the marks
  // matching passes over are left out. True, leaving the entry to Match, when a space, a hyphen
  // or anything else that is no letter stands among the letters of the tail, unless a letter
  // after it is refused already.
  static bool TailMayFit(const LetterPattern::Tail& tail, const char* framedEntry, int32_t length,
                         int32_t letters);
  // The marks matching never sees: all but space and hyphen.
  static bool IsSkippable(char c) { return IsMark(c) && c != ' ' && c != '-'; }
  void Clear();

  // The folded first letters (bit 0 for a) a stored word can begin with and match.
  uint32_t FirstLetters() const {
    return letterForm.Ready() ? letterForm.FirstLetters() : LetterPattern::kEveryFirstLetter;
  }
  // Fewest letters an entry needs; the exact count when there is one segment.
  int32_t MinLength() const { return minLength; }
  // 1 when the pattern has no '*' and so fixes the length.
  int32_t SegmentCount() const { return segmentCount; }
  bool UsesNodes() const { return usesNodes; }
  bool CaseSensitive() const { return caseSensitive; }
  // The text form keeps the framed pattern; the node form the pattern as given.
  const std::string& Pattern() const { return pattern; }
  const std::vector<std::string>& TextSegments() const { return textSegments; }
  const std::vector<std::vector<const AbstractMatch*>>& NodeSegments() const {
    return nodeSegments;
  }

 private:
  using NodeSegment = std::vector<const AbstractMatch*>;

  void Compile();
  void CompileText();
  void CompileNodes();
  void ParseMultiplier(std::string_view segment, size_t& i);
  std::unique_ptr<AbstractMatch> ParseBracket(std::string_view segment, size_t& i, bool negate,
                                              int depth);
  std::unique_ptr<AbstractMatch> ParseRange(std::string_view segment, size_t& i, bool negate);
  void AddNode(NodeSegment& segment, std::unique_ptr<AbstractMatch> node);

  bool MatchTextSegment(const std::string& segment, const char* entry, size_t& p) const;
  bool MatchNodeSegment(const NodeSegment& segment, const char* entry, size_t& p) const;
  // Moves p to the first place where a segment beginning with s can start in this word.
  bool FindSegmentStart(const char* entry, size_t& p, char s) const;
  void BuildLetterForm() {
    if (usesNodes)
      letterForm.Build(nodeSegments, caseSensitive);
    else
      letterForm.Build(textSegments, caseSensitive);
  }
  bool CharsEqual(char a, char b) const {
    const auto& fold = caseSensitive ? FoldSensitive : FoldInsensitive;
    return fold[static_cast<uint8_t>(a)] == fold[static_cast<uint8_t>(b)];
  }

  bool caseSensitive = false;
  bool compiled = false;  // the pattern compiled whole, so the fast form may be built from it
  int32_t minLength = 0;
  int32_t segmentCount = 0;
  int32_t multiplier = 1;  // repeat count waiting for the next node
  std::string pattern;
  bool usesNodes = false;
  std::vector<NodeSegment> nodeSegments;  // a repeated node appears once per repeat
  std::vector<std::string> textSegments;
  std::vector<std::unique_ptr<AbstractMatch>> nodes;  // owns every node of nodeSegments once
  LetterPattern letterForm;  // depends on the case flag, so rebuilt with it
};

inline bool RegExp::TailMayFit(const LetterPattern::Tail& tail, const char* framedEntry,
                               int32_t length, int32_t letters) {
  if (!tail.Present()) return true;
  // Only the tail's own letters are read: a hyphen or a space before them may change how the
  // rest matches, but the tail must still end the entry.
  int32_t wanted = tail.Letters();
  // More than the entry holds: a damaged entry, or one whose hyphens the tail may take.
  if (wanted > letters || wanted > MaxWordLength) return true;
  if (!tail.TakesAt(wanted, '@')) return false;
  // The entry's letters from its end, each tried at its place in the tail as soon as it is
  // read: most entries are refused by their last letter.
  for (int32_t i = length; wanted > 0; --i) {
    if (i < 1) return true;  // fewer letters than counted: a damaged entry
    const char c = framedEntry[i];
    if (IsLetter(c)) {
      if (!tail.TakesAt(--wanted, c)) return false;
    } else if (!IsSkippable(c)) {
      return true;
    }
  }
  return true;
}
