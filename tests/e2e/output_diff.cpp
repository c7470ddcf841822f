#include "e2e/output_diff.h"

#include <algorithm>
#include <vector>

namespace kvn::e2e {
namespace {

constexpr std::size_t kContextLines = 3;

// Splits into lines that keep their "\n"; the last one may lack it.
std::vector<std::string_view> linesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    lines.push_back(text.substr(start, next - start));
    start = next;
  }
  return lines;
}

}  // namespace

std::string visibleBytes(std::string_view bytes) {
  std::string shown = "\"";
  for (char c : bytes) {
    auto byte = static_cast<unsigned char>(c);
    if (c == ' ') {
      shown += "\xC2\xB7";
    } else if (c == '\\') {
      shown += "\\\\";
    } else if (c == '\n') {
      shown += "\\n";
    } else if (c == '"') {
      shown += "\\\"";
    } else if (byte < 0x20 || byte >= 0x7F) {
      constexpr std::string_view kHexDigits = "0123456789ABCDEF";
      shown += "\\x";
      shown += kHexDigits[byte / 16];
      shown += kHexDigits[byte % 16];
    } else {
      shown += c;
    }
  }
  return shown + "\"";
}

std::string describeFirstDifference(std::string_view expected, std::string_view actual) {
  if (expected == actual) {
    return "";
  }
  std::vector<std::string_view> expectedLines = linesOf(expected);
  std::vector<std::string_view> actualLines = linesOf(actual);
  std::size_t line = 0;
  while (line < expectedLines.size() && line < actualLines.size() &&
         expectedLines[line] == actualLines[line]) {
    ++line;
  }
  std::string report = "stdout differs from line " + std::to_string(line + 1) + " on (expected " +
                       std::to_string(expectedLines.size()) + " lines, " +
                       std::to_string(expected.size()) + " bytes; actual " +
                       std::to_string(actualLines.size()) + " lines, " +
                       std::to_string(actual.size()) + " bytes)\n";
  for (std::size_t context = line - std::min(line, kContextLines); context < line; ++context) {
    report += "  same     " + std::to_string(context + 1) + ": " +
              visibleBytes(expectedLines[context]) + "\n";
  }
  auto shownLine = [line](const std::vector<std::string_view>& lines) {
    return line < lines.size() ? visibleBytes(lines[line]) : std::string("<end of output>");
  };
  report += "  expected " + std::to_string(line + 1) + ": " + shownLine(expectedLines) + "\n";
  report += "  actual   " + std::to_string(line + 1) + ": " + shownLine(actualLines) + "\n";
  if (line < expectedLines.size() && line < actualLines.size()) {
    std::string_view expectedLine = expectedLines[line];
    std::string_view actualLine = actualLines[line];
    std::size_t column = 0;
    while (column < expectedLine.size() && column < actualLine.size() &&
           expectedLine[column] == actualLine[column]) {
      ++column;
    }
    report += "  first difference at byte " + std::to_string(column + 1) + " of the line\n";
  }
  return report;
}

}  // namespace kvn::e2e
