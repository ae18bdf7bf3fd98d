#pragma once
// Compares what different programs printed for the same question. Each check returns an empty
// text when the outputs agree, else what differs.

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// The words of a phrase, lower-cased and sorted: a phrase taken as a set of words, whatever
// order and case a program prints it in.
inline std::string PhraseKey(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    for (char& c : word)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    words.push_back(word);
  }
  std::sort(words.begin(), words.end());
  std::string key;
  for (const std::string& word : words) key += (key.empty() ? "" : " ") + word;
  return key;
}

// "N only in a (first: x)" for the members of a that b lacks; empty when there are none.
inline std::string OnlyIn(const std::set<std::string>& a, const std::set<std::string>& b,
                          const std::string& nameOfA) {
  std::vector<std::string> only;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
  if (only.empty()) return {};
  return std::to_string(only.size()) + " only in " + nameOfA + " (first: '" + only.front() + "') ";
}

// The same lines, in any order, none twice.
inline std::string CompareWordLists(const std::vector<std::string>& ours,
                                    const std::vector<std::string>& theirs,
                                    const std::string& theirName) {
  const std::set<std::string> a(ours.begin(), ours.end());
  const std::set<std::string> b(theirs.begin(), theirs.end());
  if (a.size() != ours.size()) return "lexicon-tool printed a word twice";
  return OnlyIn(a, b, "lexicon-tool") + OnlyIn(b, a, theirName);
}

// With Suppress Permutations the engine takes a phrase's words in order of (letter count, first
// letter), and a level whose letters hold no vowel gives up. So it reaches a phrase only when a
// word that may come last, one with the greatest (letter count, first letter), holds a vowel.
inline bool EngineReaches(const std::string& key) {
  std::istringstream in(key);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  const auto order = [](const std::string& w) { return std::make_pair(w.size(), w.front()); };
  const auto last = *std::max_element(words.begin(), words.end(), [&](auto& a, auto& b) {
    return order(a) < order(b);
  });
  return std::any_of(words.begin(), words.end(), [&](const std::string& w) {
    return order(w) == order(last) && w.find_first_of("aeiouy") != std::string::npos;
  });
}

struct PhraseComparison {
  std::string differ;      // empty when the outputs agree
  size_t phrases = 0;      // distinct phrases of the other programs
  size_t unreachable = 0;  // of those, the ones the engine cannot reach
};

// Our phrases against those of the other programs, as sets of words. The others must agree
// with each other; ours may print one phrase in several word orders, never the same order
// twice, and hold exactly the others' phrases that the engine can reach.
inline PhraseComparison ComparePhrases(const std::vector<std::string>& ours,
                                       const std::vector<std::vector<std::string>>& others,
                                       const std::vector<std::string>& otherNames) {
  const auto keys = [](const std::vector<std::string>& lines) {
    std::set<std::string> result;
    for (const std::string& line : lines) result.insert(PhraseKey(line));
    return result;
  };
  PhraseComparison result;
  const std::set<std::string> reference = keys(others.front());
  result.phrases = reference.size();
  for (size_t i = 1; i < others.size() && result.differ.empty(); ++i) {
    result.differ = OnlyIn(reference, keys(others[i]), otherNames.front()) +
                    OnlyIn(keys(others[i]), reference, otherNames[i]);
  }
  if (!result.differ.empty()) return result;
  if (std::set<std::string>(ours.begin(), ours.end()).size() != ours.size()) {
    result.differ = "lexicon-tool printed a phrase twice in the same order";
    return result;
  }
  std::set<std::string> reachable;
  std::copy_if(reference.begin(), reference.end(), std::inserter(reachable, reachable.end()),
               EngineReaches);
  result.unreachable = reference.size() - reachable.size();
  const std::set<std::string> found = keys(ours);
  result.differ =
      OnlyIn(found, reachable, "lexicon-tool") + OnlyIn(reachable, found, otherNames.front());
  return result;
}
