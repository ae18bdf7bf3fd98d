// The window probe interrupted as the program is: its window closes without asking, taking its
// tabs' working files with it, and the probe ends by the signal.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <filesystem>

#include "foundation/Settings.h"
#include "support/ToolCopy.h"

TEST(WindowProbeSignalsTest, AnInterruptedProbeLeavesNoWorkingFiles) {
  ToolCopy probe("window-probe");
  // The window tests' lexicon, flagged to be searched by a fresh window.
  std::filesystem::create_directories(probe.Folder() / "bin/Lexicons");
  std::filesystem::copy_file(
      Settings::Instance().GetString(std::string("Folder-Lexicons")) + "/English.lex",
      probe.Folder() / "bin/Lexicons/English.lex");
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE("signal " + std::to_string(signal));
    // The finished search's results stay in Temp while its tab is open.
    const int status = probe.RunInterrupted(
        "window-probe type find 'c?t*' click actSearch wait hold 60",
        [&] { return probe.TempFolderHolds(".rls"); }, signal);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_TRUE(probe.TempFolderIsEmpty());
  }
}
