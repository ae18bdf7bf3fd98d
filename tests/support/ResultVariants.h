#pragma once
// Results as a sort meets them: words of a list, each as it is, capitalised, in capitals, with an
// accented letter, with a hyphen, a space or an apostrophe inside, or with "'s", chosen at random
// from a fixed seed and in random order. Words recur in several forms, so that texts equal in
// the order, and texts of the same letters with and without marks, meet often.

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::string> ResultVariants(const std::vector<std::string>& words, size_t count,
                                        uint32_t seed);
