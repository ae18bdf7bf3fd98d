#pragma once
// Copies one file to another in blocks under the progress dialog, without a way to cancel.

#include <string>

#include "foundation/ProgressThread.h"

class CopyFileThread : public ProgressThread {
 public:
  static constexpr size_t kBlockBytes = 20480;
  static constexpr size_t kBufferBytes = kBlockBytes + 1;

  CopyFileThread(std::string source, std::string destination);

 protected:
  // The destination is replaced byte for byte. A failed read, write or close ends the job with
  // -1 and removes the partial destination; a source that cannot be opened leaves the
  // destination untouched.
  void Execute() override;

 private:
  const std::string sourcePath;
  const std::string destinationPath;
};

// Copies under the dialog ("Copying File", no Cancel button) and tells whether the copy is
// complete. With failureText given, a failure is not shown but its text is put there for the
// caller to report; otherwise the job shows it ("Error").
bool ShowCopyProgress(const std::string& sourcePath, const std::string& destinationPath,
                      std::string* failureText = nullptr);
