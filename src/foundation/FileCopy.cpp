// Copying and moving files so that a failure never costs data: every write is checked, a
// partial copy is removed, and a move replaces its destination in one step.

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "foundation/File.h"
#include "foundation/FileCopy.h"
#include "foundation/FolderPaths.h"
#include "foundation/PathText.h"
#include "foundation/TempNames.h"
#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"

namespace {

constexpr int32_t kStreamBuffer = 2048;
constexpr size_t kCopyBlock = 20480;

void CopyStream(File& in, File& out) {
  std::vector<char> block(kCopyBlock);
  size_t read;
  while ((read = std::fread(block.data(), 1, block.size(), in.handle)) > 0) {
    if (std::fwrite(block.data(), 1, read, out.handle) != read)
      throw SorvaneException(WriteFailureText(out.name));
  }
  if (std::ferror(in.handle)) throw SorvaneException("Unable to Read File " + in.name);
  if (!out.CloseChecked()) throw SorvaneException(WriteFailureText(out.name));
}

}  // namespace

void RemovePartialCopy(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_type type = fs::symlink_status(path, error).type();
  if (type == fs::file_type::regular || type == fs::file_type::symlink)
    FileSys::Current().Remove(path);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  return std::filesystem::equivalent(a, b, error);
}

void CopyFileContents(const std::string& source, const std::string& destination) {
  // The source is opened first so that one which cannot be read leaves no empty destination.
  File in;
  in.Open(source, "rb", kStreamBuffer);
  // Opening the destination would truncate a file copied onto itself.
  if (SameFile(source, destination)) return;
  File out;
  out.Open(destination, "wb", kStreamBuffer);
  try {
    CopyStream(in, out);
  } catch (const SorvaneException&) {
    out.Close();
    RemovePartialCopy(destination);
    throw;
  }
}

int32_t MoveFileAcrossDrives(const std::string& source, const std::string& destination) {
  FileSys& fs = FileSys::Current();
  const int renameError = fs.Rename(source, destination);
  if (renameError == 0) return 0;
  if (renameError != EXDEV) return -1;

  // Another file system: complete a copy beside the destination, swap it in whole, and only
  // then let the source go.
  const std::string staging = ClaimUniquePath(ExtractFilePath(destination), "");
  try {
    CopyFileContents(source, staging);
  } catch (const SorvaneException&) {
    RemovePartialCopy(staging);
    return -1;
  }
  if (fs.Rename(staging, destination) != 0) {
    fs.Remove(staging);
    return -1;
  }
  return fs.Remove(source);
}
