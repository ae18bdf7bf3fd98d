// The Grid menu's choices and operations on the grid in front: the symmetry rule, the text
// case, colours, clearing letters and selecting words, and which of them are offered.

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QTabWidget>
#include <span>
#include <string_view>

#include "app/GridPage.h"
#include "app/TfrmMain.h"
#include "crossword/GridMenuStates.h"
#include "crossword/forms/CrossWordGrid.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/ColorRef.h"

namespace {
const char* const kTextCaseCaptions[] = {"&As Typed", "&Upper Case", "&Lower Case"};
}  // namespace

void TfrmMain::ConnectGridMenuActions() {
  const std::pair<const char*, void (TfrmMain::*)()> actions[] = {
      {"actColourSelection", &TfrmMain::actColourSelectionExecute},
      {"actClearAllLetters", &TfrmMain::actClearAllLettersExecute},
      {"actSelectAllWords", &TfrmMain::actSelectAllWordsExecute},
  };
  for (const auto& [name, handler] : actions) {
    connect(Action(name), &QAction::triggered, this, handler);
  }
  const std::pair<const char*, void (CrossWordGrid::*)()> gridOperations[] = {
      {"actRestoreColour", &CrossWordGrid::RestoreCellColour},
      {"actClearWordLetters", &CrossWordGrid::ClearWordLetters},
  };
  for (const auto& [name, operation] : gridOperations) {
    connect(Action(name), &QAction::triggered, this, [this, operation] {
      if (CrossWordGrid* grid = ActiveGrid()) (grid->*operation)();
    });
  }
  auto* symmetryGroup = new QActionGroup(this);
  for (uint8_t type = 0; type < std::size(kSymmetryActions); ++type) {
    QAction* action = AddAction(kSymmetryActions[type], QString::fromUtf8(SymmetryCaption(type)));
    action->setCheckable(true);
    symmetryGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, type] { SetGridSymmetry(type); });
  }
  auto* caseGroup = new QActionGroup(this);
  for (uint8_t textCase = 0; textCase < std::size(kTextCaseActions); ++textCase) {
    QAction* action = AddAction(kTextCaseActions[textCase], tr(kTextCaseCaptions[textCase]));
    action->setCheckable(true);
    caseGroup->addAction(action);
    connect(action, &QAction::triggered, this, [this, textCase] { SetGridTextCase(textCase); });
  }
}

QList<QAction*> TfrmMain::SubMenuActions(const char* name) const {
  const bool symmetry = std::string_view(name) == "mnuSymmetry";
  const std::span<const char* const> names = symmetry
                                                 ? std::span<const char* const>(kSymmetryActions)
                                                 : std::span<const char* const>(kTextCaseActions);
  QList<QAction*> actions;
  for (const char* action : names) actions << Action(action);
  return actions;
}

GridMenuInput TfrmMain::GridMenuState() const {
  const CrossWordGrid* grid = ActiveGrid();
  Settings& settings = Settings::Instance();
  GridMenuInput input;
  input.hasGrid = grid != nullptr;
  input.mode = grid ? grid->GetGridMode() : 0;
  input.symmetryType = uint8_t(settings.GetInt(SettingId::GridSymmetry));
  input.textCase =
      grid ? grid->GetTextCaseMode() : uint8_t(settings.GetInt(SettingId::GridTextCase));
  return input;
}

// One rule for every grid, open or still to come.
void TfrmMain::SetGridSymmetry(uint8_t type) {
  Settings::Instance().SetInt(SettingId::GridSymmetry, type);
  for (int i = 0; i < pgeGrids->count(); ++i) {
    if (auto* page = qobject_cast<GridPage*>(pgeGrids->widget(i)))
      page->grid->SetSymmetryType(type);
  }
  UpdateActions();
}

// The grid in front and new grids take the case; other open grids keep theirs.
void TfrmMain::SetGridTextCase(uint8_t textCase) {
  Settings::Instance().SetInt(SettingId::GridTextCase, textCase);
  if (CrossWordGrid* grid = ActiveGrid()) grid->SetTextCaseMode(textCase);
  UpdateActions();
}

void TfrmMain::actColourSelectionExecute() {
  CrossWordGrid* grid = ActiveGrid();
  if (!grid) return;
  const CellPos current = grid->Grid().current;
  const QColor colour = QColorDialog::getColor(
      ColorRef::ToQColor(grid->Grid().Cell(current.col, current.row).colour), this);
  if (colour.isValid()) grid->CustomCellColour(ColorRef::FromQColor(colour));
}

void TfrmMain::actClearAllLettersExecute() {
  if (CrossWordGrid* grid = ActiveGrid()) {
    grid->Grid().ClearAllLetters();
    grid->update();
  }
}

void TfrmMain::actSelectAllWordsExecute() {
  if (CrossWordGrid* grid = ActiveGrid()) {
    grid->Grid().SelectAllWords();
    grid->update();
  }
}
