#include "app/SearchFieldsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "foundation/ResStrings.h"
#include "lexbuild/forms/Cp1252Validator.h"
#include "platform/qt/QtText.h"
#include "search/SearchTextIds.h"

namespace {

struct LabelledControl {
  const char* objectName;
  const char* caption;
};
// In the order of SearchFields.
constexpr LabelledControl kFields[] = {
    {"txtFind", "&FIND"},       {"txtFrom", "F&ROM"},          {"txtInclude", "&Include"},
    {"txtExclude", "E&xclude"}, {"txtKeyWords", "&Key Words"},
};
constexpr LabelledControl kOptions[] = {
    {"chkUseAllFrom", "&Use All From"},
    {"chkSuppressPermutations", "&Suppress Permutations"},
    {"chkCaseSensitive", "&Case Sensitive"},
    {"chkReuseFromLetters", "Re-use From &Letters"},
};
}  // namespace

SearchFieldsPanel::SearchFieldsPanel(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(4, 4, 4, 4);
  grid->setVerticalSpacing(3);
  auto* validator = new Cp1252Validator(this);
  for (size_t i = 0; i < edits.size(); ++i) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(kFields[i].objectName);
    edit->setValidator(validator);
    auto* label = new QLabel(tr(kFields[i].caption), this);
    label->setBuddy(edit);
    connect(edit, &QLineEdit::returnPressed, this, &SearchFieldsPanel::SearchRequested);
    edits[i] = edit;
    // Include and Exclude share a row: both are a few letters at most.
    const int row = i <= 2 ? int(i) : int(i) - 1;
    const int column = i == 3 ? 2 : 0;
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1, 1, i == 2 || i == 3 ? 1 : 3);
  }

  auto* optionsLayout = new QGridLayout;
  for (size_t i = 0; i < optionBoxes.size(); ++i) {
    optionBoxes[i] = new QCheckBox(tr(kOptions[i].caption), this);
    optionBoxes[i]->setObjectName(kOptions[i].objectName);
    optionsLayout->addWidget(optionBoxes[i], int(i) / 2, int(i) % 2);
  }
  cmdSearch = new QPushButton(QString::fromUtf8(LoadResString(kStartSearchText)), this);
  cmdSearch->setObjectName("cmdSearch");
  optionsLayout->addWidget(cmdSearch, 0, 2, 2, 1);
  grid->addLayout(optionsLayout, 4, 0, 1, 4);
}

SearchFields SearchFieldsPanel::Texts() const {
  const auto text = [this](int i) { return Cp1252::FromQString(edits[i]->text()); };
  return {text(0), text(1), text(2), text(3), text(4)};
}

void SearchFieldsPanel::SetTexts(const SearchFields& texts) {
  const std::string* values[] = {&texts.find, &texts.from, &texts.include, &texts.exclude,
                                 &texts.keyWords};
  for (size_t i = 0; i < edits.size(); ++i) {
    // Criteria read from a pair saved before the fields refused control characters may hold
    // some: they are dropped, as the fields drop them, so that what is shown is what is searched.
    QString shown = Cp1252::ToQString(*values[i]);
    shown.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    edits[i]->setText(shown);
  }
}

SearchOptions SearchFieldsPanel::Options() const {
  const auto ticked = [this](int i) { return uint8_t(optionBoxes[i]->isChecked() ? 1 : 0); };
  return {ticked(0), ticked(1), ticked(2), ticked(3)};
}

void SearchFieldsPanel::SetOptions(const SearchOptions& options) {
  optionBoxes[0]->setChecked(options.useAllFrom != 0);
  optionBoxes[1]->setChecked(options.suppressPermutations != 0);
  optionBoxes[2]->setChecked(options.caseSensitive != 0);
  optionBoxes[3]->setChecked(options.reuseFromLetters != 0);
}

void SearchFieldsPanel::SetSearching(bool searching) {
  cmdSearch->setText(
      QString::fromUtf8(LoadResString(searching ? kStopSearchText : kStartSearchText)));
}
