#pragma once
// Where the program's byte strings meet Qt's text: words and stored texts are Windows-1252,
// file names are the file system's bytes. Forms convert through these and nothing else.

#include <QString>
#include <string>
#include <string_view>

namespace Cp1252 {
QString ToQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become kUnmappable.
std::string FromQString(const QString& text);
}  // namespace Cp1252

QString FileNameToQString(const std::string& path);
std::string FileNameFromQString(const QString& path);
