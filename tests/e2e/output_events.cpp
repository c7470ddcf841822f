#include "e2e/output_events.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <sstream>
#include <string_view>

namespace kvn::e2e {

namespace {

constexpr std::string_view kFailureLine = "Connect failed to Kavrin server: ";

enum class BlankLineAfter { kNo, kOptional, kRequired };

// The line a call finds last on standard output.
struct FlushRule {
  std::string_view call;
  std::string_view lineStart;
  BlankLineAfter blankLineAfter;
};

constexpr std::array<FlushRule, 13> kFlushRules{{
    {"KvnGetAPIVersion", "List a Kavrin user's faxes.", BlankLineAfter::kRequired},
    {"KvnCreateServerHandle", "Connect(", BlankLineAfter::kNo},
    // The error text is fetched while the failure line is being written.
    {"KvnStringKvnErr", "Connect(", BlankLineAfter::kNo},
    {"KvnVersionCheck", "Connected to Kavrin server:  ", BlankLineAfter::kNo},
    // Read once by the connection itself, then by the run after a blank line.
    {"KvnGetServerInfo2", "Connected to Kavrin server:  ", BlankLineAfter::kOptional},
    {"KvnLoadUser3", "Retrieving user info...", BlankLineAfter::kNo},
    {"KvnGetFaxList", "Retrieving fax list...", BlankLineAfter::kNo},
    {"KvnListSort", "Sorting fax list by date...", BlankLineAfter::kNo},
    // Whatever line the output ends in; checkWalk says which.
    {"KvnListGetFirstElementPtr", "", BlankLineAfter::kOptional},
    {"KvnListGetNextElementPtr", "", BlankLineAfter::kOptional},
    // Whatever line the output ends in; checkDetailLoad says how far it goes.
    {"KvnLoadFax3", "", BlankLineAfter::kOptional},
    {"KvnCloseListHandle", "recv:", BlankLineAfter::kNo},
    {"KvnCloseServerHandle", "Disconnect from Kavrin server: ", BlankLineAfter::kNo},
}};

// The line whose line end is the last byte before end.
std::string_view lineEndingAt(std::string_view text, std::size_t end) {
  const std::size_t lineEnd = end - 1;
  const std::size_t previous =
      lineEnd == 0 ? std::string_view::npos : text.rfind('\n', lineEnd - 1);
  const std::size_t first = previous == std::string_view::npos ? 0 : previous + 1;
  return text.substr(first, lineEnd - first);
}

std::string checkCall(std::string_view output, const OutputEvent& call, const FlushRule& rule) {
  const auto offset = call.outputOffset;
  if (offset <= 0 || offset > static_cast<long long>(output.size())) {
    return "found " + std::to_string(offset) + " bytes of output written";
  }
  auto end = static_cast<std::size_t>(offset);
  if (output[end - 1] != '\n') {
    return "found the output flushed in the middle of a line";
  }
  std::string_view line = lineEndingAt(output, end);
  if (rule.blankLineAfter != BlankLineAfter::kNo && line.empty() && end >= 2) {
    end -= 1;
    line = lineEndingAt(output, end);
  } else if (rule.blankLineAfter == BlankLineAfter::kRequired) {
    return "found no blank line flushed after \"" + std::string(rule.lineStart) + "\"";
  }
  if (line.substr(0, rule.lineStart.size()) != rule.lineStart) {
    return "found \"" + std::string(line) +
           "\" as the last line flushed, expected one beginning \"" + std::string(rule.lineStart) +
           "\"";
  }
  return {};
}

// Every report, and every failure line that stands for one, is flushed at its
// end, and a fax's details are loaded just before its report: so the first
// load finds all output out but the blank line written, unflushed on purpose,
// before the first report, and each later load finds more output than the
// load before it, the previous fax's report or failure line.
std::string checkDetailLoad(std::string_view output, const OutputEvent& load,
                            std::optional<long long> previousLoad) {
  const auto end = static_cast<std::size_t>(load.outputOffset);  // checkCall has bounded it
  if (previousLoad) {
    if (load.outputOffset <= *previousLoad) {
      return "found " + std::to_string(load.outputOffset) +
             " bytes of output written, no more than the load before it: the report or failure "
             "line of the fax before was not flushed";
    }
    return {};
  }
  const bool blankLineWaits = end < output.size() && output[end] == '\n';
  const bool blankLineOut = end >= 2 && output[end - 2] == '\n';
  if (!blankLineWaits && !blankLineOut) {
    return "found output waiting before the blank line ahead of the first report: \"" +
           std::string(output.substr(end, output.find('\n', end) - end)) + "\"";
  }
  return {};
}

constexpr std::string_view kListingHeader = "Flags         Date";
constexpr std::string_view kListingEnd = "\nfaxes:";

// How many reports begin in text, whole lines of a listing: a report begins
// with a line that is not blank, not the listing's header and not one of the
// indented fields of a verbose block.
std::size_t reportsBegunIn(std::string_view text) {
  std::size_t reports = 0;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.front() != ' ' &&
        line.substr(0, kListingHeader.size()) != kListingHeader) {
      ++reports;
    }
    start = end + 1;
  }
  return reports;
}

