#pragma once
// A user's file saved whole or not at all: the new contents are written beside the target under
// a name of their own and moved over it only once complete, so that a failure, a full disk or a
// signal at any moment leaves the old file as it was or the new one whole.

#include <filesystem>
#include <string>

class StagedSave {
 public:
  // Claims the staged file beside path (a link's target, which the save replaces). Throws
  // SorvaneException "Unable to Open File " + path when path is not a writable target
  // (IsWritableTarget), WriteFailureText(path) when it is a file its owner may not write;
  // nothing is touched then.
  explicit StagedSave(const std::string& path);
  // Removes the staged file unless it was moved in.
  ~StagedSave();
  StagedSave(const StagedSave&) = delete;
  StagedSave& operator=(const StagedSave&) = delete;

  // Where the new contents are to be written.
  const std::string& Path() const { return staged; }
  // The file they replace: the path given, or the file a link there names.
  const std::string& Target() const { return target; }
  // Moves the staged file over the target, with the old file's permissions; false, with the
  // target untouched, when the move fails.
  bool MoveIn();
  // Moves two staged files in as one change: both or neither (the signals that end the program
  // wait until both have moved). Should the second move fail, the first target gets its old
  // file back, as far as the file system can swap two names in one step.
  static bool MoveInPair(StagedSave& first, StagedSave& second);

 private:
  void KeepPermissions();

  std::string target;
  std::string staged;
  bool replacing = false;  // a regular file was at target
  std::filesystem::perms oldPermissions = std::filesystem::perms::none;
  bool moved = false;
};
