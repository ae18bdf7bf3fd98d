#pragma once
// One installed lexicon: a copy of its file's header, its path and, while anybody searches it,
// the whole file in memory with a count of its holders.

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/MappedFile.h"
#include "search/lexicon/LexiconFormat.h"

// A lexicon file in memory, followed by one 0xFF byte that marks the end of the data: bytes
// read into memory, or the file mapped (see MappedFile).
class LexImage {
 public:
  explicit LexImage(std::vector<uint8_t> fileAndEndMark) : bytes(std::move(fileAndEndMark)) {}
  explicit LexImage(MappedFile mappedFile) : mapping(std::move(mappedFile)) {}
  // The file's bytes; Data()[Size()] is the 0xFF end mark.
  const uint8_t* Data() const { return mapping ? mapping->Data() : bytes.data(); }
  // The file's length, without the end mark.
  size_t Size() const { return mapping ? mapping->Size() : bytes.size() - 1; }

 private:
  std::vector<uint8_t> bytes;
  std::optional<MappedFile> mapping;
};

class VirtualLex {
 public:
  explicit VirtualLex(std::string lexiconPath) : path(std::move(lexiconPath)) {}
  VirtualLex(const VirtualLex&) = delete;
  VirtualLex& operator=(const VirtualLex&) = delete;

  // Each of these throws SorvaneException "Sorvane was unable to open Lexicon: " + path when the
  // file cannot be opened, read or written.
  // Reads the header from the file; a file too short to hold one leaves every field 0.
  void ReadHeader();
  void WriteHeader();
  // Sets defaultFlag and writes the header.
  void SetFlag(bool flag);
  // acquire: one more holder, loading the image for the first; the count rises only once the
  // image is there. Release: one holder less, dropping the image with the last.
  void Use(bool acquire);
  // Reads the whole file into a new image.
  void Load();

  int32_t UsageCount() const { return usageCount; }
  // The image, or null when none is loaded. A reader that keeps the pointer keeps the bytes
  // alive after the lexicon has let go of them (a rescan, a removal, the last release).
  std::shared_ptr<const LexImage> Image() const;

  bool operator==(const VirtualLex& other) const { return path == other.path; }

  DictionaryHeader header;
  std::string path;

 private:
  void SetImage(std::shared_ptr<const LexImage> loaded);

  int32_t usageCount = 0;
  mutable std::mutex imageMutex;
  std::shared_ptr<const LexImage> image;  // guarded by imageMutex
};
