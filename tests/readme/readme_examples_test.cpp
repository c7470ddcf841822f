// Keeps the README, the documents in docs/ and the manual page honest: every
// fenced block of the Markdown documents and every example block of the
// manual page that begins with a line "$ kvnshow <arguments>" is run with the
// built kvnshow, in UTC, and must end with status 0 and show exactly the rest
// of the block on standard output: the whole output, or, where the block
// leaves out the lines before the listing, everything from the block's first
// line on. A block cannot show the CR of CSV's CR LF line ends: for a run
// whose data format is CSV, each line of the block stands for a line ending
// in CR LF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "e2e/argument_syntax.h"
#include "e2e/output_diff.h"
#include "e2e/output_mask.h"
#include "e2e/program_run.h"
#include "e2e/sanitizer_environment.h"
#include "temp_folder.h"

namespace kvn::e2e {
namespace {

namespace fs = std::filesystem;

struct Example {
  std::string commandLine;  // after "$ kvnshow "
  std::string expectedOutput;
};

// The example blocks of a document whose first line is "$ kvnshow
// <arguments>", each line as `rendered` gives it. `edge` tells of a line
// whether it opens a block (true), closes one (false) or is inside or
// outside one (neither).
std::vector<Example> examplesInBlocks(
    const fs::path& document,
    const std::function<std::optional<bool>(const std::string& line, bool inBlock)>& edge,
    const std::function<std::string(const std::string&)>& rendered) {
  std::ifstream in(document);
  std::vector<Example> examples;
  bool inBlock = false;
  bool firstLineOfBlock = false;
  Example* current = nullptr;  // the example whose output the block holds
  for (std::string line; std::getline(in, line);) {
    if (const std::optional<bool> opens = edge(line, inBlock)) {
      inBlock = *opens;
      firstLineOfBlock = inBlock;
      current = nullptr;
      continue;
    }
    const std::string text = rendered(line);
    if (firstLineOfBlock && text.rfind("$ kvnshow ", 0) == 0) {
      examples.push_back({text.substr(10), ""});
      current = &examples.back();
    } else if (current != nullptr) {
      current->expectedOutput += text + "\n";
    }
    firstLineOfBlock = false;
  }
  return examples;
}

// A Markdown document's fenced blocks, as they stand.
std::vector<Example> examplesIn(const fs::path& document) {
  return examplesInBlocks(
      document,
      [](const std::string& line, bool inBlock) -> std::optional<bool> {
        if (line.rfind("```", 0) == 0) {
          return !inBlock;
        }
        return std::nullopt;
      },
      [](const std::string& line) { return line; });
}

// A line of an example block of the manual page as it renders: the escapes
// that the page uses there are \- (a minus), \e (a backslash) and a leading \&
// (nothing; it keeps a line that begins with a dot from being a request).
std::string renderedExampleLine(const std::string& line) {
  std::string text;
  for (std::size_t i = line.rfind("\\&", 0) == 0 ? 2 : 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '-' || line[i + 1] == 'e')) {
      text.push_back(line[i + 1] == '-' ? '-' : '\\');
      ++i;
    } else {
      text.push_back(line[i]);
    }
  }
  return text;
}

// The manual page's example blocks (.EX to .EE).
std::vector<Example> examplesInManualPage(const fs::path& page) {
  return examplesInBlocks(
      page,
      [](const std::string& line, bool) -> std::optional<bool> {
        if (line == ".EX" || line == ".EE") {
          return line == ".EX";
        }
        return std::nullopt;
      },
      renderedExampleLine);
}

// Whether the run writes CSV: of -csv and -json the last given applies.
bool writesCsv(const std::vector<std::string>& words) {
  bool csv = false;
  for (const std::string& word : words) {
    if (word == "-csv" || word == "-json") {
      csv = word == "-csv";
    }
  }
  return csv;
}

std::string withCrLf(const std::string& text) {
  std::string crlf;
  for (const char c : text) {
    if (c == '\n') {
      crlf.push_back('\r');
    }
    crlf.push_back(c);
  }
  return crlf;
}

void expectRealRuns(const std::vector<Example>& examples) {
  for (const Example& example : examples) {
    SCOPED_TRACE("$ kvnshow " + example.commandLine);
    const SplitWords words = splitWords(example.commandLine);
    ASSERT_EQ(words.error, "");
    const std::string expectedOutput =
        writesCsv(words.words) ? withCrLf(example.expectedOutput) : example.expectedOutput;
    const test::TempFolder scratch;
    ProgramRun run;
    run.executable = KVN_PROGRAM;
    run.argumentVector = {"kvnshow"};
    run.argumentVector.insert(run.argumentVector.end(), words.words.begin(), words.words.end());
    run.environment = sanitizerEnvironment();
    run.environment.insert(run.environment.end(), {"PATH=/usr/bin:/bin", "TZ=UTC"});
    run.workingDirectory = scratch.path();
    run.scratchDirectory = scratch.path();
    const ProgramOutcome outcome = runProgram(run);
    ASSERT_EQ(outcome.failure, "");
    EXPECT_EQ(outcome.exitStatus, 0);
    EXPECT_EQ(describeFirstDifference(
                  expectedOutput, outputFromFirstLineOf(outcome.standardOutput, expectedOutput)),
              "");
  }
}

// The README's examples, and those of any document in docs/ that shows one.
TEST(Readme, EveryKvnshowExampleIsARealRun) {
  const std::vector<Example> examples = examplesIn(KVN_README);
  ASSERT_GE(examples.size(), 3U) << "the README shows the text, CSV and JSON output";
  expectRealRuns(examples);
  for (const fs::directory_entry& entry : fs::directory_iterator(KVN_DOCS_DIR)) {
    if (entry.path().extension() == ".md") {
      SCOPED_TRACE(entry.path().string());
      expectRealRuns(examplesIn(entry.path()));
    }
  }
}

TEST(ManualPage, EveryKvnshowExampleIsARealRun) {
  const std::vector<Example> examples = examplesInManualPage(KVN_MANUAL_PAGE);
  ASSERT_GE(examples.size(), 4U)
      << "the manual page shows the brief, sorted, extended and verbose listing";
  expectRealRuns(examples);
}

}  // namespace
}  // namespace kvn::e2e
