#include "search/SearchTextIds.h"

#include "support/NamedTexts.h"

TEST(SearchTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/search.inc"
  };
  ExpectNamedTexts(
      texts,
      {
          {kInvalidLexiconsText, "Sorvane detected that the following lexicons are either ..."},
          {kNoLexiconsText, "Sorvane could not find any Lexicons. "},
          {kLexiconListWarningCaption, "Warning"},
          {kUnableToOpenLexiconText, "Sorvane was unable to open Lexicon: "},
          {kLexiconNotFoundText, "Unable to find Lexicon: "},
          {kNotALexiconText, "This file is not a Sorvane Lexicon: "},
          {kDamagedLexiconText, "Sorvane could not read all the words of this damaged Lexicon: "},
          {kUnableToOpenFileText, "Unable to Open File"},
          {kSortingResultsText, "Sorting Results"},
          {kResultsFullText, "The results have reached their limit of 4 GB. The list of ..."},
          {kCopyTooLargeText, "%s results are selected: more than the clipboard can ..."},
          {kCopyResultsCaption, "Copy Results"},
          {kInvalidPatternCaption, "Invalid Pattern Warning"},
          {kInputErrorCaption, "Input Error"},
          {kMissingQuoteText, "Missing \" in Key Words field."},
          {kAcrossText, "Across"},
          {kDownText, "Down"},
          {kNoSharedUnknownLetterText, "Does not have share any unknown letters with the ..."},
          {kAreYouSureText, "\nAre you sure you wish to continue."},
          {kTerminateSearchText, "Terminate Current Search."},
          {kSavingResultsText, "Saving Results to File"},
          {kExportFieldsText, "Find Field: %s\r\nFrom Field: %s\r\nInclude Field: ..."},
          {kExportStarsText, "************************************************************\r\n"},
          {kExportTitleText, "Results from Sorvane Search\r\n\r\n"},
          {kExportUseAllFromText, "Use All From Selected\r\n"},
          {kExportSuppressText, "Suppress Permutations Selected\r\n"},
          {kExportMatchesText, "Matches Found: %ld\r\n"},
          {kLexiconNameSample, "Master.lex8888888888"},
          {kLexiconWordsSample, "8888888888"},
          {kLexiconDateSample, "88/88/888888"},
          {kLexiconDateFormat, "%d/%m/%Y"},
          {kDeleteLexiconsWarningText, "If you delete these Lexicons you will permanently ..."},
          {kNoLexiconSelectedText, "You do not currently have any Lexicons selected.\nPlease ..."},
          {kStartSearchText, "Start Search"},
          {kStopSearchText, "Stop Search"},
      });
}
