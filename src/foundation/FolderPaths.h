#pragma once
// Paths in the Temp and Lexicons folders, and temporary files claimed there.

#include <cstdint>
#include <string>

std::string GetTempFilePath(const std::string& name);
std::string GetLexiconFilePath(const std::string& name);
// A working-file name in the Temp folder, marked as this process's (see TempFolderMark).
std::string MakeTempFilePath();
// A new working file in the Temp folder, marked so and claimed as ClaimUniquePath does.
std::string ClaimTempFilePath(const std::string& extension);
// What to tell the user when writing path failed: "Unable to Write File " + path, or for a
// working file in the Temp folder "Unable to Write to the Temp Folder " + that folder.
std::string WriteFailureText(const std::string& path);
