#include "lookup/ParsedEntries.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <string_view>
#include <unordered_map>

#include "foundation/Arena.h"
#include "foundation/PointerTable.h"
#include "lookup/WordNetLock.h"

// The library's header defines macros with ordinary names (NOUN, bit, ...): it comes last.
#include <wn.h>

extern "C" long last_bin_search_offset;  // the program's, see LineSearch

namespace {

// Past this the kept entries are forgotten and kept afresh; a search over a lexicon of 64,000
// words keeps about this much.
constexpr size_t kBudgetBytes = size_t{64} << 20;

// Copies a synset or index entry into the memory given: each list and text a piece of its own,
// and none for an empty list, which the library's free functions do not free.
template <class Memory>
class Copier {
 public:
  explicit Copier(Memory& memory) : memory(memory) {}
  void* Take(size_t bytes) { return memory.Take(bytes); }
  template <class T>
  T* CopyList(const T* list, int count) {
    if (!list || count <= 0) return nullptr;
    const size_t bytes = sizeof(T) * static_cast<size_t>(count);
    auto* copy = static_cast<T*>(memory.Take(bytes));
    std::memcpy(copy, list, bytes);
    return copy;
  }
  char* CopyText(const char* text) {
    return text ? CopyList(text, static_cast<int>(std::strlen(text) + 1)) : nullptr;
  }

 private:
  Memory& memory;
};

template <class Memory>
SynsetPtr CopySynset(const Synset& from, Memory& memory) {
  Copier copier(memory);
  auto* copy = static_cast<SynsetPtr>(copier.Take(sizeof(Synset)));
  *copy = from;
  copy->pos = copier.CopyText(from.pos);
  copy->words = copier.CopyList(from.words, from.wcount);
  for (int i = 0; i < from.wcount; ++i) copy->words[i] = copier.CopyText(from.words[i]);
  copy->lexid = copier.CopyList(from.lexid, from.wcount);
  copy->wnsns = copier.CopyList(from.wnsns, from.wcount);
  copy->ptrtyp = copier.CopyList(from.ptrtyp, from.ptrcount);
  copy->ptroff = copier.CopyList(from.ptroff, from.ptrcount);
  copy->ppos = copier.CopyList(from.ppos, from.ptrcount);
  copy->pto = copier.CopyList(from.pto, from.ptrcount);
  copy->pfrm = copier.CopyList(from.pfrm, from.ptrcount);
  copy->frmid = copier.CopyList(from.frmid, from.fcount);
  copy->frmto = copier.CopyList(from.frmto, from.fcount);
  copy->defn = copier.CopyText(from.defn);
  copy->headword = copier.CopyText(from.headword);
  // A fresh parse links to nothing; searches link what they are given, never a kept entry.
  copy->nextss = copy->nextform = copy->ptrlist = nullptr;
  return copy;
}

template <class Memory>
IndexPtr CopyIndex(const Index& from, Memory& memory) {
  Copier copier(memory);
  auto* copy = static_cast<IndexPtr>(copier.Take(sizeof(Index)));
  *copy = from;
  copy->wd = copier.CopyText(from.wd);
  copy->pos = copier.CopyText(from.pos);
  copy->offset = copier.CopyList(from.offset, from.off_cnt);
  copy->ptruse = copier.CopyList(from.ptruse, from.ptruse_cnt);
  return copy;
}

// A synset copy handed to the library in one allocation, laid out as its kept entry is in the
// arena: one allocation instead of one for each part. The program's free_synset knows these
// blocks by their start.
class OneBlock {
 public:
  explicit OneBlock(size_t bytes) : start(static_cast<char*>(std::malloc(bytes))), next(start) {}
  void* Take(size_t bytes) {
    void* taken = next;
    next += Arena::Rounded(bytes);
    return taken;
  }
  char* const start;

