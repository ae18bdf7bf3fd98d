#pragma once
// A fixture with the program laid out in a temporary folder, settings built on it, a scripted
// host recording every box, and helpers that put lexicons into the Lexicons folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/ScriptedHost.h"
#include "search/lexicon/VirtualLex.h"
#include "support/LexiconFiles.h"
#include "support/ScopedAppPaths.h"

class LexiconFolderTest : public testing::Test {
 protected:
  LexiconFolderTest() {
    Settings::Rebuild();
    lexicons = Settings::Instance().GetString(SettingId::FolderLexicons) + "/";
  }

  // A lexicon holding the words, with its default flag as given; returns its path.
  std::string AddLexicon(const std::string& name, bool isDefault = false,
                         const std::vector<std::string>& words = {"ox"}) const {
    const std::string path = WriteLexicon(lexicons + name, words);
    if (isDefault) {
      VirtualLex lexicon(path);
      lexicon.ReadHeader();
      lexicon.SetFlag(true);
    }
    return path;
  }
  std::vector<MessageRequest> Boxes() const { return host.Boxes(); }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost hostScope{host};
  std::string lexicons;  // the Lexicons folder, ending in '/'
};
