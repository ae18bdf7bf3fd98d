#pragma once
// A process that dies (killed, or crashed) cannot delete its working files, and nothing else
// knew them to be its. So each working file in the Temp folder carries the mark of the process
// that made it, and that process holds a lock on the folder under its mark for as long as it
// runs: the system lets go of the lock when the process ends, however it ends. The first use
// of the folder by each process deletes the marked files whose lock is free. Several copies of
// the program and its tools share one folder; a running one's lock is always held, so its files
// are never taken.

#include <string>

// The mark to put in this process's working-file names in the folder: "-" and the process id in
// base 36. Its first use in a folder sweeps the files of ended processes there, then takes the
// lock. A process given the id of one that ended thus sweeps that one's files before it marks
// any of its own. Empty where the lock cannot be taken: unmarked names are never swept.
std::string TempFolderMark(const std::string& folder);

// Deletes the marked files of the folder whose process has ended. Where the file system cannot
// tell which locks are held, deletes nothing.
void DeleteFilesOfEndedProcesses(const std::string& folder);
