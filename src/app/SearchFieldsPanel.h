#pragma once
// The search criteria of the main window: FIND, FROM, Include, Exclude and Key Words, the four
// search options and the Search button. The fields hold what a search tab searches for; the
// window copies them into the tab when a search starts and back when the tab is shown.

#include <QWidget>
#include <array>

#include "search/engine/SearchInterface.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class SearchFieldsPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SearchFieldsPanel(QWidget* parent);

  SearchFields Texts() const;
  void SetTexts(const SearchFields& texts);
  SearchOptions Options() const;
  void SetOptions(const SearchOptions& options);
  // While the tab's search runs the button stops it.
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
