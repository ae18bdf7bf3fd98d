// Path surgery on byte strings. Only the last path component is searched for the extension dot,
// so a dot in a folder name ("/home/john.smith/Temp/$$ab") never counts as one.

#include "foundation/PathText.h"

namespace {

constexpr char kSeparator = '/';

size_t NameStart(const std::string& path) {
  const size_t separator = path.rfind(kSeparator);
  return separator == std::string::npos ? 0 : separator + 1;
}

// Position of the last dot of the file name, npos when the name has none.
size_t ExtensionDot(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < NameStart(path)) return std::string::npos;
  return dot;
}

}  // namespace

std::string ExtractFileExt(const std::string& path) {
  const size_t dot = ExtensionDot(path);
  return dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

std::string RemoveFileExt(const std::string& path) {
  const size_t dot = ExtensionDot(path);
  return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
  const size_t dot = ExtensionDot(path);
  // A name that only starts with a dot (".hidden") has no extension to replace.
  const bool cut = dot != std::string::npos && dot != NameStart(path);
  std::string result = cut ? path.substr(0, dot) : path;
  if (ext.empty() || ext[0] != '.') result += '.';
  return result + ext;
}

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string ExtractFilePath(const std::string& path) { return path.substr(0, NameStart(path)); }
