#pragma once
// Refuses, as they are typed or pasted, characters that have no Windows-1252 byte, and control
// characters: a word holds only what a lexicon can store, and a field only what it shows.

#include <QValidator>

class Cp1252Validator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};
