#include "foundation/FileReplace.h"

#include <cstdio>

#include "foundation/File.h"
#include "foundation/SorvaneException.h"
#include "foundation/StagedSave.h"

namespace {
constexpr int32_t kStreamBuffer = 8192;
}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  try {
    StagedSave save(path);
    File out;
    out.Open(save.Path(), "wb", kStreamBuffer);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out.handle) == bytes.size();
    return out.CloseChecked() && written && save.MoveIn();
  } catch (const SorvaneException&) {
    return false;
  }
}
