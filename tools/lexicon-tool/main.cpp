// lexicon-tool: builds a lexicon from a plain word list, changes, finds in and merges lexicons,
// dumps their words, shows their headers, runs searches and handles saved results.

#include <cstdio>
#include <exception>

#include "Commands.h"
#include "platform/SignalStop.h"

namespace {

constexpr const char* kUsage =
    "usage: lexicon-tool build [--default] [--check LEX]... [--strict] WORDLIST OUT.lex\n"
    "       lexicon-tool add LEX WORD\n"
    "       lexicon-tool remove LEX WORD\n"
    "       lexicon-tool whereis WORD LEX...\n"
    "       lexicon-tool merge OUT.lex LEX LEX...\n"
    "       lexicon-tool dump LEX\n"
    "       lexicon-tool info LEX\n"
    "       lexicon-tool search [--find TEXT] [--from TEXT] [--include TEXT] [--exclude TEXT]\n"
    "                           [--keywords TEXT] [--use-all|--no-use-all]\n"
    "                           [--suppress|--no-suppress] [--case] [--reuse]\n"
    "                           [--sort alpha|length|found] [--reverse]\n"
    "                           [--export FILE] [--save PATH] LEX...\n"
    "       lexicon-tool results PATH [--sort alpha|length|found] [--reverse|--forward]\n"
    "                            [--export FILE] [--save PATH] [--print]\n";

}  // namespace

int Fail(const std::string& message) {
  std::fprintf(stderr, "lexicon-tool: %s\n", message.c_str());
  return 1;
}

namespace {

// The command's status; an unknown command shows the usage. Every command stops on SIGINT,
// SIGTERM and SIGPIPE as a user's Stop or Cancel would, so that no working file is left in the
// Temp folder.
int RunCommand(const std::string& command, const Arguments& arguments) {
  try {
    if (command == "build") return BuildCommand(arguments);
    if (command == "add") return AddCommand(arguments);
    if (command == "remove") return RemoveCommand(arguments);
    if (command == "whereis") return WhereIsCommand(arguments);
    if (command == "merge") return MergeCommand(arguments);
    if (command == "dump") return DumpCommand(arguments);
    if (command == "info") return InfoCommand(arguments);
    if (command == "search") return SearchCommand(arguments);
    if (command == "results") return ResultsCommand(arguments);
  } catch (const std::exception& e) {
    return Fail(e.what());
  }
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string command = argv[1];
  const Arguments arguments(argv + 2, argv + argc);
  const int status = SignalStop::RunEndingOnSignals([&] { return RunCommand(command, arguments); });
  // What was printed but never reached standard output (a full disk) fails the run.
  const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  return written || status != 0 ? status : Fail("cannot write the output");
}
