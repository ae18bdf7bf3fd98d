#pragma once
// Stands in for the "Select Lexicons" dialog for the lifetime of the object: counts how often it
// is shown and applies a chosen change to the selection; restores the dialog before afterwards.

#include <functional>

#include "search/selection/SelectLexiconsDialog.h"

class ScopedSelectLexicons {
 public:
  explicit ScopedSelectLexicons(SelectLexiconsDialog::Runner choose = {})
      : previous(SelectLexiconsDialog::Register([this, choose](VirtualLexListView& view) {
          ++shown;
          if (choose) choose(view);
        })) {}
  ~ScopedSelectLexicons() { SelectLexiconsDialog::Register(previous); }
  ScopedSelectLexicons(const ScopedSelectLexicons&) = delete;
  ScopedSelectLexicons& operator=(const ScopedSelectLexicons&) = delete;

  int Shown() const { return shown; }

 private:
  int shown = 0;
  SelectLexiconsDialog::Runner previous;
};
