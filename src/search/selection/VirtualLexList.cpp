#include "search/selection/VirtualLexList.h"

#include "foundation/AppFolders.h"
#include "foundation/FileOps.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"
#include "search/SearchTextIds.h"

void ShowLexiconWarning(const std::string& text) {
  ShowMessageBox(text, LoadResString(kLexiconListWarningCaption), MB_ICONWARNING | MB_OK);
}

VirtualLexList& VirtualLexList::Instance() {
  static VirtualLexList list;
  static const bool scanned = [] {
    SetUpAppFolders();
    list.ScanLexiconFolder();
    return true;
  }();
  (void)scanned;
  return list;
}

VirtualLexList::~VirtualLexList() {
  for (LexiconListListener* listener : listeners) listener->OnListGone();
}

void VirtualLexList::ScanLexiconFolder() {
  folder = Settings::Instance().GetString(SettingId::FolderLexicons) + "/";
  std::vector<std::string> paths;
  for (const std::string& name : FileSys::Current().ListMatching(folder, "*.lex"))
    paths.push_back(folder + name);
  ScanFiles(paths);
}

void VirtualLexList::ScanFiles(const std::vector<std::string>& paths) {
  records.clear();
  FileSys& fileSys = FileSys::Current();
  std::string invalidFiles;
  for (const std::string& path : paths) {
    if (!fileSys.Exists(path)) continue;
    auto record = std::make_shared<VirtualLex>(path);
    try {
      record->ReadHeader();
    } catch (const SorvaneException& e) {
      // One unreadable file must not hide the others (or stop the program starting).
      ShowLexiconWarning(e.what());
      continue;
    }
    if (record->header.magic != kLexiconMagic) {
      invalidFiles += "\n" + path;
      continue;
    }
    const auto place = std::lower_bound(
        records.begin(), records.end(), path,
        [](const std::shared_ptr<VirtualLex>& r, const std::string& p) { return r->path < p; });
    records.insert(place, std::move(record));
  }
  if (invalidFiles.empty() && records.empty()) {
    ResMessageBox(kNoLexiconsText, kLexiconListWarningCaption, MB_ICONWARNING | MB_OK);
  } else if (!invalidFiles.empty() && warnInvalid) {
    ShowLexiconWarning(LoadResString(kInvalidLexiconsText) + invalidFiles);
    warnInvalid = 0;
  }
  NotifyListeners();
}

void VirtualLexList::AddListener(LexiconListListener* listener) { listeners.push_back(listener); }

void VirtualLexList::RemoveListener(LexiconListListener* listener) {
  const auto found = std::find(listeners.begin(), listeners.end(), listener);
  if (found != listeners.end()) listeners.erase(found);
}

void VirtualLexList::NotifyListeners() {
  const std::vector<LexiconListListener*> toTell = listeners;
  for (LexiconListListener* listener : toTell) listener->OnListChanged();
}

bool VirtualLexList::RemoveLexicon(const std::string& path, bool notify) {
  const auto found = FindLexiconByPath(records.begin(), records.end(), path);
  if (found == records.end()) throw SorvaneException(LoadResString(kLexiconNotFoundText) + path);
  // Without its backup the file is the only copy of its words: keep it.
  if (!BackupFile(path)) return false;
  FileSys& fileSys = FileSys::Current();
  if (fileSys.Exists(path)) fileSys.Remove(path);
  records.erase(found);
  if (notify) NotifyListeners();
  return true;
}

void VirtualLexList::RemoveLexicons(const std::vector<std::string>& paths) {
  try {
    for (const std::string& path : paths) RemoveLexicon(path, false);
  } catch (...) {
    NotifyListeners();  // the ones removed before the failure are gone all the same
    throw;
  }
  NotifyListeners();
}
