// The search tab in front: starting, pausing and stopping its search, the status timer that
// shows its results once finished, and what the Results menu does with them.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include "app/AppTextIds.h"
#include "app/FileChooser.h"
#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "lexbuild/forms/TfrmLexMngmnt.h"
#include "platform/FileSys.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtText.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/request/SearchData.h"
#include "search/results/CopyToClipBrdThread.h"
#include "search/results/Results.h"
#include "search/results/SearchCriteria.h"

namespace {
const QStringList kResultsFilter = {"Results (*.kvq)"};
const QStringList kTextFilter = {"Text (*.txt)"};

// A save writes its pair under the name chosen with the results' own extensions, but the file
// dialog asked only about the file chosen: an earlier pair under another name is asked about
// the same way before it is replaced.
bool MayReplacePairOf(const std::string& chosen, const QString& caption, const QWidget* window) {
  const std::string data = ChangeFileExt(chosen, ".kvq");
  if (data == chosen) return true;
  for (const std::string& half : {data, ChangeFileExt(chosen, ".idx")}) {
    if (half == chosen || !FileSys::Current().Exists(half)) continue;
    std::string question = LoadResString(kReplaceFileText);
    question.replace(question.find("%s"), 2,
                     FileNameToQString(ExtractFileName(half)).toStdString());
    return MessageBoxWrapper(BoxOwner(window), question, caption.toStdString(),
                             MB_YESNO | MB_ICONWARNING) == IDYES;
  }
  return true;
}

// CR LF line ends become the clipboard's LF in one pass over the text, in place: the wide
// string's own replace moves the rest of the text at every thousand lines, which took minutes
// for millions of them.
void EndLinesWithLineFeeds(std::string& text) {
  size_t kept = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    text[kept++] = text[i];
  }
  text.resize(kept);
}
}  // namespace

void TfrmMain::ConnectSearchActions() {
  connect(Action("actSearch"), &QAction::triggered, this, &TfrmMain::actSearchExecute);
  connect(fields, &SearchFieldsPanel::SearchRequested, this, &TfrmMain::actSearchExecute);
  connect(fields->SearchButton(), &QPushButton::clicked, this, &TfrmMain::actSearchExecute);
  connect(Action("actPause"), &QAction::triggered, this, &TfrmMain::actPauseExecute);
  connect(Action("actSelectLexicons"), &QAction::triggered, this,
          &TfrmMain::actSelectLexiconsExecute);
  const std::pair<const char*, uint8_t> sorts[] = {
      {"actSortAlpha", kOrderByWord}, {"actSortLength", kOrderByLengthThenWord},
      {"actSortFound", kOrderAsFound}};
  for (const auto& [name, ordering] : sorts) {
    connect(Action(name), &QAction::triggered, this, [this, ordering] { SortResults(ordering); });
  }
  connect(Action("actSortReverse"), &QAction::triggered, this, &TfrmMain::actSortReverseExecute);
  connect(Action("actSaveResults"), &QAction::triggered, this, &TfrmMain::actSaveResultsExecute);
  connect(Action("actOpenResults"), &QAction::triggered, this, &TfrmMain::actOpenResultsExecute);
  connect(Action("actExportResults"), &QAction::triggered, this,
          &TfrmMain::actExportResultsExecute);
  connect(Action("actCopyResults"), &QAction::triggered, this, &TfrmMain::actCopyResultsExecute);
  connect(&tmrSearchTimer, &QTimer::timeout, this, &TfrmMain::tmrSearchTimerTimer);
  connect(Action("actManageLexicons"), &QAction::triggered, this,
          &TfrmMain::actManageLexiconsExecute);
}

// Over the lexicon selection of the tab in front, which outlives the dialog; nothing without a
// tab.
void TfrmMain::actManageLexiconsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  TfrmLexMngmnt dialog(*tab->search.Request().lexicons, this);
  dialog.SetFileChooser([this](QWidget* parent) {
    return ChooseFile(parent, {false, tr("Find File"), {"Text File (txt) (*.txt)", "All Files (*)"}})
        .path;
  });
  dialog.exec();
  SetHelpContext(kHelpTopic);
  UpdateActions();
}

