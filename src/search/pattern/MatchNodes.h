#pragma once
// The elements a bracketed or escaped pattern compiles to. Each tests one character of an entry;
// a repeated element is one node referenced several times in a row.

#include <cstdint>
#include <memory>
#include <vector>

class AbstractMatch {
 public:
  enum Kind : uint8_t {
    kAbstract = 0,
    kLiteral = 1,
    kAny = 2,
    kRange = 3,
    kSet = 4,
    kEndWord = 5,
    kStartWord = 6,
    kSpace = 7,
  };

  virtual ~AbstractMatch() = default;
  // caseSensitive chooses the fold table: accents folded only, or case and accents folded.
  virtual bool Match(char c, bool caseSensitive) const = 0;
  void SetNegated(bool negate) { negated = negate ? 1 : 0; }
  // Lets the compiler leave separators out of the minimum length.
  virtual bool IsChar(char x) const = 0;

  uint8_t negated = 0;
  const uint8_t kind;

 protected:
  explicit AbstractMatch(Kind k) : kind(k) {}
};

class LiteralMatch : public AbstractMatch {
 public:
  explicit LiteralMatch(char c) : LiteralMatch(c, kLiteral) {}
  bool Match(char c, bool caseSensitive) const override;
  bool IsChar(char x) const override { return x == ch; }

  const char ch;

 protected:
  LiteralMatch(char c, Kind k) : AbstractMatch(k), ch(c) {}
};

// Any one letter; a negation is ignored.
class AnyMatch : public AbstractMatch {
 public:
  AnyMatch() : AbstractMatch(kAny) {}
  bool Match(char c, bool caseSensitive) const override;
  bool IsChar(char x) const override { return x == ch; }

  const char ch = '?';
};

class RangeMatch : public AbstractMatch {
 public:
  RangeMatch(char low, char high) : AbstractMatch(kRange), lo(low), hi(high) {}
  bool Match(char c, bool caseSensitive) const override;
  bool IsChar(char) const override { return false; }

  const char lo;
  const char hi;
};

class SetMatch : public AbstractMatch {
 public:
  SetMatch() : AbstractMatch(kSet) {}
  // Members are always tested case-blind, whatever the pattern's case flag.
  bool Match(char c, bool caseSensitive) const override;
  bool IsChar(char) const override { return false; }

  std::vector<std::unique_ptr<AbstractMatch>> members;
};

// The '@' that closes every framed entry.
class EndWordMatch : public LiteralMatch {
 public:
  EndWordMatch() : LiteralMatch('@', kEndWord) {}
};

// The '&' that opens every framed entry.
class StartWordMatch : public LiteralMatch {
 public:
  StartWordMatch() : LiteralMatch('&', kStartWord) {}
};

// A word separator: a space or a hyphen of the entry; a negation is ignored.
class SpaceMatch : public LiteralMatch {
 public:
  SpaceMatch() : LiteralMatch(' ', kSpace) {}
  bool Match(char c, bool caseSensitive) const override;
};
