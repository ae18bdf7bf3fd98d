#pragma once
// Puts stored results in another ordering: reads every result in the order the reader sees
// them, sorts them, drops repeats (keeping the first read of texts that compare equal) and
// writes them to a new file pair. A cancel while reading leaves the store as it was; one while
// writing is ignored, so the store is never left half written. The result is the number of
// results written.

#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ProgressThread.h"

class Results;

class ReSortResultsThread : public ProgressThread {
 public:
  explicit ReSortResultsThread(Results& store) : results(store) {}

  // True once the job has replaced the store's file pair; read it after the worker has ended.
  bool Rewrote() const { return rewrote; }

 protected:
  void Execute() override;

 private:
  // One result read: its bytes in texts, its folded letters in folded.
  struct Text {
    uint64_t prefix[2];  // its first sixteen folded letters, the first the highest byte
    uint32_t at;
    uint32_t length;
    uint32_t foldedAt;
    uint32_t letters;  // its letter count
    bool lettersOnly;  // no mark: the order is that of its folded letters
  };

  void SortByWord();
  void SortByLengthThenWord();
  template <typename Less>
  void SortAndWrite(Less less);
  // False when cancelled.
  bool ReadAll();
  void Take(std::string_view text);
  int CompareWordsOf(const Text& a, const Text& b) const;
  void SetProgressOf(uint64_t done, uint64_t total, int32_t from, int32_t span);

  Results& results;
  bool rewrote = false;
  std::string texts;
  std::string folded;
  std::vector<Text> read;
};
