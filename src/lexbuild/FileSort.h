#pragma once
// Sorts a file of fixed-length records in place within a bounded amount of memory: blocks of
// 3,000 records are sorted in memory and written back where they came from, first from record 0
// (an aligned pass), then from record 1,500 (a shifted pass), so that records cross block
// boundaries; pass pairs repeat until neither pass of a pair changes anything. A trailing
// fragment shorter than one record stays as it is.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/File.h"

// Puts blocks of fixed-length records in order in memory, keeping its working space between
// blocks.
class RecordBlockSorter {
 public:
  // Receives two pointers to record pointers; negative, zero or positive. It must be a total
  // order for a file's result not to depend on its blocks.
  using Compare = int (*)(const void*, const void*);
  // Optional: a number per record whose order agrees with compare wherever two numbers differ,
  // so that most comparisons are of numbers.
  using OrderKey = uint64_t (*)(const char* record);

  RecordBlockSorter(int32_t recordSize, Compare compare, OrderKey key = nullptr);
  // Puts the count records at records in order in place, equal records keeping their places;
  // false when they were in order already, and nothing moved.
  bool Sort(char* records, int64_t count);

 private:
  int32_t recordSize;
  Compare compare;
  OrderKey orderKey;
  struct Entry {
    uint64_t key;
    const char* record;
  };
  // Orders the entries by key alone, keeping the order of equal keys.
  void SortByKey();

  std::vector<Entry> entries;
  std::vector<Entry> spare;  // the radix sort's other half
  std::vector<char> sorted;
};

class FileSort {
 public:
  using Compare = RecordBlockSorter::Compare;
  using OrderKey = RecordBlockSorter::OrderKey;
  static constexpr int64_t kBlockRecords = 3000;

  // Opens the file ("Unable to Open File " + path when it cannot be). progress receives a
  // percentage before each pass pair.
  FileSort(const std::string& path, int32_t recordSize, Compare compare,
           std::atomic<int32_t>* progress, OrderKey key = nullptr);
  // Throws SorvaneException WriteFailureText(path) when a block cannot be written back.
  void Run();

 private:
  // True when some block's sorted order differed from its stored order.
  bool SortPass(int64_t startRecord);
  void Fail() const;

  File file;
  int32_t recordSize;
  RecordBlockSorter sorter;
  std::atomic<int32_t>* progress;
  int64_t blockCount;
  std::vector<char> buffer;
};
