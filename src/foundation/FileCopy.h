#pragma once
// Copying and moving file contents.

#include <cstdint>
#include <string>

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
