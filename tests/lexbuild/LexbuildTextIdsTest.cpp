#include "lexbuild/LexbuildTextIds.h"

#include "support/NamedTexts.h"

TEST(LexbuildTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/lexbuild.inc"
  };
  ExpectNamedTexts(texts, {
                              {kNoValidWordsText, "No Valid words were found in the file."},
                              {kCreatingLexiconText, "Creating Lexicon"},
                              {kMergingLexiconsText, "Merging Lexicons"},
                              {kNewLexiconCaption, "New Lexicon"},
                              {kLexiconUpdateFailedCaption, "Lexicon Update Failed."},
                          });
}
