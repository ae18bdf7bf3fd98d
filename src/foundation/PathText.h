#pragma once
// Path surgery on text. Paths use '/'; extensions are looked for only in the last path component.

#include <cstdint>
#include <string>

std::string ExtractFileExt(const std::string& path);
std::string RemoveFileExt(const std::string& path);
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string ExtractFileName(const std::string& path);
std::string ExtractFilePath(const std::string& path);
