#include "e2e/output_mask.h"

#include <algorithm>

namespace kvn::e2e {

std::string maskOutput(std::string_view output, const std::vector<std::string>& masks) {
  std::string masked;
  std::size_t lineStart = 0;
  while (lineStart < output.size()) {
    std::size_t lineEnd = output.find('\n', lineStart);
    std::size_t next = lineEnd == std::string_view::npos ? output.size() : lineEnd + 1;
    std::string_view line = output.substr(
        lineStart, (lineEnd == std::string_view::npos ? output.size() : lineEnd) - lineStart);
    std::size_t cut = std::string_view::npos;
    for (const std::string& mask : masks) {
      std::size_t found = line.find(mask);
      if (found != std::string_view::npos) {
        cut = std::min(cut, found + mask.size());
      }
    }
    if (cut == std::string_view::npos) {
      masked += line;
    } else {
      masked += line.substr(0, cut);
      masked += kMaskedText;
    }
    if (lineEnd != std::string_view::npos) {
      masked += '\n';
    }
    lineStart = next;
  }
  return masked;
}

std::string outputFromFirstLineOf(const std::string& output, const std::string& expected) {
  const std::string firstLine = expected.substr(0, expected.find('\n') + 1);
  if (output.rfind(firstLine, 0) == 0) {
    return output;
  }
  const std::size_t start = output.find("\n" + firstLine);
  return start == std::string::npos ? output : output.substr(start + 1);
}

}  // namespace kvn::e2e
