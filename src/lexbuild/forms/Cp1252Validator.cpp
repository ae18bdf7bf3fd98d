#include "lexbuild/forms/Cp1252Validator.h"

#include "platform/Cp1252.h"

QValidator::State ShownTextValidator::validate(QString& input, int& /*position*/) const {
  for (const char32_t codePoint : input.toUcs4())
    if (QChar::category(codePoint) == QChar::Other_Control) return Invalid;
  return Acceptable;
}

QValidator::State Cp1252Validator::validate(QString& input, int& position) const {
  for (const char32_t codePoint : input.toUcs4())
    if (!Cp1252::FromUnicode(codePoint)) return Invalid;
  return ShownTextValidator::validate(input, position);
}
