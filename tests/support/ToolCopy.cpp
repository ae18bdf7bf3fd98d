#include "support/ToolCopy.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

ToolCopy::ToolCopy() {
  fs::create_directories(folder / "bin");
  fs::copy_file(std::string(SORVANE_BIN_DIR) + "/lexicon-tool", folder / "bin/lexicon-tool");
  const std::string american = "/usr/share/dict/american-english";
  const std::string british = "/usr/share/dict/british-english";
  hasLexicons = fs::exists(american) && fs::exists(british) &&
                 Run("lexicon-tool build " + american + " a.lex >/dev/null") == 0 &&
                 Run("lexicon-tool build " + british + " b.lex >/dev/null") == 0;
}

int ToolCopy::Run(const std::string& command) const {
  const std::string home = folder / "home";
  const std::string environment = "export PATH=" + folder / "bin:$PATH HOME=" + home +
                                  " XDG_CONFIG_HOME=" + home + "/config XDG_DATA_HOME=" + home +
                                  "/data XDG_CONFIG_DIRS=" + folder / "etc; ";
  return std::system(("cd " + folder.Path() + " && " + environment + command).c_str());
}

bool ToolCopy::TempFolderIsEmpty() const { return fs::is_empty(folder / "bin/Temp"); }
