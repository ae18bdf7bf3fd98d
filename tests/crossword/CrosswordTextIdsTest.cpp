#include "crossword/CrosswordTextIds.h"

#include "support/NamedTexts.h"

TEST(CrosswordTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/crossword.inc"
  };
  ExpectNamedTexts(
      texts,
      {
          {kEntryNotValidText, "Entry not Valid"},
          {kWrongGridCaption, "Wrong Grid"},
          {kRowsNotWholeText, "Rows must be a whole number"},
          {kColumnsNotWholeText, "Columns must be a whole number"},
          {kResetGridWarningText, "Warning:\nResetting the Grid will\nremove all formatting ..."},
          {kNotAGridFileText, "The File You are Trying to Open is not a Sorvane Grid File."},
          {kFirstSymmetryName, "No Symmetry"},
      });
}
