#include "foundation/FileReplace.h"

#include <cstdio>
#include <filesystem>

#include "foundation/File.h"
#include "foundation/PathText.h"
#include "foundation/SorvaneException.h"
#include "foundation/TempNames.h"
#include "platform/FileSys.h"

namespace {
constexpr int32_t kStreamBuffer = 8192;
}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status old = fs::status(path, error);
  const bool replacing = !error && fs::is_regular_file(old);
  // A file its owner may not write counts as read-only, as FileSys::Remove treats it.
  if (replacing && (old.permissions() & fs::perms::owner_write) == fs::perms::none) return false;

  File out;
  std::string staging;
  try {
    // Beside the target, so that the rename stays on one file system and replaces it in one step.
    do staging = ExtractFilePath(path) + MakeUniqueName();
    while (!out.Create(staging, kStreamBuffer));
  } catch (const SorvaneException&) {
    return false;
  }
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.handle) == bytes.size();
  bool done = out.CloseChecked() && written;
  if (done && replacing) fs::permissions(staging, old.permissions(), error);
  done = done && FileSys::Current().Rename(staging, path) == 0;
  if (!done) fs::remove(staging, error);
  return done;
}
