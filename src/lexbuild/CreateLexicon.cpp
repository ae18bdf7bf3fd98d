#include "lexbuild/CreateLexicon.h"

#include <algorithm>
#include <memory>

#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "lexbuild/ChopAndSortThread.h"
#include "lexbuild/CompileLexThread.h"
#include "lexbuild/MergeFilesThread.h"
#include "search/lexicon/InstallLexicon.h"
#include "search/merge/MergeLexiconsThread.h"
#include "search/selection/VirtualLexList.h"

namespace {

constexpr int32_t kErrorCaption = 8324;
constexpr int32_t kCreatingLexicon = 8350;
constexpr int32_t kMergingLexicons = 8356;

// The chain's working files, deleted when it ends however it ends. Declared before the jobs'
// dialogs, so that it goes after them: a job is gone, its worker ended, before its files are.
struct WorkingFiles {
  ~WorkingFiles() {
    for (const std::string& chunk : chunks) DeleteFileIfExists(chunk);
    for (const std::string* path : {&sorted, &temporaryLexicon, &mergedCheckLexicon})
      if (!path->empty()) DeleteFileIfExists(*path);
  }
  std::vector<std::string> chunks;
  std::string sorted;
  std::string temporaryLexicon;
  std::string mergedCheckLexicon;
};

// Runs the job under its progress dialog; true when it was neither cancelled nor failed.
bool RunToEnd(ProgressDialog& dialog, const std::string& message) {
  dialog.SetMessage(message);
  dialog.Start();
  return !dialog.WasCancelled() && dialog.GetResult() != -1;
}

// The lexicon the compile job checks against, or empty when the merge of several failed or was
// cancelled.
std::string PrepareCheckLexicon(const LexiconBuild& build, VirtualLexList& list,
                                WorkingFiles& files) {
  if (build.checkLexicons.size() == 1) return GetLexiconFilePath(build.checkLexicons.front());
  files.mergedCheckLexicon = ClaimTempFilePath("");
  ProgressDialog merge(build.owner, std::make_unique<MergeLexiconsThread>(
                                        build.checkLexicons, files.mergedCheckLexicon, list));
  if (!RunToEnd(merge, LoadResString(kMergingLexicons))) return {};
  return files.mergedCheckLexicon;
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

}  // namespace

bool CreateLexiconFromFile(const LexiconBuild& build, VirtualLexList& list) {
  if (!IsInstallableTarget(build.lexiconPath)) {
    ShowMessageBox("Unable to Open File " + build.lexiconPath, LoadResString(kErrorCaption),
                   MB_OK | MB_ICONERROR);
    return false;
  }
  WorkingFiles files;
  const bool check = !build.checkLexicons.empty();
  std::string checkLexicon;
  if (check) {
    checkLexicon = PrepareCheckLexicon(build, list, files);
    if (checkLexicon.empty()) return false;
  }

  auto chopJob = std::make_unique<ChopAndSortThread>(build.wordListPath, &files.chunks);
  const ChopAndSortThread& chop = *chopJob;
  ProgressDialog chopDialog(build.owner, std::move(chopJob));
  if (!RunToEnd(chopDialog, "Validating and Sorting")) return false;
  const uint32_t wordCount = chop.WordCount();

  files.sorted = ClaimTempFilePath("");
  bool merged = false;
  {
    ProgressDialog merge(build.owner,
                         std::make_unique<MergeFilesThread>(&files.chunks, wordCount, files.sorted));
    merged = RunToEnd(merge, "Rebuilding Words");
  }
  // The merge job has disposed of the chunks; a name it renamed away is no longer ours.
  files.chunks.clear();
  if (!merged) return false;

  files.temporaryLexicon = ClaimTempFilePath("");
  {
    ProgressDialog compile(build.owner, std::make_unique<CompileLexThread>(
                                            files.sorted, wordCount, build.strictChecking, check,
                                            checkLexicon, files.temporaryLexicon));
    if (!RunToEnd(compile, LoadResString(kCreatingLexicon))) return false;
  }

  const bool installed = InstallLexicon(files.temporaryLexicon, build.lexiconPath);
  files.temporaryLexicon.clear();  // installed, or deleted by the failed installation
  if (!installed) return false;
  Rescan(list, build.lexiconPath);
  return true;
}
