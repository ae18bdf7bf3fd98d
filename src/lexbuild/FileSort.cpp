#include "lexbuild/FileSort.h"

#include <algorithm>
#include <cstring>

#include "foundation/SorvaneException.h"

namespace {
constexpr int32_t kFileBufferSize = 1024;
}

FileSort::FileSort(const std::string& path, int32_t size, Compare order,
                   std::atomic<int32_t>* percent, OrderKey key)
    : recordSize(size), compare(order), orderKey(key), progress(percent) {
  file.Open(path, "r+b", kFileBufferSize);
  const int64_t blockBytes = kBlockRecords * recordSize;
  blockCount = (file.Length() + blockBytes - 1) / blockBytes;
  pointers.resize(kBlockRecords);
  buffer.resize(static_cast<size_t>(blockBytes));
  sorted.resize(static_cast<size_t>(blockBytes));
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
    for (int64_t i = 0; i < count; ++i) {
      const char* record = buffer.data() + i * recordSize;
      pointers[i] = {orderKey ? orderKey(record) : 0, record};
    }
    const auto less = [this](const Entry& a, const Entry& b) {
      if (a.key != b.key) return a.key < b.key;
      return compare(&a.record, &b.record) < 0;
    };
    const auto end = pointers.begin() + count;
    // A block in order is left as it is: sorting would move none of its records.
    if (!std::is_sorted(pointers.begin(), end, less)) {
      changed = true;
      // Stable, so that equal records keep their places.
      std::stable_sort(pointers.begin(), end, less);
      for (int64_t i = 0; i < count; ++i)
        std::memcpy(sorted.data() + i * recordSize, pointers[i].record, recordSize);
      const size_t wholeRecords = static_cast<size_t>(count * recordSize);
      if (std::fseek(file.handle, blockStart, SEEK_SET) != 0 ||
          std::fwrite(sorted.data(), 1, wholeRecords, file.handle) != wholeRecords) {
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

void FileSort::Fail() const { throw SorvaneException("Unable to Write File " + file.name); }
