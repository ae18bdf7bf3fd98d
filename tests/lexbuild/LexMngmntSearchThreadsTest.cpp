// Lexicon management changes files and rescans the list while other tabs search: a running
// search reads the lexicons it started with to its end.

#include <memory>

#include "lexbuild/LexMngmntTestSupport.h"
#include "platform/MessageBoxFlags.h"
#include "search/engine/SearchRun.h"
#include "search/request/SearchData.h"
#include "search/results/Results.h"
#include "support/TempFolder.h"

namespace {

using Words = std::vector<std::string>;

class LexMngmntSearchThreads : public LexMngmntTest {
 protected:
  Words Collect(Results& results) {
    Words found;
    for (uint32_t i = 0; i < results.Count(); ++i) found.push_back(results.GetResult(i));
    return found;
  }

  SearchFields everyWord{"*", "", "", "", ""};
  TempFolder lists;
};

TEST_F(LexMngmntSearchThreads, ASearchHeldMidWayEndsWithTheLexiconsItStartedWith) {
  SearchData request(list);
  request.lexicons->SelectAll();
  Words before;
  {
    Results results;
    ASSERT_TRUE(RunSearch(request, everyWord, results, kWordSearch));
    before = Collect(results);
  }
  ASSERT_EQ(before.size(), 5u);  // as found: cat, dog, cat, emu, yak

  ASSERT_TRUE(ReadyToSearch(request, everyWord, kWordSearch));
  Results results;
  results.Clear();
  std::atomic<uint8_t> running{1};
  auto gate = std::make_shared<SearchGate>();
  gate->Pause(true);
  {
    SearchThread search(request, kWordSearch, running, results, gate);
    // An add, a removal emptying a lexicon, a create overwriting one, a merge retiring its
    // sources.
    core.mMode = kAddWordMode;
    core.cmdOKClick(WordControls("gnu", "a.lex", core.LexiconNames()));
    core.mMode = kRemoveWordMode;
    core.cmdOKClick(WordControls("yak", "solo.lex", core.LexiconNames()));
    LexMngmntControls create;
    create.fileName = lists.Write("words.txt", "owl\n");
    create.lexiconName = "b";
    host.QueueAnswer(IDYES);  // overwrite
    core.mMode = kCreateMode;
    core.cmdOKClick(create);
    host.QueueAnswer(IDYES);  // delete the merged lexicons
    core.mMode = kMergeMode;
    core.cmdOKClick(MergeControls({"a.lex", "b.lex"}, "m", true));
    EXPECT_EQ(core.LexiconNames(), Words{"m.lex"});
    EXPECT_EQ(request.lexicons->Entries().size(), 1u);
    gate->Pause(false);
    search.WaitFor();
  }
  EXPECT_EQ(running.load(), 0);
  results.Finish(ResultsHeader{});
  EXPECT_EQ(Collect(results), before);
  EXPECT_EQ(WordsOf("m.lex"), (Words{"cat", "dog", "gnu", "owl"}));
}

}  // namespace
