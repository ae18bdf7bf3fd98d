#pragma once
// Refuses, as it is typed or pasted, any character that Windows-1252 cannot hold: words and
// criteria are stored as Windows-1252 bytes, and such a character could only become a byte that
// matches nothing.

#include <QValidator>

class Cp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};
