#include "kvnshow/front_end/command_line.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string_view>

namespace kvn {

namespace {

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) {
      return false;
    }
  }
  return true;
}

bool isHelpOption(std::string_view argument) {
  static constexpr std::array<std::string_view, 4> kHelpOptions{"-?", "/?", "-help", "/help"};
  return std::ranges::any_of(kHelpOptions, [argument](std::string_view help) {
    return equalsIgnoringAsciiCase(argument, help);
  });
}

// Applies one option; returns how many arguments it took, or 0 when the
// argument is no option this program knows (or lacks its value).
int applyOption(CommandLine& line, int index, int argc, const char* const* argv) {
  const std::string_view option = argv[index];
  const bool hasValue = index + 1 < argc;
  if (option == "-a") {
    line.mainFolderOnly = false;
  } else if (option == "-cp" && hasValue) {
    line.codePage = argv[index + 1];
    return 2;
  } else if (option == "-csv") {
    line.format = ListingFormat::Csv;
  } else if (option == "-e") {
    line.reportMode = kReportExtended;
  } else if (option == "-json") {
    line.format = ListingFormat::Json;
  } else if (option == "-s" && hasValue) {
    line.host = argv[index + 1];
    return 2;
  } else if (option == "-R") {
    line.directionFilter |= kWantReceived;
  } else if (option == "-S") {
    line.directionFilter |= kWantSent;
  } else if (option == "-t") {
    line.sortMode = kSortByDate;
  } else if (option == "-tr") {
    line.sortMode = kSortByReverseDate;
  } else if (option == "-u" && hasValue) {
    line.user = argv[index + 1];
    return 2;
  } else if (option == "-v") {
    line.reportMode = kReportVerbose;
  } else if (option == "-z") {
    line.utcTimes = true;
  } else {
    return 0;
  }
  return 1;
}

// A run that ends in the usage text keeps standard output for data alone when
// -csv or -json is anywhere on its command line, also after the argument that
// stopped the reading of options.
CommandLine usageOf(CommandLine line, CommandLine::Outcome outcome, int argc,
                    const char* const* argv) {
  line.outcome = outcome;
  for (int index = 1; index < argc; ++index) {
    const std::string_view argument = argv[index];
    if (argument == "-csv") {
      line.format = ListingFormat::Csv;
    } else if (argument == "-json") {
      line.format = ListingFormat::Json;
    }
  }
  return line;
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv) {
  CommandLine line;
  int index = 1;
  while (index < argc) {
    const char* argument = argv[index];
    if (isHelpOption(argument)) {
      return usageOf(line, CommandLine::Outcome::Usage, argc, argv);
    }
    if (argument[0] != '-') {
      break;  // this argument and every one after it are fax-ID patterns
    }
    const int taken = applyOption(line, index, argc, argv);
    if (taken == 0) {
      return usageOf(line, CommandLine::Outcome::Usage, argc, argv);
    }
    index += taken;
  }

  if (line.directionFilter == 0) {
    line.directionFilter = kWantReceived | kWantSent;
  }
  if (line.host == nullptr) {
    return usageOf(line, CommandLine::Outcome::MissingHost, argc, argv);
  }
  if (line.user == nullptr) {
    return usageOf(line, CommandLine::Outcome::MissingUser, argc, argv);
  }
  static constexpr const char* kEveryFax[] = {"*", nullptr};
  line.patterns = index >= argc ? kEveryFax : argv + index;
  return line;
}

}  // namespace kvn
