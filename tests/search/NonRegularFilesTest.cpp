// Every reader of a file meets a FIFO, a device and a folder where its file should be, and gives
// at once the message it gives for a file it cannot open: it neither waits on the FIFO for a
// writer nor reads a device that never ends. Each case runs in a process of its own under an
// alarm, so a reader that blocks or reads without end fails the case instead of hanging the run.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "crossword/GridData.h"
#include "foundation/File.h"
#include "platform/RegistryStore.h"
#include "search/lexicon/Dictionary.h"
#include "search/lexicon/VirtualLex.h"
#include "search/results/Results.h"
#include "support/ScopedAppPaths.h"
#include "support/TestSettings.h"

namespace {

enum class Reader {
  File,
  FileForUpdate,
  LexiconCursor,
  LexiconImage,
  ResultsPair,
  SettingsStore,
  GridFile
};
enum class Kind { Fifo, Device, Folder };

constexpr Reader kReaders[] = {Reader::File,          Reader::FileForUpdate, Reader::LexiconCursor,
                               Reader::LexiconImage,  Reader::ResultsPair,   Reader::SettingsStore,
                               Reader::GridFile};
constexpr Kind kKinds[] = {Kind::Fifo, Kind::Device, Kind::Folder};

void ReadSettingsStore(const std::string& path) {
  ScopedAppPaths scoped;
  AppPaths paths = scoped.Paths();
  paths.userStoreFile = path;
  scoped.Change(paths);
  RegistryStore store;
  store.OpenKey(RegistryHive::User, "SOFTWARE\\Sorvane\\Sorvane6", false);
}

// The reader's message for the file at path; empty when it took the file. The grid file's
// reader answers with a code instead.
std::string ReadError(Reader reader, const std::string& path) {
  try {
    switch (reader) {
      case Reader::File: {
        File file;
        file.Open(path, "rb", 0);
        break;
      }
      case Reader::FileForUpdate: {
        File file;
        file.Open(path, "r+b", 0);
        break;
      }
      case Reader::LexiconCursor: {
        Dictionary cursor(path);
        break;
      }
      case Reader::LexiconImage: {
        VirtualLex lexicon(path);
        lexicon.Load();
        break;
      }
      case Reader::ResultsPair: {
        Results results;
        results.LoadFromFile(path);
        break;
      }
      case Reader::SettingsStore:
        ReadSettingsStore(path);
        break;
      case Reader::GridFile: {
        GridData grid(3, 3);
        return "load code " + std::to_string(grid.LoadFromFile(path));
      }
    }
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

void MakeInPlace(Kind kind, const std::string& path) {
  switch (kind) {
    case Kind::Fifo:
      ::mkfifo(path.c_str(), 0600);
      break;
    case Kind::Device:
      ::symlink("/dev/zero", path.c_str());
      break;
    case Kind::Folder:
      std::filesystem::create_directory(path);
      break;
  }
}

// 0 when the reader refuses what stands at its path with the message it gives for a file it
// cannot open there.
int RefusedLikeAnUnreadableFile(Reader reader, Kind kind) {
  ::alarm(5);
  TestSettings settings;
  const std::string path = settings.Root() / "file.kvq";
  // The store takes a missing file as an empty one: its unreadable file lies below a file.
  const std::string unreadable = reader == Reader::SettingsStore
                                     ? settings.Root().Write("plain", "") + "/user.reg"
                                     : path;
  std::string expected = ReadError(reader, unreadable);
  const size_t named = expected.find(unreadable);
  if (named != std::string::npos) expected = expected.substr(0, named) + path;
  MakeInPlace(kind, path);
  const std::string error = ReadError(reader, path);
  return error.rfind(expected, 0) == 0 ? 0 : 1;
}

TEST(NonRegularFilesTest, EveryReaderRefusesAFifoADeviceAndAFolderAtOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  for (const Reader reader : kReaders) {
    for (const Kind kind : kKinds) {
      SCOPED_TRACE("reader " + std::to_string(static_cast<int>(reader)) + ", kind " +
                   std::to_string(static_cast<int>(kind)));
      EXPECT_EXIT(std::exit(RefusedLikeAnUnreadableFile(reader, kind)),
                  testing::ExitedWithCode(0), "");
    }
  }
}

}  // namespace
