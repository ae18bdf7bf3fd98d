#include "app/AppTextIds.h"

#include "support/NamedTexts.h"

TEST(AppTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/app.inc"
  };
  ExpectNamedTexts(
      texts,
      {
          {kFoundText, "Found: "},
          {kSearchesRunningText, "There are searches currently running. Closing Sorvane will ..."},
          {kGridChangedText, "The grid has changed. Do you want to save it?"},
          {kOpenedFileNotAGridText, "The File You are Trying to Open is not a Sorvane Grid File."},
          {kWrongGridText, "The selected result was not found for this grid."},
          {kGridTooLargeText, "The grid is too large to save as a picture."},
          {kReplaceFileText, "%s already exists.\nDo you want to replace it?"},
      });
}
