#pragma once
// A lexicon management core over a Lexicons folder of its own, with the boxes it shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "lexbuild/LexMngmnt.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "search/selection/VirtualLexList.h"
#include "search/selection/VirtualLexListView.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TestSettings.h"

// One box as the user saw it.
struct Shown {
  std::string text;
  std::string caption;
  unsigned flags = 0;
  bool operator==(const Shown&) const = default;
};
inline void PrintTo(const Shown& box, std::ostream* out) {
  *out << "{\"" << box.text << "\", \"" << box.caption << "\", " << box.flags << "}";
}

// A test name from a case's description: its letters and digits.
inline std::string CaseName(const char* description) {
  std::string name;
  for (const char* c = description; *c; ++c)
    if ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')) name += *c;
  return name;
}

inline LexMngmntControls WordControls(const std::string& word, const std::string& combo,
                                      const std::vector<std::string>& items) {
  LexMngmntControls controls;
  controls.word = word;
  controls.comboText = combo;
  controls.comboItems = items;
  return controls;
}

inline LexMngmntControls MergeControls(const std::vector<std::string>& selection,
                                       const std::string& newName, bool deleteTicked) {
  LexMngmntControls controls;
  controls.mergeSelection = selection;
  controls.newDictName = newName;
  controls.deleteDicts = deleteTicked;
  return controls;
}

// A scripted host that presses Cancel in the n-th job it runs (counting from 1; 0: none).
class CancellingHost : public ScriptedHost {
 public:
  void RunJob(HostedJob& job, const std::string& message, bool showCancel,
              const void* owner) override {
    if (++jobsRun == cancelJob) {
      CancelJobAt(0);
      QueueAnswer(IDOK);  // "Cancel Operation?"
    }
    ScriptedHost::RunJob(job, message, showCancel, owner);
  }
  int cancelJob = 0;
  int jobsRun = 0;
};

class LexMngmntTest : public testing::Test {
 protected:
  LexMngmntTest() {
    Lexicon("a.lex", {"cat", "dog"});
    Lexicon("b.lex", {"cat", "emu"});
    Lexicon("solo.lex", {"yak"});
    list.ScanLexiconFolder();
  }

  std::string Lexicon(const std::string& name, const std::vector<std::string>& words) const {
    return WriteLexicon(Folder() + name, InLexiconOrder(words));
  }
  std::string Folder() const { return settings.LexiconsFolderPath() + "/"; }
  std::vector<std::string> WordsOf(const std::string& name) const {
    return DecodeAll(ReadWholeFile(Folder() + name));
  }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Folder() + name); }
  std::vector<Shown> Boxes() const {
    std::vector<Shown> shown;
    for (const MessageRequest& box : host.Boxes()) shown.push_back({box.text, box.caption, box.flags});
    return shown;
  }
  std::vector<std::string> JobMessages() const {
    std::vector<std::string> messages;
    for (const JobRequest& job : host.Jobs()) messages.push_back(job.message);
    return messages;
  }
  std::vector<std::string> TempFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(settings.TempFolderPath()))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }
  std::vector<std::string> Selected() const {
    std::vector<std::string> names;
    for (const LexViewInfo& entry : view.Entries())
      if (entry.selected) names.push_back(std::filesystem::path(entry.path).filename());
    return names;
  }

  TestSettings settings;
  CancellingHost host;
  ScopedHost scope{host};
  VirtualLexList list;
  VirtualLexListView view{list};
  int owner = 0;  // stands for the dialog
  LexMngmnt core{view, &owner};
};
