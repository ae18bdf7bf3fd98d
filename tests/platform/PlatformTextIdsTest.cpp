#include "platform/PlatformTextIds.h"

#include "support/NamedTexts.h"

TEST(PlatformTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/platform.inc"
  };
  ExpectNamedTexts(texts, {
                              {kConfirmCaption, "Confirm"},
                          });
}
