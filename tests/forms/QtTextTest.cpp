#include "platform/qt/QtText.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

#include "platform/Cp1252.h"

namespace {

TEST(QtTextTest, EveryByteRoundTripsThroughQString) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  const QString text = Cp1252::ToQString(bytes);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(Cp1252::FromQString(text), bytes);
  EXPECT_EQ(text[0x80], QChar(0x20AC));
  EXPECT_EQ(text[0x9F], QChar(0x0178));
}

TEST(QtTextTest, AgreesWithQtsOwnDecoder) {
  QStringDecoder decoder("windows-1252");
  if (!decoder.isValid()) GTEST_SKIP() << "no windows-1252 decoder";
  for (int b = 0x20; b < 256; ++b) {
    if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) continue;  // unassigned
    const char byte = static_cast<char>(b);
    const QString expected = decoder.decode(QByteArrayView(&byte, 1));
    EXPECT_EQ(Cp1252::ToQString(std::string(1, byte)), expected) << b;
  }
}

TEST(QtTextTest, CharactersOutsideWindows1252BecomeTheNeutralByte) {
  EXPECT_EQ(Cp1252::FromQString(QString::fromUtf8("a\xE4\xB8\xAD" "b")), "a\x1A" "b");
  // A character outside the Basic Multilingual Plane is one character, not two.
  EXPECT_EQ(Cp1252::FromQString(QString::fromUtf8("\xF0\x9F\x98\x80")), "\x1A");
  EXPECT_EQ(Cp1252::FromQString(QString::fromUtf8("\xC5\x93uvre")), "\x9Cuvre");
}

TEST(QtTextTest, FileNamesKeepTheirUtf8Bytes) {
  const std::string path = "/home/u/caf\xC3\xA9/\xE4\xB8\xAD.lex";
  const QString name = FileNameToQString(path);
  EXPECT_EQ(name, QString::fromUtf8(path.c_str()));
  EXPECT_EQ(FileNameFromQString(name), path);
}

}  // namespace
