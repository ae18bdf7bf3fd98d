#include "app/WindowTestSupport.h"

#include <filesystem>

#include "foundation/Settings.h"
#include "search/lexicon/VirtualLex.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/ScopedAppPaths.h"

namespace {
// Lives as long as the test run; the test environment removes it at the end.
std::unique_ptr<ScopedAppPaths> programPaths;

class WindowTestProgram : public ::testing::Environment {
 public:
  void TearDown() override { programPaths.reset(); }
};
}  // namespace

void SetUpWindowTestProgram() {
  programPaths = std::make_unique<ScopedAppPaths>();
  ::testing::AddGlobalTestEnvironment(new WindowTestProgram);  // owned by the test framework
  Settings::Rebuild();
  const std::string lexicon = Settings::Instance().GetString(std::string("Folder-Lexicons")) + "/English.lex";
  WriteLexicon(lexicon, InLexiconOrder(DebianWords()));
  VirtualLex flagged(lexicon);
  flagged.ReadHeader();
  flagged.SetFlag(true);
}

std::string TestTempFolder() { return Settings::Instance().GetString(std::string("Folder-Temp")); }

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
  return printed.str();
}

QStringList WindowTest::Lines(const std::string& text) {
  return QString::fromStdString(text).split('\n', Qt::SkipEmptyParts);
}
