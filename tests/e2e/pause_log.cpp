#include "e2e/pause_log.h"

#include <charconv>
#include <sstream>

namespace kvn::e2e {

namespace {

constexpr std::string_view kFailureLine = "Connect failed to Kavrin server: ";

}  // namespace

std::vector<Pause> parsePauseLog(const std::string& log, std::string& problem) {
  std::vector<Pause> pauses;
  std::istringstream lines(log);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t blank = line.find(' ');
    long long offset = 0;
    const char* first = line.data() + (blank == std::string::npos ? 0 : blank + 1);
    const char* last = line.data() + line.size();
    const auto [end, error] = std::from_chars(first, last, offset);
    if (blank == std::string::npos || blank == 0 || error != std::errc() || end != last) {
      problem = "malformed pause log line: \"" + line + "\"";
      return pauses;
    }
    pauses.push_back({line.substr(0, blank), offset});
  }
  return pauses;
}

std::string checkPausesFollowFlushedFailures(const std::string& output,
                                             const std::vector<Pause>& pauses) {
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

}  // namespace kvn::e2e
