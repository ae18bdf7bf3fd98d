#include "foundation/FoundationTextIds.h"

#include "support/NamedTexts.h"

TEST(FoundationTextIdsTest, NamesStandForTheLayersOwnTexts) {
  const StringEntry texts[] = {
#include "strings/foundation.inc"
  };
  ExpectNamedTexts(
      texts,
      {
          {kErrorCaption, "Error"},
          {kExceptionCaption, "Sorvane Exception"},
          {kWarningCaption, "Warning"},
          {kInformationCaption, "Information"},
          {kInsufficientInformationCaption, "Insufficient Information"},
          {kFileErrorCaption, "File Error"},
          {kUnableToDeleteFileText, "Sorvane was unable to delete this file: "},
          {kFileErrorFullStopCaption, "File Error."},
          {kUnableToRenameFileText, "Sorvane could not rename this file: "},
          {kFolderNameInUseText, "Unable to Create Directory. The name is already being used."},
          {kUnableToCreateFolderText, "Sorvane was unable to create the directory: "},
          {kLexiconsFolderText, "Lexicons"},
          {kTempFolderText, "Temp"},
          {kFilesFolderText, "Files"},
          {kWordNetFolderText, "Wordnet"},
          {kWaitingForWriterText, "Waiting for Another Save to "},
          {kFileNotSavedText, "File Not Saved "},
          {kNoWriteAccessText, "Sorvane does not have write access to the Lexicons and Temp ..."},
          {kSettingsStoreKeyText, "SOFTWARE\\Sorvane\\Sorvane6"},
          {kSettingsKeyMissingText, ": Settings Key does not exist"},
          {kSorvaneSubfolderText, "/Sorvane"},
          {kTempSubfolderText, "/Sorvane/Temp"},
          {kLexiconsSubfolderText, "/Sorvane/Lexicons"},
          {kDefaultFontText, "Tahoma"},
      });
}
