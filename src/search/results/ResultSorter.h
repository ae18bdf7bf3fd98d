#pragma once
// Puts results in order within a fixed amount of memory, dropping repeats: of texts equal in
// the order, the first added is kept. Texts gather in one half of the budget; a full half is
// sorted and written to a run file in the Temp folder on a thread of its own while the other
// half fills, and the runs are merged at the end, as the lexicon build sorts its words. A load
// that never fills stays in memory. The memory is mapped for the sorter alone and given back to
// the system when the sorter goes. Sorting and merging can be abandoned at any moment: a sorter
// that goes mid-way, or is told to stop, ends its work within a fraction of a second.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/OwnedTempFiles.h"
#include "foundation/WordOrder.h"
#include "platform/TaskThreads.h"

class MappedMemory;

class ResultSorter {
 public:
  static constexpr size_t kDefaultBudget = size_t{256} << 20;
  static constexpr size_t kSmallestBudget = size_t{64} << 10;
  // Runs merged at once; more are merged in groups first. The results' 4 GB limit makes at most
  // about a hundred runs of the default budget, which thus merge in one pass with no run copied
  // twice, each read through a block of 2 MB.
  static constexpr size_t kFanIn = 128;

  // byLength: by letter count first. The budget counts the texts gathered and their entries,
  // and at the end the merge's blocks.
  explicit ResultSorter(bool byLength, size_t memoryBudget = kDefaultBudget);
  ~ResultSorter();
  ResultSorter(const ResultSorter&) = delete;
  ResultSorter& operator=(const ResultSorter&) = delete;

  // Throws SorvaneException WriteFailureText(path) when a run cannot be written. Keeps nothing
  // once abandoned.
  void Add(std::string_view text);
  uint64_t Added() const { return added; }
  // Hands each text kept to take, in order; the view lasts until take returns. Once only.
  // False when abandoned part-way: the texts handed so far are the first in order. The run
  // files are gone either way.
  // Throws SorvaneException "Unable to Read File " + path (or Write, merging runs in groups).
  bool Emit(const std::function<void(std::string_view)>& take);
  // Stops the sorting or merging under way, from any thread: Emit hands nothing more.
  void Abandon() { abandoned.store(true, std::memory_order_relaxed); }
  // Run files written so far.
  size_t Runs() const { return runs.size(); }

 private:
  struct Entry {
    WordOrderKey key;
    uint32_t at;  // in the load's texts, so also the order in which it came
    uint32_t length;
  };
  // Texts fill a load from its start, their entries from its end down.
  struct Load {
    char* base = nullptr;
    size_t size = 0;
    size_t textBytes = 0;
    size_t entryCount = 0;
    Entry* Entries() const { return reinterpret_cast<Entry*>(base + size) - entryCount; }
    std::string_view TextOf(const Entry& entry) const { return {base + entry.at, entry.length}; }
  };
  class RunReader;
  // Thrown inside the sorter to leave work that was abandoned.
  struct Abandoned {};

  int Compare(const WordOrderKey& keyA, std::string_view a, const WordOrderKey& keyB,
              std::string_view b) const;
  // Throws Abandoned once the work is abandoned; cheap enough for every unit of work.
  void LeaveIfAbandoned() const {
    if (abandoned.load(std::memory_order_relaxed)) throw Abandoned{};
  }
  // Add's work; throws Abandoned.
  void Keep(std::string_view text);
  // Sorts the load and moves the entries kept to the front; returns how many.
  size_t SortLoad(Load& load) const;
  // Sorts the load and writes it as a run file at path.
  void WriteLoad(Load& load, const std::string& path) const;
  // Hands the full load to the sorting thread and goes on with the other, once it is free.
  void HandOver();
  void AwaitHandedOver();
  // Waits for the load handed over without passing on what it threw.
  void AwaitHandedOverQuietly();
  // Deletes every run file.
  void DeleteRuns();
  // Emit's work; throws Abandoned.
  void EmitAll(const std::function<void(std::string_view)>& take);
  // Claims the next run file's name.
  const std::string& NewRun();
  // Merges runs first..first+n-1 and hands what it keeps to take.
  void Merge(size_t first, size_t n, const std::function<void(std::string_view)>& take);

  bool byLength;
  size_t budget;
  std::unique_ptr<MappedMemory> memory;  // made with the first text
  Load loads[2];
  int filling = 0;  // the load texts go into
  uint64_t added = 0;
  std::atomic<bool> abandoned{false};
  OwnedTempFiles runFiles;
  std::vector<std::string> runs;
  // Sorts and writes the load handed over. Last, so that it ends before the memory and the run
  // files go.
  std::unique_ptr<TaskThreads> sorting;
  TaskThreads::Task<void> handedOver;
};
