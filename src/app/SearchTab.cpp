#include "app/SearchTab.h"

#include <QVBoxLayout>

#include "search/forms/TtsBaseGrid.h"

namespace {
constexpr int kTabTimerMilliseconds = 100;
}  // namespace

SearchTab::SearchTab(QWidget* parent, VirtualLexList& lexicons)
    : QWidget(parent), search(lexicons) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  grid = new TtsBaseGrid(this);
  grid->setObjectName("grdResults");
  layout->addWidget(grid);
  timer.setInterval(kTabTimerMilliseconds);
  connect(&timer, &QTimer::timeout, this, &SearchTab::Tick);
  // The end of the search thread reaches the tab through its event queue at once, so results
  // never wait for the timer's next tick. A tab destroyed first drops the queued call: the
  // search's end waits for its thread, which may deliver it during the tab's destruction.
  search.SetThreadEndHook([this, alive = alive] {
    QMetaObject::invokeMethod(
        this,
        [this, alive] {
          if (*alive) Tick();
        },
        Qt::QueuedConnection);
  });
}

SearchTab::~SearchTab() { *alive = false; }

bool SearchTab::Start(uint8_t mode) {
  if (!search.StartSearch(mode)) return false;
  if (search.Searching()) {
    HideResults();
    timer.start();
  }
  return true;
}

void SearchTab::Tick() {
  const bool wasOn = search.TimerOn();
  if (wasOn) search.Tick();
  if (search.TimerOn()) return;
  timer.stop();
  if (wasOn) emit SearchFinished();
}

void SearchTab::ShowResults() {
  grid->ShowResults(&search.GetResults(), search.GetDisplayWidth());
  search.SetResultsShown(true);
}

void SearchTab::HideResults() { grid->ShowResults(nullptr, 4); }
