#pragma once
// Puts results in order within a fixed amount of memory, dropping repeats: of texts equal in
// the order, the first added is kept. Texts gather in memory until the budget is full; each full
// load is sorted and written to a run file in the Temp folder, and the runs are merged at the
// end, as the lexicon build sorts its words. A load that never fills stays in memory. The memory
// is mapped for the sorter alone and given back to the system when the sorter goes.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/OwnedTempFiles.h"
#include "foundation/WordOrder.h"

class MappedMemory;

class ResultSorter {
 public:
  static constexpr size_t kDefaultBudget = size_t{256} << 20;
  static constexpr size_t kSmallestBudget = size_t{64} << 10;
  // Runs merged at once; more are merged in groups first.
  static constexpr size_t kFanIn = 32;

  // byLength: by letter count first. The budget counts the texts gathered and their entries,
  // and at the end the merge's blocks.
  explicit ResultSorter(bool byLength, size_t memoryBudget = kDefaultBudget);
  ~ResultSorter();
  ResultSorter(const ResultSorter&) = delete;
  ResultSorter& operator=(const ResultSorter&) = delete;

  // Throws SorvaneException "Unable to Write File " + path when a run cannot be written.
  void Add(std::string_view text);
  uint64_t Added() const { return added; }
  // Hands each text kept to take, in order; the view lasts until take returns. Once only.
  // Throws SorvaneException "Unable to Read File " + path (or Write, merging runs in groups).
  void Emit(const std::function<void(std::string_view)>& take);
  // Run files written so far.
  size_t Runs() const { return runs.size(); }

 private:
  struct Entry {
    WordOrderKey key;
    uint32_t at;  // in the load's texts, so also the order in which it came
    uint32_t length;
  };
  class RunReader;

  int Compare(const WordOrderKey& keyA, std::string_view a, const WordOrderKey& keyB,
              std::string_view b) const;
  Entry* Entries() const;
  std::string_view TextOf(const Entry& entry) const;
  // Sorts the load and moves the entries kept to the front; returns how many.
  size_t SortLoad();
  void SpillLoad();
  // Writes the given texts, in order, as a run file of their own.
  void WriteRun(const std::function<void(const std::function<void(std::string_view)>&)>& texts);
  // Merges runs first..first+n-1 and hands what it keeps to take.
  void Merge(size_t first, size_t n, const std::function<void(std::string_view)>& take);

  bool byLength;
  size_t budget;
  std::unique_ptr<MappedMemory> memory;  // made with the first text
  size_t textBytes = 0;
  size_t entryCount = 0;
  uint64_t added = 0;
  OwnedTempFiles runFiles;
  std::vector<std::string> runs;
};
