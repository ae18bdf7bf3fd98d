// lexicon-tool results: opens a saved results pair the way a search tab loads one, then in this
// order re-sorts it with the program's own job, sets the reading direction, exports it as text,
// saves it, and prints it in the order the reader sees it.

#include <map>

#include "BoxHost.h"
#include "Commands.h"
#include "ConsoleHost.h"
#include "ResultsOutput.h"
#include "search/results/Results.h"

namespace {

struct ResultsArguments {
  std::string path;
  int ordering = -1;   // none asked
  int reverse = -1;    // none asked
  std::string exportPath;
  std::string savePath;
  bool print = false;
};

bool ParseResultsArguments(const Arguments& arguments, ResultsArguments& options) {
  const std::map<std::string, int> orderings = {
      {"alpha", kOrderByWord}, {"length", kOrderByLengthThenWord}, {"found", kOrderAsFound}};
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--reverse" || argument == "--forward") {
      options.reverse = argument == "--reverse";
    } else if (argument == "--print") {
      options.print = true;
    } else if (argument == "--sort" && hasValue) {
      const auto found = orderings.find(arguments[++i]);
      if (found == orderings.end()) return false;
      options.ordering = found->second;
    } else if (argument == "--export" && hasValue) {
      options.exportPath = arguments[++i];
    } else if (argument == "--save" && hasValue) {
      options.savePath = arguments[++i];
    } else if (argument.rfind("--", 0) == 0 || !options.path.empty()) {
      return false;
    } else {
      options.path = argument;
    }
  }
  return !options.path.empty();
}

}  // namespace

int ResultsCommand(const Arguments& arguments) {
  ConsoleHost host;
  ScopedHost scope(host);
  ResultsArguments options;
  if (!ParseResultsArguments(arguments, options)) return Fail("results: bad arguments");

  Results results;
  results.LoadFromFile(options.path);
  if (options.ordering >= 0) results.SetSortType(static_cast<uint8_t>(options.ordering));
  if (options.reverse >= 0) results.SetSortDirection(static_cast<uint8_t>(options.reverse));
  if (!ExportAndSave(results, options.exportPath, options.savePath)) return kBoxShownStatus;
  if (options.print && !PrintResults(results)) return Fail("results: cannot write the results");
  return host.Failed() ? kBoxShownStatus : 0;
}