// The fields reach an idle tab only: a running search keeps the criteria it started with, and
// the Search command then stops it.
void TfrmMain::actSearchExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) {
    // A new tab in front loads its own empty fields; what was typed is meant for it.
    const SearchFields typed = fields->Texts();
    const SearchOptions ticked = fields->Options();
    tab = NewSearchTab(QString());
    fields->SetTexts(typed);
    fields->SetOptions(ticked);
  }
  if (!tab->search.Searching()) {
    tab->search.fields = fields->Texts();
    tab->search.options = fields->Options();
  }
  tab->Start(kWordSearch);
  SetHelpContext(kHelpTopic);
  UpdateActions();
}

void TfrmMain::actPauseExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (tab && tab->search.Searching()) tab->search.Pause(!tab->search.Paused());
  UpdateActions();
}

void TfrmMain::actSelectLexiconsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  tab->search.ShowSelectLexicons();
  SetHelpContext(kHelpTopic);
}

void TfrmMain::SortResults(uint8_t ordering) {
  SearchTab* tab = ActiveSearchTab();
  if (tab && tab->search.SetSortType(ordering)) tab->ShowResults();
  UpdateActions();
}

void TfrmMain::actSortReverseExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (tab && tab->search.SetSortDirection(tab->search.GetResults().Reverse() ? 0 : 1)) {
    tab->ShowResults();
  }
  UpdateActions();
}

void TfrmMain::actSaveResultsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  const QString caption = tr("Save Results");
  const FileAnswer answer = ChooseFile(this, {true, caption, kResultsFilter});
  if (answer.path.isEmpty()) return;
  const std::string path = FileNameFromQString(answer.path);
  if (!MayReplacePairOf(path, caption, this)) return;
  tab->search.GetResults().SaveToFile(path);
}

// A saved pair replaces the tab's results, and its criteria fill the fields.
void TfrmMain::actOpenResultsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  const FileAnswer answer = ChooseFile(this, {false, tr("Open Results"), kResultsFilter});
  if (answer.path.isEmpty()) return;
  ResultsHeader header;
  try {
    if (!tab->search.LoadFromFile(FileNameFromQString(answer.path), header)) return;
  } catch (...) {
    MessageBoxWrapper(BoxOwner(this), CurrentFailureText(), LoadResString(kFileErrorCaption),
                      MB_OK | MB_ICONERROR);
    return;
  }
  ReadCriteria(header, tab->search.fields, tab->search.options);
  fields->SetTexts(tab->search.fields);
  fields->SetOptions(tab->search.options);
  tab->ShowResults();
  UpdateActions();
}

void TfrmMain::actExportResultsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  const FileAnswer answer = ChooseFile(this, {true, tr("Export Results"), kTextFilter});
  if (answer.path.isEmpty()) return;
  tab->search.GetResults().SaveAsText(FileNameFromQString(answer.path));
}

// With no cell selected or current the clipboard keeps what it holds.
void TfrmMain::actCopyResultsExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  const TGridRect cells = tab->grid->Selection();
  if (cells.Right == 0) return;
  std::string text;
  if (!CopyResultsAsText(tab->search.GetResults(), cells, tab->grid->GetGridColCount(), text)) {
    return;
  }
  EndLinesWithLineFeeds(text);
  // The text goes once its wide copy is made: a large copy never holds more than the two.
  const QString copied = Cp1252::ToQString(text);
  std::string().swap(text);
  QApplication::clipboard()->setText(copied);
}

// Every 100 ms: the count found so far by the tab in front, and its results once its search has
// finished. A search whose thread has ended is finished here rather than at the tab's own next
// tick, so its results never wait a second tick.
void TfrmMain::tmrSearchTimerTimer() {
  CloseIfStopRequested();
  SearchTab* tab = ActiveSearchTab();
  if (tab) {
    SearchInterface& search = tab->search;
    if (search.TimerOn() && !search.ThreadRunning()) tab->Tick();
    lblStatus->setText(QString::fromUtf8(LoadResString(kFoundText)) +
                       QString::number(search.GetResultCount()));
    if (!search.Searching() && !search.ResultsShown()) tab->ShowResults();
  } else {
    lblStatus->clear();
  }
  UpdateActions();
}
