// build [--default] [--check LEX]... [--strict] WORDLIST OUT.lex: a lexicon built from a word
// list by the program's own chain of jobs and installed at OUT.lex as the program installs one.

#include <filesystem>

#include "BoxHost.h"
#include "Commands.h"
#include "lexbuild/CreateLexicon.h"
#include "search/lexicon/VirtualLex.h"
#include "search/selection/VirtualLexList.h"

namespace {

// False when the arguments do not make a build.
bool ParseBuildArguments(const Arguments& arguments, LexiconBuild& build, bool& isDefault) {
  Arguments paths;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--default") {
      isDefault = true;
    } else if (arguments[i] == "--strict") {
      build.strictChecking = true;
    } else if (arguments[i] == "--check" && i + 1 < arguments.size()) {
      // Whole paths: the program takes a bare name for one in its Lexicons folder.
      build.checkLexicons.push_back(std::filesystem::absolute(arguments[++i]).string());
    } else {
      paths.push_back(arguments[i]);
    }
  }
  if (paths.size() != 2) return false;
  build.wordListPath = paths[0];
  build.lexiconPath = paths[1];
  return true;
}

}  // namespace

int BuildCommand(const Arguments& arguments) {
  LexiconBuild build;
  bool isDefault = false;
  if (!ParseBuildArguments(arguments, build, isDefault))
    return Fail("build needs a word list and the lexicon to write");
  BoxHost host;
  ScopedHost scope(host);
  VirtualLexList list;  // the tool's own, rescanned once the lexicon is in place
  // The check lexicons' headers give their merge its progress.
  if (!build.checkLexicons.empty()) list.ScanFiles(build.checkLexicons);
  if (CreateLexiconFromFile(build, list) && isDefault) {
    VirtualLex lexicon(build.lexiconPath);
    lexicon.ReadHeader();
    lexicon.SetFlag(true);
  }
  return host.Status();
}
