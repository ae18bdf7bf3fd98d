// Closing the main window: once the user has agreed to stop the running searches and has been
// offered to save each changed grid, the searches end, the placement and settings are kept and
// the search tabs' working files are swept from the Temp folder. A stop signal closes it the
// same way, without the questions.

#include <QApplication>
#include <QCloseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTimer>
#include <utility>
#include <vector>

#include "app/AppTextIds.h"
#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "app/WindowPlacement.h"
#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/Host.h"
#include "platform/PlatformTextIds.h"
#include "platform/qt/QtHost.h"
#include "search/results/Results.h"
#include "search/results/TempResultsLock.h"

namespace {

// The searches' threads held still while the close asks its questions, as under the Stop
// question; a close taken back lets each go on as it was, paused or running.
class SearchesHeld {
 public:
  explicit SearchesHeld(const QTabWidget& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
      auto* tab = qobject_cast<SearchTab*>(tabs.widget(i));
      if (!tab || !tab->search.ThreadRunning()) continue;
      held.emplace_back(tab, tab->search.Paused());
      tab->search.Pause(true);
    }
  }
  void Release() {
    for (const auto& [tab, wasPaused] : held) {
      if (tab) tab->search.Pause(wasPaused);
    }
  }

 private:
  std::vector<std::pair<QPointer<SearchTab>, bool>> held;
};

}  // namespace

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (closing) {
    event->accept();
    return;
  }
  event->ignore();
  // A close asked for while this one asks or waits (a stop signal's tick while the searches end)
  // is this same close: a second would delete the tabs from under the first. Qt refuses a nested
  // close() as well; the window does not lean on that.
  if (closeUnderWay) return;
  const QScopedValueRollback underWay(closeUnderWay, true);
  if (!closeAgreed) {
    if (!stopRequested && !CloseSettled()) return;
    closeAgreed = true;
    EndSearchesForClose();
  }
  if (DeferCloseWhileJobUnderWay()) return;
  closing = true;
  SaveSettingsAtClose();
  // The tabs go before the sweep: each deletes its own pair and lets go of its lock.
  shownTab = nullptr;
  tabSearchControl->blockSignals(true);
  while (tabSearchControl->count() > 0) delete tabSearchControl->widget(0);
  DeleteUnusedTempResults(Settings::Instance().GetString(SettingId::FolderTemp));
  event->accept();
}

// A job whose dialog has closed (cancelled, or the program asked to stop) may still be winding
// down over a tab's results, the launcher waiting for it further up the stack: the tabs cannot
// go before it returns, so the close is made again shortly, until it has. A re-sort, which
// would write the whole new pair first, is abandoned: the results go with the window.
bool TfrmMain::DeferCloseWhileJobUnderWay() {
  if (!ProgressDialog::AnyUnderWay()) return false;
  for (int i = 0; i < tabSearchControl->count(); ++i) {
    if (auto* tab = qobject_cast<SearchTab*>(tabSearchControl->widget(i))) {
      tab->search.GetResults().AbandonReSort();
    }
  }
  if (!closeDeferred) {
    closeDeferred = true;
    QTimer::singleShot(kCloseRetryMilliseconds, this, [this] {
      closeDeferred = false;
      close();
    });
  }
  return true;
}

// Running searches end only when the user agrees, and changed grids are offered for saving.
// Nothing is ended until every question has been answered: a close taken back at any of them
// leaves each search as it was, with all it found.
bool TfrmMain::CloseSettled() {
  SearchesHeld held(*tabSearchControl);
  const bool settled =
      (RunningSearchCount.load() == 0 ||
       ResMessageBoxOwner(BoxOwner(this), kSearchesRunningText, kConfirmCaption,
                          MB_OKCANCEL | MB_ICONWARNING) == IDOK) &&
      SaveGridsForClose();
  if (!settled) held.Release();
  return settled;
}

// Each search is terminated, a paused one released, and the window keeps serving events until
// every tab's timer has finished its search (a sorted search's gathered results are dropped,
// not sorted, on their way out).
void TfrmMain::EndSearchesForClose() {
  for (int i = 0; i < tabSearchControl->count(); ++i) {
    auto* tab = qobject_cast<SearchTab*>(tabSearchControl->widget(i));
    if (!tab || !tab->search.Searching()) continue;
    tab->search.TerminateSearch();
    if (tab->search.Paused()) tab->search.Pause(false);
  }
  Host::Current().WaitPumping([] { return RunningSearchCount.load() == 0; });
}

// Once the program is asked to end by a signal (SIGINT, SIGTERM), the dialogs in front are closed
// one at a time (a job's dialog cancels its job and closes at the job's end), then the window
// closes as the user would close it, without asking: no one may be there to answer. Changed
// grids are not saved: where to is the user's question.
void TfrmMain::CloseIfStopRequested() {
  if (closing || !Host::Current().StopRequested()) return;
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->close();
    return;
  }
  // A search whose end is under way (its sort dialog just closed) ends first: the close waits for
  // every search to end, and one ending further up this call would never get there.
  if (SearchEnding()) return;
  stopRequested = true;
  close();
}

bool TfrmMain::SearchEnding() const {
  for (int i = 0; i < tabSearchControl->count(); ++i) {
    const auto* tab = qobject_cast<const SearchTab*>(tabSearchControl->widget(i));
    if (tab && tab->search.Searching() && !tab->search.ThreadRunning()) return true;
  }
  return false;
}

void TfrmMain::SaveSettingsAtClose() {
  StoreWindowPlacement(this);
  if (SearchTab* tab = ActiveSearchTab()) {
    SearchInterface::SaveOptions(fields->Options());
    tab->search.GetResults().SaveSortSettings();
  }
  // The window closes all the same: nothing else is lost, and the user is told.
  try {
    Settings::Instance().Save();
  } catch (...) {
    MessageBoxWrapper(BoxOwner(this), CurrentFailureText(), LoadResString(kErrorCaption),
                      MB_OK | MB_ICONERROR);
  }
}
