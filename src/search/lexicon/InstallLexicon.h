#pragma once
// Putting a finished lexicon in place. Every job that writes a lexicon (compile, rewrite, merge)
// writes it under a temporary name first and hands it here once it has ended well, so that a
// lexicon is only ever replaced whole and its predecessor survives as the "lxb" backup.
// Call it on the launcher's thread after the job's worker has ended, never from a destructor.

#include <string>

// Moves the finished temporary lexicon to target (through a link there to the lexicon it names,
// which keeps its permissions); a lexicon already there gets its "lxb" backup first, beside it,
// as a second name, so that target holds a whole lexicon at every moment. True once the new
// lexicon is at target. Otherwise the temporary is deleted, target holds what it held before,
// and a box has told the user why:
// - target exists but is not a regular file (a folder, a device): "Unable to Open File " +
//   target; read-only: "Unable to Write File " + target; never touched;
// - the copy from another file system fails (a full disk): "Unable to Write File " + target;
// - the backup fails: BackupFileKeepingIt's own box;
// - the move fails: the backup just made goes again, and "could not rename this file" + target.
bool InstallLexicon(const std::string& temporaryPath, const std::string& targetPath);

// Whether a lexicon may be installed at path: nothing is there, or a regular file is. Lets a
// launcher refuse a bad target before any work; InstallLexicon asks it again. Shows no box.
bool IsInstallableTarget(const std::string& path);

// Throws SorvaneException "This file is not a Sorvane Lexicon: " + path when a regular file at
// path is no lexicon (a word list, say). A merge asks it before any work: installing over such a
// file would make it the backup, which the next install there replaces.
void CheckLexiconAtTarget(const std::string& path);
