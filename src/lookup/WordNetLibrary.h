#pragma once
// The calls this program makes into the WordNet library. Every call must be made with
// WordNetLock() held. The program uses the real library; a test may install a subclass that
// watches or replaces the calls.
//
// The library gets copies of its arguments (it lower-cases them in place), and an argument it
// cannot take (an empty word, a word over its length limit, a part of speech outside 1-4) is
// never passed: the call then answers as for a word the library does not hold.

#include <cstdint>
#include <string>
#include <vector>

class WordNetLibrary {
 public:
  virtual ~WordNetLibrary() = default;

  // Opens the database in folder: 0 on success, -1 on failure. After the first success the
  // library stays open for the rest of the process and later folders are ignored.
  virtual int Start(const std::string& folder);
  // Bit n set when search type n is available for the word in that part of speech.
  virtual uint32_t IsDefined(const std::string& word, int partOfSpeech);
  // The text output of a search over all senses; empty when nothing was found.
  virtual std::string FindTheInfo(const std::string& word, int partOfSpeech, int searchType);
  // The number of senses printed by the last FindTheInfo.
  virtual int PrintedSenseCount();
  // Every base form the library's morphology gives for the word, in its order.
  virtual std::vector<std::string> BaseForms(const std::string& word, int partOfSpeech);
  // Whether search outputs carry glosses and see-also pointers.
  virtual void SetOutputFlags(bool glosses, bool seeAlso);

  static WordNetLibrary& Current();
  static void Install(WordNetLibrary* library);  // null restores the real one

  // Once started, the real library reads its index and data files from memory, and a word in
  // none of its lists, or one without an exception entry asking for its base forms, is answered
  // from the program's own lists of the dictionary's words; while a key-word search runs, the
  // entries the library parses are kept (see ParsedEntries). false puts its own file streams
  // back and has the library answer every call and parse every entry (true again restores
  // memory), for comparing the two; the answers are the same either way.
  static void SetFilesInMemory(bool inMemory);
};
