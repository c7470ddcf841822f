// A trace of the calls a program makes, for its tests: when the environment
// variable KVNSIM_TRACE names a file, every call of the library appends a line
// "<call> <offset>" to it, where offset is how many bytes the program's
// standard output had received when the call began (its file position), or -1
// where it has none. It shows what a program had flushed ahead of each call.
#ifndef KVNSIM_CALL_TRACE_H
#define KVNSIM_CALL_TRACE_H

namespace kvnsim {

void traceCall(const char* call);

}  // namespace kvnsim

#endif  // KVNSIM_CALL_TRACE_H
