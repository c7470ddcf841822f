// A trace of the calls a program makes, for its tests: when the environment
// variable KVNSIM_TRACE names a file, every call of the library appends a line
// "<call> <output> <error>" to it, where output and error are how many bytes
// the program's standard output and standard error had received when the call
// began (their file positions), or -1 where there is none. It shows what a
// program had flushed ahead of each call.
#ifndef KVNSIM_CALL_TRACE_H
#define KVNSIM_CALL_TRACE_H

namespace kvnsim {

void traceCall(const char* call);

}  // namespace kvnsim

#endif  // KVNSIM_CALL_TRACE_H
