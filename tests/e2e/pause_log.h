// The pauses a program asked for, as the sleep stand-in logs them, and the
// check that each one came after the program had flushed its failure line.
#ifndef KVN_TESTS_E2E_PAUSE_LOG_H
#define KVN_TESTS_E2E_PAUSE_LOG_H

#include <string>
#include <vector>

namespace kvn::e2e {

struct Pause {
  std::string milliseconds;  // as logged, e.g. "10000"
  long long outputOffset;    // bytes standard output had received, -1 unknown
};

// Reads the log's "<milliseconds> <offset>" lines; a malformed line is
// reported in problem.
std::vector<Pause> parsePauseLog(const std::string& log, std::string& problem);

// The only pause of a run follows a failed connection attempt, and the
// attempt's failure line is flushed ahead of it: the k-th pause must find
// standard output ending exactly after the k-th such line of the output.
// Returns what is wrong, or an empty text.
std::string checkPausesFollowFlushedFailures(const std::string& output,
                                             const std::vector<Pause>& pauses);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_PAUSE_LOG_H
