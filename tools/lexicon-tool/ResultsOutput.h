#pragma once
// What the search and results commands do with finished results: export them as text, save the
// pair, and print them.

#include <string>

class Results;

// Exports to exportPath and saves the pair to savePath, each when given; false after a failure
// (its box shown). Once a stop signal has come, neither begins: the user's files stay as they are.
bool ExportAndSave(Results& results, const std::string& exportPath, const std::string& savePath);
// Prints the results on standard output in the order GetResult gives them, UTF-8, one a line;
// false when standard output could not take them (errno says why) or a signal has come.
bool PrintResults(Results& results);
