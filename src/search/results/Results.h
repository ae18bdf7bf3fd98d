#pragma once
// The results of one search tab. They are never held as a list in memory: they live in a file
// pair, a data file (the 824-byte header, then each result as a line ending in CR LF) and an
// index file of u32 offsets (824, then the offset past each result), so that result i is read
// without reading those before it. During a search the pair is temporary ("$$....rls" and
// "$$....idx" in the Temp folder); a saved search is the same pair as ".kvq" and ".idx".
// Results of a sorted search gather in a sorter first and reach the pair, in order and without
// repeats, when the search finishes.

#include <atomic>
#include <cstdint>
#include <functional>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/File.h"
#include "search/results/ResultSorter.h"
#include "search/results/ResultsHeader.h"
#include "search/results/TempResultsLock.h"

constexpr uint8_t kOrderByWord = 0;
constexpr uint8_t kOrderByLengthThenWord = 1;
constexpr uint8_t kOrderAsFound = 2;

class ReSortResultsThread;

class Results {
 public:
  // Names the temporary pair (no files yet) and takes the ordering from the settings.
  Results();
  // Closes the pair and deletes the temporary files.
  ~Results();
  Results(const Results&) = delete;
  Results& operator=(const Results&) = delete;

  // Starts afresh on the temporary pair, emptied: header only, index holding 824.
  void Clear();
  // A write of the pair failed since it was last started afresh: the user has been told, and it
  // is never saved or exported.
  bool WriteFailed();
  // One result found by the search: gathered by the sorter of the ordering, or written at once
  // when results stay as found. count includes repeats until Finish. A sorted search meets the
  // limit Append has where the same results as found would: it throws the same text.
  void Add(std::string_view text);
  // Writes one result to the pair. Throws SorvaneException when the write fails, or with a text
  // saying the results are incomplete when the data file would pass the limit (the 4 GB its
  // offsets can address). The streams take the results a block at a time: every read of the pair
  // and every header write hands them what is waiting first.
  void Append(std::string_view text);
  // Result i as the reader sees it (last to first when reversed, unless a result spans several
  // lines); the empty text past the end or where the pair does not hold a sound entry.
  std::string GetResult(uint32_t index);
  // Results from..to-1 in stored order, each with its CR LF.
  std::string GetBlock(uint32_t from, uint32_t to);
  // The bytes of results from..to-1 as GetResult numbers them, each with a CR LF, read from the
  // index alone: what a copy of them makes. Past the last result each counts its CR LF only.
  uint64_t LineBytes(uint64_t from, uint64_t to);
  // Results from..to-1 in stored order (reverse not applied), as views into data: the empty text
  // where the pair does not hold a sound entry, as GetResult gives it.
  void ReadStored(uint32_t from, uint32_t to, std::string& data, std::vector<std::string_view>& texts);
  // Every result in the order GetResult gives them, handed to take a block of at most
  // blockSize at a time; stops early when take returns false. The views last until take returns.
  void ReadInOrder(uint32_t blockSize,
                   const std::function<bool(const std::vector<std::string_view>&)>& take);
  // End of a search: writes the gathered results in order (under the "Sorting Results" dialog),
  // takes the criteria's texts and options into the header and writes the header.
  void Finish(const ResultsHeader& criteria);
  // The results gathered for sorting are dropped by Finish instead of written: the pair keeps
  // only what was written as found. Until the next Clear.
  void DropGathered() { dropGathered = true; }
  // Refreshes count, longest, reverse and ordering in the header and rewrites it in the data
  // file when one is open; false when that write, or one before it, failed.
  bool WriteHeader();
  void SetSortDirection(uint8_t reversed);
  // Puts the results in another ordering (0, 1 or 2): for 0 and 1 the re-sort job runs under
  // the "Sorting Results" dialog, which may cancel it while it reads; then the previous ordering
  // stays. A program asked to stop ends it while it writes too, leaving part of the results for
  // the store to go with. Ordering 2 keeps the stored order. From here on each stored line is a
  // result.
  void SetSortType(uint8_t newOrdering);
  // Ends the re-sort under way, if any, at once in whatever phase, for a window that closes: the
  // store then holds part of the results, and goes with the window. GUI thread.
  void AbandonReSort();
  // Writes the results as a text report to path (UTF-8) under the "Saving Results to File"
  // dialog; false when the job failed or was cancelled (the file at path is then as it was), or
  // when the store's writes failed: its results are incomplete, and that is shown.
  bool SaveAsText(const std::string& path);
  // Opens a saved pair (path with ".kvq" and ".idx") to read and returns its header; the pair is
  // never written through the store (a change of direction reaches a copy when it is saved). A
  // pair that is not sound is refused with "Not a valid results file"; on any failure the
  // current results stay as they were.
  ResultsHeader LoadFromFile(const std::string& path);
  // Copies the pair to path with ".kvq" and ".idx" under the copy dialog: both halves are
  // written beside the targets and moved in together once they hold every result the store
  // holds. On failure the pair that was there stays as it was, the failure is shown ("Unable to
  // Open File") and false returned; a target that is not a regular file is refused, and so is a
  // store that has no pair yet or whose writes failed. Saving onto the pair already open does
  // nothing and returns true.
  bool SaveToFile(const std::string& path);
  void LoadSortSettings();
  void SaveSortSettings();
  // The most bytes the data file may hold, header included: less than the 4 GB for tests.
  void SetDataLimit(uint64_t bytes) { dataLimit = bytes; }

