#pragma once
// Where a save may put a user's file.

#include <string>

// Whether a file may be written at path: nothing is there yet, or a regular file is. A link is
// judged by the file it names. Anything else (a folder, a FIFO, a device) is refused before a
// byte is written: replacing it would destroy it, and writing into it may never end.
bool IsWritableTarget(const std::string& path);
// The file a save to path replaces: the file a link there names, so that the link stays a link;
// otherwise path itself.
std::string ResolveSaveTarget(const std::string& path);
