#pragma once
// Deleting, backing up and creating files and folders.

#include <cstdint>
#include <string>

void DeleteMatchingFiles(const std::string& pattern);
int32_t DeleteFileIfExists(const std::string& name);
// Renames the file to its "lxb" backup, replacing an older one; shows its own error boxes.
bool BackupFile(const std::string& path);
// Makes the "lxb" backup a second name of the file (a copy where the file system has no hard
// links), replacing an older backup; the file itself stays where it is. Shows its own boxes.
bool BackupFileKeepingIt(const std::string& path);
// Makes sure one folder exists (its parent must); shows its own error boxes.
bool CreateDirectoryChecked(const std::string& path);
