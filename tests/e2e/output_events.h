// What a program had written to standard output when it paused or called the
// client library, as the sleep stand-in and the library's trace log it, and
// the checks that it had flushed each progress or error line ahead of the
// pause or call that follows it.
#ifndef KVN_TESTS_E2E_OUTPUT_EVENTS_H
#define KVN_TESTS_E2E_OUTPUT_EVENTS_H

#include <string>
#include <vector>

namespace kvn::e2e {

struct OutputEvent {
  std::string what;            // the pause's milliseconds, or the call's name
  long long outputOffset{};    // bytes standard output had received, -1 unknown
  long long errorOffset = -1;  // the same of standard error, where the log gives it
};

// Reads a log of "<what> <offset>" or "<what> <offset> <error offset>" lines;
// a malformed line is reported in problem.
std::vector<OutputEvent> parseEventLog(const std::string& log, std::string& problem);

// The only pause of a run follows a failed connection attempt, whose failure
// line is flushed ahead of it: the k-th pause must find standard output ending
// exactly after the k-th such line of the output. Returns what is wrong, or an
// empty text.
std::string checkPausesFollowFlushedFailures(const std::string& output,
                                             const std::vector<OutputEvent>& pauses);

// Each progress line is flushed ahead of the library call it announces: a
// connection attempt finds its "Connect(n)" line written, the user lookup its
// "Retrieving user info..." line, and so on; the walk of the list finds every
// line before the listing written, and each report before the next entry is
// fetched. Returns what is wrong, naming the call, or an empty text.
std::string checkCallsFollowFlushedLines(const std::string& output,
                                         const std::vector<OutputEvent>& calls);

// The events as standard error saw them: each one's error offset as its
// output offset.
std::vector<OutputEvent> onStandardError(std::vector<OutputEvent> events);

// A run that writes data on standard output and its lines on standard error:
// each fax is flushed whole, so every load of a fax's details after the first
// finds more data written than the load before it; and the document is
// complete, and flushed, before the list is released. Returns what is wrong,
// or an empty text.
std::string checkDataFlushedPerFax(const std::string& data, const std::vector<OutputEvent>& calls);

// The same run: the blank line that begins the listing on standard error is
// out, as the text listing's is, by the first call that finds data written,
// so that with both streams on one file it stands before the data. Returns
// what is wrong, or an empty text.
std::string checkListingStartBeforeData(const std::string& lines,
                                        const std::vector<OutputEvent>& calls);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_OUTPUT_EVENTS_H
