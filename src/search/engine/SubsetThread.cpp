#include "search/engine/SubsetThread.h"

#include "foundation/FolderPaths.h"
#include "foundation/FileOps.h"
#include "foundation/FileCopy.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "platform/Host.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/Dictionary.h"
#include "search/merge/DictionaryMergeHandler.h"
#include "search/merge/MergeFile.h"
#include "search/request/SearchData.h"

namespace {

constexpr int32_t kExceptionCaption = 8325;

void DeleteFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) DeleteFileIfExists(path);
}

}  // namespace

SubsetThread::SubsetThread(SearchData& searchRequest)
    : request(searchRequest),
      lexicons(SearchLexicons::Of(*searchRequest.lexicons)),
      worker([this] { runResult.store(Run()); }) {}

SubsetThread::~SubsetThread() {
  Cancel();
  worker.WaitFor();
}

int SubsetThread::Run() {
  std::vector<std::string> temps;
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
  DeleteFiles(temps);
  return result;
}

int SubsetThread::Scan(std::vector<std::string>& temps, std::vector<std::string>& inputs) {
  for (const auto& image : lexicons.selected) {
    if (stop.load(std::memory_order_relaxed)) return kCancelled;
    const std::string path = ClaimTempFilePath("");
    temps.push_back(path);
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

int SubsetThread::MergeSubsets(const std::vector<std::string>& inputs,
                               std::vector<std::string>& temps) {
  const std::string output = ClaimTempFilePath("");
  temps.push_back(output);  // listed at once: a failed merge leaves nothing behind
  {
    MergeFile<DictionaryMergeHandler> merge(inputs, output);
    merge.RunMerge();
  }
  VirtualLex& subset = request.lexicons->subsetLexicon;
  if (MoveFileAcrossDrives(output, subset.path) != 0) {
    DeleteFileIfExists(output);
    throw SorvaneException(LoadResString(16003) + "\n" + output);
  }
  subset.Load();
  return kReady;
}

bool RunSubsetAnalysis(SearchData& request) {
  SubsetThread job(request);
  return Host::Current().RunSubsetDialog(job) == SubsetJob::kModalOk;
}
