#pragma once
// What the edits refuse as it is typed or pasted.

#include <QValidator>

// Control characters: each has a byte, but shows as a space or as nothing while a search, a
// saved file or a file name takes it as it is. A field holds only what it shows.
class ShownTextValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};

// Control characters, and characters that have no Windows-1252 byte: a word holds only what a
// lexicon can store.
class Cp1252Validator : public ShownTextValidator {
 public:
  using ShownTextValidator::ShownTextValidator;
  State validate(QString& input, int& position) const override;
};
