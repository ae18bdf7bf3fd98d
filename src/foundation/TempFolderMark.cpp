// A process's mark on a Temp folder is a read lock one byte long, at the offset of its process
// id, on the folder itself. The lock belongs to an open file description, so no other open and
// close of the folder in this process lets go of it, and a child that forks keeps it held too.

#include "foundation/TempFolderMark.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

#include "foundation/TempFileLock.h"
#include "foundation/TextUtils.h"
#include "platform/FileSys.h"

namespace {

struct HeldMark {
  std::string folder;
  std::string mark;     // empty where the folder could not be marked
  int descriptor = -1;  // holds the lock
  dev_t device = 0;
  ino_t inode = 0;
};

std::mutex marksMutex;

// Never destroyed: the locks must last as long as the process, whatever thread still runs.
std::vector<HeldMark>& HeldMarks() {
  static auto* held = new std::vector<HeldMark>;
  return *held;
}

struct flock ByteOf(pid_t process, short type) {
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = process;
  range.l_len = 1;
  return range;
}

int OpenFolder(const std::string& folder) {
  return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

bool IsBase36Digits(const std::string& text, size_t from, size_t to) {
  if (from >= to) return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                     text.begin() + static_cast<std::ptrdiff_t>(to),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// The process whose mark the name carries: "$$", the name drawn, the mark, then nothing or an
// extension.
std::optional<pid_t> MarkedProcess(const std::string& name) {
  if (name.rfind("$$", 0) != 0) return std::nullopt;
  const size_t dash = name.find('-', 2);
  if (dash == std::string::npos) return std::nullopt;
  const size_t end = std::min(name.find('.', dash), name.size());
  constexpr size_t kLongestId = 6;  // 2^31 in base 36
  if (!IsBase36Digits(name, 2, dash) || !IsBase36Digits(name, dash + 1, end) ||
      end - dash - 1 > kLongestId) {
    return std::nullopt;
  }
  return static_cast<pid_t>(std::stoll(name.substr(dash + 1, end - dash - 1), nullptr, 36));
}

// Whether no process holds the mark; empty when the file system cannot tell.
std::optional<bool> MarkIsFree(int folderDescriptor, pid_t process) {
  struct flock probe = ByteOf(process, F_WRLCK);
  if (::fcntl(folderDescriptor, F_OFD_GETLK, &probe) != 0) return std::nullopt;
  return probe.l_type == F_UNLCK;
}

HeldMark TakeMark(const std::string& folder) {
  HeldMark held{folder, {}, OpenFolder(folder)};
  struct stat identity {};
  struct flock range = ByteOf(::getpid(), F_RDLCK);
  if (held.descriptor < 0 || ::fstat(held.descriptor, &identity) != 0 ||
      ::fcntl(held.descriptor, F_OFD_SETLK, &range) != 0) {
    if (held.descriptor >= 0) ::close(held.descriptor);
    held.descriptor = -1;
    if (::stat(folder.c_str(), &identity) != 0) identity = {};
  } else {
    held.mark = "-" + IntToStrRadix(static_cast<int32_t>(::getpid()), 36);
  }
  held.device = identity.st_dev;
  held.inode = identity.st_ino;
  return held;
}

// Whether the folder the mark was taken on is gone (tests, and changes of the Temp folder, may
// leave many behind); a folder renamed elsewhere may still hold this process's files.
bool FolderRemoved(const HeldMark& held) {
  struct stat now {};
  if (held.descriptor >= 0) return ::fstat(held.descriptor, &now) != 0 || now.st_nlink == 0;
  return ::stat(held.folder.c_str(), &now) != 0 || now.st_dev != held.device ||
         now.st_ino != held.inode;
}

}  // namespace

std::string TempFolderMark(const std::string& folder) {
  std::lock_guard guard(marksMutex);
  struct stat now {};
  if (::stat(folder.c_str(), &now) != 0) return {};
  std::vector<HeldMark>& held = HeldMarks();
  for (const HeldMark& mark : held) {
    if (mark.folder == folder && mark.device == now.st_dev && mark.inode == now.st_ino) {
      return mark.mark;
    }
  }
  held.erase(std::remove_if(held.begin(), held.end(),
                            [](const HeldMark& mark) {
                              if (!FolderRemoved(mark)) return false;
                              if (mark.descriptor >= 0) ::close(mark.descriptor);
                              return true;
                            }),
             held.end());
  DeleteFilesOfEndedProcesses(folder);
  held.push_back(TakeMark(folder));
  return held.back().mark;
}

void DeleteFilesOfEndedProcesses(const std::string& folder) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  const int folderDescriptor = OpenFolder(folder);
  if (folderDescriptor < 0) return;
  // Listed before any lock is looked at: a file's maker held its lock before making it, so a
  // lock free now means the maker has ended (or one given its id has not marked the folder yet,
  // and has no files).
  const std::vector<std::string> names = FileSys::Current().ListMatching(prefix, "$$*-*");
  std::map<pid_t, bool> ended;
  for (const std::string& name : names) {
    const std::optional<pid_t> process = MarkedProcess(name);
    if (!process) continue;
    auto known = ended.find(*process);
    if (known == ended.end()) {
      const std::optional<bool> free = MarkIsFree(folderDescriptor, *process);
      if (!free) break;
      known = ended.emplace(*process, *free).first;
    }
    if (known->second) DeleteIfUnheld(prefix + name);
  }
  ::close(folderDescriptor);
}
