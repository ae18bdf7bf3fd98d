#include "search/results/ResultSorter.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "foundation/File.h"
#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/LittleEndian.h"
#include "foundation/SorvaneException.h"
#include "platform/MappedMemory.h"

namespace {

constexpr int32_t kStreamBytes = 4096;  // the run files are read and written in blocks of ours
constexpr size_t kWriteBlock = size_t{1} << 20;
// Texts written, or comparisons made, between two looks at whether the work was abandoned.
constexpr size_t kAbandonCheck = 4096;
constexpr size_t kDeletingThreads = 4;

// Gathers a run's records (a u32 length, then the text) and hands them to the stream a block at
// a time. The file claimed empty is appended to: truncating it would make the file system write
// it out at its close.
class RunWriter {
 public:
  explicit RunWriter(const std::string& path) { file.Open(path, "ab", kStreamBytes); }
  void Write(std::string_view text) {
    if (block.size() + 4 + text.size() > kWriteBlock) Flush();
    uint8_t length[4];
    WriteU32(length, static_cast<uint32_t>(text.size()));
    block.insert(block.end(), length, length + 4);
    block.insert(block.end(), text.begin(), text.end());
  }
  void Close() {
    Flush();
    if (!file.CloseChecked()) Fail();
  }

 private:
  void Flush() {
    if (std::fwrite(block.data(), 1, block.size(), file.handle) != block.size()) Fail();
    block.clear();
  }
  [[noreturn]] void Fail() const { throw SorvaneException(WriteFailureText(file.name)); }

  File file;
  std::vector<char> block;
};

}  // namespace

// Reads a run's records back through a block of the sorter's memory.
class ResultSorter::RunReader {
 public:
  RunReader(const std::string& path, char* blockAt, size_t blockBytes, bool byLength)
      : block(blockAt), capacity(blockBytes), byLength(byLength) {
    file.Open(path, "rb", kStreamBytes);
  }
  // Steps to the next record; false at the end of the run.
  bool Next() {
    if (!Ensure(4)) return false;
    const uint32_t length = ReadU32(reinterpret_cast<const uint8_t*>(block + at));
    at += 4;
    if (length > capacity) {
      // Longer than the block: read whole on its own.
      oversized.assign(block + at, end - at);
      const size_t rest = length - oversized.size();
      oversized.resize(length);
      if (std::fread(oversized.data() + length - rest, 1, rest, file.handle) != rest) Fail();
      at = end = 0;
      text = oversized;
    } else {
      if (!Ensure(length)) Fail();
      text = std::string_view(block + at, length);
      at += length;
    }
    key = MakeWordOrderKey(text, byLength);
    return true;
  }

  std::string_view text;
  WordOrderKey key;

 private:
  // Whether n bytes stand from at, reading more when they do not yet.
  bool Ensure(size_t n) {
    if (end - at >= n) return true;
    std::memmove(block, block + at, end - at);
    end -= at;
    at = 0;
    end += std::fread(block + end, 1, capacity - end, file.handle);
    if (std::ferror(file.handle)) Fail();
    return end >= n;
  }
  [[noreturn]] void Fail() const { throw SorvaneException("Unable to Read File " + file.name); }

  File file;
  char* block;
  size_t capacity;
  bool byLength;
  size_t at = 0;
  size_t end = 0;
  std::string oversized;
};

ResultSorter::ResultSorter(bool lengthFirst, size_t memoryBudget)
    : byLength(lengthFirst), budget(std::max(memoryBudget, kSmallestBudget) / 16 * 16) {}

// The sorting thread's run is abandoned rather than finished: its file goes with the others.
ResultSorter::~ResultSorter() {
  Abandon();
  AwaitHandedOverQuietly();
  DeleteRuns();
}

int ResultSorter::Compare(const WordOrderKey& keyA, std::string_view a, const WordOrderKey& keyB,
                          std::string_view b) const {
  // Most comparisons end with the keys, here rather than behind a call.
  if (keyA != keyB) return keyA < keyB ? -1 : 1;
  return OrderKeyedWords(keyA, a, keyB, b, byLength);
}

void ResultSorter::Add(std::string_view text) {
  ++added;
  // Once abandoned the sorter keeps nothing more, and a run being sorted meanwhile is left as it
  // stands.
  if (abandoned.load(std::memory_order_relaxed)) return;
  try {
    Keep(text);
  } catch (const Abandoned&) {
  }
}

void ResultSorter::Keep(std::string_view text) {
  // A NUL ends a result, as it ends a word for the order.
  if (const void* nul = std::memchr(text.data(), '\0', text.size())) {
    text = text.substr(0, static_cast<const char*>(nul) - text.data());
  }
  if (!memory) {
    memory = std::make_unique<MappedMemory>(budget);
    loads[0] = {memory->Data(), budget / 2};
    loads[1] = {memory->Data() + budget / 2, budget / 2};
  }
  const auto fits = [&] {
    const Load& load = loads[filling];
    return load.textBytes + text.size() + (load.entryCount + 1) * sizeof(Entry) <= load.size;
  };
  if (!fits()) HandOver();
  if (!fits()) {
    // Larger than a whole load: a run of its own.
    RunWriter writer(NewRun());
    writer.Write(text);
    writer.Close();
    return;
  }
  Load& load = loads[filling];
  std::memcpy(load.base + load.textBytes, text.data(), text.size());
  ++load.entryCount;
  load.Entries()[0] = {MakeWordOrderKey(text, byLength), static_cast<uint32_t>(load.textBytes),
                       static_cast<uint32_t>(text.size())};
  load.textBytes += text.size();
}

