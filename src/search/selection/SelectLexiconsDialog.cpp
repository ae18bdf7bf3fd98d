#include "search/selection/SelectLexiconsDialog.h"

#include <mutex>
#include <utility>

namespace {
std::mutex mutex;
SelectLexiconsDialog::Runner registered;  // guarded by mutex
}  // namespace

SelectLexiconsDialog::Runner SelectLexiconsDialog::Register(Runner runner) {
  std::lock_guard lock(mutex);
  return std::exchange(registered, std::move(runner));
}

void SelectLexiconsDialog::Show(VirtualLexListView& view) {
  Runner runner;
  {
    std::lock_guard lock(mutex);
    runner = registered;
  }
  if (runner) runner(view);
}
