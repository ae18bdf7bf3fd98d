// The grid file: its exact bytes, round trips, damaged and foreign files, and saving that never
// costs the old file.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "crossword/GridPictures.h"
#include "foundation/LittleEndian.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"

namespace {

const char* const kSample = "3x2 FFFFFF\n|a^b#\n.{0000FF}cd";

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// Everything a load may change, for "the grid is unchanged".
std::string State(const GridData& grid) {
  return grid.FileBytes() + DescribeNumbers(grid) + std::to_string(grid.WordLength()) +
         std::to_string(grid.modified);
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(GridFileTest, AOneCellGridIsFortyBytes) {
  GridDefaults defaults = TestGridDefaults();
  defaults.cellColour = 0x00112233;
  GridData grid(1, 1, defaults);
  grid.Cell(0, 0).SetLetter('Q');
  TempFolder folder;
  ASSERT_EQ(grid.SaveToFile(folder / "one.grd"), 0);
  EXPECT_EQ(ReadWholeFile(folder / "one.grd"),
            Bytes({0x39, 0x30, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x33, 0x22, 0x11, 0,  // header
                   0x33, 0x22, 0x11, 0, 0, 0, 0, 0, 0, 0, 0, 0,                     // colour .. reserved
                   0, 1, 0, 0, 0, 0, 0, 0, 'Q', 0, 0, 0}));                          // .. wordStarts
}

TEST(GridFileTest, SaveLoadSaveGivesTheSameBytes) {
  TempFolder folder;
  GridData grid = MakeGrid(kSample);
  grid.modified = 1;
  ASSERT_EQ(grid.SaveToFile(folder / "a.grd"), 0);
  EXPECT_EQ(grid.modified, 0);
  GridData loaded(7, 7, TestGridDefaults());
  ASSERT_EQ(loaded.LoadFromFile(folder / "a.grd"), 0);
  EXPECT_EQ(DescribeGrid(loaded), DescribeGrid(grid));
  ASSERT_EQ(loaded.SaveToFile(folder / "b.grd"), 0);
  EXPECT_EQ(ReadWholeFile(folder / "b.grd"), ReadWholeFile(folder / "a.grd"));
}

TEST(GridFileTest, ALoadClearsMarksAndRepairsDerivedBytes) {
  // 2 x 2, laid out by hand: (0,0) "A"; (1,0) with stale marks, numbers and a stray byte behind
  // its letter; (0,1) blank; (1,1) with a top bar and its own colour.
  std::string file = Bytes({0x39, 0x30, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0});
  std::string cells(4 * 24, '\0');
  auto* cell = reinterpret_cast<uint8_t*>(cells.data());
  auto record = [&](int col, int row) { return cell + (col * 2 + row) * 24; };
  for (int i = 0; i < 4; ++i) WriteU32(cell + i * 24, 0xFFFFFF);
  record(0, 0)[20] = 'A';
  uint8_t* stale = record(1, 0);
  stale[4] = 7;                             // vbar, any non-zero value
  stale[7] = stale[8] = 1;                  // selected, inCurrentWord
  stale[12] = 3;                            // wordSelection
  stale[13] = 9;                            // membership
  WriteU32(stale + 16, 77);                 // number
  stale[20] = 'b', stale[21] = 'x', stale[22] = 3;
  record(0, 1)[6] = 1;                      // blank
  record(1, 1)[5] = 1;                      // hbar
  WriteU32(record(1, 1), 0x0000FF);
  file += cells;

  GridData grid(9, 9, TestGridDefaults());
  grid.SelectAcrossWord(0, 8);
  grid.modified = 1;
  ASSERT_EQ(grid.LoadFromBytes(reinterpret_cast<const uint8_t*>(file.data()), file.size()), 0);
  EXPECT_EQ(DescribeGrid(grid), "2x2 FFFFFF\nA|b\n#^.{0000FF}\n");
  const CellData& loaded = grid.Cell(1, 0);
  EXPECT_EQ(loaded.vbar, 1);
  EXPECT_EQ(loaded.selected + loaded.inCurrentWord + loaded.wordSelection, 0);
  EXPECT_EQ(loaded.letter[1], 0);
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.number; }), "0 0\n0 0\n");
  EXPECT_EQ(loaded.membership, grid.GetMembership(1, 0));
  EXPECT_EQ(grid.WordLength(), 0);
  EXPECT_EQ(grid.current, (CellPos{0, 0}));
  EXPECT_EQ(grid.modified, 0);
}