size_t ResultSorter::SortLoad(Load& load) const {
  Entry* const first = load.Entries();
  Entry* const last = first + load.entryCount;
  // Equal texts keep the order they came in, so that the first of each group is the first added.
  // A load takes about a second to sort: it looks at whether it was abandoned as it goes, the
  // entries being plain values any order of which may be thrown away.
  size_t compared = 0;
  std::sort(first, last, [&](const Entry& a, const Entry& b) {
    if (++compared % kAbandonCheck == 0) LeaveIfAbandoned();
    const int order = Compare(a.key, load.TextOf(a), b.key, load.TextOf(b));
    return order ? order < 0 : a.at < b.at;
  });
  Entry* kept = first;
  for (Entry* entry = first; entry != last; ++entry) {
    if (kept != first &&
        Compare(kept[-1].key, load.TextOf(kept[-1]), entry->key, load.TextOf(*entry)) == 0) {
      continue;
    }
    *kept++ = *entry;
  }
  return static_cast<size_t>(kept - first);
}

void ResultSorter::WriteLoad(Load& load, const std::string& path) const {
  const size_t kept = SortLoad(load);
  RunWriter writer(path);
  for (size_t i = 0; i < kept; ++i) {
    if (i % kAbandonCheck == 0) LeaveIfAbandoned();
    writer.Write(load.TextOf(load.Entries()[i]));
  }
  writer.Close();
  load.textBytes = 0;
  load.entryCount = 0;
}

const std::string& ResultSorter::NewRun() {
  runs.push_back(runFiles.Claim(""));
  return runs.back();
}

void ResultSorter::HandOver() {
  Load& full = loads[filling];
  if (full.entryCount == 0) return;
  AwaitHandedOver();
  if (!sorting) sorting = std::make_unique<TaskThreads>(1);
  handedOver = sorting->Run([this, &full, path = NewRun()] { WriteLoad(full, path); });
  filling = 1 - filling;
}

void ResultSorter::AwaitHandedOver() {
  if (handedOver.Valid()) handedOver.Get();  // passes on what the sorting thread threw
}

void ResultSorter::AwaitHandedOverQuietly() {
  if (handedOver.Valid()) handedOver.Wait();
}

bool ResultSorter::Emit(const std::function<void(std::string_view)>& take) {
  try {
    EmitAll(take);
    return true;
  } catch (const Abandoned&) {
    AwaitHandedOverQuietly();
    DeleteRuns();
    return false;
  }
}

// Freeing a run's blocks and cached pages takes the file system some 20 ms, a second for the
// runs of a search at the results' limit: they go several at once.
void ResultSorter::DeleteRuns() {
  if (runs.size() > 1) {
    TaskThreads deleting(kDeletingThreads);
    for (const std::string& run : runs) deleting.Run([&run] { DeleteFileIfExists(run); });
  }
  runFiles.DeleteAll();
  runs.clear();
}

void ResultSorter::EmitAll(const std::function<void(std::string_view)>& take) {
  LeaveIfAbandoned();
  AwaitHandedOver();
  Load& load = loads[filling];
  if (runs.empty()) {
    if (load.entryCount == 0) return;
    const size_t kept = SortLoad(load);
    for (size_t i = 0; i < kept; ++i) {
      if (i % kAbandonCheck == 0) LeaveIfAbandoned();
      take(load.TextOf(load.Entries()[i]));
    }
    load.entryCount = 0;
    return;
  }
  if (load.entryCount != 0) WriteLoad(load, NewRun());
  // Groups of the earliest runs merge into one that takes their place, first among the runs, so
  // that of equal texts the first added still comes first.
  while (runs.size() > kFanIn) {
    std::string merged = runFiles.Claim("");
    {
      RunWriter writer(merged);
      Merge(0, kFanIn, [&](std::string_view text) { writer.Write(text); });
      writer.Close();
    }
    for (size_t i = 0; i < kFanIn; ++i) {
      DeleteFileIfExists(runs[i]);
      runFiles.GiveUp(runs[i]);
    }
    runs.erase(runs.begin(), runs.begin() + kFanIn);
    runs.insert(runs.begin(), std::move(merged));
  }
  Merge(0, runs.size(), take);
  DeleteRuns();
}

void ResultSorter::Merge(size_t first, size_t n,
                         const std::function<void(std::string_view)>& take) {
  const size_t blockBytes = budget / n;
  std::vector<std::unique_ptr<RunReader>> readers;
  std::vector<size_t> heap;
  for (size_t i = 0; i < n; ++i) {
    readers.push_back(std::make_unique<RunReader>(runs[first + i], memory->Data() + i * blockBytes,
                                                  blockBytes, byLength));
    if (readers.back()->Next()) heap.push_back(i);
  }
  // A heap of the readers by their texts, the earlier run first among equal ones: std's heaps
  // keep the greatest on top.
  const auto later = [&](size_t a, size_t b) {
    const int order = Compare(readers[a]->key, readers[a]->text, readers[b]->key, readers[b]->text);
    return order ? order > 0 : a > b;
  };
  std::make_heap(heap.begin(), heap.end(), later);
  std::string lastKept;
  WordOrderKey lastKey;
  bool anyKept = false;
  for (size_t popped = 0; !heap.empty(); ++popped) {
    if (popped % kAbandonCheck == 0) LeaveIfAbandoned();
    std::pop_heap(heap.begin(), heap.end(), later);
    RunReader& reader = *readers[heap.back()];
    if (!anyKept || Compare(lastKey, lastKept, reader.key, reader.text) != 0) {
      take(reader.text);
      lastKept.assign(reader.text);
      lastKey = reader.key;
      anyKept = true;
    }
    if (reader.Next()) {
      std::push_heap(heap.begin(), heap.end(), later);
    } else {
      heap.pop_back();
    }
  }
}
