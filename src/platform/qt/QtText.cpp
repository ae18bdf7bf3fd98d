#include "platform/qt/QtText.h"

#include <QFile>

#include "platform/Cp1252.h"

namespace Cp1252 {

QString ToQString(std::string_view cp1252) {
  QString text;
  text.reserve(static_cast<qsizetype>(cp1252.size()));
  // Every Windows-1252 character lies in the Basic Multilingual Plane: one UTF-16 unit each.
  for (char c : cp1252)
    text += QChar(static_cast<char16_t>(ToUnicode(static_cast<unsigned char>(c))));
  return text;
}

std::string FromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (char32_t codePoint : text.toUcs4()) {
    const auto byte = FromUnicode(codePoint);
    bytes += byte ? static_cast<char>(*byte) : kUnmappable;
  }
  return bytes;
}

}  // namespace Cp1252

QString FileNameToQString(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string FileNameFromQString(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QVariant FileNameItemData(const std::string& path) { return QByteArray::fromStdString(path); }

std::string FileNameOfItemData(const QVariant& data) { return data.toByteArray().toStdString(); }
