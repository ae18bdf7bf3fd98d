#include "lexbuild/CompileLexThread.h"

#include <cstdint>
#include <memory>

#include "lexbuild/CheckLexiconWords.h"
#include "lexbuild/SortRecord.h"
#include "lexbuild/SortRecordFiles.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/VirtualLex.h"

namespace {
constexpr uint64_t kRecordsPerCheckpoint = 256;
}

CompileLexThread::CompileLexThread(const std::string& sorted, uint32_t records, bool anyForm,
                                   bool checkWords, const std::string& checkLexicon,
                                   const std::string& temporary)
    : sortedPath(sorted),
      checkLexiconPath(checkLexicon),
      temporaryPath(temporary),
      count(records),
      strict(anyForm),
      check(checkWords) {}

void CompileLexThread::Execute() {
  CompressDictionary writer(temporaryPath);
  SortRecordReader sorted(sortedPath);
  // The check lexicon is read from an image in memory.
  VirtualLex checkLexicon(checkLexiconPath);
  std::unique_ptr<CheckLexiconWords> checkWords;
  if (check) {
    checkLexicon.Load();
    checkWords = std::make_unique<CheckLexiconWords>(checkLexicon);
  }
  uint64_t nextPercentAt = 0;  // the record at which the percentage moves next
  std::string word;            // one string for every word: no allocation a word
  for (uint64_t done = 1;; ++done) {
    const char* record = sorted.Next();
    if (!record) break;
    // A checkpoint takes a lock: one is taken each time the percentage moves and at least every
    // few hundred records, so that a pause or stop is seen at every percentage reached.
    if (done >= nextPercentAt || done % kRecordsPerCheckpoint == 1) {
      const uint64_t percent = count ? done * 100 / count : 0;
      nextPercentAt = count ? ((percent + 1) * count + 99) / 100 : UINT64_MAX;
      progress.store(static_cast<int32_t>(percent), std::memory_order_relaxed);
      if (ShouldStop()) return;
    }
    const char* start = RecordWord(record);
    word.assign(start, record + kRecordWordEnd);
    if (!checkWords || !checkWords->Contains(word, strict)) writer.AddWord(word);
  }
  writer.Close();
}
