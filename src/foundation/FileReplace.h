#pragma once
// Replacing a file's contents so that a failure never costs the old file.

#include <string>
#include <string_view>

// Writes bytes to a new file beside path, checks every write and the close, then renames it over
// path (keeping the old file's permissions). False, with the old file untouched and no
// temporary file left, when any step fails, the old file is read-only or path is not a regular
// file (a link to one is followed, and the file it names replaced).
bool ReplaceFileContents(const std::string& path, std::string_view bytes);
