#include "lookup/WordNetLibrary.h"

#include <array>
#include <atomic>
#include <cstdlib>
#include <optional>

#include "lookup/BaseFormRules.h"
#include "lookup/InMemoryStream.h"
#include "lookup/LineSearch.h"
#include "lookup/ParsedEntries.h"
#include "lookup/WordNetLemmas.h"

// The library's header defines macros with ordinary names (NOUN, bit, ...): it comes last.
#include <wn.h>

namespace {

std::atomic<WordNetLibrary*> installed{nullptr};

// The morphology writes base forms into WORDBUF-byte buffers without checking, and a base form
// can be 2.25 times as long as the inflected form (bok -> boschbok): a word of 115 bytes already
// overruns. A third of the buffer leaves that room; the longest entry of the database is 71.
constexpr size_t kMaxWordBytes = WORDBUF / 3;

// An empty word is no word, though the library reports searches available for it.
bool CanTake(const std::string& word, int partOfSpeech) {
  return !word.empty() && word.size() <= kMaxWordBytes && partOfSpeech >= NOUN &&
         partOfSpeech <= ADV;
}

// One of the library's file streams, and the stream over the same file in memory.
struct ServedFile {
  explicit ServedFile(FILE** librarySlot) : slot(librarySlot) {}
  FILE** slot;  // the library's pointer: it reads whatever stream this names
  FILE* onDisk = nullptr;
  std::optional<InMemoryStream> inMemory;
};

// Every stream of the library's the program can reach (its exception lists are private to it).
// The library looks a word up by binary search, seeking before every line: on a file stream
// each seek is a system call and a fresh read, which made up most of a key-word test's time.
// Never destroyed, as the library never closes its files: a search thread may still be reading
// while the process ends.
std::array<ServedFile, 14>& ServedFiles() {  // guarded by WordNetLock
  static auto& files = *new std::array<ServedFile, 14>{
      ServedFile(&datafps[1]),  ServedFile(&datafps[2]),  ServedFile(&datafps[3]),
      ServedFile(&datafps[4]),  ServedFile(&indexfps[1]), ServedFile(&indexfps[2]),
      ServedFile(&indexfps[3]), ServedFile(&indexfps[4]), ServedFile(&sensefp),
      ServedFile(&cntlistfp),   ServedFile(&keyindexfp),  ServedFile(&revkeyindexfp),
      ServedFile(&vidxfilefp),  ServedFile(&vsentfilefp),
  };
  return files;
}

void MapServedFiles() {
  for (ServedFile& file : ServedFiles()) {
    file.onDisk = *file.slot;
    file.inMemory = InMemoryStream::Over(file.onDisk);
    if (file.inMemory) SearchLinesInMemory(file.inMemory->Stream(), file.inMemory->Bytes());
  }
}

// The lists of the dictionary the library opened, over the index files served above. Never
// destroyed, as those files are not.
WordNetLemmas* lemmas = nullptr;  // guarded by WordNetLock
bool answerFromLemmas = false;    // guarded by WordNetLock

void ListLemmas(const std::string& folder) {
  std::array<std::string_view, 4> indexFiles;
  for (int p = NOUN; p <= ADV; ++p)
    for (const ServedFile& file : ServedFiles())
      if (file.slot == &indexfps[p] && file.inMemory) indexFiles[p - 1] = file.inMemory->Bytes();
  lemmas = new WordNetLemmas(indexFiles, folder);
}

// A word the library would search for in vain; only such answers are given without it.
bool SurelyUnindexed(const std::string& word, int partOfSpeech) {
  return answerFromLemmas && !lemmas->MayBeIndexed(word, partOfSpeech);
}

// The morphology's answer for a word without an exception entry: the first form its rules make
// that the index holds, found by the index's own search as the library finds it.
std::vector<std::string> FormByRules(const std::string& word, int partOfSpeech) {
  const RuleForms made = FormsByRules(word, partOfSpeech);
  for (const std::string& form : made.forms) {
    if (!lemmas->MayBeIndexed(form, partOfSpeech)) continue;
    std::string key = form;
    if (bin_search(key.data(), indexfps[partOfSpeech])) return {form + std::string(made.kept)};
  }
  return {};
}

}  // namespace

void WordNetLibrary::SetFilesInMemory(bool inMemory) {
  for (ServedFile& file : ServedFiles())
    if (file.inMemory) *file.slot = inMemory ? file.inMemory->Stream() : file.onDisk;
  answerFromLemmas = inMemory && lemmas;
  AllowKeepingParsedEntries(inMemory);
}

WordNetLibrary& WordNetLibrary::Current() {
  if (WordNetLibrary* library = installed.load(std::memory_order_acquire)) return *library;
  static WordNetLibrary real;
  return real;
}

void WordNetLibrary::Install(WordNetLibrary* library) {
  installed.store(library, std::memory_order_release);
}

int WordNetLibrary::Start(const std::string& folder) {
  static bool started = false;  // guarded by WordNetLock
  // Once open the library ignores the setting; leave the environment alone from then on.
  if (!started) setenv("WNSEARCHDIR", folder.c_str(), 1);
  const int result = wninit();
  if (result == 0 && !started) {
    started = true;
    MapServedFiles();
    ListLemmas(folder);
    SetFilesInMemory(true);
  }
  return result;
}

uint32_t WordNetLibrary::IsDefined(const std::string& word, int partOfSpeech) {
  if (!CanTake(word, partOfSpeech) || SurelyUnindexed(word, partOfSpeech)) return 0;
  std::string copy = word;
  return is_defined(copy.data(), partOfSpeech);
}

std::string WordNetLibrary::FindTheInfo(const std::string& word, int partOfSpeech,
                                        int searchType) {
  wnresults.printcnt = 0;
  if (!CanTake(word, partOfSpeech)) return {};
  // The overview, made for every word a key-word search tests, is the one answered here.
  if (searchType == OVERVIEW && SurelyUnindexed(word, partOfSpeech)) return {};
  std::string copy = word;
  // The text lives in the library's one buffer: copy it out before the next call.
  const char* text = findtheinfo(copy.data(), partOfSpeech, searchType, ALLSENSES);
  return text ? std::string(text) : std::string();
}

int WordNetLibrary::PrintedSenseCount() { return wnresults.printcnt; }

std::vector<std::string> WordNetLibrary::BaseForms(const std::string& word, int partOfSpeech) {
  std::vector<std::string> forms;
  if (!CanTake(word, partOfSpeech)) return forms;
  if (answerFromLemmas && WordNetLemmas::SearchedAsSpelled(word) &&
      !lemmas->MayBeException(word, partOfSpeech))
    return FormByRules(word, partOfSpeech);
  std::string copy = word;
  for (const char* form = morphstr(copy.data(), partOfSpeech); form;
       form = morphstr(nullptr, partOfSpeech))
    forms.emplace_back(form);
  return forms;
}

void WordNetLibrary::SetOutputFlags(bool glosses, bool seeAlso) {
  dflag = glosses ? 1 : 0;
  saflag = seeAlso ? 1 : 0;
}
