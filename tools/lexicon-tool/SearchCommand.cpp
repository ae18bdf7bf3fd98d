// lexicon-tool search: one search run headless the way a search tab runs it: the fields through
// the request's setters, validation, the subset analysis for a multi-word search, the engine on
// a worker thread, and the results finished and printed in the store's order.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <thread>

#include "Commands.h"
#include "SignalStop.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/Cp1252.h"
#include "foundation/ResStrings.h"
#include "platform/ScriptedHost.h"
#include "search/engine/SearchRun.h"
#include "search/request/SearchData.h"
#include "search/results/Results.h"

namespace {

constexpr int kMessageShown = 2;
constexpr int32_t kNoLexiconText = 8705;
constexpr int32_t kWarningCaption = 8327;

// Prints every box on standard error and answers it with its default button; a box that is not
// a question means the search could not run as asked.
class ConsoleHost : public SignalStoppingHost {
 public:
  using SignalStoppingHost::SignalStoppingHost;
  int ShowMessage(const MessageRequest& request) override {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    if ((request.flags & MB_ICONMASK) != MB_ICONQUESTION) failed = true;
    return SignalStoppingHost::ShowMessage(request);
  }
  // Nothing to pump here, and a search often ends within a millisecond: yielding keeps the
  // wait that short, where sleeping would add its own delay to every search and sort. A longer
  // job is polled in sleeps that lengthen with it, leaving the processor to the job.
  void WaitPumping(const std::function<bool()>& done) override {
    const auto yieldUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
    auto pause = std::chrono::microseconds(50);
    while (!done()) {
      StopIfSignalled();
      if (std::chrono::steady_clock::now() < yieldUntil) {
        std::this_thread::yield();
        continue;
      }
      std::this_thread::sleep_for(pause);
      pause = std::min(pause * 2, std::chrono::microseconds(1000));
    }
  }
  bool failed = false;
};

struct SearchOptions {
  std::map<std::string, std::string> fields;  // find, from, include, exclude, keywords
  std::map<int32_t, bool> flags;              // setting id -> value
  std::string sort;
  bool reverse = false;
  std::vector<std::string> lexicons;
};

bool ParseSearchArguments(const Arguments& arguments, SearchOptions& options) {
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
std::string Field(const SearchOptions& options, const char* name) {
  const auto found = options.fields.find(name);
  return found == options.fields.end() ? std::string() : found->second;
}

SearchFields FieldsOf(const SearchOptions& options) {
  const auto field = [&](const char* name) { return Field(options, name); };
  return SearchFields{field("find"), field("from"), field("include"), field("exclude"),
                      field("keywords")};
}

// Reads the store a block at a time: every read of it seeks, and one read per result would
// cost more than the search. Prints the results in the order GetResult gives them; false when
// standard output took less than all of them (errno says why) or a signal stopped the printing.
bool PrintResults(Results& results) {
  constexpr uint32_t kBlock = 4096;
  const uint32_t count = results.Count();
  const bool reversed = results.Reverse() && results.WordsPerResult() < 2;
  for (uint32_t done = 0; done < count; done += kBlock) {
    const uint32_t end = reversed ? count - done : std::min(count, done + kBlock);
    const uint32_t begin = reversed ? end - std::min(end, kBlock) : done;
    const std::string block = results.GetBlock(begin, end);
    std::vector<std::string_view> lines;
    for (size_t at = 0; at < block.size();) {
      const size_t lineEnd = block.find("\r\n", at);
      if (lineEnd == std::string::npos) break;
      lines.emplace_back(block.data() + at, lineEnd - at);
      at = lineEnd + 2;
    }
    if (reversed) std::reverse(lines.begin(), lines.end());
    std::string text;
    text.reserve(block.size());
    for (std::string_view line : lines) text.append(line).push_back('\n');
    const std::string utf8 = Cp1252::ToUtf8(text);
    if (SignalStop::Received() || std::fwrite(utf8.data(), 1, utf8.size(), stdout) != utf8.size())
      return false;
  }
  return std::fflush(stdout) == 0;
}

int Search(const Arguments& arguments) {
  auto gate = std::make_shared<SearchGate>();
  ConsoleHost host(gate);
  ScopedHost scope(host);
  SearchOptions options;
  if (!ParseSearchArguments(arguments, options)) return Fail("search: bad arguments");

  VirtualLexList list;
  list.ScanFiles(options.lexicons);
  SearchData request(list);
  request.lexicons->SelectAll();
  if (request.lexicons->CountSelected() == 0) {
    ResMessageBox(kNoLexiconText, kWarningCaption, MB_OK);
    return kMessageShown;
  }
  Results results;
  // A refusal has been told in a box; a multi-word search whose letters make no word of the
  // lexicons simply finds nothing.
  if (!RunSearch(request, FieldsOf(options), results, kWordSearch, gate)) {
    return host.failed ? kMessageShown : 0;
  }
  if (!PrintResults(results) && !SignalStop::Received()) {
    return Fail(std::string("unable to write the results: ") + std::strerror(errno));
  }
  return host.failed ? kMessageShown : 0;
}

}  // namespace

int SearchCommand(const Arguments& arguments) {
  return SignalStop::RunEndingOnSignals([&] { return Search(arguments); });
}