 private:
  char* next;
};

// An index entry is handed out a part at a time: the library's archive frees entries with its
// own code, built into its callers, which frees each part.
struct PartByPart {
  void* Take(size_t bytes) { return std::malloc(bytes); }
};

// A synset as parsed. The word the library is given only marks which of the synset's words it
// is, the last whose lower-case form (the library's) is that word; the rest of a parse is the
// same for every word.
struct KeptSynset {
  int dbase;
  long offset;
  SynsetPtr parsed;  // marking no word
  size_t bytes;      // what it takes in the arena
  char** lowered;    // each word's lower-case form
};

// An index entry; null for a word the index does not hold.
struct KeptIndexEntry {
  int dbase;
  std::string_view word;
  IndexPtr entry;
};

// What free_synset does with a part of a synset: frees it, unless it lies in a block handed out,
// which goes whole.
struct Release {
  const char* start = nullptr;
  size_t size = 0;
  void operator()(void* part) const {
    const char* at = static_cast<const char*>(part);
    if (!(start && at >= start && at < start + size)) std::free(part);
  }
};

struct Kept {  // guarded by WordNetLock
  int holders = 0;
  bool allowed = false;
  Arena arena;
  PointerTable<KeptSynset> synsets;           // by data file and offset
  PointerTable<KeptIndexEntry> indexEntries;  // by index file and word
  // Copies the library holds, by where each starts, with their sizes; they outlive the entries.
  std::unordered_map<const void*, size_t> handedOut;

  bool Keeping() const { return holders > 0 && allowed; }
  void Forget() {
    synsets.Clear();
    indexEntries.Clear();
    arena.Clear();
  }
  void MakeRoom() {
    if (arena.Used() > kBudgetBytes) Forget();
  }
  OneBlock HandOut(size_t bytes) {
    OneBlock block(bytes);
    handedOut.emplace(block.start, bytes);
    return block;
  }
  Release ReleaseFor(const void* freed) {
    if (handedOut.empty()) return {};
    const auto found = handedOut.find(freed);
    if (found == handedOut.end()) return {};
    const Release release{static_cast<const char*>(found->first), found->second};
    handedOut.erase(found);
    return release;
  }
};

Kept& KeptEntries() {
  static auto& kept = *new Kept;  // never destroyed: a search thread may outlive main
  return kept;
}

uint64_t SynsetHash(int dbase, long offset) {
  return MixedHash(static_cast<uint64_t>(offset) * 8 + static_cast<uint64_t>(dbase));
}

uint64_t IndexHash(int dbase, std::string_view word) {
  return std::hash<std::string_view>{}(word) + static_cast<uint64_t>(dbase);
}

// The library's message for a file it has not opened.
void ReportClosedFile(const char* format, int dbase) {
  char message[256];
  std::snprintf(message, sizeof message, format, partnames[dbase]);
  display_message(message);
}

}  // namespace

ParsedEntriesKept::ParsedEntriesKept() { ++KeptEntries().holders; }

ParsedEntriesKept::~ParsedEntriesKept() {
  std::lock_guard lock(WordNetLock());
  Kept& kept = KeptEntries();
  if (--kept.holders == 0) kept.Forget();
}

void AllowKeepingParsedEntries(bool allowed) {
  Kept& kept = KeptEntries();
  kept.allowed = allowed;
  if (!allowed) kept.Forget();
}

size_t ParsedEntriesBytes() { return KeptEntries().arena.Used(); }

