#pragma once
// The search criteria of the main window: FIND, FROM, Include, Exclude and Key Words, the four
// search options and the Search button. The fields hold what a search tab searches for; the
// window copies them into the tab when a search starts and back when the tab is shown.

#include <QWidget>
#include <array>

#include "search/engine/SearchRun.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The four search options, in the order the settings and the request keep them.
struct SearchOptions {
  bool useAllFrom = false;
  bool suppressPermutations = false;
  bool caseSensitive = false;
  bool reuseFromLetters = false;
};


class SearchFieldsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SearchFieldsPanel(QWidget* parent);

  SearchFields Texts() const;
  void SetTexts(const SearchFields& texts);
  SearchOptions Options() const;
  void SetOptions(const SearchOptions& options);
  // While a search runs the button stops it, and the fields that would change it are locked.
  void SetSearching(bool searching);

  QPushButton* SearchButton() const { return cmdSearch; }

 signals:
  // Enter in any field.
  void SearchRequested();

 private:

  std::array<QLineEdit*, 5> edits{};
  std::array<QCheckBox*, 4> optionBoxes{};
  QPushButton* cmdSearch = nullptr;
};
