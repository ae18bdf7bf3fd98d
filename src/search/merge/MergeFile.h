#pragma once
// An external merge of files whose records are already in order: at most five inputs a step,
// each step's result queued behind the remaining inputs, until one file is left and moved to the
// output. A step's inputs that are the merge's own (earlier steps' results, and the given inputs
// when they are handed over) are deleted as soon as the step's output is complete, so the files
// held at once stay near twice the records merged. The Handler knows the record format:
//   using Output = ...;                                  the writer shared by a step's handlers
//   Handler(input path, output path, Output** slot)      opens the input, creates the output in
//                                                        *slot when it is null, reads a record
//   bool HasRecord() const;                              whether a record is current
//   bool ReadRecord();  void WriteRecord();  static bool Less(const Handler&, const Handler&);
//   void Close();                                        closes the shared output, *slot = null
//   static void CloseOutput(Output** slot);              the same, for a step with no live handler
//   static void DiscardOutput(Output** slot) noexcept;   drops an output during clean-up

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "foundation/FileCopy.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/OwnedTempFiles.h"
#include "foundation/ProcessMessages.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"

template <typename Handler>
class MergeFile {
 public:
  using Output = typename Handler::Output;

  // Whether the given inputs are handed over to the merge, to delete as it goes and on every way
  // out, or stay the caller's.
  enum class Inputs { Kept, HandedOver };

  MergeFile(const std::vector<std::string>& inputs, std::string outputPath,
            Inputs ownership = Inputs::Kept)
      : output(std::move(outputPath)), queue(inputs.begin(), inputs.end()) {
    if (ownership == Inputs::HandedOver)
      for (const std::string& input : inputs) temps.Adopt(input);
  }
  ~MergeFile() { ReleaseAll(); }
  MergeFile(const MergeFile&) = delete;
  MergeFile& operator=(const MergeFile&) = delete;

  // Runs the whole merge on the calling thread: true when it ran to the end, false when it was
  // stopped or had nothing to merge. Write and move failures throw SorvaneException.
  bool RunMerge() {
    if (queue.empty()) return false;
    bool merged = false;
    while (queue.size() >= 2 && !stopped.load(std::memory_order_relaxed)) {
      MergeStep();
      Drain();
      // Drained whole, the output is closed and its writes checked: the inputs are spent.
      if (handlers.empty())
        for (const std::string& input : stepInputs) temps.DeleteNow(input);
      merged = true;
    }
    if (stopped.load(std::memory_order_relaxed)) return false;
    const std::string last = queue.front();
    // An empty file at the output is the owner's placeholder: exchanged with it, a step's result
    // takes its name without freeing either name, and without the write to disk that ext4 starts
    // when a rename replaces a file. The placeholder, now under the step's name, goes with the
    // other steps' files.
    if (merged && IsPlaceholder(output) && FileSys::Current().Exchange(last, output) == 0)
      return true;
    if (MoveFileAcrossDrives(last, output) != 0)
      throw SorvaneException(LoadResString(kUnableToRenameFileText) + "\n" + last);
    temps.GiveUp(last);
    return true;
  }

  // Progress counter and stop flag, shared with the owning job's user-interface thread.
  std::atomic<uint32_t> written{0};
  std::atomic<bool> stopped{false};

  static constexpr int maxInputs = 5;
  // A checkpoint takes a lock: an owner that knows its total may space them out, as long as each
  // percentage reached still meets one.
  uint32_t recordsPerCheckpoint = 1;

 private:
  static bool IsPlaceholder(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error)) &&
           std::filesystem::file_size(path, error) == 0;
  }

  // At most five, kept in order: moving a few pointers costs less than a list's nodes.
  using HandlerList = std::vector<std::unique_ptr<Handler>>;

  void MergeStep() {
    stepOutput = nullptr;
    // Owned at once, so a failure while the handlers are made still removes it.
    const std::string stepPath = temps.Claim("");
    stepInputs.clear();
    for (int made = 0; !queue.empty() && made < maxInputs; ++made) {
      stepInputs.push_back(queue.front());
      auto handler = std::make_unique<Handler>(queue.front(), stepPath, &stepOutput);
      queue.pop_front();
      if (handler->HasRecord()) Insert(std::move(handler));
    }
    queue.push_back(stepPath);
  }

  void Drain() {
    // The first record of a step always gets a checkpoint.
    uint32_t untilCheckpoint = 0;
    while (!handlers.empty() && !stopped.load(std::memory_order_relaxed)) {
      if (untilCheckpoint-- == 0) {
        ProcessMessages();
        untilCheckpoint = recordsPerCheckpoint - 1;
      }
      Handler& front = *handlers.front();
      const bool last = handlers.size() == 1;
      front.WriteRecord();
      CountWritten();
      if (last) {
        // The last live input: copy out the rest of it.
        while (front.ReadRecord()) {
          front.WriteRecord();
          CountWritten();
        }
      }
      if (front.ReadRecord()) {
        const auto to = InsertionPoint(front, std::next(handlers.begin()));
        std::rotate(handlers.begin(), std::next(handlers.begin()), to);
      } else {
        if (last) front.Close();
        handlers.erase(handlers.begin());
      }
    }
    // A step whose inputs were all empty still leaves a closed, empty output.
    if (handlers.empty() && stepOutput) Handler::CloseOutput(&stepOutput);
  }

  // Only the merging thread writes the counter, so it needs no locked increment.
  void CountWritten() {
    written.store(written.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
  }

  // After every handler whose record is not greater, so equal records keep queue order.
  void Insert(std::unique_ptr<Handler> handler) {
    const auto at = InsertionPoint(*handler, handlers.begin());
    handlers.insert(at, std::move(handler));
  }

  typename HandlerList::iterator InsertionPoint(const Handler& handler,
                                                typename HandlerList::iterator from) {
    while (from != handlers.end() && !Handler::Less(handler, **from)) ++from;
    return from;
  }

  void ReleaseAll() noexcept {
    handlers.clear();
    if (stepOutput) Handler::DiscardOutput(&stepOutput);
    temps.DeleteAll();
  }

  std::string output;
  Output* stepOutput = nullptr;
  HandlerList handlers;
  std::deque<std::string> queue;
  std::vector<std::string> stepInputs;  // the inputs of the step under way
  OwnedTempFiles temps;
};
