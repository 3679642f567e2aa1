#pragma once

#include <string>

namespace morvane {

// The temporary files that OutputFiles are writing at this moment, kept where
// a signal handler can reach them: a fixed table of names whose entries are
// claimed and released through atomic flags, read without locks or memory
// allocation.

// Creates a file named by `pattern`, whose last six characters "XXXXXX" are
// replaced by the name made (as mkostemp does), and enters it; returns its
// descriptor, or -1. `ticket` takes the entry out again; it is -1 when the
// table is full or the name too long, and the file is then removed only on
// the ordinary ways out. The signals that remove temporaries wait until the
// new file is entered, so that none can be left between the two.
int CreateTemporary(std::string& pattern, int& ticket);
void ForgetTemporary(int ticket);

// Removes every temporary file being written now. Async-signal-safe, so that
// a signal handler may call it; the program may call it too when it is being
// closed in the middle of a write.
void RemoveTemporaries();

// From now on SIGINT, SIGTERM and SIGHUP first remove the temporary files and
// then end the program as the signal would have, with the same exit status.
// A signal that was ignored when the program started (as for a job started in
// the background) stays ignored.
void RemoveTemporariesOnSignals();

}  // namespace morvane
