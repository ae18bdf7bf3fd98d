#include "app/WindowTestSupport.h"

#include <filesystem>

#include "foundation/Settings.h"
#include "platform/qt/QtHost.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/lexicon/VirtualLex.h"
#include "support/LexiconFiles.h"
#include "support/ScopedAppPaths.h"
#include "support/SearchHarness.h"

namespace {
// Made when the tests start (listing them makes nothing) and removed when they end; never left
// to the static destructors, which may run after the paths it restores are gone.
class WindowTestProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    programPaths = new ScopedAppPaths;
    Settings::Rebuild();
    const std::string lexicon =
        Settings::Instance().GetString(std::string("Folder-Lexicons")) + "/English.lex";
    WriteLexicon(lexicon, InLexiconOrder(DebianWords()));
    VirtualLex flagged(lexicon);
    flagged.ReadHeader();
    flagged.SetFlag(true);
  }
  void TearDown() override {
    delete programPaths;
    programPaths = nullptr;
  }

 private:
  ScopedAppPaths* programPaths = nullptr;
};
}  // namespace

void SetUpWindowTestProgram() {
  ::testing::AddGlobalTestEnvironment(new WindowTestProgram);  // owned by the test framework
}

std::string TestTempFolder() { return Settings::Instance().GetString(std::string("Folder-Temp")); }

BoxWatch::BoxWatch(std::function<void(QMessageBox&)> see) {
  static_cast<QtHost&>(Host::Current()).SetBoxHook(std::move(see));
}

BoxWatch::~BoxWatch() { static_cast<QtHost&>(Host::Current()).SetBoxHook({}); }

void WindowTest::SetUp() {
  steps = std::make_unique<WindowSteps>(printed);
  window = std::make_unique<TfrmMain>();
  steps->Attach(*window);
  window->show();
}

void WindowTest::TearDown() {
  window.reset();
  steps.reset();
}

std::string WindowTest::Run(const QStringList& stepWords) {
  printed.str({});
  QString error;
  EXPECT_TRUE(steps->RunAll(stepWords, &error)) << error.toStdString();
  // Whatever a test searched for, every result on screen shows whole.
  const SearchTab* tab = ActiveSearchTab(*window);
  if (tab && ActiveSearchShown(*window)) {
    EXPECT_EQ(tab->grid->ClippedVisibleCells(), 0);
  }
  return printed.str();
}

QStringList WindowTest::Lines(const std::string& text) {
  return QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
}