// The calls that fetch the list's entries, and its release, which ends the
// walk.
bool isWalkCall(std::string_view call) {
  return call == "KvnListGetFirstElementPtr" || call == "KvnListGetNextElementPtr" ||
         call == "KvnCloseListHandle";
}

// The line that begins at offset, without its line end.
std::string_view lineAt(std::string_view text, std::size_t offset) {
  return text.substr(offset, std::min(text.find('\n', offset), text.size()) - offset);
}

// The walk of the list begins once every line before the listing is out: the
// output from there on is the listing, which begins with a blank line. Each
// report is flushed at its end, before the next entry is fetched: so each
// later call of the walk finds at most one report more than the call before
// it, and the release of the list finds nothing after the walk's last call
// but the totals.
std::string checkWalk(std::string_view output, const OutputEvent& call,
                      std::optional<long long> previousWalkCall) {
  const auto end = static_cast<std::size_t>(call.outputOffset);  // checkCall has bounded it
  if (!previousWalkCall) {
    if (call.what == "KvnListGetFirstElementPtr" && (end == output.size() || output[end] != '\n')) {
      return "found \"" + std::string(lineAt(output, end)) +
             "\" not yet flushed: every line before the listing must be out before the walk "
             "begins";
    }
    return {};
  }
  if (call.outputOffset < *previousWalkCall) {
    return "found less output written than the walk's call before it";
  }
  const auto previous = static_cast<std::size_t>(*previousWalkCall);
  if (call.what == "KvnCloseListHandle") {
    if (output.substr(previous, kListingEnd.size()) != kListingEnd) {
      const bool blankFirst = previous < output.size() && output[previous] == '\n';
      return "found \"" + std::string(lineAt(output, previous + (blankFirst ? 1 : 0))) +
             "\" flushed after the walk's last call, not only the totals: the last report was "
             "not flushed before that call";
    }
    return {};
  }
  const std::size_t reports = reportsBegunIn(output.substr(previous, end - previous));
  if (reports > 1) {
    return "found " + std::to_string(reports) +
           " reports flushed since the walk's call before it: a report was not flushed before "
           "the next entry was fetched";
  }
  return {};
}

}  // namespace

std::vector<OutputEvent> parseEventLog(const std::string& log, std::string& problem) {
  std::vector<OutputEvent> events;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t blank = line.find(' ');
    long long offset = 0;
    long long errorOffset = -1;
    const char* first = line.data() + (blank == std::string::npos ? 0 : blank + 1);
    const char* last = line.data() + line.size();
    auto [end, error] = std::from_chars(first, last, offset);
    if (error == std::errc() && end != last && *end == ' ') {
      const auto second = std::from_chars(end + 1, last, errorOffset);
      end = second.ptr;
      error = second.ec;
    }
    if (blank == std::string::npos || blank == 0 || error != std::errc() || end != last) {
      problem = "malformed log line: \"" + line + "\"";
      return events;
    }
    events.push_back({line.substr(0, blank), offset, errorOffset});
  }
  return events;
}

