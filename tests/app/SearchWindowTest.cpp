// Searches through the main window as a user runs them, against the same searches run by the
// tab controller alone.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <climits>
#include <csignal>
#include <filesystem>
#include <thread>

#include "app/SearchFieldsPanel.h"
#include "app/SearchTab.h"
#include "app/WindowTestSupport.h"
#include "foundation/forms/TDlgProgress.h"
#include "platform/Host.h"
#include "platform/HostedJob.h"
#include "platform/SignalStop.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtText.h"
#include "search/forms/HostDialogs.h"
#include "search/results/Results.h"
#include "search/results/TempResultsLock.h"
#include "search/selection/VirtualLexList.h"
#include "support/TempFolder.h"

namespace {
// The words a search finds, run by a controller of its own, in the order its store reads them.
QStringList ControllerResults(const std::string& find, const std::string& from = "") {
  SearchInterface search(VirtualLexList::Instance());
  search.fields.find = find;
  search.fields.from = from;
  EXPECT_TRUE(search.StartSearch(kWordSearch));
  Host::Current().WaitPumping([&] {
    search.Tick();
    return !search.Searching();
  });
  QStringList words;
  for (int32_t i = 0; i < search.GetResultCount(); ++i) {
    words << Cp1252::ToQString(search.GetResult(uint32_t(i)));
  }
  return words;
}

// The cells row by row, without the empty cells past the last result.
QStringList Flattened(const QList<QStringList>& rows) {
  QStringList cells;
  for (const QStringList& row : rows) cells << row;
  while (!cells.isEmpty() && cells.back().isEmpty()) cells.removeLast();
  return cells;
}

// The Temp folder's working files of search results, as names.
QStringList TempResultFiles() {
  QStringList names;
  for (const auto& entry : std::filesystem::directory_iterator(TestTempFolder())) {
    const QString name = QString::fromStdString(entry.path().filename().string());
    if (name.startsWith("$$") && (name.endsWith(".rls") || name.endsWith(".idx"))) names << name;
  }
  names.sort();
  return names;
}

// Long enough to be caught running (over a second): every three words from nineteen letters.
// Every pair of words from them takes a few milliseconds, which a busy machine can miss.
const QStringList kLongSearch = {"type", "find", "* * *", "type", "from", "abcdeilmnorstuaeiou"};
}  // namespace

