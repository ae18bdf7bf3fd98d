#pragma once
// The main window under test: one program folder for the whole test run (the lexicon list is
// the program's one list), holding a default lexicon of the Debian American English words,
// and a window driven through the window probe's steps.

#include <gtest/gtest.h>
#include <QStringList>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "app/probe/WindowSteps.h"
#include "app/probe/WindowView.h"

// Makes the program folder and its settings for the test run, and removes them after it; call
// once from main, after the QApplication.
void SetUpWindowTestProgram();
std::string TestTempFolder();

class QMessageBox;

// Shows every box to see just before the box is shown, for as long as the watch lives.
class BoxWatch {
 public:
  explicit BoxWatch(std::function<void(QMessageBox&)> see);
  ~BoxWatch();
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the steps (a step's name and its arguments, as the probe's command line takes them)
  // and returns what they printed; a step that cannot be done fails the test.
  std::string Run(const QStringList& steps);
  // The lines printed, without the line ends.
  static QStringList Lines(const std::string& printed);

  QString StatusText() const { return ::StatusText(*window); }
  SearchTab& ActiveTab() const { return *ActiveSearchTab(*window); }

  std::unique_ptr<TfrmMain> window;
  std::ostringstream printed;
  std::unique_ptr<WindowSteps> steps;
};