std::string checkPausesFollowFlushedFailures(const std::string& output,
                                             const std::vector<OutputEvent>& pauses) {
  std::size_t searchFrom = 0;
  for (std::size_t k = 0; k < pauses.size(); ++k) {
    std::size_t lineStart = output.find(kFailureLine, searchFrom);
    while (lineStart != std::string::npos && lineStart != 0 && output[lineStart - 1] != '\n') {
      lineStart = output.find(kFailureLine, lineStart + 1);
    }
    const std::string which = "pause " + std::to_string(k + 1);
    if (lineStart == std::string::npos) {
      return which + " follows no failure line \"" + std::string(kFailureLine) + "...\"";
    }
    const std::size_t lineEnd = output.find('\n', lineStart);
    const std::size_t flushedTo = lineEnd == std::string::npos ? output.size() : lineEnd + 1;
    if (pauses[k].outputOffset != static_cast<long long>(flushedTo)) {
      return which + " found " + std::to_string(pauses[k].outputOffset) +
             " bytes of output written, but the failure line before it ends at byte " +
             std::to_string(flushedTo) + ": the output was not flushed just before the pause";
    }
    searchFrom = flushedTo;
  }
  return {};
}

std::string checkCallsFollowFlushedLines(const std::string& output,
                                         const std::vector<OutputEvent>& calls) {
  std::optional<long long> previousLoad;
  std::optional<long long> previousWalkCall;
  for (std::size_t k = 0; k < calls.size(); ++k) {
    for (const FlushRule& rule : kFlushRules) {
      if (calls[k].what != rule.call) {
        continue;
      }
      std::string problem = checkCall(output, calls[k], rule);
      if (problem.empty() && rule.call == "KvnLoadFax3") {
        problem = checkDetailLoad(output, calls[k], previousLoad);
        previousLoad = calls[k].outputOffset;
      }
      if (problem.empty() && isWalkCall(rule.call)) {
        problem = checkWalk(output, calls[k], previousWalkCall);
        previousWalkCall = calls[k].outputOffset;
      }
      if (!problem.empty()) {
        return "call " + std::to_string(k + 1) + ", " + calls[k].what + ", " + problem;
      }
    }
  }
  return {};
}

std::vector<OutputEvent> onStandardError(std::vector<OutputEvent> events) {
  for (OutputEvent& event : events) {
    event.outputOffset = event.errorOffset;
  }
  return events;
}

std::string checkDataFlushedPerFax(const std::string& data, const std::vector<OutputEvent>& calls) {
  std::optional<long long> previousLoad;
  for (std::size_t k = 0; k < calls.size(); ++k) {
    const OutputEvent& call = calls[k];
    const std::string which = "call " + std::to_string(k + 1) + ", " + call.what + ", ";
    if (call.what == "KvnLoadFax3") {
      if (previousLoad && call.outputOffset <= *previousLoad) {
        return which + "found " + std::to_string(call.outputOffset) +
               " bytes of data written, no more than the load before it: the fax before was "
               "not flushed";
      }
      previousLoad = call.outputOffset;
    } else if (call.what == "KvnCloseListHandle" &&
               call.outputOffset != static_cast<long long>(data.size())) {
      return which + "found " + std::to_string(call.outputOffset) + " of the " +
             std::to_string(data.size()) +
             " bytes of data written: the document was not "
             "complete and flushed before the list was released";
    }
  }
  return {};
}

std::string checkListingStartBeforeData(const std::string& lines,
                                        const std::vector<OutputEvent>& calls) {
  const auto firstWithData = std::find_if(
      calls.begin(), calls.end(), [](const OutputEvent& call) { return call.outputOffset > 0; });
  if (firstWithData == calls.end()) {
    return {};
  }
  // The listing begins after the last progress line before the walk.
  std::size_t listingStart = std::string::npos;
  for (const std::string_view progress :
       {"Retrieving fax list...\n", "Sorting fax list by date...\n", "Can't sort the fax list"}) {
    const std::size_t found = lines.rfind(progress);
    if (found != std::string::npos && (listingStart == std::string::npos || found > listingStart)) {
      listingStart = found;
    }
  }
  if (listingStart == std::string::npos) {
    return "found no line before the listing on standard error";
  }
  const std::size_t blankLine = lines.find('\n', listingStart) + 1;
  if (blankLine >= lines.size() || lines[blankLine] != '\n' ||
      firstWithData->errorOffset <= static_cast<long long>(blankLine)) {
    return firstWithData->what +
           " found data written, but not the blank line ahead of the listing "
           "on standard error: it was not flushed with the first fax";
  }
  return {};
}

}  // namespace kvn::e2e
