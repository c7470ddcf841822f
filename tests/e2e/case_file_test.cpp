// Reading a case file: its header lines and the exact expected output after
// the separator line.
#include "e2e/case_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kvn::e2e {
namespace {

using Words = std::vector<std::string>;

TEST(CaseFile, ReadsEveryHeaderKey) {
  ParsedCase parsed = parseCaseFile(
      "# a comment\n"
      "\n"
      "args: -s normal -u \"\"\n"
      "argv0: faxlist\n"
      "env: TZ=XXX-9\n"
      "env: \"EMPTY=\"\n"
      "status: 3\n"
      "pauses: 10000 1.500000\n"
      "mask: \"problem: \"\n"
      "compare: from-first-line\n"
      "library: lacking-call\n"
      "--- stdout\n"
      "line\n");
  ASSERT_EQ(parsed.error, "");
  const E2eCase& testCase = parsed.testCase;
  EXPECT_EQ(testCase.arguments, (Words{"-s", "normal", "-u", ""}));
  EXPECT_EQ(testCase.programName, "faxlist");
  using Setting = std::pair<std::string, std::string>;
  EXPECT_EQ(testCase.environment,
            (std::vector<Setting>{Setting{"TZ", "XXX-9"}, Setting{"EMPTY", ""}}));
  EXPECT_EQ(testCase.exitStatus, 3);
  EXPECT_EQ(testCase.pauses, (Words{"10000", "1.500000"}));
  EXPECT_EQ(testCase.masks, Words{"problem: "});
  EXPECT_TRUE(testCase.fromFirstLine);
  EXPECT_EQ(testCase.library, ClientLibrary::LackingCall);
  EXPECT_EQ(testCase.expectedStdout, "line\n");
}

TEST(CaseFile, ExpectedOutputIsEveryByteAfterTheSeparatorLine) {
  std::string header = "status: 0\n--- stdout\n";
  std::string output = "trailing blanks  \n\n--- stdout\nno final line end";
  ParsedCase parsed = parseCaseFile(header + output);
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.testCase.expectedStdout, output);
  EXPECT_EQ(parsed.testCase.header, header);
}

// Data on standard output, its lines on standard error.
TEST(CaseFile, ReadsAStandardErrorSectionBeforeStandardOutput) {
  const std::string header = "status: 0\n--- stderr\n";
  ParsedCase parsed = parseCaseFile(header + "line one\n--- stdout \n\n--- stdout\n[]\n");
  ASSERT_EQ(parsed.error, "");
  ASSERT_TRUE(parsed.testCase.expectedStderr.has_value());
  EXPECT_EQ(*parsed.testCase.expectedStderr, "line one\n--- stdout \n\n");
  EXPECT_EQ(parsed.testCase.expectedStdout, "[]\n");
  EXPECT_EQ(parsed.testCase.header, header);

  parsed = parseCaseFile("status: 0\n--- stderr\n--- stdout\n");
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.testCase.expectedStderr, "");
  EXPECT_FALSE(parseCaseFile("status: 0\n--- stdout\n").testCase.expectedStderr.has_value());
  EXPECT_NE(parseCaseFile("status: 0\n--- stderr\nx--- stdout\n").error, "");
}

TEST(CaseFile, NothingAfterTheSeparatorExpectsNoOutput) {
  ParsedCase parsed = parseCaseFile("status: 0\n--- stdout\n");
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.testCase.expectedStdout, "");
  EXPECT_TRUE(parsed.testCase.arguments.empty());
  EXPECT_TRUE(parsed.testCase.pauses.empty());
  EXPECT_FALSE(parsed.testCase.programName.has_value());
  EXPECT_FALSE(parsed.testCase.fromFirstLine) << "the whole output by default";
}

TEST(CaseFile, RejectsMalformedHeaders) {
  EXPECT_NE(parseCaseFile("status: 0\n").error, "") << "no separator";
  EXPECT_NE(parseCaseFile("args: x\n--- stdout\n").error, "") << "no status";
  EXPECT_NE(parseCaseFile("status: 256\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0x\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nstatus: 1\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nargs: a\nargs: b\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\npauses: 10s\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nenv: TZ\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nargv0: a b\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nstdin: x\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\ncompare: tail\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nlibrary: stand-in\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\r\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nargs \"x\n--- stdout\n").error, "");
}

TEST(CaseFile, ReadsTheWindowsDifferences) {
  ParsedCase parsed = parseCaseFile(
      "status: 0\n"
      "env: TZ=America/New_York\n"
      "windows-env: TZ=EST5EDT\n"
      "windows-line: \"a 1\" \"a 2\"\n"
      "windows-line: b \"\"\n"
      "--- stdout\n"
      "a 1\nb\nxa 1\na 1\n");
  ASSERT_EQ(parsed.error, "");
  const E2eCase& testCase = parsed.testCase;
  using Setting = std::pair<std::string, std::string>;
  EXPECT_EQ(testCase.environment, (std::vector<Setting>{Setting{"TZ", "America/New_York"}}));
  EXPECT_EQ(testCase.windowsEnvironment, (std::vector<Setting>{Setting{"TZ", "EST5EDT"}}));
  std::string problem;
  // Whole lines only: "xa 1" stays.
  EXPECT_EQ(expectedUnderWindows(testCase, problem), "a 2\n\nxa 1\na 2\n");
  EXPECT_EQ(problem, "");
  EXPECT_EQ(testCase.expectedStdout, "a 1\nb\nxa 1\na 1\n") << "the Linux expectation is kept";
}

TEST(CaseFile, ReportsAWindowsLineThatIsNotExpected) {
  ParsedCase parsed = parseCaseFile("status: 0\nwindows-line: a c\n--- stdout\nab\n");
  ASSERT_EQ(parsed.error, "");
  std::string problem;
  EXPECT_EQ(expectedUnderWindows(parsed.testCase, problem), "ab\n");
  EXPECT_EQ(problem, "windows-line: no expected line \"a\"");
}

TEST(CaseFile, RejectsMalformedWindowsDifferences) {
  EXPECT_NE(parseCaseFile("status: 0\nwindows-line: a\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nwindows-line: a b c\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nwindows-line: a\\n b\n--- stdout\n").error, "");
  EXPECT_NE(parseCaseFile("status: 0\nwindows-env: TZ\n--- stdout\n").error, "");
}

TEST(CaseFile, NamesTheLineOfAnError) {
  EXPECT_EQ(parseCaseFile("status: 0\n# note\nflavour: x\n--- stdout\n").error,
            "line 3: unknown key \"flavour\"");
}

}  // namespace
}  // namespace kvn::e2e
