#include "foundation/CopyFileThread.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

#include "foundation/File.h"
#include "foundation/FileCopy.h"
#include "foundation/FolderPaths.h"
#include "foundation/ProcessMessages.h"
#include "foundation/ProgressDialog.h"
#include "foundation/SorvaneException.h"

namespace {
constexpr int32_t kStreamBufferBytes = 2048;

// One byte ahead of the copy, as the bar has always shown it; 64-bit so that no length
// overflows, and a file that grew while being copied cannot push it out of range.
int32_t CopyProgress(int64_t counter, int64_t length) {
  return static_cast<int32_t>(
      std::min<int64_t>(counter * 100 / length, std::numeric_limits<int32_t>::max()));
}
}  // namespace

CopyFileThread::CopyFileThread(std::string source, std::string destination)
    : sourcePath(std::move(source)), destinationPath(std::move(destination)) {}

void CopyFileThread::Execute() {
  File source;
  source.Open(sourcePath, "rb", kStreamBufferBytes);
  File destination;
  destination.Open(destinationPath, "wb", kStreamBufferBytes);
  try {
    const int64_t length = source.Length();
    std::vector<char> buffer(kBufferBytes);
    int64_t counter = 1;
    for (;;) {
      const size_t read = std::fread(buffer.data(), 1, kBlockBytes, source.handle);
      if (read == 0) break;
      counter += static_cast<int64_t>(read);
      if (length > 0) SetProgress(CopyProgress(counter, length));
      if (std::fwrite(buffer.data(), 1, read, destination.handle) != read) {
        throw SorvaneException(WriteFailureText(destinationPath));
      }
      ProcessMessages();
    }
    if (std::ferror(source.handle)) throw SorvaneException("Unable to Read File " + sourcePath);
    if (!destination.CloseChecked()) {
      throw SorvaneException(WriteFailureText(destinationPath));
    }
  } catch (...) {
    destination.Close();
    RemovePartialCopy(destinationPath);
    throw;
  }
}

bool ShowCopyProgress(const std::string& sourcePath, const std::string& destinationPath,
                      std::string* failureText) {
  auto job = std::make_unique<CopyFileThread>(sourcePath, destinationPath);
  job->SetReportErrors(failureText == nullptr);
  ProgressDialog dialog(nullptr, std::move(job));
  dialog.SetMessage("Copying File");
  dialog.HideCancel();
  dialog.Start();
  const bool copied = !dialog.WasCancelled() && dialog.GetResult() != -1;
  if (!copied && failureText) *failureText = dialog.GetThread()->ErrorText();
  return copied;
}
