// merge OUT LEX LEX...: two or more lexicons merged by the program's merge job into a new one,
// installed at OUT as the program installs a lexicon (one already there becomes its backup).

#include "BoxHost.h"
#include "Commands.h"
#include "foundation/FileOps.h"
#include "foundation/FileWriteLock.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "lexbuild/LexbuildTextIds.h"
#include "search/lexicon/InstallLexicon.h"
#include "search/merge/MergeLexiconsThread.h"
#include "search/selection/VirtualLexList.h"

int MergeCommand(const Arguments& arguments) {
  if (arguments.empty()) return Fail("merge needs the lexicon to write and its sources");
  BoxHost host;
  ScopedHost scope(host);
  const std::string target = arguments[0];
  const Arguments sources(arguments.begin() + 1, arguments.end());
  if (sources.size() < 2) {
    ShowMessageBox("You must select 2 or more Lexicons from the lexicon list to merge together",
                   LoadResString(kInsufficientInformationCaption), MB_OK);
    return host.Status();
  }
  CheckLexiconAtTarget(target);
  const FileWriteLock lock(target);
  if (!lock.Granted()) return host.Status();
  VirtualLexList list;  // the sources' headers give the job its progress
  list.ScanFiles(sources);
  const std::string output = ClaimTempFilePath("");
  bool merged = false;
  {
    ProgressDialog dialog(nullptr, std::make_unique<MergeLexiconsThread>(sources, output, list));
    dialog.SetMessage(LoadResString(kMergingLexiconsText));
    dialog.Start();
    merged = !dialog.WasCancelled() && dialog.GetResult() != -1;
  }
  // A failed installation removes the output itself; its name is free from then on.
  if (!merged) {
    DeleteFileIfExists(output);
  } else {
    InstallLexicon(output, target);
  }
  return host.Status();
}
