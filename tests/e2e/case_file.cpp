#include "e2e/case_file.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "e2e/argument_syntax.h"

namespace kvn::e2e {
namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// A pause as the sleep log writes it: whole milliseconds, or with six decimals.
bool isPauseText(std::string_view text) {
  std::size_t point = text.find('.');
  std::string_view whole = text.substr(0, point);
  if (whole.empty() || !std::all_of(whole.begin(), whole.end(), isDigit)) {
    return false;
  }
  if (point == std::string_view::npos) {
    return true;
  }
  std::string_view fraction = text.substr(point + 1);
  return fraction.size() == 6 && std::all_of(fraction.begin(), fraction.end(), isDigit);
}

std::string_view trimBlanks(std::string_view text) {
  std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  std::size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// Reads one "key: value" header line into testCase; returns an error or "".
std::string readHeaderLine(std::string_view line, E2eCase& testCase, bool& statusSeen,
                           std::vector<std::string>& keysSeen) {
  std::size_t colon = line.find(':');
  if (colon == std::string_view::npos) {
    return "expected \"key: value\"";
  }
  std::string key(trimBlanks(line.substr(0, colon)));
  std::string_view value = line.substr(colon + 1);
  bool repeatable = key == "env" || key == "mask" || key == "windows-env" || key == "windows-line";
  if (!repeatable && std::find(keysSeen.begin(), keysSeen.end(), key) != keysSeen.end()) {
    return "\"" + key + ":\" given twice";
  }
  keysSeen.push_back(key);

  if (key == "status") {
    std::string_view digits = trimBlanks(value);
    int status = -1;
    auto [end, failure] = std::from_chars(digits.data(), digits.data() + digits.size(), status);
    if (failure != std::errc() || end != digits.data() + digits.size() || status < 0 ||
        status > 255) {
      return "status must be a number from 0 to 255";
    }
    testCase.exitStatus = status;
    statusSeen = true;
    return "";
  }
  SplitWords split = splitWords(value);
  if (!split.error.empty()) {
    return split.error;
  }
  std::vector<std::string>& words = split.words;
  if (key == "args") {
    testCase.arguments = std::move(words);
  } else if (key == "argv0") {
    if (words.size() != 1) {
      return "argv0 takes one word";
    }
    testCase.programName = words.front();
  } else if (key == "env" || key == "windows-env") {
    std::size_t equals = words.size() == 1 ? words.front().find('=') : std::string::npos;
    if (equals == std::string::npos || equals == 0) {
      return key + " takes one word NAME=VALUE";
    }
    (key == "env" ? testCase.environment : testCase.windowsEnvironment)
        .emplace_back(words.front().substr(0, equals), words.front().substr(equals + 1));
  } else if (key == "windows-line") {
    if (words.size() != 2 || words.front().find('\n') != std::string::npos ||
        words.back().find('\n') != std::string::npos) {
      return "windows-line takes two words, each one line without its line end";
    }
    testCase.windowsLines.emplace_back(words.front(), words.back());
  } else if (key == "pauses") {
    for (const std::string& pause : words) {
      if (!isPauseText(pause)) {
        return "a pause is a number of milliseconds, not \"" + pause + "\"";
      }
    }
    testCase.pauses = std::move(words);
  } else if (key == "compare") {
    if (words.size() != 1 || (words.front() != "whole" && words.front() != "from-first-line")) {
      return "compare takes one word: whole or from-first-line";
    }
    testCase.fromFirstLine = words.front() == "from-first-line";
  } else if (key == "library") {
    static constexpr std::array<std::pair<std::string_view, ClientLibrary>, 4> kLibraries = {{
        {"none", ClientLibrary::None},
        {"lacking-call", ClientLibrary::LackingCall},
        {"other-architecture", ClientLibrary::OtherArchitecture},
        {"stand-in-copy", ClientLibrary::StandinCopy},
    }};
    const auto* found =
        words.size() == 1
            ? std::find_if(kLibraries.begin(), kLibraries.end(),
                           [&words](const auto& library) { return library.first == words.front(); })
            : kLibraries.end();
    if (found == kLibraries.end()) {
      return "library takes one word: none, lacking-call, other-architecture or stand-in-copy";
    }
    testCase.library = found->second;
  } else if (key == "mask") {
    if (words.size() != 1 || words.front().empty()) {
      return "mask takes one non-empty word";
    }
    testCase.masks.push_back(words.front());
  } else {
    return "unknown key \"" + key + "\"";
  }
  return "";
}

}  // namespace

ParsedCase parseCaseFile(std::string_view content) {
  ParsedCase parsed;
  E2eCase& testCase = parsed.testCase;
  bool statusSeen = false;
  std::vector<std::string> keysSeen;
  std::size_t lineStart = 0;
  for (int lineNumber = 1;; ++lineNumber) {
    std::size_t lineEnd = content.find('\n', lineStart);
    if (lineEnd == std::string_view::npos) {
      parsed.error = "no \"" + std::string(kStdoutSeparator) + "\" line";
      return parsed;
    }
    std::string_view line = content.substr(lineStart, lineEnd - lineStart);
    lineStart = lineEnd + 1;
    if (line == kStdoutSeparator) {
      break;
    }
    if (line == kStderrSeparator) {
      // Up to a "--- stdout" line of its own: at the start, or after a line end.
      std::size_t stdoutLine = content.find(std::string(kStdoutSeparator) + "\n", lineStart);
      while (stdoutLine != std::string_view::npos && stdoutLine != lineStart &&
             content[stdoutLine - 1] != '\n') {
        stdoutLine = content.find(std::string(kStdoutSeparator) + "\n", stdoutLine + 1);
      }
      if (stdoutLine == std::string_view::npos) {
        parsed.error = "no \"" + std::string(kStdoutSeparator) + "\" line after \"" +
                       std::string(kStderrSeparator) + "\"";
        return parsed;
      }
      testCase.expectedStderr = std::string(content.substr(lineStart, stdoutLine - lineStart));
      testCase.header = std::string(content.substr(0, lineStart));
      lineStart = stdoutLine + kStdoutSeparator.size() + 1;
      break;
    }
    std::string error;
    if (line.find('\r') != std::string_view::npos) {
      error = "a carriage return in a header line";
    } else if (!trimBlanks(line).empty() && line.front() != '#') {
      error = readHeaderLine(line, testCase, statusSeen, keysSeen);
    }
    if (!error.empty()) {
      parsed.error = "line " + std::to_string(lineNumber) + ": " + error;
      return parsed;
    }
  }
  if (!statusSeen) {
    parsed.error = "no \"status:\" line";
    return parsed;
  }
  if (!testCase.expectedStderr) {
    testCase.header = std::string(content.substr(0, lineStart));
  }
  testCase.expectedStdout = std::string(content.substr(lineStart));
  return parsed;
}

std::string expectedUnderWindows(const E2eCase& testCase, std::string& problem) {
  std::string expected = testCase.expectedStdout;
  for (const auto& [linuxLine, windowsLine] : testCase.windowsLines) {
    const std::string whole = linuxLine + "\n";
    bool found = false;
    for (std::size_t at = expected.find(whole); at != std::string::npos;
         at = expected.find(whole, at + 1)) {
      if (at == 0 || expected[at - 1] == '\n') {
        expected.replace(at, whole.size(), windowsLine + "\n");
        found = true;
        at += windowsLine.size();
      }
    }
    if (!found && problem.empty()) {
      problem = "windows-line: no expected line \"" + linuxLine + "\"";
    }
  }
  return expected;
}

}  // namespace kvn::e2e
