// Grid pages: making, opening, saving and resetting grids, searching for their words, and
// writing a chosen result back into the grid it was found for.

#include <QAction>
#include <QFileInfo>
#include <QSaveFile>
#include <QTabWidget>
#include <algorithm>
#include <memory>

#include "app/AppTextIds.h"
#include "app/FileChooser.h"
#include "app/GridPage.h"
#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "crossword/CrosswordTextIds.h"
#include "crossword/GridSearchPlan.h"
#include "crossword/forms/CrossWordGrid.h"
#include "crossword/forms/TfrmNewGrid.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SaveTarget.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/Cp1252.h"
#include "platform/PlatformTextIds.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtText.h"
#include "search/SearchTextIds.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/request/SearchData.h"
#include "search/results/Results.h"

namespace {
const QStringList kOpenGridFilters = {"Grid (*.grd)", "All Files (*)"};
const QStringList kSaveGridFilters = {"Grid (*.grd)", "Text (*.txt)", "Bitmap (*.bmp)"};
enum SaveFilter { kSaveGrid, kSaveWordList, kSaveBitmap };

// Replaces the file only once everything is written.
bool WriteWholeFile(const QString& path, const std::string& bytes) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) && file.commit();
}
}  // namespace

void TfrmMain::ConnectGridActions() {
  const std::pair<const char*, void (TfrmMain::*)()> actions[] = {
      {"actNewGrid", &TfrmMain::actNewGridExecute},
      {"actOpenGrid", &TfrmMain::actOpenGridExecute},
      {"actSaveGrid", &TfrmMain::actSaveGridExecute},
      {"actResetGrid", &TfrmMain::actResetGridExecute},
      {"actGetWordMatches", &TfrmMain::actGetWordMatchesExecute},
      {"actIntersectedSearch", &TfrmMain::actIntersectedSearchExecute},
      {"actInsertWord", &TfrmMain::actInsertWordExecute},
      {"actCopyGridBitmap", &TfrmMain::actCopyGridBitmapExecute},
  };
  for (const auto& [name, handler] : actions) {
    connect(Action(name), &QAction::triggered, this, handler);
  }
  const std::pair<const char*, uint8_t> modes[] = {{"actGridModeEdit", GridEditor::LetterMode},
                                                   {"actGridModeBlank", GridEditor::BlankMode},
                                                   {"actGridModeBar", GridEditor::BarMode}};
  for (const auto& [name, mode] : modes) {
    connect(Action(name), &QAction::triggered, this, [this, mode] {
      if (CrossWordGrid* grid = ActiveGrid()) grid->SetGridMode(mode);
      UpdateActions();
    });
  }
  ConnectGridMenuActions();
}

CrossWordGrid* TfrmMain::ActiveGrid() const {
  auto* page = qobject_cast<GridPage*>(pgeGrids->currentWidget());
  return page ? page->grid : nullptr;
}

// Typing goes into the grid in front whichever way it came there: a tab click, a new or opened
// grid, or the page before it closing.
void TfrmMain::GridPageChanged() {
  if (CrossWordGrid* grid = ActiveGrid()) grid->OnEnter();
  UpdateActions();
}

CrossWordGrid* TfrmMain::CreateGridPage(int columns, int rows) {
  return AddGridPage(new GridPage(pgeGrids, columns, rows), QString());
}

// The page comes to the front; an empty caption numbers it.
CrossWordGrid* TfrmMain::AddGridPage(GridPage* page, const QString& caption) {
  ++gridPagesMade;
  const QString title = caption.isEmpty() ? tr("Grid %1").arg(gridPagesMade) : caption;
  pgeGrids->setCurrentIndex(pgeGrids->addTab(page, title));
  pgeGrids->show();
  page->grid->OnEnter();
  UpdateActions();
  return page->grid;
}

// The dialog's sizes may be 0; a grid has at least one column and one row.
bool TfrmMain::AskGridSize(bool reset, int* columns, int* rows) {
  TfrmNewGrid dialog(this, reset);
  dialog.columns = *columns;
  dialog.rows = *rows;
  const int result = dialog.exec();
  SetHelpContext(kHelpTopic);
  if (result != 1) return false;
  *columns = std::max(1, int(dialog.columns));
  *rows = std::max(1, int(dialog.rows));
  return true;
}

void TfrmMain::actNewGridExecute() {
  Settings& settings = Settings::Instance();
  int columns = settings.GetInt(SettingId::GridDefaultColumns);
  int rows = settings.GetInt(SettingId::GridDefaultRows);
  if (AskGridSize(false, &columns, &rows)) CreateGridPage(columns, rows);
}

void TfrmMain::actResetGridExecute() {
  CrossWordGrid* grid = ActiveGrid();
  if (!grid) return;
  int columns = grid->GetCols(), rows = grid->GetRows();
  if (AskGridSize(true, &columns, &rows)) grid->SetGridSize(QPoint(columns, rows));
}

// An opened grid gets a page of its own, made once the file has proved to be a sound grid.
void TfrmMain::actOpenGridExecute() {
  const FileAnswer answer = ChooseFile(this, {false, tr("Open Grid"), kOpenGridFilters});
  if (answer.path.isEmpty()) return;
  // A child the tab widget never shows until it is one of its pages.
  auto page = std::make_unique<GridPage>(pgeGrids, 1, 1);
  const int code = page->grid->LoadGrid(FileNameFromQString(answer.path));
  if (code != 0) {
    ResMessageBoxOwner(BoxOwner(this), code == 1 ? kUnableToOpenFileText : kOpenedFileNotAGridText,
                       kFileErrorCaption, MB_OK | MB_ICONERROR);
    // The grid in front takes the keyboard, as the opened one would have.
    GridPageChanged();
    return;
  }
  AddGridPage(page.release(), QFileInfo(answer.path).completeBaseName());
}

