#include "support/ToolCopy.h"

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"

namespace fs = std::filesystem;

ToolCopy::ToolCopy() {
  fs::create_directories(folder / "bin");
  fs::copy_file(std::string(SORVANE_BIN_DIR) + "/lexicon-tool", folder / "bin/lexicon-tool");
  const std::vector<std::string>& american = DebianWords("american-english");
  const std::vector<std::string>& british = DebianWords("british-english");
  hasLexicons = !american.empty() && !british.empty();
  if (!hasLexicons) return;
  WriteLexicon(folder / "a.lex", InLexiconOrder(american));
  WriteLexicon(folder / "b.lex", InLexiconOrder(british));
}

int ToolCopy::Run(const std::string& command) const {
  const std::string home = folder / "home";
  const std::string environment = "export PATH=" + folder / "bin:$PATH HOME=" + home +
                                  " XDG_CONFIG_HOME=" + home + "/config XDG_DATA_HOME=" + home +
                                  "/data XDG_CONFIG_DIRS=" + folder / "etc; ";
  return std::system(("cd " + folder.Path() + " && " + environment + command).c_str());
}

bool ToolCopy::TempFolderIsEmpty() const { return fs::is_empty(folder / "bin/Temp"); }
