#pragma once
// The shaping of a FIND text before it is compiled, and the walks over its plain letters.

#include <string>

// Replaces each run of digits that is not a bracket's multiplier by that many '?'. A run asks
// for at most MaxWordLength + 1 of them: no word is longer, so more could never match either.
std::string ExpandDigits(const std::string& find);
// Outside brackets: a hyphen becomes a word separator; apostrophes, commas and full stops go.
std::string NormaliseMarks(const std::string& find);
// Reduces every run of spaces to one.
std::string CollapseSpaces(std::string text);
// The letters of a FIND pattern that each word of it spends for certain: those outside brackets
// and not right after '^', lower-cased.
std::string PlainPatternLetters(const std::string& find);
