// The developer's grid tool, run as its own process.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include "support/ToolRun.h"

namespace {

ToolRun GridTool(const TempFolder& folder, const std::string& arguments) {
  return RunNamedTool(folder, "grid-tool", arguments);
}

TEST(GridToolTest, MakeThenShowGivesTheGridItsNumbersAndWords) {
  TempFolder folder;
  const std::string description = "3x2 FFFFFF\n\xC3\xA9|x.{0000FF}\n^..#\n";
  const std::string source = folder.Write("grid.txt", description);
  ASSERT_EQ(GridTool(folder, "make " + source + " " + folder / "g.grd").status, 0);
  const ToolRun shown = GridTool(folder, "show " + folder / "g.grd");
  EXPECT_EQ(shown.status, 0);
  // The bar leaves the accented letter in no word.
  EXPECT_EQ(shown.out, description + "\n0 1 0\n2 0 0\n\nAcross:\n1. x?\n2. ??\n\nDown:\n1. x?\n");
}

TEST(GridToolTest, SymmetryAppliesTheRuleCellByCell) {
  TempFolder folder;
  const ToolRun run = GridTool(folder, "symmetry 2 3x3 0,0 1,1");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "3x3 FFFFFF\n#..\n.#.\n..#\n\n0 1 2\n3 0 0\n4 0 0\n\nAcross:\n1. ??\n4. ??\n\nDown:\n2. ??\n3. ??\n");
}

TEST(GridToolTest, BitmapDrawsTheGridAtTheControlsSize) {
  TempFolder folder;
  const std::string source = folder.Write("grid.txt", "2x1\nab\n");
  ASSERT_EQ(GridTool(folder, "make " + source + " " + folder / "g.grd").status, 0);
  const ToolRun run = GridTool(folder, "bitmap " + folder / "g.grd " + folder / "g.bmp");
  EXPECT_EQ(run.status, 0);
  int w = 0, h = 0, l = -1;
  ASSERT_EQ(std::sscanf(run.out.c_str(), "%d %d %d", &w, &h, &l), 3);
  const std::string bitmap = ReadWholeFile(folder / "g.bmp");
  ASSERT_GT(bitmap.size(), 26u);
  EXPECT_EQ(bitmap.substr(0, 2), "BM");
  const auto field = [&](size_t at) { return static_cast<uint8_t>(bitmap[at]) | static_cast<uint8_t>(bitmap[at + 1]) << 8; };
  EXPECT_EQ(field(18), 2 * w + 3 * l + 2);
  EXPECT_EQ(field(22), h + 2 * l + 2);
}

TEST(GridToolTest, RefusedFilesAndBadArgumentsHaveTheirCodes) {
  TempFolder folder;
  ToolRun run = GridTool(folder, "show " + folder.Write("bad.grd", "not a grid"));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "File Error: The File You are Trying to Open is not a Sorvane Grid File.\n");
  run = GridTool(folder, "show " + folder / "missing.grd");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "File Error: Unable to Open File\n");
  for (const char* arguments : {"", "show", "symmetry 10 3x3 0,0", "symmetry 1 3x3 3,0", "make - x.grd < /dev/null"})
    EXPECT_EQ(GridTool(folder, arguments).status, 3) << arguments;
}

TEST(GridToolTest, WritersRefuseAFifoOrADeviceAtOnce) {
  TempFolder folder;
  const std::string grid = folder / "g.grd";
  ASSERT_EQ(GridTool(folder, "make 2x2 " + grid).status, 0);
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/null", folder / "device");
  for (const char* target : {"fifo", "device"}) {
    // The failure names the file it could not write.
    const std::string told = "File Error: Unable to Write File " + folder / target + "\n";
    for (const std::string& command : {std::string("make 2x2 "), "bitmap " + grid + " "}) {
      const ToolRun run = GridTool(folder, command + folder / target);
      EXPECT_EQ(run.status, 1) << command << target;
      EXPECT_EQ(run.err, told) << command << target;
    }
  }
  EXPECT_TRUE(std::filesystem::is_fifo(folder / "fifo"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder / "device"));
}

TEST(GridToolTest, LostOutputFailsAndADescriptionIsOnlyARegularFileOrCappedInput) {
  TempFolder folder;
  const std::string grid = folder / "g.grd";
  ASSERT_EQ(GridTool(folder, "make 2x2 " + grid).status, 0);
  EXPECT_EQ(GridTool(folder, "show " + grid + " >/dev/full").status, 1);
  EXPECT_EQ(GridTool(folder, "symmetry 2 3x3 0,0 >/dev/full").status, 1);
  ASSERT_EQ(::mkfifo((folder / "fifo").c_str(), 0600), 0);
  const std::string sources[] = {folder / "fifo", "/dev/zero", "- </dev/zero"};
  for (const std::string& source : sources)
    EXPECT_EQ(GridTool(folder, "make " + source + " " + folder / "out.grd").status, 3) << source;
  EXPECT_FALSE(std::filesystem::exists(folder / "out.grd"));
}

// strace delivers the signal as the working file takes the old grid's permissions, the last step
// before it replaces the grid.
TEST(GridToolTest, ASignalDuringMakeEndsItWithTheGridWholeAndNoWorkingFileBesideIt) {
  TempFolder folder;
  if (RunCommand(folder, "strace -o /dev/null true").status != 0) GTEST_SKIP() << "cannot trace";
  const std::string source = folder.Write("grid.txt", "2x1\nab\n");
  std::filesystem::create_directory(folder / "g");
  const std::string grid = folder / "g/g.grd";
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE("signal " + std::to_string(signal));
    ASSERT_EQ(GridTool(folder, "make 1x1 " + grid).status, 0);
    const ToolRun run = RunCommand(
        folder, "strace -o /dev/null -e trace=fchmodat -e inject=fchmodat:when=1:signal=" +
                    std::to_string(signal) + " " + ToolPath("grid-tool") + " make " + source + " " +
                    grid + "; echo $?");
    EXPECT_EQ(run.out, std::to_string(128 + signal) + "\n");
    EXPECT_EQ(Lines(GridTool(folder, "show " + grid).out).at(0), "2x1 FFFFFF");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "g"), {}), 1);
  }
}

}  // namespace
