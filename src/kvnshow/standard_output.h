// The process's standard output as a resource that can fail: a closed
// descriptor, a full disk, a reader that went away.
#ifndef KVNSHOW_STANDARD_OUTPUT_H
#define KVNSHOW_STANDARD_OUTPUT_H

namespace kvn {

// Puts a placeholder on each closed standard descriptor, so that no file the
// program or the client library opens later takes its number. The placeholder
// of standard output refuses writes, so that output to a closed descriptor
// still fails and is reported.
void reserveStandardDescriptors();

// Ends the run's output: flushes standard output and returns status, or, when
// anything written to it was lost, names the problem in one line on standard
// error and returns the output failure status.
int finishStandardOutput(int status);

}  // namespace kvn

#endif  // KVNSHOW_STANDARD_OUTPUT_H
