#include "platform/RegistryStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/AppPaths.h"
#include "platform/FileSys.h"

namespace {
// A settings file is a few kilobytes; anything far larger is not one and is not read into memory.
constexpr size_t kMaxStoreFileBytes = 16 * 1024 * 1024;

[[noreturn]] void Fail(const std::string& what, const std::string& fileName, int error) {
  throw RegistryError(what + " " + fileName + ": " + std::strerror(error));
}

// The file's text; empty when the file does not exist yet. The file is opened without waiting
// (a FIFO would block until a writer came) and must be a regular file; what is read is capped by
// the bytes that arrive, since a device announces a size of 0 and may never end.
std::string ReadStoreFile(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return {};
    Fail("Unable to read the settings store", fileName, errno);
  }
  std::string text;
  struct stat info;
  int error = 0;
  if (::fstat(fd, &info) != 0) {
    error = errno;
  } else if (!S_ISREG(info.st_mode)) {
    error = EINVAL;
  } else {
    char buffer[8192];
    ssize_t got;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR)) {
      if (got < 0) continue;
      if (text.size() + static_cast<size_t>(got) > kMaxStoreFileBytes) {
        error = EFBIG;
        break;
      }
      text.append(buffer, static_cast<size_t>(got));
    }
    if (got < 0) error = errno;
  }
  ::close(fd);
  if (error) Fail("Unable to read the settings store", fileName, error);
  return text;
}

bool WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) return false;
    done += static_cast<size_t>(wrote);
  }
  return true;
}

// Writes a temporary file beside the store and renames it over the store, so a reader sees the
// old file or the new one, never half of one.
void WriteStoreFile(const std::string& fileName, const std::string& text) {
  namespace fs = std::filesystem;
  std::error_code ignored;
  fs::create_directories(fs::path(fileName).parent_path(), ignored);

  struct stat old;
  const mode_t mode = ::stat(fileName.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  std::string tempName = fileName + ".XXXXXX";
  const int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
  if (fd < 0) Fail("Unable to write the settings store", fileName, errno);

  errno = 0;
  int error = 0;
  if (::fchmod(fd, mode) != 0 || !WriteAll(fd, text) || ::fsync(fd) != 0) {
    error = errno ? errno : EIO;
  }
  if (::close(fd) != 0 && !error) error = errno;
  if (!error) error = FileSys::Current().Rename(tempName, fileName);
  if (error) {
    ::unlink(tempName.c_str());
    Fail("Unable to write the settings store", fileName, error);
  }
}

const std::string& HiveFile(RegistryHive hive) {
  const AppPaths& paths = AppPaths::Current();
  return hive == RegistryHive::User ? paths.userStoreFile : paths.machineStoreFile;
}
}  // namespace

bool RegistryStore::OpenKey(RegistryHive hive, const std::string& path, bool create) {
  section.reset();
  changed = false;
  fileName = HiveFile(hive);
  if (fileName.empty()) throw RegistryError("No settings store file for this hive");

  file = RegistryFile::Parse(ReadStoreFile(fileName));
  section = file.FindSection(path);
  if (section) return true;
  if (!create) return false;

  const size_t added = file.AddSection(path);
  WriteStoreFile(fileName, file.Format());
  section = added;
  return true;
}

void RegistryStore::CloseKey() {
  const bool wasChanged = changed;
  section.reset();
  changed = false;
  if (wasChanged) WriteStoreFile(fileName, file.Format());
}

size_t RegistryStore::OpenSection() const {
  if (!section) throw RegistryError("No settings key is open");
  return *section;
}

const RegistryLine& RegistryStore::Value(const std::string& name) const {
  const RegistryLine* line = file.FindValue(OpenSection(), name);
  if (!line) throw RegistryError("Settings value " + name + " does not exist");
  return *line;
}

std::string RegistryStore::ReadString(const std::string& name) const {
  const RegistryLine& line = Value(name);
  if (line.kind != RegistryValueKind::String) {
    throw RegistryError("Settings value " + name + " is not a string");
  }
  return line.stringValue;
}

int32_t RegistryStore::ReadInteger(const std::string& name) const {
  const RegistryLine& line = Value(name);
  if (line.kind != RegistryValueKind::Dword) {
    throw RegistryError("Settings value " + name + " is not an integer");
  }
  return static_cast<int32_t>(line.dwordValue);
}

std::optional<std::string> RegistryStore::FindString(const std::string& name) const {
  const RegistryLine* line = file.FindValue(OpenSection(), name);
  if (!line || line->kind != RegistryValueKind::String) return std::nullopt;
  return line->stringValue;
}

std::optional<int32_t> RegistryStore::FindInteger(const std::string& name) const {
  const RegistryLine* line = file.FindValue(OpenSection(), name);
  if (!line || line->kind != RegistryValueKind::Dword) return std::nullopt;
  return static_cast<int32_t>(line->dwordValue);
}

void RegistryStore::WriteString(const std::string& name, const std::string& value) {
  file.SetString(OpenSection(), name, value);
  changed = true;
}

void RegistryStore::WriteInteger(const std::string& name, int32_t value) {
  file.SetDword(OpenSection(), name, static_cast<uint32_t>(value));
  changed = true;
}
