#pragma once
// Paths in the Temp and Lexicons folders, and temporary files claimed there.

#include <cstdint>
#include <string>

std::string GetTempFilePath(const std::string& name);
std::string GetLexiconFilePath(const std::string& name);
std::string MakeTempFilePath();
// MakeTempFilePath() + extension, with its file created empty. Names come from the clock, and
// another copy of the program drawing one in the same millisecond draws the same: the name is
// drawn again until creating its file finds it free, so two programs never share a working
// file. Any other failure to create it is left to the caller's own open, which reports it.
std::string ClaimTempFilePath(const std::string& extension);
