// Output that cannot be written. Every flush of the program's output goes
// through flushOutput, which keeps the system's reason for the first failed
// write, so that a run whose output was lost can end by naming it.
#ifndef KVNPROGRAM_OUTPUT_FAILURE_H
#define KVNPROGRAM_OUTPUT_FAILURE_H

#include <cstdio>

namespace kvn {

// Flushes stream; the first time a stream flushed here shows a failed write,
// the errno of that failure is kept.
void flushOutput(std::FILE* stream);

// The errno of the first failed write that flushOutput saw, or 0.
int firstOutputError();

}  // namespace kvn

#endif  // KVNPROGRAM_OUTPUT_FAILURE_H
