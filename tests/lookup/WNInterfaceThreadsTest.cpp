#include <gtest/gtest.h>

#include <algorithm>
#include <barrier>
#include <string>
#include <thread>
#include <vector>

#include "lookup/WNInterface.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetTestData.h"

namespace {

// Passes every call on to the real library and notes, in plain unguarded fields, which thread
// made it and how many threads were inside the library at the time. Calls not ordered by the
// WordNet lock are then a data race that ThreadSanitizer reports, and an overlap counted here.
class CallRecorder : public WordNetLibrary {
 public:
  CallRecorder() { Install(this); }
  ~CallRecorder() override { Install(nullptr); }

  int Start(const std::string& folder) override {
    Visit visit(*this);
    return WordNetLibrary::Start(folder);
  }
  uint32_t IsDefined(const std::string& word, int partOfSpeech) override {
    Visit visit(*this);
    return WordNetLibrary::IsDefined(word, partOfSpeech);
  }
  std::string FindTheInfo(const std::string& word, int partOfSpeech, int searchType) override {
    Visit visit(*this);
    return WordNetLibrary::FindTheInfo(word, partOfSpeech, searchType);
  }
  int PrintedSenseCount() override {
    Visit visit(*this);
    return WordNetLibrary::PrintedSenseCount();
  }
  std::vector<std::string> BaseForms(const std::string& word, int partOfSpeech) override {
    Visit visit(*this);
    return WordNetLibrary::BaseForms(word, partOfSpeech);
  }
  void SetOutputFlags(bool glosses, bool seeAlso) override {
    Visit visit(*this);
    WordNetLibrary::SetOutputFlags(glosses, seeAlso);
  }

  std::vector<std::thread::id> callers;
  int inside = 0;
  int mostInside = 0;

 private:
  struct Visit {
    explicit Visit(CallRecorder& recorder) : recorder(recorder) {
      recorder.mostInside = std::max(recorder.mostInside, ++recorder.inside);
      recorder.callers.push_back(std::this_thread::get_id());
      std::this_thread::yield();  // widen the window in which another thread could come in
    }
    ~Visit() { --recorder.inside; }
    CallRecorder& recorder;
  };
};

// Splits the calls into runs made by one thread each, returning the run lengths.
std::vector<size_t> RunLengths(const std::vector<std::thread::id>& callers) {
  std::vector<size_t> runs;
  for (size_t i = 0; i < callers.size(); ++i) {
    if (i == 0 || callers[i] != callers[i - 1]) runs.push_back(0);
    ++runs.back();
  }
  return runs;
}

TEST(WNInterfaceThreads, SearchesFromTwoThreadsRunOneAfterTheOther) {
  CallRecorder recorder;
  WNInterface wordNets[2] = {WNInterface(DictionaryFolder()), WNInterface(DictionaryFolder())};
  recorder.callers.clear();
  wordNets[0].Search("dog", 0);
  const size_t callsPerSearch = recorder.callers.size();
  ASSERT_GT(callsPerSearch, 0u);
  recorder.callers.clear();

  constexpr int kSearches = 15;
  std::barrier start(2);
  std::vector<uint32_t> senses[2];
  const auto searcher = [&](int index) {
    start.arrive_and_wait();
    for (int i = 0; i < kSearches; ++i) {
      wordNets[index].Search("dog", 0);
      senses[index].push_back(wordNets[index].senseCount[0]);
    }
  };
  std::thread first(searcher, 0);
  std::thread second(searcher, 1);
  first.join();
  second.join();

  EXPECT_EQ(recorder.mostInside, 1);
  // Each thread's share of the calls comes in whole searches: no search was interleaved.
  const std::vector<size_t> runs = RunLengths(recorder.callers);
  EXPECT_GE(runs.size(), 2u);
  for (size_t run : runs) EXPECT_EQ(run % callsPerSearch, 0u) << run;
  EXPECT_EQ(recorder.callers.size(), 2 * kSearches * callsPerSearch);
  for (const auto& counts : senses)
    EXPECT_EQ(counts, std::vector<uint32_t>(kSearches, 8u));
}

TEST(WNInterfaceThreads, ConstructorsAndSearchesOnFourThreadsNeverMeetInTheLibrary) {
  CallRecorder recorder;
  std::barrier start(4);
  std::vector<std::thread> threads;
  for (const char* word : {"dog", "cat", "ice cream", "good"}) {
    threads.emplace_back([&start, word] {
      start.arrive_and_wait();
      WNInterface wordNet(DictionaryFolder());
      EXPECT_TRUE(wordNet.MatchesKeyWords(word, {" a"})) << word;
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(recorder.mostInside, 1);
  EXPECT_EQ(recorder.inside, 0);
}

}  // namespace
