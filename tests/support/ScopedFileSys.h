#pragma once
// Installs a FileSys for the lifetime of the object and puts the real one back afterwards.

#include "platform/FileSys.h"

class ScopedFileSys {
 public:
  explicit ScopedFileSys(FileSys& fileSys) { FileSys::Install(&fileSys); }
  ~ScopedFileSys() { FileSys::Install(nullptr); }
  ScopedFileSys(const ScopedFileSys&) = delete;
  ScopedFileSys& operator=(const ScopedFileSys&) = delete;
};
