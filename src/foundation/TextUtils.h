#pragma once
// Small text helpers.

#include <cstdint>
#include <string>

std::string IntToStrRadix(int32_t value, int radix);
std::string& TrimString(std::string& text, char ch, int mode);
std::string LowerCaseString(const std::string& text);
std::string FilterCharClass(const std::string& text);
int32_t CountChar(const char* text, char ch);
bool IsAllWildcards(const char* text);
