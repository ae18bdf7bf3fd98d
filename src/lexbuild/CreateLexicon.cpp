#include "lexbuild/CreateLexicon.h"

#include <algorithm>
#include <memory>

#include "foundation/FileOps.h"
#include "foundation/FileWriteLock.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/OwnedTempFiles.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/ChopAndSortThread.h"
#include "lexbuild/CompileLexThread.h"
#include "lexbuild/LexbuildTextIds.h"
#include "lexbuild/MergeFilesThread.h"
#include "search/lexicon/InstallLexicon.h"
#include "search/lexicon/VirtualLex.h"
#include "search/merge/MergeLexiconsThread.h"
#include "search/selection/VirtualLexList.h"

namespace {

// Runs the job under its progress dialog; true when it was neither cancelled nor failed.
bool RunToEnd(ProgressDialog& dialog, const std::string& message) {
  dialog.SetMessage(message);
  dialog.Start();
  return !dialog.WasCancelled() && dialog.GetResult() != -1;
}

// The lexicon the compile job checks against, or empty when the merge of several failed or was
// cancelled.
std::string PrepareCheckLexicon(const LexiconBuild& build, VirtualLexList& list,
                                OwnedTempFiles& working) {
  if (build.checkLexicons.size() == 1) return GetLexiconFilePath(build.checkLexicons.front());
  const std::string merged = working.Claim("");
  ProgressDialog merge(build.owner,
                       std::make_unique<MergeLexiconsThread>(build.checkLexicons, merged, list));
  if (!RunToEnd(merge, LoadResString(kMergingLexiconsText))) return {};
  return merged;
}

// The list scanned again as it was made: the program's scans its folder; a list made of given
// files (a tool's own) takes the new lexicon among them.
void Rescan(VirtualLexList& list, const std::string& newLexicon) {
  if (!list.Folder().empty()) return list.ScanLexiconFolder();
  std::vector<std::string> paths;
  for (const auto& record : list.Records()) paths.push_back(record->path);
  if (std::find(paths.begin(), paths.end(), newLexicon) == paths.end()) paths.push_back(newLexicon);
  list.ScanFiles(paths);
}

// The lexicon now at the target, read back: one that cannot be opened is told with the reader's
// own message, and the build is no success.
bool ReadsBack(const std::string& lexiconPath) {
  try {
    VirtualLex(lexiconPath).ReadHeader();
    return true;
  } catch (const SorvaneException& error) {
    ShowMessageBox(error.what(), LoadResString(kErrorCaption), MB_OK | MB_ICONERROR);
    return false;
  }
}

}  // namespace

bool CreateLexiconFromFile(const LexiconBuild& build, VirtualLexList& list) {
  if (!IsInstallableTarget(build.lexiconPath)) {
    ShowMessageBox("Unable to Open File " + build.lexiconPath, LoadResString(kErrorCaption),
                   MB_OK | MB_ICONERROR);
    return false;
  }
  // Held from the check lexicons' first read (the target may be one of them) to the install.
  const FileWriteLock lock(build.lexiconPath);
  if (!lock.Granted()) return false;
  // The sorted file, a merged check lexicon and the temporary lexicon go with it on every way
  // out; declared before the jobs' dialogs, so that each job has ended before its files go.
  OwnedTempFiles working;
  const bool check = !build.checkLexicons.empty();
  std::string checkLexicon;
  if (check) {
    checkLexicon = PrepareCheckLexicon(build, list, working);
    if (checkLexicon.empty()) return false;
  }

  std::vector<std::string> chunks;
  uint32_t wordCount = 0;
  {
    auto job = std::make_unique<ChopAndSortThread>(build.wordListPath, &chunks);
    const ChopAndSortThread& chop = *job;
    ProgressDialog dialog(build.owner, std::move(job));
    if (!RunToEnd(dialog, "Validating and Sorting")) {
      // A cancel seen by the job has deleted the chunks already; after a failure, or a cancel
      // confirmed after the job's last checkpoint, they are still here.
      for (const std::string& chunk : chunks) DeleteFileIfExists(chunk);
      return false;
    }
    wordCount = chop.WordCount();
  }

  const std::string sorted = working.Claim("");
  {
    // The merge job disposes of the chunks, whatever its outcome.
    ProgressDialog merge(build.owner, std::make_unique<MergeFilesThread>(&chunks, wordCount, sorted));
    if (!RunToEnd(merge, "Rebuilding Words")) return false;
  }

  const std::string temporaryLexicon = working.Claim("");
  {
    ProgressDialog compile(build.owner, std::make_unique<CompileLexThread>(
                                            sorted, wordCount, build.strictChecking, check,
                                            checkLexicon, temporaryLexicon));
    if (!RunToEnd(compile, LoadResString(kCreatingLexiconText))) return false;
  }

  const bool installed = InstallLexicon(temporaryLexicon, build.lexiconPath);
  working.GiveUp(temporaryLexicon);  // moved in place, or deleted by the failed installation
  if (!installed || !ReadsBack(build.lexiconPath)) return false;
  Rescan(list, build.lexiconPath);
  return true;
}
