#pragma once
// Where the program's byte strings meet Qt's text: words and stored texts are Windows-1252,
// file names are the file system's bytes. Forms convert through these and nothing else.

#include <QString>
#include <QVariant>
#include <string>
#include <string_view>

namespace Cp1252 {
QString ToQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become kUnmappable.
std::string FromQString(const QString& text);
}  // namespace Cp1252

QString FileNameToQString(const std::string& path);
std::string FileNameFromQString(const QString& path);

// A file name kept byte for byte as a list item's data: its shown text, FileNameToQString of
// it, does not turn back into the name when the bytes are not valid UTF-8.
QVariant FileNameItemData(const std::string& path);
std::string FileNameOfItemData(const QVariant& data);
