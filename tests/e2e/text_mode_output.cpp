#include "e2e/text_mode_output.h"

namespace kvn::e2e {

UntranslatedOutput undoTextMode(const std::string& written) {
  UntranslatedOutput result;
  result.bytes.reserve(written.size());
  for (std::size_t i = 0; i < written.size(); ++i) {
    if (written[i] == '\r' && i + 1 < written.size() && written[i + 1] == '\n') {
      continue;  // the LF that follows is kept
    }
    if (written[i] == '\n' && (i == 0 || written[i - 1] != '\r') && result.problem.empty()) {
      result.problem =
          "a line end without its CR at byte " + std::to_string(i) + ": not written in text mode";
    }
    result.bytes.push_back(written[i]);
  }
  return result;
}

std::vector<OutputEvent> untranslatedOffsets(const std::string& written,
                                             std::vector<OutputEvent> events) {
  for (OutputEvent& event : events) {
    if (event.outputOffset <= 0 || event.outputOffset > static_cast<long long>(written.size())) {
      continue;  // unknown or out of range: left for the checks to report
    }
    const auto end = static_cast<std::size_t>(event.outputOffset);
    long long removed = 0;
    for (std::size_t i = 0; i < end; ++i) {
      if (written[i] == '\r' && i + 1 < written.size() && written[i + 1] == '\n') {
        ++removed;
      }
    }
    event.outputOffset -= removed;
  }
  return events;
}

}  // namespace kvn::e2e
