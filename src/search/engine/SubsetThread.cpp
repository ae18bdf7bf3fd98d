#include "search/engine/SubsetThread.h"

#include "foundation/FileCopy.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/OwnedTempFiles.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "platform/Host.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/Dictionary.h"
#include "search/merge/DictionaryMergeHandler.h"
#include "search/merge/MergeFile.h"
#include "search/request/SearchData.h"

SubsetThread::SubsetThread(SearchData& searchRequest)
    : request(searchRequest),
      lexicons(SearchLexicons::Of(*searchRequest.lexicons)),
      worker([this] { runResult.store(Run()); }) {}

SubsetThread::~SubsetThread() {
  Cancel();
  worker.WaitFor();
}

int SubsetThread::Run() {
  OwnedTempFiles temps;
  std::vector<std::string> inputs;
  int result = kMergeFailed;
  try {
    result = Scan(temps, inputs);
    if (result == kReady) result = MergeSubsets(inputs, temps);
  } catch (const std::exception& error) {
    // Whatever fails, the dialog must close; the subset is then not ready.
    ShowMessageBox(error.what(), LoadResString(kExceptionCaption), MB_OK);
    result = kMergeFailed;
  }
  temps.DeleteAll();
  return result;
}

int SubsetThread::Scan(OwnedTempFiles& temps, std::vector<std::string>& inputs) {
  for (const auto& image : lexicons.selected) {
    if (stop.load(std::memory_order_relaxed)) return kCancelled;
    const std::string path = temps.Claim("");
    Dictionary cursor(image);
    cursor.SetStopToken(&stop);
    CompressDictionary writer(path);
    const char* word = nullptr;
    uint64_t count = 0;
    uint8_t found = cursor.FindNext(&word, "*", &request.fromLetters, 0, 0);
    for (; found == Dictionary::kFound; found = cursor.FindNext(&word, nullptr, nullptr, 0, 0)) {
      writer.AddWord(word);
      ++count;
    }
    writer.Close();
    if (found == Dictionary::kCancelled) return kCancelled;
    if (count > 0) inputs.push_back(path);
  }
  return inputs.empty() ? kNoWords : kReady;
}

int SubsetThread::MergeSubsets(const std::vector<std::string>& inputs, OwnedTempFiles& temps) {
  const std::string output = temps.Claim("");
  {
    MergeFile<DictionaryMergeHandler> merge(inputs, output);
    merge.RunMerge();
  }
  // A lone input is not merged but moved to the output itself.
  if (inputs.size() == 1) temps.GiveUp(inputs.front());
  VirtualLex& subset = request.lexicons->subsetLexicon;
  request.lexicons->subsetLock.Hold(output);
  if (MoveFileAcrossDrives(output, subset.path) != 0) {
    request.lexicons->subsetLock.Hold(subset.path);
    throw SorvaneException(LoadResString(kUnableToRenameFileText) + "\n" + output);
  }
  temps.GiveUp(output);
  subset.Load();
  return kReady;
}

bool RunSubsetAnalysis(SearchData& request) {
  SubsetThread job(request);
  return Host::Current().RunSubsetDialog(job) == SubsetJob::kModalOk;
}