TEST(GridFileTest, ACellLetterThatIsNoLetterLoadsAsAnEmptyCell) {
  const std::pair<char, char> cases[] = {{'A', 'A'}, {'z', 'z'}, {'\xe9', '\xe9'},  // e acute
                                         {'\n', 0},  {' ', 0},   {'*', 0},         {'[', 0},
                                         {'\'', 0},  {'?', 0},   {'\x7f', 0}};
  GridData grid(std::size(cases), 1, TestGridDefaults());
  for (size_t i = 0; i < std::size(cases); ++i) grid.Cell(int32_t(i), 0).SetLetter(cases[i].first);
  const std::string file = grid.FileBytes();
  GridData loaded(1, 1, TestGridDefaults());
  ASSERT_EQ(loaded.LoadFromBytes(reinterpret_cast<const uint8_t*>(file.data()), file.size()), 0);
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(loaded.Cell(int32_t(i), 0).Letter(), cases[i].second) << i;
}

TEST(GridFileTest, DamagedAndForeignFilesAreRefusedAndTheGridStaysAsItWas) {
  const std::string good = MakeGrid("2x2\nab\n#.").FileBytes();
  std::vector<std::string> refused;
  for (size_t length = 0; length < good.size(); ++length) refused.push_back(good.substr(0, length));
  refused.push_back(good + '\0');
  std::string foreign = good;
  foreign[0] = 0x38;
  refused.push_back(foreign);
  for (int32_t size : {0, -1, 1000, 100000}) {
    for (int field : {4, 8}) {
      std::string header = good;
      WriteU32(reinterpret_cast<uint8_t*>(header.data()) + field, static_cast<uint32_t>(size));
      refused.push_back(header);
    }
  }
  GridData grid = MakeGrid(kSample);
  grid.SelectAcrossWord(0, 1);
  grid.modified = 1;
  const std::string before = State(grid);
  for (const std::string& file : refused) {
    EXPECT_EQ(grid.LoadFromBytes(reinterpret_cast<const uint8_t*>(file.data()), file.size()), 2)
        << file.size();
    EXPECT_EQ(State(grid), before);
  }
  TempFolder folder;
  EXPECT_EQ(grid.LoadFromFile(folder / "missing.grd"), 1);
  EXPECT_EQ(grid.LoadFromFile(folder.Path()), 1);
  EXPECT_EQ(grid.LoadFromFile(folder.Write("short.grd", good.substr(0, 20))), 2);
  EXPECT_EQ(State(grid), before);
  EXPECT_EQ(GridFileErrorText(1), "Unable to Open File");
  EXPECT_EQ(GridFileErrorText(2), "The File You are Trying to Open is not a Sorvane Grid File.");
}

TEST(GridFileTest, ALoadInPlaceOfALargerGridNeverTouchesItsOldWord) {
  TempFolder folder;
  ASSERT_EQ(MakeGrid("5x5\n.....\n.....\n.....\n.....\n.....").SaveToFile(folder / "small.grd"), 0);
  GridData grid(15, 15, TestGridDefaults());
  grid.current = grid.previous = {14, 14};
  grid.SelectAcrossWord(14, 14);
  ASSERT_EQ(grid.LoadFromFile(folder / "small.grd"), 0);
  grid.ResetCurrentWord(0, 0);  // runs under the sanitizers: nothing outside 5 x 5 is written
  grid.SelectWordAt(0, 0, false, true);
  EXPECT_EQ(grid.WordLength(), 5);
}

class FailingRename : public FileSys {
 public:
  int Rename(const std::string&, const std::string&) override { return EIO; }
};

TEST(GridFileTest, AFailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  TempFolder folder;
  const std::string path = folder / "kept.grd";
  ASSERT_EQ(MakeGrid("1x1\nz").SaveToFile(path), 0);
  const std::string old = ReadWholeFile(path);
  GridData grid = MakeGrid("40x40");
  for (int failure = 0; failure < 3; ++failure) {
    grid.modified = 1;
    if (failure == 0) {
      FailingRename fileSys;
      ScopedFileSys scope(fileSys);
      EXPECT_EQ(grid.SaveToFile(path), 1);
    } else if (failure == 1) {
      FileSizeLimit limit(1000);
      EXPECT_EQ(grid.SaveToFile(path), 1);
    } else {
      std::filesystem::permissions(path, std::filesystem::perms::owner_read);
      EXPECT_EQ(grid.SaveToFile(path), 1);  // read-only
    }
    EXPECT_EQ(ReadWholeFile(path), old) << failure;
    EXPECT_EQ(grid.modified, 1);
    EXPECT_EQ(FolderNames(folder.Path()), std::vector<std::string>{"kept.grd"});
  }
  EXPECT_EQ(grid.SaveToFile(folder / "no-such-folder/x.grd"), 1);
}

}  // namespace
