#include "lexbuild/forms/Cp1252Validator.h"

#include "platform/Cp1252.h"

QValidator::State Cp1252Validator::validate(QString& input, int& /*position*/) const {
  // A control character has a byte but shows as a space, or as nothing, while a search or a
  // saved file takes it as it is.
  for (const char32_t codePoint : input.toUcs4())
    if (!Cp1252::FromUnicode(codePoint) || QChar::category(codePoint) == QChar::Other_Control)
      return Invalid;
  return Acceptable;
}
