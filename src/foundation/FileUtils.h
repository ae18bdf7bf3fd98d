#pragma once
// Working-file helpers: unique temporary names, paths in the Temp and Lexicons folders, path
// surgery, deleting, copying, moving and backing up files, creating folders, small text helpers.
// Paths use '/'; extensions are looked for only in the last path component.

#include <cstdint>
#include <string>

std::string MakeUniqueName();
std::string GetTempFilePath(const std::string& name);
std::string GetLexiconFilePath(const std::string& name);
std::string MakeTempFilePath();
// MakeTempFilePath() + extension, with its file created empty. Names come from the clock, and
// another copy of the program drawing one in the same millisecond draws the same: the name is
// drawn again until creating its file finds it free, so two programs never share a working
// file. Any other failure to create it is left to the caller's own open, which reports it.
std::string ClaimTempFilePath(const std::string& extension);

std::string ExtractFileExt(const std::string& path);
std::string RemoveFileExt(const std::string& path);
std::string ChangeFileExt(const std::string& path, const std::string& ext);
std::string ExtractFileName(const std::string& path);
std::string ExtractFilePath(const std::string& path);
std::string IntToStrRadix(int32_t value, int radix);

void DeleteMatchingFiles(const std::string& pattern);
int32_t DeleteFileIfExists(const std::string& name);
// Throws SorvaneException when a file cannot be opened, read or written; never leaves a partial
// destination behind.
void CopyFileContents(const std::string& source, const std::string& destination);
// Whether both paths name one existing file (by identity, whatever the spelling).
bool SameFile(const std::string& a, const std::string& b);
// Removes what a failed copy left at path: an ordinary file or a link, never a device or folder.
void RemovePartialCopy(const std::string& path);
// 0 on success, -1 on failure. A failure leaves source and destination as they were, except
// when only the final removal of the source fails: the destination then already holds the data.
int32_t MoveFileAcrossDrives(const std::string& source, const std::string& destination);
// Renames the file to its "lxb" backup, replacing an older one; shows its own error boxes.
bool BackupFile(const std::string& path);
// Makes sure one folder exists (its parent must); shows its own error boxes.
bool CreateDirectoryChecked(const std::string& path);

std::string& TrimString(std::string& text, char ch, int mode);
std::string LowerCaseString(const std::string& text);
std::string FilterCharClass(const std::string& text);
int32_t CountChar(const char* text, char ch);
bool IsAllWildcards(const char* text);
