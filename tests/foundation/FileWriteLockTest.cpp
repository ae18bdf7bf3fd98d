#include "foundation/FileWriteLock.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ScriptedHost.h"
#include "support/TempFolder.h"

namespace {

TEST(FileWriteLockTest, TwoLinksToOneFileTakeTurns) {
  const TempFolder folder;
  ScriptedHost host;
  ScopedHost hostScope(host);
  const std::string file = folder.Write("words.lex", "lexicon");
  std::filesystem::create_symlink(file, folder / "first.lex");
  std::filesystem::create_symlink(file, folder / "second.lex");

  const FileWriteLock first(folder / "first.lex");
  ASSERT_TRUE(first.Granted());
  for (const char* name : {"second.lex", "words.lex"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(FileWriteLock(folder / name, [] { return true; }).Granted());
  }
}

}  // namespace
