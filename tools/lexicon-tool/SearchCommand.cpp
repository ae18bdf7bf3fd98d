// lexicon-tool search: one search run headless by a search tab's own controller, its timer
// ticked once the search thread has ended; the results are then exported, saved and printed in
// the store's order.

#include <cerrno>
#include <cstring>
#include <map>

#include "BoxHost.h"
#include "Commands.h"
#include "ConsoleHost.h"
#include "ResultsOutput.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/Cp1252.h"
#include "platform/SignalStop.h"
#include "search/engine/SearchInterface.h"
#include "search/request/SearchData.h"
#include "search/results/Results.h"

namespace {

struct SearchArguments {
  std::map<std::string, std::string> fields;  // find, from, include, exclude, keywords
  std::map<int32_t, bool> flags;              // setting id -> value
  std::string sort;
  bool reverse = false;
  std::string exportPath;
  std::string savePath;
  std::vector<std::string> lexicons;
};

bool ParseSearchArguments(const Arguments& arguments, SearchArguments& options) {
  const std::map<std::string, std::pair<int32_t, bool>> switches = {
      {"--use-all", {SettingId::UseAllFrom, true}},
      {"--no-use-all", {SettingId::UseAllFrom, false}},
      {"--suppress", {SettingId::SuppressPermutations, true}},
      {"--no-suppress", {SettingId::SuppressPermutations, false}},
      {"--case", {SettingId::CaseSensitive, true}},
      {"--reuse", {SettingId::ReuseFromLetters, true}},
  };
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (const auto found = switches.find(argument); found != switches.end()) {
      options.flags[found->second.first] = found->second.second;
    } else if (argument == "--reverse") {
      options.reverse = true;
    } else if (argument.rfind("--", 0) == 0 && i + 1 < arguments.size()) {
      const std::string name = argument.substr(2);
      if (name == "sort") {
        options.sort = arguments[++i];
      } else if (name == "export") {
        options.exportPath = arguments[++i];
      } else if (name == "save") {
        options.savePath = arguments[++i];
      } else if (name == "find" || name == "from" || name == "include" || name == "exclude" ||
                 name == "keywords") {
        options.fields[name] = Cp1252::FromUtf8(arguments[++i]);
      } else {
        return false;
      }
    } else if (argument.rfind("--", 0) == 0) {
      return false;
    } else {
      options.lexicons.push_back(argument);
    }
  }
  const std::map<std::string, int32_t> orderings = {{"alpha", 0}, {"length", 1}, {"found", 2}};
  if (!options.sort.empty() && !orderings.count(options.sort)) return false;
  Settings& settings = Settings::Instance();
  if (!options.sort.empty()) settings.SetInt(SettingId::SortType, orderings.at(options.sort));
  if (options.reverse) settings.SetInt(SettingId::SortMode, 1);
  for (const auto& [id, value] : options.flags) settings.SetBool(id, value);
  return !options.lexicons.empty();
}

// A field as typed (in Windows-1252); empty when it was not given.
std::string Field(const SearchArguments& options, const char* name) {
  const auto found = options.fields.find(name);
  return found == options.fields.end() ? std::string() : found->second;
}

SearchFields FieldsOf(const SearchArguments& options) {
  const auto field = [&](const char* name) { return Field(options, name); };
  return SearchFields{field("find"), field("from"), field("include"), field("exclude"),
                      field("keywords")};
}

}  // namespace

int SearchCommand(const Arguments& arguments) {
  ConsoleHost host;
  ScopedHost scope(host);
  SearchArguments options;
  if (!ParseSearchArguments(arguments, options)) return Fail("search: bad arguments");

  VirtualLexList list;
  list.ScanFiles(options.lexicons);
  // A search tab over every lexicon given, its options taken from the settings set above.
  SearchInterface tab(list);
  host.StopSearchWith([&tab] { tab.StopSearch(false); });
  tab.Request().lexicons->SelectAll();
  tab.fields = FieldsOf(options);
  // A refusal has been told in a box; a multi-word search whose letters make no word of the
  // lexicons simply finds nothing.
  if (!tab.StartSearch(kWordSearch)) return host.Failed() ? kBoxShownStatus : 0;
  host.WaitPumping([&tab] { return !tab.ThreadRunning(); });
  tab.Tick();
  if (SignalStop::Received()) return 0;
  Results& results = tab.GetResults();
  if (!ExportAndSave(results, options.exportPath, options.savePath)) return kBoxShownStatus;
  if (!PrintResults(results) && !SignalStop::Received()) {
    return Fail(std::string("unable to write the results: ") + std::strerror(errno));
  }
  return host.Failed() ? kBoxShownStatus : 0;
}
