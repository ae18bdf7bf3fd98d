#include "search/lexicon/VirtualLex.h"

#include <cassert>
#include <cstdio>

#include "foundation/File.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "search/SearchTextIds.h"

namespace {

[[noreturn]] void ThrowUnableToOpen(const std::string& path) {
  throw SorvaneException(LoadResString(kUnableToOpenLexiconText) + path);
}

void OpenLexicon(File& file, const std::string& path, const char* mode) {
  try {
    file.Open(path, mode, 0);
  } catch (const SorvaneException&) {
    ThrowUnableToOpen(path);
  }
}

}  // namespace

void VirtualLex::ReadHeader() {
  File file;
  OpenLexicon(file, path, "rb");
  header = DictionaryHeader{};
  header.magic = 0;
  uint8_t bytes[kHeaderBytes];
  if (std::fseek(file.handle, kHeaderOffset, SEEK_SET) == 0 &&
      std::fread(bytes, 1, kHeaderBytes, file.handle) == kHeaderBytes)
    header = DecodeHeader(bytes);
}

void VirtualLex::WriteHeader() {
  File file;
  OpenLexicon(file, path, "r+b");
  uint8_t bytes[kHeaderBytes];
  EncodeHeader(header, bytes);
  // A file that has shrunk below a header since it was read is no lexicon to write into.
  const bool written = file.Length() >= static_cast<int64_t>(kWordStreamOffset) &&
                       std::fseek(file.handle, kHeaderOffset, SEEK_SET) == 0 &&
                       std::fwrite(bytes, 1, kHeaderBytes, file.handle) == kHeaderBytes;
  if (!file.CloseChecked() || !written) ThrowUnableToOpen(path);
}

void VirtualLex::SetFlag(bool flag) {
  header.defaultFlag = flag ? 1 : 0;
  WriteHeader();
}

void VirtualLex::Use(bool acquire) {
  if (acquire) {
    if (usageCount == 0) Load();
    ++usageCount;
    return;
  }
  assert(usageCount > 0 && "release without a matching acquire");
  if (usageCount == 0) return;
  if (--usageCount == 0) SetImage(nullptr);
}

void VirtualLex::Load() {
  File file;
  OpenLexicon(file, path, "rb");
  SetImage(nullptr);
  const int64_t length = file.Length();
  if (length < 0) ThrowUnableToOpen(path);
  if (std::optional<MappedFile> mapped =
          MappedFile::Map(fileno(file.handle), static_cast<size_t>(length), 0xFF)) {
    SetImage(std::make_shared<const LexImage>(std::move(*mapped)));
    return;
  }
  std::vector<uint8_t> bytes(static_cast<size_t>(length) + 1);
  if (std::fread(bytes.data(), 1, bytes.size() - 1, file.handle) != bytes.size() - 1)
    ThrowUnableToOpen(path);
  bytes.back() = 0xFF;
  SetImage(std::make_shared<const LexImage>(std::move(bytes)));
}

std::shared_ptr<const LexImage> VirtualLex::Image() const {
  std::lock_guard<std::mutex> lock(imageMutex);
  return image;
}

void VirtualLex::SetImage(std::shared_ptr<const LexImage> loaded) {
  std::lock_guard<std::mutex> lock(imageMutex);
  image.swap(loaded);  // the old image goes with `loaded`, after the lock is released
}