// The library's own names, called by its other functions: each does what the library's does,
// and while a key-word search runs keeps what it parsed or hands out a copy of what it kept.
extern "C" {

SynsetPtr read_synset(int dbase, long offset, char* word) {
  FILE* stream = datafps[dbase];
  if (!stream) {
    ReportClosedFile("WordNet library error: %s datafile not open\n", dbase);
    return nullptr;
  }
  Kept& kept = KeptEntries();
  if (!kept.Keeping()) {
    std::fseek(stream, offset, SEEK_SET);
    return parse_synset(stream, dbase, word);
  }
  const uint64_t hash = SynsetHash(dbase, offset);
  const KeptSynset* known = kept.synsets.Find(hash, [&](const KeptSynset& synset) {
    return synset.offset == offset && synset.dbase == dbase;
  });
  if (known) {
    OneBlock block = kept.HandOut(known->bytes);
    SynsetPtr copy = CopySynset(*known->parsed, block);
    for (int i = 0; word && i < copy->wcount; ++i)
      if (std::strcmp(known->lowered[i], word) == 0) copy->whichword = i + 1;
    return copy;
  }
  std::fseek(stream, offset, SEEK_SET);
  const SynsetPtr parsed = parse_synset(stream, dbase, word);
  if (!parsed) return nullptr;  // not kept: the library's answer for no synset there is quick
  kept.MakeRoom();
  auto* synset = static_cast<KeptSynset*>(kept.arena.Take(sizeof(KeptSynset)));
  const size_t before = kept.arena.Used();
  *synset = {dbase, offset, CopySynset(*parsed, kept.arena), 0, nullptr};
  synset->bytes = kept.arena.Used() - before;
  synset->parsed->whichword = 0;
  synset->lowered = static_cast<char**>(
      kept.arena.Take(sizeof(char*) * static_cast<size_t>(std::max(parsed->wcount, 1))));
  Copier copier(kept.arena);
  for (int i = 0; i < parsed->wcount; ++i)
    synset->lowered[i] = strtolower(copier.CopyText(parsed->words[i]));
  kept.synsets.Add(hash, synset);
  return parsed;
}

IndexPtr index_lookup(char* word, int dbase) {
  FILE* stream = indexfps[dbase];
  if (!stream) {
    ReportClosedFile("WordNet library error: %s indexfile not open\n", dbase);
    return nullptr;
  }
  const auto search = [&] {
    const char* line = bin_search(word, stream);
    return line ? parse_index(last_bin_search_offset, dbase, const_cast<char*>(line)) : nullptr;
  };
  Kept& kept = KeptEntries();
  if (!kept.Keeping()) return search();
  const std::string_view key(word);
  const uint64_t hash = IndexHash(dbase, key);
  const KeptIndexEntry* known = kept.indexEntries.Find(
      hash, [&](const KeptIndexEntry& entry) { return entry.dbase == dbase && entry.word == key; });
  PartByPart partByPart;
  if (known) return known->entry ? CopyIndex(*known->entry, partByPart) : nullptr;
  kept.MakeRoom();
  const char* keptWord = Copier(kept.arena).CopyText(word);  // before the search may change it
  const IndexPtr found = search();
  auto* entry = static_cast<KeptIndexEntry*>(kept.arena.Take(sizeof(KeptIndexEntry)));
  *entry = {dbase, std::string_view(keptWord, key.size()),
            found ? CopyIndex(*found, kept.arena) : nullptr};
  kept.indexEntries.Add(hash, entry);
  return found;
}

// As the library frees a synset, field by field, each part it allocated.
void free_synset(SynsetPtr synset) {
  const Release release = KeptEntries().ReleaseFor(synset);
  release(synset->pos);
  for (int i = 0; i < synset->wcount; ++i) release(synset->words[i]);
  release(synset->words);
  release(synset->wnsns);
  release(synset->lexid);
  if (synset->ptrcount) {
    release(synset->ptrtyp);
    release(synset->ptroff);
    release(synset->ppos);
    release(synset->pto);
    release(synset->pfrm);
  }
  if (synset->fcount) {
    release(synset->frmid);
    release(synset->frmto);
  }
  if (synset->defn) release(synset->defn);
  if (synset->headword) release(synset->headword);
  if (synset->ptrlist) free_syns(synset->ptrlist);
  std::free(synset);
}

}  // extern "C"