TEST_F(WindowTest, ASearchShowsItsCountAndTheControllersResults) {
  const QStringList expected = ControllerResults("c?t*");
  ASSERT_GT(expected.size(), 20);
  Run({"type", "find", "c?t*", "click", "actSearch", "wait", "print", "status"});
  EXPECT_EQ(StatusText(), "Found: " + QString::number(expected.size()));
  EXPECT_EQ(Flattened(ResultCells(*window)), expected);
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

TEST_F(WindowTest, EnterInAFieldSearches) {
  steps->Run({"type", "find", "cat"}, nullptr);
  QTest::keyClick(window->findChild<QWidget*>("txtFind"), Qt::Key_Return);
  Run({"wait"});
  EXPECT_EQ(Flattened(ResultCells(*window)), QStringList{"cat"});
}

// A pasted control character is refused as a character outside the set is: the field searches
// what it shows.
TEST_F(WindowTest, FieldsRefusePastedControlCharacters) {
  auto* find = window->findChild<QLineEdit*>("txtFind");
  for (const QString& pasted : {QString("??") + QChar(0) + "?", QString("c?t\tx\ny"),
                                QString("a") + QChar(0x7F), QString("a") + QChar(0x81)}) {
    find->setText("c?t");
    QApplication::clipboard()->setText(pasted);
    find->paste();
    EXPECT_EQ(find->text(), "c?t") << pasted.toStdString();
  }
  // Criteria from a pair saved before the fields refused them.
  window->findChild<SearchFieldsPanel*>()->SetTexts({"c?t\tx\ny", "", "", "", ""});
  EXPECT_EQ(find->text(), "c?txy");
}

TEST_F(WindowTest, ARunningSearchShowsNoResultsAndLocksItsOrder) {
  Run(kLongSearch + QStringList{"click", "actSearch"});
  ASSERT_TRUE(ActiveTab().search.Searching());
  EXPECT_TRUE(Flattened(ResultCells(*window)).isEmpty());
  EXPECT_EQ(Run({"click", "actSortAlpha", "click", "actSortReverse", "click", "actOpenResults"}),
            "disabled actSortAlpha\ndisabled actSortReverse\ndisabled actOpenResults\n");
  // Pause holds it; asked to stop, Cancel keeps it running and OK stops it.
  Run({"click", "actPause", "hold", "0.2"});
  EXPECT_TRUE(ActiveTab().search.Paused());
  const int32_t held = ActiveTab().search.GetResultCount();
  Run({"hold", "0.3"});
  EXPECT_EQ(ActiveTab().search.GetResultCount(), held);
  EXPECT_EQ(Run({"answer", "cancel", "click", "actSearch"}),
            "box Confirm: Terminate Current Search.\n");
  EXPECT_TRUE(ActiveTab().search.Searching());
  EXPECT_TRUE(ActiveTab().search.Paused());
  Run({"answer", "ok", "click", "actSearch", "wait"});
  EXPECT_FALSE(ActiveTab().search.Searching());
  EXPECT_EQ(RunningSearchCount.load(), 0);
  EXPECT_EQ(StatusText(), "Found: " + QString::number(ActiveTab().search.GetResultCount()));
}

// Each stands over the window, whichever layer asks: the pattern, the input and the Stop question.
TEST_F(WindowTest, BoxesOfTheWindowsActionsBelongToIt) {
  QStringList owned;
  BoxWatch watch([&](QMessageBox& box) {
    owned << box.windowTitle() + (box.parentWidget() == window.get() ? "" : " has no owner");
  });
  Run(QStringList{"type", "find", "c[", "click", "actSearch", "type", "find", "", "click",
                  "actSearch"} +
      kLongSearch +
      QStringList{"click", "actSearch", "answer", "ok", "click", "actSearch", "wait"});
  EXPECT_EQ(owned.join(" | ").toStdString(), "Invalid Regular Expression | Input Error | Confirm");
}

TEST_F(WindowTest, TwoTabsSearchAtOnce) {
  // Each held by its pause, so neither can end before the other starts.
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause", "click", "actNewSearch"});
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause"});
  EXPECT_EQ(RunningSearchCount.load(), 2);
  Run({"answer", "ok", "click", "actSearch", "wait", "tab", "1", "answer", "ok", "click",
       "actSearch", "wait"});
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

// Closing a tab whatever its search is at: just started, running, paused, or ended with its end
// still waiting in the event queue. Another tab's search goes on and keeps its working files.
TEST_F(WindowTest, ClosingASearchingTabStopsItAtAnyMoment) {
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause"});
  const QStringList othersFiles = TempResultFiles();
  const QStringList moments[] = {{}, {"hold", "0.1"}, {"hold", "0.1", "click", "actPause"}};
  for (const QStringList& moment : moments) {
    Run(QStringList{"click", "actNewSearch"} + kLongSearch + QStringList{"click", "actSearch"} +
        moment + QStringList{"click", "actCloseSearch"});
    EXPECT_EQ(SearchTabCount(*window), 1) << moment.join(' ').toStdString();
    EXPECT_EQ(RunningSearchCount.load(), 1);
    EXPECT_EQ(TempResultFiles(), othersFiles);
  }
  // Ended, with its end queued: no events are handled until the tab is closed.
  Run({"click", "actNewSearch", "type", "find", "cat", "click", "actSearch"});
  while (ActiveTab().search.ThreadRunning())
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  Run({"click", "actCloseSearch", "hold", "0.1"});
  EXPECT_EQ(TempResultFiles(), othersFiles);
  ASSERT_TRUE(ActiveTab().search.Searching());
  Run({"answer", "ok", "click", "actSearch", "wait"});
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

// A result cut short by its cell reads as another word: "mummy" as "mum".
TEST_F(WindowTest, EveryResultShowsWhole) {
  for (const char* find : {"mummy", "hono*r", "m?m*", "w*w", "ill*", "c?t*"}) {
    EXPECT_EQ(Run({"type", "find", find, "click", "actSearch", "wait", "print", "clipped"}), "0\n")
        << find;
  }
}

TEST_F(WindowTest, ResultsResortAndReverse) {
  Run({"type", "find", "c?t*", "click", "actSearch", "wait", "click", "actSortAlpha"});
  QStringList alphabetical = ControllerResults("c?t*");
  std::sort(alphabetical.begin(), alphabetical.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  const QStringList shown = Flattened(ResultCells(*window));
  ASSERT_EQ(shown.size(), alphabetical.size());
  EXPECT_EQ(shown.front().toLower(), alphabetical.front().toLower());
  Run({"click", "actSortReverse"});
  QStringList reversed = Flattened(ResultCells(*window));
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(reversed, shown);
  Run({"click", "actSortReverse"});
  EXPECT_EQ(Flattened(ResultCells(*window)), shown);
}

TEST_F(WindowTest, CopyPutsTheSelectionOnTheClipboard) {
  QApplication::clipboard()->setText("kept");
  Run({"type", "find", "c?t*", "click", "actSearch", "wait", "click", "actCopyResults"});
  EXPECT_EQ(QApplication::clipboard()->text(), "kept");  // no cell: nothing to copy
  Run({"select", "1", "1", "2", "2", "click", "actCopyResults"});
  const QList<QStringList> cells = ResultCells(*window);
  // Row by row, left to right.
  const QString expected = cells[0][0] + "\n" + cells[0][1] + "\n" + cells[1][0] + "\n" +
                           cells[1][1] + "\n";
  EXPECT_EQ(QApplication::clipboard()->text(), expected);
}

TEST_F(WindowTest, CellsBeforeTheFirstAreRefusedWithoutOverflow) {
  Run({"type", "find", "c?t", "click", "actSearch", "wait"});
  EXPECT_FALSE(SelectResultCells(*window, INT_MAX, INT_MIN, INT_MAX, INT_MIN));
  EXPECT_FALSE(SelectResultCells(*window, 0, 1, 1, 1));
  EXPECT_TRUE(SelectResultCells(*window, 1, 1, 1, 1));
}

TEST_F(WindowTest, ResultsAreSavedOpenedAndExported) {
  TempFolder folder;
  const QString saved = QString::fromStdString(folder / "cats.kvq");
  const QString text = QString::fromStdString(folder / "cats.txt");
  Run({"type", "find", "c?t", "click", "actSearch", "wait", "file", saved, "click",
       "actSaveResults", "file", text, "click", "actExportResults"});
  const QStringList words = Flattened(ResultCells(*window));
  EXPECT_TRUE(std::filesystem::exists(folder / "cats.idx"));
  const std::string exported = ReadWholeFile(folder / "cats.txt");
  EXPECT_NE(exported.find("c?t"), std::string::npos);
  EXPECT_NE(exported.find("\r\ncat\r\n"), std::string::npos);
  // A new tab opens them: the results and the criteria they were found with.
  Run({"click", "actNewSearch", "file", saved, "click", "actOpenResults"});
  EXPECT_EQ(Flattened(ResultCells(*window)), words);
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "c?t");
  // A file that is no results file is refused and the results stay.
  const QString bad = QString::fromStdString(folder.Write("bad.kvq", std::string(900, 'x')));
  folder.Write("bad.idx", std::string(8, '\0'));
  const QStringList boxes = Lines(Run({"file", bad, "click", "actOpenResults"}));
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[1], "box File Error: Not a valid results file");
  EXPECT_EQ(Flattened(ResultCells(*window)), words);
}

// A save writes its pair beside the file chosen: an earlier pair there is asked about first,
// as the file dialog asks about the file it was given.
TEST_F(WindowTest, SavingBesideAnEarlierPairAsksBeforeReplacingIt) {
  TempFolder folder;
  folder.Write("report.kvq", "earlier");
  folder.Write("report.idx", "earlier");
  const QString chosen = QString::fromStdString(folder / "report.txt");
  // The file dialog takes the name, the question the answer.
  const auto save = [&](const char* answer) {
    return QStringList{"file", chosen, "answer", answer, "click", "actSaveResults"};
  };
  const QStringList printed =
      Lines(Run(QStringList{"type", "find", "c?t", "click", "actSearch", "wait"} + save("no")));
  EXPECT_EQ(printed.back(),
            "box Save Results: report.kvq already exists.\\nDo you want to replace it?");
  EXPECT_EQ(ReadWholeFile(folder / "report.kvq"), "earlier");
  EXPECT_EQ(ReadWholeFile(folder / "report.idx"), "earlier");
  Run(save("yes"));
  EXPECT_NE(ReadWholeFile(folder / "report.kvq"), "earlier");
  EXPECT_NE(ReadWholeFile(folder / "report.idx"), "earlier");
}

TEST_F(WindowTest, AStopSignalClosesTheWindowWithoutAskingAndLeavesNoWorkingFiles) {
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause"});
  ASSERT_EQ(RunningSearchCount.load(), 1);
  SignalStop::RunEndingOnSignals([&] {
    ::raise(SIGTERM);
    EXPECT_EQ(Run({"hold", "0.5"}), "");  // no question asked
    SignalStop::Forget();
    return 0;
  });
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(RunningSearchCount.load(), 0);
  EXPECT_EQ(TempResultFiles(), QStringList());
}

// A stop signal, or the user's close, comes mid-way through a re-sort's writing of the new pair,
// and the window is given its time to close before the job goes on: the job ends part-way, and
// the window closes once it has returned.
TEST_F(WindowTest, AStopOrACloseWhileResultsReSortEndsTheSortBeforeTheWindowCloses) {
  auto& host = static_cast<QtHost&>(Host::Current());
  for (const bool bySignal : {true, false}) {
    SCOPED_TRACE(bySignal ? "signal" : "close");
    Run({"type", "find", "c*", "click", "actSearch", "wait"});
    int32_t progressAtEnd = -1;
    host.SetJobDialog([&](QWidget* owner, HostedJob& job, const std::string&, bool) {
      while (!job.Worker().Terminated() && job.GetProgress() < 91) job.Worker().Step();
      if (bySignal) ::raise(SIGTERM);
      if (!bySignal) window->close();
      QTest::qWait(300);
      TDlgProgress dialog(owner, job);
      dialog.Start();
      job.Worker().WaitFor();
      progressAtEnd = job.GetProgress();
    });
    std::string boxes;
    SignalStop::RunEndingOnSignals([&] {
      boxes = Run({"click", "actSortAlpha"});
      SignalStop::Forget();
      return 0;
    });
    RegisterHostDialogs(host);
    QTest::qWait(200);
    EXPECT_EQ(boxes, "");
    EXPECT_LT(progressAtEnd, 100);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(TempResultFiles(), QStringList());
    TearDown();
    SetUp();
  }
}

TEST_F(WindowTest, ClosingWithASearchRunningAsksThenStopsItAndLeavesNoWorkingFiles) {
  // Another copy's live pair, held by its store, and a pair nobody holds any more.
  TempFolder unused;
  const std::string temp = TestTempFolder() + "/";
  for (const char* name : {"$$live.rls", "$$live.idx", "$$stray.rls", "$$stray.idx"}) {
    std::filesystem::copy_file(unused.Write("x", "x"), temp + name,
                               std::filesystem::copy_options::overwrite_existing);
  }
  TempFileLock liveData, liveIndex;
  liveData.Hold(temp + "$$live.rls");
  liveIndex.Hold(temp + "$$live.idx");
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause"});
  EXPECT_EQ(Run({"answer", "cancel", "close"}),
            "box Confirm: There are searches currently running. Closing Sorvane will terminate "
            "these searches.\n");
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(RunningSearchCount.load(), 1);
  Run({"answer", "ok", "close"});
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(RunningSearchCount.load(), 0);
  EXPECT_EQ(TempResultFiles(), (QStringList{"$$live.idx", "$$live.rls"}));
  liveData.Release();
  liveIndex.Release();
  std::filesystem::remove(temp + "$$live.rls");
  std::filesystem::remove(temp + "$$live.idx");
}

TEST_F(WindowTest, TheCloseQuestionHoldsTheSearchesAndStayingLetsThemGoOnAsTheyWere) {
  Run(kLongSearch + QStringList{"click", "actSearch", "click", "actPause"});
  SearchTab& paused = ActiveTab();
  Run(QStringList{"click", "actNewSearch"} + kLongSearch + QStringList{"click", "actSearch"});
  SearchTab& running = ActiveTab();
  ASSERT_TRUE(running.search.ThreadRunning());
  // Each search's pause, seen while the question is up.
  std::vector<bool> whileAsked;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (whileAsked.empty() && qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      whileAsked = {paused.search.Paused(), running.search.Paused()};
    }
  });
  watch.start(1);
  Run({"answer", "cancel", "close"});
  watch.stop();
  EXPECT_EQ(whileAsked, (std::vector<bool>{true, true}));
  EXPECT_TRUE(paused.search.Paused());
  EXPECT_FALSE(running.search.Paused());
  Run({"answer", "ok", "close"});
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

TEST_F(WindowTest, ACloseTakenBackAtTheGridQuestionKeepsEverySearchAsItWas) {
  const QStringList before =
      Lines(Run(QStringList{"click", "actSortAlpha"} + kLongSearch +
                QStringList{"tick", "use-all", "off", "click", "actSearch", "hold", "0.3", "click",
                            "actPause", "hold", "0.3", "print", "status"}));
  ASSERT_NE(before.back().toStdString(), "Found: 0");
  const QStringList after = Lines(Run({"size", "3", "3", "click", "actNewGrid", "gridtype", "0",
                                       "0", "across", "abc", "answer", "ok", "answer", "cancel",
                                       "close", "hold", "0.3", "print", "status"}));
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(after.back().toStdString(), before.back().toStdString());
  EXPECT_TRUE(ActiveTab().search.Searching());
  EXPECT_TRUE(ActiveTab().search.Paused());
}
