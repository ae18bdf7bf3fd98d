#pragma once
// A typed value store standing in for the system registry: a per-user and a machine-wide hive,
// each one text file (see RegistryFile.h) named by AppPaths. Values are strings or 32-bit
// integers (dwords); values of other kinds and everything else in the file are kept untouched.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/RegistryFile.h"

enum class RegistryHive { User, Machine };

// A value that is missing or of another kind, no key open, or a store file that cannot be read
// or written.
class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const std::string& message) : std::runtime_error(message) {}
};

class RegistryStore {
 public:
  // Opens the key (a section of the hive's file; ASCII case is ignored). A missing key is created
  // when create is set, and the file written at once so the key exists from then on; otherwise
  // the result is false. Throws RegistryError when the file cannot be read or written.
  bool OpenKey(RegistryHive hive, const std::string& path, bool create);
  // Writes the changes made since the key was opened, replacing the file atomically. Throws
  // RegistryError on failure. Changes not closed are dropped: nothing is written behind the
  // caller's back.
  void CloseKey();

  // Value names ignore ASCII case. ReadString accepts only string values, ReadInteger only
  // dwords; anything else throws RegistryError.
  std::string ReadString(const std::string& name) const;
  int32_t ReadInteger(const std::string& name) const;
  // The value when one of that name and kind exists; nothing otherwise. Reading a store whose
  // values may be missing this way throws nothing, and throwing is slow.
  std::optional<std::string> FindString(const std::string& name) const;
  std::optional<int32_t> FindInteger(const std::string& name) const;
  // Replace a value of that name whatever its kind (its stored name keeps its case).
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);

 private:
  const RegistryLine& Value(const std::string& name) const;
  size_t OpenSection() const;

  std::string fileName;
  RegistryFile file;
  std::optional<size_t> section;
  bool changed = false;
};
