#include "lexbuild/FileSort.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "foundation/FolderPaths.h"
#include "foundation/SorvaneException.h"

namespace {
constexpr int32_t kFileBufferSize = 1024;
}

RecordBlockSorter::RecordBlockSorter(int32_t size, Compare order, OrderKey key)
    : recordSize(size), compare(order), orderKey(key) {}

bool RecordBlockSorter::Sort(char* records, int64_t count) {
  entries.resize(static_cast<size_t>(count));
  for (int64_t i = 0; i < count; ++i) {
    const char* record = records + i * recordSize;
    entries[i] = {orderKey ? orderKey(record) : 0, record};
  }
  const auto less = [this](const Entry& a, const Entry& b) {
    if (a.key != b.key) return a.key < b.key;
    return compare(&a.record, &b.record) < 0;
  };
  if (std::is_sorted(entries.begin(), entries.end(), less)) return false;
  // Stable, so that equal records keep their places.
  if (orderKey) {
    SortByKey();
    // Records with equal keys lie together now, in their first order: only they still need
    // comparing.
    for (auto run = entries.begin(); run != entries.end();) {
      const auto end = std::find_if(run, entries.end(),
                                    [key = run->key](const Entry& e) { return e.key != key; });
      if (end - run > 1) std::stable_sort(run, end, less);
      run = end;
    }
  } else {
    std::stable_sort(entries.begin(), entries.end(), less);
  }
  const size_t bytes = static_cast<size_t>(count * recordSize);
  sorted.resize(bytes);
  for (int64_t i = 0; i < count; ++i)
    std::memcpy(sorted.data() + i * recordSize, entries[i].record, recordSize);
  std::memcpy(records, sorted.data(), bytes);
  return true;
}

void RecordBlockSorter::SortByKey() {
  // A radix sort, a byte of the key at a time from the lowest, each pass stable: comparisons
  // of keys, half of them mispredicted, cost more than these passes.
  constexpr int kKeyBytes = 8;
  spare.resize(entries.size());
  for (int shift = 0; shift < kKeyBytes * 8; shift += 8) {
    std::array<size_t, 257> starts{};
    for (const Entry& entry : entries) ++starts[((entry.key >> shift) & 0xFF) + 1];
    // A byte all keys share moves nothing.
    if (std::find(starts.begin(), starts.end(), entries.size()) != starts.end()) continue;
    for (size_t b = 1; b < starts.size(); ++b) starts[b] += starts[b - 1];
    for (const Entry& entry : entries) spare[starts[(entry.key >> shift) & 0xFF]++] = entry;
    entries.swap(spare);
  }
}

FileSort::FileSort(const std::string& path, int32_t size, Compare order,
                   std::atomic<int32_t>* percent, OrderKey key)
    : recordSize(size), sorter(size, order, key), progress(percent) {
  file.Open(path, "r+b", kFileBufferSize);
  const int64_t blockBytes = kBlockRecords * recordSize;
  blockCount = (file.Length() + blockBytes - 1) / blockBytes;
  buffer.resize(static_cast<size_t>(blockBytes));
}

void FileSort::Run() {
  for (int64_t pair = 0;; ++pair) {
    progress->store(static_cast<int32_t>(std::min<int64_t>(pair * 100 / (blockCount + 1), 99)),
                    std::memory_order_relaxed);
    const bool alignedChanged = SortPass(0);
    const bool shiftedChanged = SortPass(kBlockRecords / 2);
    // Stopping after an unchanged aligned pass alone would leave records on the two sides of
    // an aligned boundary unsorted.
    if (!alignedChanged && !shiftedChanged) break;
  }
  if (std::ferror(file.handle)) Fail();
}

bool FileSort::SortPass(int64_t startRecord) {
  bool changed = false;
  if (std::fseek(file.handle, static_cast<long>(startRecord * recordSize), SEEK_SET) != 0)
    return false;
  for (;;) {
    const long blockStart = std::ftell(file.handle);
    const size_t bytes = std::fread(buffer.data(), 1, buffer.size(), file.handle);
    const int64_t count = static_cast<int64_t>(bytes) / recordSize;
    if (count == 0) break;
    // A block in order is left as it is.
    if (sorter.Sort(buffer.data(), count)) {
      changed = true;
      const size_t wholeRecords = static_cast<size_t>(count * recordSize);
      if (std::fseek(file.handle, blockStart, SEEK_SET) != 0 ||
          std::fwrite(buffer.data(), 1, wholeRecords, file.handle) != wholeRecords) {
        Fail();
      }
      // Flushed here, so that a failure is seen now; it also lets a read follow the write.
      if (std::fflush(file.handle) != 0) Fail();
    }
    if (count < kBlockRecords) break;
  }
  std::rewind(file.handle);
  return changed;
}

void FileSort::Fail() const { throw SorvaneException(WriteFailureText(file.name)); }