  uint32_t Count() const { return count.load(std::memory_order_acquire); }
  uint32_t Longest();
  uint8_t Reverse() const { return reverse; }
  uint8_t Ordering() const { return ordering; }
  // The ordering in force: as found whenever a result spans several lines.
  uint8_t EffectiveOrdering() const { return wordsPerResult >= 2 ? kOrderAsFound : ordering; }
  int32_t WordsPerResult() const { return wordsPerResult; }
  void SetWordsPerResult(int32_t words) {
    std::lock_guard lock(fileMutex);
    wordsPerResult = words;
  }
  const ResultsHeader& Header() const { return header; }
  const std::string& DataFileName() const { return dataFile.name; }
  const std::string& IndexFileName() const { return indexFile.name; }

 private:
  friend class SortResultsThread;

  void OpenTempFiles();
  // Hands the appended results still waiting to the streams. False when the streams refuse
  // them: they are dropped, the store ends where the pair does, and every later Append throws.
  bool WritePending();
  // Hands the streams' buffers to the files; false when that, or a write before, failed.
  bool Flush();
  // Remembers the first working file a write failed on, and keeps what reached the files.
  void WriteFailedOn(const File& file);
  // After a failed write: appended and dataEnd count only the results the files hold whole.
  void KeepWhatReachedTheFiles();
  // Remembers the working file whose write failed and throws what the user is told of it.
  [[noreturn]] void FailWriting(const std::string& path);
  // WriteHeader, telling the user of a failure unless the search or job that met it has.
  void WriteHeaderTelling(bool toldAlready);
  // For a new pair, or none: nothing waits and nothing has failed.
  void ResetPending();
  void CreateTempFile(File& file, std::string& path, bool& made, TempFileLock& lock,
                      const char* extension, int32_t bufferBytes);
  void CloseFiles();
  // The data file's end once text is stored from end; throws, saying the results are
  // incomplete, when that passes the limit.
  uint64_t EndWith(uint64_t end, std::string_view text) const;
  // Reads index entries first..first+n-1; false when the index does not hold them.
  bool ReadEntries(uint32_t first, uint32_t* entries, uint32_t n);
  // The data bytes between two entries, less the final CR LF when withLineEnd is false; the
  // empty text when the entries are not a sound range of the data file.
  std::string ReadRange(uint32_t begin, uint32_t end, bool withLineEnd);

  uint8_t reverse = 0;
  uint8_t ordering = kOrderAsFound;
  ReSortResultsThread* reSorting = nullptr;  // while SetSortType runs it; GUI thread
  // Results of a sorted search, gathered until it finishes; made with the first.
  std::unique_ptr<ResultSorter> sorter;
  bool dropGathered = false;
  // Where the data file would end, were the results gathered so far stored as found.
  uint64_t gatheredEnd = kResultsHeaderBytes;
  uint64_t dataLimit = std::numeric_limits<uint32_t>::max();

  // Jobs write the pair on their own thread while the GUI may read results for display.
  std::mutex fileMutex;
  File dataFile;               // guarded by fileMutex
  File indexFile;              // guarded by fileMutex
  uint32_t longest = 0;        // guarded by fileMutex
  uint32_t dataEnd = 0;        // guarded by fileMutex
  uint32_t appended = 0;       // guarded by fileMutex: results written to the pair
  bool writePositionLost = false;  // guarded by fileMutex: a read or header write moved it
  bool savedPairOpen = false;      // guarded by fileMutex: the pair is a user's, opened to read
  bool savedHeaderChanged = false;  // guarded by fileMutex: the user's pair has an old header
  // Results appended but not yet handed to the streams: two stream calls a block instead of
  // three a result.
  std::string pendingData;           // guarded by fileMutex
  std::string pendingIndex;          // guarded by fileMutex
  // guarded by fileMutex: what the user is told of the first write of the working files that
  // failed (empty while none has). From then on the store is incomplete: Append says so, and it
  // is never saved or exported.
  std::string writeFailure;

  std::atomic<uint32_t> count{0};
  std::string tempDataPath;
  std::string tempIndexPath;
  // Whether this store created the file at each path: only then is it its own to delete.
  bool tempDataMade = false;
  bool tempIndexMade = false;
  // Held while the working files are this store's, so that another copy's sweep spares them.
  TempFileLock tempDataLock;
  TempFileLock tempIndexLock;
  ResultsHeader header;
  int32_t wordsPerResult = 1;  // written under fileMutex, which GetResult reads it under
};
