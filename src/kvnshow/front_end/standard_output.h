// The process's standard output as a resource that can fail: a closed
// descriptor, a full disk, a reader that went away.
#ifndef KVNSHOW_FRONT_END_STANDARD_OUTPUT_H
#define KVNSHOW_FRONT_END_STANDARD_OUTPUT_H

#include <cstdio>

#include "kvnshow/listing/listing_options.h"

namespace kvn {

// Puts a placeholder on each closed standard descriptor, so that no file the
// program or the client library opens later takes its number. The placeholder
// of standard output refuses writes, so that output to a closed descriptor
// still fails and is reported.
void reserveStandardDescriptors();

// Where the run's lines go: standard output for the text listing. With data
// on standard output, everything else goes to standard error, which is then
// buffered as standard output is, so that its lines go out at the same
// points; on Windows standard output then takes the data's bytes as they
// are, without the C runtime's text mode. Called before anything is written.
std::FILE* consoleFor(ListingFormat format);

// Ends the run's output: flushes the console and standard output and returns
// status, or, when anything written to standard output was lost, names the
// problem in one line on standard error and returns the output failure
// status.
int finishStandardOutput(int status, std::FILE* console);

}  // namespace kvn

#endif  // KVNSHOW_FRONT_END_STANDARD_OUTPUT_H
