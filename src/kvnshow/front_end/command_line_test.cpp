#include "kvnshow/front_end/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kvn {
namespace {

using Outcome = CommandLine::Outcome;

// The line borrows the argument vector, which stays alive here until the
// next parse.
CommandLine parse(std::vector<const char*> arguments) {
  static std::vector<const char*> argv;
  argv = std::move(arguments);
  argv.insert(argv.begin(), "kvnshow");
  argv.push_back(nullptr);  // as the C runtime ends it
  return parseCommandLine(static_cast<int>(argv.size() - 1), argv.data());
}

std::vector<std::string> patternsOf(const CommandLine& line) {
  std::vector<std::string> texts;
  EXPECT_NE(line.patterns, nullptr);
  for (const char* const* pattern = line.patterns; pattern != nullptr && *pattern != nullptr;
       ++pattern) {
    texts.emplace_back(*pattern);
  }
  return texts;
}

struct OutcomeCase {
  std::vector<const char*> arguments;
  Outcome outcome;
};

class OutcomeTest : public testing::TestWithParam<OutcomeCase> {};

TEST_P(OutcomeTest, DecidesWhatTheRunDoes) {
  EXPECT_EQ(parse(GetParam().arguments).outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, OutcomeTest,
    testing::Values(OutcomeCase{{}, Outcome::MissingHost},
                    OutcomeCase{{"-u", "x"}, Outcome::MissingHost},
                    OutcomeCase{{"-s", "h"}, Outcome::MissingUser},
                    OutcomeCase{{"-s", "h", "-u", "x"}, Outcome::Run},
                    // Help in any case, anywhere among the options, wins over everything.
                    OutcomeCase{{"-?"}, Outcome::Usage}, OutcomeCase{{"/?"}, Outcome::Usage},
                    OutcomeCase{{"-HELP"}, Outcome::Usage}, OutcomeCase{{"/Help"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-hElP"}, Outcome::Usage},
                    // A help option after the first fax-ID is a pattern like any other.
                    OutcomeCase{{"-s", "h", "-u", "x", "id", "-?"}, Outcome::Run},
                    // Options are matched whole and with case.
                    OutcomeCase{{"-s", "h", "-u", "x", "-x"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-T"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-r"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-tR"}, Outcome::Usage},
                    OutcomeCase{{"-sHOST", "-u", "x"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "--"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-help2"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-JSON"}, Outcome::Usage},
                    OutcomeCase{{"-s", "h", "-u", "x", "-cs"}, Outcome::Usage},
                    // A value-taking option as the last argument has no value.
                    OutcomeCase{{"-s", "h", "-u"}, Outcome::Usage},
                    OutcomeCase{{"-u", "x", "-s"}, Outcome::Usage},
                    // -s takes -u as its value, so the user is missing.
                    OutcomeCase{{"-s", "-u", "x"}, Outcome::MissingUser},
                    // A first argument that is no option makes everything a pattern.
                    OutcomeCase{{"id", "-s", "h", "-u", "x"}, Outcome::MissingHost}));

TEST(CommandLine, ValuesAndFlags) {
  const CommandLine line = parse({"-a", "-e", "-s", "a", "-s", "b", "-u", "-dash", "-z", "-tr"});
  EXPECT_EQ(line.outcome, Outcome::Run);
  EXPECT_STREQ(line.host, "b") << "the last -s wins";
  EXPECT_STREQ(line.user, "-dash") << "a value may begin with '-'";
  EXPECT_FALSE(line.mainFolderOnly);
  EXPECT_TRUE(line.utcTimes);
  EXPECT_EQ(line.reportMode, kReportExtended);
  EXPECT_EQ(line.sortMode, kSortByReverseDate);
  EXPECT_EQ(line.directionFilter, kWantReceived | kWantSent);
}

TEST(CommandLine, DefaultsWithoutOptions) {
  const CommandLine line = parse({"-s", "h", "-u", "x"});
  EXPECT_TRUE(line.mainFolderOnly);
  EXPECT_FALSE(line.utcTimes);
  EXPECT_EQ(line.reportMode, kReportBrief);
  EXPECT_EQ(line.sortMode, kSortNone);
  EXPECT_EQ(patternsOf(line), std::vector<std::string>{"*"});
}

struct SettingCase {
  std::vector<const char*> options;
  std::int32_t reportMode;
  std::int32_t sortMode;
  std::int32_t directionFilter;
  ListingFormat format = ListingFormat::Text;
};

class SettingTest : public testing::TestWithParam<SettingCase> {};

TEST_P(SettingTest, LastOrAccumulatedSettingApplies) {
  std::vector<const char*> arguments{"-s", "h", "-u", "x"};
  arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
  const CommandLine line = parse(arguments);
  ASSERT_EQ(line.outcome, Outcome::Run);
  EXPECT_EQ(line.reportMode, GetParam().reportMode);
  EXPECT_EQ(line.sortMode, GetParam().sortMode);
  EXPECT_EQ(line.directionFilter, GetParam().directionFilter);
  EXPECT_EQ(line.format, GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, SettingTest,
    testing::Values(
        SettingCase{{"-e", "-v"}, kReportVerbose, kSortNone, 3},
        SettingCase{{"-v", "-e"}, kReportExtended, kSortNone, 3},
        SettingCase{{"-tr", "-t"}, kReportBrief, kSortByDate, 3},
        SettingCase{{"-t", "-tr"}, kReportBrief, kSortByReverseDate, 3},
        SettingCase{{"-R"}, kReportBrief, kSortNone, kWantReceived},
        SettingCase{{"-R", "-R"}, kReportBrief, kSortNone, kWantReceived},
        SettingCase{{"-S"}, kReportBrief, kSortNone, kWantSent},
        SettingCase{{"-S", "-R"}, kReportBrief, kSortNone, 3},
        // The format is apart from the report style; the last one given wins.
        SettingCase{{"-json"}, kReportBrief, kSortNone, 3, ListingFormat::Json},
        SettingCase{{"-csv", "-v"}, kReportVerbose, kSortNone, 3, ListingFormat::Csv},
        SettingCase{{"-csv", "-json"}, kReportBrief, kSortNone, 3, ListingFormat::Json},
        SettingCase{{"-json", "-e", "-csv"}, kReportExtended, kSortNone, 3, ListingFormat::Csv}));

TEST(CommandLine, PatternsFollowTheOptionsInOrder) {
  const CommandLine line = parse({"-s", "h", "-u", "x", "id1", "-x", "", "-?"});
  EXPECT_EQ(line.outcome, Outcome::Run);
  EXPECT_EQ(patternsOf(line), (std::vector<std::string>{"id1", "-x", "", "-?"}));
}

// A run that ends in the usage text with -csv or -json anywhere on its
// command line keeps standard output for data: the format is set all the same.
TEST(CommandLine, UsageKeepsTheDataFormatGivenAnywhere) {
  const std::pair<std::vector<const char*>, ListingFormat> cases[] = {
      {{"-json", "-?"}, ListingFormat::Json},
      {{"-?", "-json"}, ListingFormat::Json},
      {{"-x", "-s", "h", "-csv"}, ListingFormat::Csv},
      {{"-csv", "-u", "x", "-json"}, ListingFormat::Json},  // no host; the last one
      {{"-s", "h", "-csv"}, ListingFormat::Csv},            // no user
      {{"-?", "-a"}, ListingFormat::Text},
  };
  for (const auto& [arguments, format] : cases) {
    const CommandLine line = parse(arguments);
    EXPECT_NE(line.outcome, Outcome::Run) << arguments.front();
    EXPECT_EQ(line.format, format) << arguments.front() << " " << arguments.back();
  }
}

TEST(CommandLine, EmptyArgumentVectorIsAMissingHost) {
  const CommandLine line = parseCommandLine(0, nullptr);
  EXPECT_EQ(line.outcome, Outcome::MissingHost);
}

}  // namespace
}  // namespace kvn
