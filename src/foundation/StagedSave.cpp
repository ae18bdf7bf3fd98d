#include "foundation/StagedSave.h"

#include "foundation/FolderPaths.h"
#include "foundation/PathText.h"
#include "foundation/SaveTarget.h"
#include "foundation/SorvaneException.h"
#include "foundation/TempNames.h"
#include "platform/FileSys.h"
#include "platform/HeldSignals.h"

namespace fs = std::filesystem;

StagedSave::StagedSave(const std::string& path) : target(ResolveSaveTarget(path)) {
  if (!IsWritableTarget(target)) throw SorvaneException("Unable to Open File " + path);
  std::error_code error;
  const fs::file_status old = fs::status(target, error);
  replacing = !error && fs::is_regular_file(old);
  oldPermissions = old.permissions();
  // A file its owner may not write counts as read-only, as FileSys::Remove treats it.
  if (replacing && (oldPermissions & fs::perms::owner_write) == fs::perms::none) {
    throw SorvaneException(WriteFailureText(path));
  }
  // Beside the target, so that the move stays on one file system and replaces it in one step.
  staged = ClaimUniquePath(ExtractFilePath(target), "");
  if (!FileSys::Current().Exists(staged)) throw SorvaneException("Unable to Open File " + path);
}

StagedSave::~StagedSave() {
  std::error_code error;
  if (!moved) fs::remove(staged, error);
}

void StagedSave::KeepPermissions() {
  std::error_code error;
  if (replacing) fs::permissions(staged, oldPermissions, error);
}

bool StagedSave::MoveIn() {
  KeepPermissions();
  moved = FileSys::Current().Rename(staged, target) == 0;
  return moved;
}

bool StagedSave::MoveInPair(StagedSave& first, StagedSave& second) {
  FileSys& fileSys = FileSys::Current();
  first.KeepPermissions();
  second.KeepPermissions();
  HeldSignals held;
  // Swapped rather than renamed, the first old file waits under the staged name until the
  // second has moved; the staged name is then removed with it.
  const bool swapped = first.replacing && fileSys.Exchange(first.staged, first.target) == 0;
  if (!swapped && fileSys.Rename(first.staged, first.target) != 0) return false;
  if (fileSys.Rename(second.staged, second.target) == 0) {
    first.moved = !swapped;
    second.moved = true;
    return true;
  }
  std::error_code error;
  if (swapped) {
    fileSys.Exchange(first.staged, first.target);
  } else if (!first.replacing) {
    fs::remove(first.target, error);
  }
  return false;
}
