// Any bytes as the settings store file, read as the program reads it at start: the store's file
// opened and parsed, the program's key looked for and every setting loaded from it. "%P" in the
// bytes stands for the program folder, so that a stored "Folder-Sorvane" can match it and the
// values are taken. A value written back must read back as written, whatever stood around it.

#include <cstdint>
#include <fstream>
#include <string>

#include "foundation/Settings.h"
#include "FuzzFolder.h"
#include "platform/RegistryFile.h"
#include "platform/RegistryStore.h"

namespace {

std::string folder;
constexpr const char* kKey = "SOFTWARE\\Sorvane\\Sorvane6";

// A value the writer must keep: the bytes of the input without the line ends it splits on.
std::string ValueFrom(const std::string& text) {
  std::string value;
  for (const char c : text.substr(0, 64)) {
    if (c != '\r' && c != '\0') value += c;
  }
  return value;
}

void CheckWriteBack(const std::string& text) {
  RegistryFile file = RegistryFile::Parse(text);
  const size_t section = file.FindSection(kKey).value_or(file.AddSection(kKey));
  const std::string value = ValueFrom(text);
  file.SetString(section, "Fuzz Value", value);
  file.SetDword(section, "Fuzz Number", static_cast<uint32_t>(text.size()));
  const RegistryFile again = RegistryFile::Parse(file.Format());
  const size_t found = again.FindSection(kKey).value();
  const RegistryLine* line = again.FindValue(found, "Fuzz Value");
  if (!line || line->kind != RegistryValueKind::String || line->stringValue != value) abort();
  line = again.FindValue(found, "fuzz number");
  if (!line || line->kind != RegistryValueKind::Dword || line->dwordValue != text.size()) abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = MakeFuzzFolder("fuzz-settings");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::string stored = text;
  for (size_t at = stored.find("%P"); at != std::string::npos; at = stored.find("%P", at + 1)) {
    stored.replace(at, 2, folder);
  }
  std::ofstream(folder + "user.reg", std::ios::binary | std::ios::trunc)
      .write(stored.data(), static_cast<std::streamsize>(stored.size()));
  Settings::Rebuild();
  CheckWriteBack(text);
  return 0;
}
