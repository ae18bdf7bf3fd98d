// Every writer of a user's file meets a FIFO, a device and a folder where its file should go and
// refuses at once, leaving the thing there as it was; a link to a regular file is followed, and
// the file it names replaced. Each case runs in a process of its own under an alarm, so a writer
// that blocks on the FIFO fails the case instead of hanging the run.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "crossword/GridData.h"
#include "foundation/TextUtils.h"
#include "platform/ScriptedHost.h"
#include "search/results/Results.h"
#include "support/TestSettings.h"

namespace {

enum class Writer { GridFile, ResultsPair, Export };
enum class Kind { Fifo, Device, Folder };

constexpr Writer kWriters[] = {Writer::GridFile, Writer::ResultsPair, Writer::Export};

// The file each writer puts at base (the results pair puts base.kvq and base.idx).
std::string TargetOf(Writer writer, const std::string& base) {
  if (writer == Writer::ResultsPair) return base + ".kvq";
  return base + (writer == Writer::Export ? ".txt" : ".grd");
}

bool Write(Writer writer, const std::string& base) {
  switch (writer) {
    case Writer::GridFile:
      return GridData(3, 3).SaveToFile(TargetOf(writer, base)) == 0;
    case Writer::ResultsPair:
    case Writer::Export: {
      Results results;
      results.Clear();
      results.Append("cat");
      results.Finish(ResultsHeader{});
      return writer == Writer::Export ? results.SaveAsText(TargetOf(writer, base))
                                      : results.SaveToFile(base);
    }
  }
  return false;
}

mode_t TypeAt(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info.st_mode & S_IFMT;
}

// 0 when the writer fails and leaves what stood at its target as it was.
int RefusedAndLeftAlone(Writer writer, Kind kind) {
  ::alarm(5);
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope(host);
  const std::string base = settings.Root() / "out";
  const std::string target = TargetOf(writer, base);
  if (kind == Kind::Fifo) ::mkfifo(target.c_str(), 0600);
  if (kind == Kind::Device) ::symlink("/dev/null", target.c_str());
  if (kind == Kind::Folder) std::filesystem::create_directory(target);
  const mode_t before = TypeAt(target);
  if (Write(writer, base)) return 1;
  return TypeAt(target) == before && !std::filesystem::exists(base + ".idx") ? 0 : 2;
}

void ExpectEveryWriterRefuses(Kind kind) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const Writer writer : kWriters) {
    SCOPED_TRACE("writer " + std::to_string(static_cast<int>(writer)));
    EXPECT_EXIT(std::exit(RefusedAndLeftAlone(writer, kind)), testing::ExitedWithCode(0), "");
  }
}

TEST(NonRegularTargetsTest, EveryWriterRefusesADeviceAndAFolderAndLeavesThem) {
  ExpectEveryWriterRefuses(Kind::Device);
  ExpectEveryWriterRefuses(Kind::Folder);
}

TEST(NonRegularTargetsTest, EveryWriterRefusesAFifoAtOnce) { ExpectEveryWriterRefuses(Kind::Fifo); }

TEST(NonRegularTargetsTest, ALinkToARegularFileStaysAndTheFileItNamesIsReplaced) {
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope(host);
  for (const Writer writer : kWriters) {
    const std::string number = std::to_string(static_cast<int>(writer));
    const std::string base = settings.Root() / ("w" + number);
    const std::string named = settings.Root().Write("named" + number, "old");
    std::filesystem::create_symlink(named, TargetOf(writer, base));
    ASSERT_TRUE(Write(writer, base));
    EXPECT_TRUE(std::filesystem::is_symlink(TargetOf(writer, base)));
    EXPECT_NE(ReadWholeFile(named), "old");
  }
}

}  // namespace