void TfrmMain::actSaveGridExecute() {
  if (CrossWordGrid* grid = ActiveGrid()) SaveGrid(grid);
}

// True when saved as a grid, a word list or a picture; false when the user cancelled or the
// file could not be written (the user has been told).
bool TfrmMain::SaveGrid(CrossWordGrid* grid) {
  const FileAnswer answer = ChooseFile(this, {true, tr("Save Grid"), kSaveGridFilters});
  if (answer.path.isEmpty()) return false;
  // A FIFO, a device or a folder chosen by name is never replaced or written into.
  bool saved = IsWritableTarget(FileNameFromQString(answer.path));
  switch (saved ? answer.filterIndex : -1) {
    case -1:
      break;
    case kSaveWordList:
      // As the results export: UTF-8, the same bytes for plain ASCII.
      saved = WriteWholeFile(answer.path, Cp1252::ToUtf8(grid->Grid().GetWordList()));
      break;
    case kSaveBitmap: {
      const QImage picture = grid->GetGridAsBitmap();
      if (picture.isNull()) {
        SayGridTooLargeForPicture();
        return false;
      }
      QSaveFile file(answer.path);
      saved = file.open(QIODevice::WriteOnly) && picture.save(&file, "BMP") && file.commit();
      break;
    }
    default:
      saved = grid->Grid().SaveToFile(FileNameFromQString(answer.path)) == 0;
  }
  if (!saved) {
    MessageBoxWrapper(BoxOwner(this), WriteFailureText(FileNameFromQString(answer.path)),
                      LoadResString(kFileErrorCaption), MB_OK | MB_ICONERROR);
  }
  return saved;
}

void TfrmMain::SayGridTooLargeForPicture() {
  ResMessageBoxOwner(BoxOwner(this), kGridTooLargeText, kErrorCaption, MB_OK | MB_ICONERROR);
}

void TfrmMain::actCopyGridBitmapExecute() {
  CrossWordGrid* grid = ActiveGrid();
  if (grid && !grid->CopyAsBitmap()) SayGridTooLargeForPicture();
}

SearchTab* TfrmMain::NewGridSearchTab(CrossWordGrid* grid) {
  ++gridSearchesMade;
  SearchTab* tab = NewSearchTab(QString("Grid Search ") + QString::number(gridSearchesMade));
  tab->gridId = grid->GetGridId();
  return tab;
}

// The current grid word as a FIND pattern, a '?' for each empty cell, on a tab of its own.
void TfrmMain::actGetWordMatchesExecute() {
  CrossWordGrid* grid = ActiveGrid();
  if (!grid) return;
  const std::string pattern = grid->Grid().GetCurrentWordPattern();
  if (pattern.empty()) return;
  SearchTab* tab = NewGridSearchTab(grid);
  tab->search.fields.find = pattern;
  fields->SetTexts(tab->search.fields);
  tab->Start(kWordSearch);
  SetHelpContext(kHelpTopic);
  UpdateActions();
}

// The selected grid words searched together. FIND holds their patterns joined by spaces, so the
// request's checks and the results' report describe what was searched for.
void TfrmMain::actIntersectedSearchExecute() {
  CrossWordGrid* grid = ActiveGrid();
  if (!grid) return;
  auto words = std::make_unique<SelectedWords>();
  grid->Grid().GetSelectedWords(*words);
  words->gridId = grid->GetGridId();
  if (words->words.empty()) return;
  SearchTab* tab = NewGridSearchTab(grid);
  tab->gridWords = words->words;
  tab->search.fields.find = SelectedWordsFind(grid->Grid(), words->words);
  fields->SetTexts(tab->search.fields);
  tab->search.Request().gridSlots = std::move(words);
  tab->Start(kGridSearch);
  SetHelpContext(kHelpTopic);
  UpdateActions();
}

// A word result goes into the current grid word; a line of a crossing result into the grid
// word its column stands for. Results found for another grid are refused.
void TfrmMain::actInsertWordExecute() {
  SearchTab* tab = ActiveSearchTab();
  CrossWordGrid* grid = ActiveGrid();
  if (!tab || !grid || tab->search.Searching()) return;
  const int64_t index = tab->grid->CurrentResultIndex();
  if (index < 0) return;
  const ResultPlace place =
      PlaceResult(tab->gridId, tab->gridWords, tab->search.GetResults().WordsPerResult(), index,
                  grid->GetGridId());
  if (place.kind == ResultPlace::kOtherGrid) {
    ResMessageBoxOwner(BoxOwner(this), kWrongGridText, kWrongGridCaption,
                       MB_OK | MB_ICONWARNING);
    return;
  }
  const std::string text = tab->search.GetResult(uint32_t(index));
  if (place.word) {
    grid->InsertTextAt(int32_t(place.word->column), int32_t(place.word->row), place.word->direction,
                       text);
  } else {
    grid->InsertText(text);
  }
}

bool TfrmMain::SaveGridsForClose() {
  for (int i = 0; i < pgeGrids->count(); ++i) {
    auto* page = qobject_cast<GridPage*>(pgeGrids->widget(i));
    if (!page || !page->grid->Grid().modified) continue;
    pgeGrids->setCurrentIndex(i);
    const int answer = ResMessageBoxOwner(BoxOwner(this), kGridChangedText, kConfirmCaption,
                                          MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES && !SaveGrid(page->grid)) return false;
  }
  return true;
}
