#pragma once
// The commands of lexicon-tool, a developer's tool for building and inspecting lexicons. Each
// takes the arguments after the command's name, writes its result to standard output and returns
// the exit status; errors go to standard error.

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

int BuildCommand(const Arguments& arguments);
int AddCommand(const Arguments& arguments);
int RemoveCommand(const Arguments& arguments);
int WhereIsCommand(const Arguments& arguments);
int MergeCommand(const Arguments& arguments);
int DumpCommand(const Arguments& arguments);
int InfoCommand(const Arguments& arguments);
int SearchCommand(const Arguments& arguments);
int ResultsCommand(const Arguments& arguments);

// Reports a failure on standard error and returns the failing exit status.
int Fail(const std::string& message);
