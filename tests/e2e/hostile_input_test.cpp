// Inputs meant to break the program: huge texts on the command line, thousands
// of patterns, every byte value, a library error text of 100 000 characters.
// Each run must give exactly the output that the same run with tame input
// gives, adjusted only where the hostile text itself is shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <vector>

#include "e2e/case_file.h"
#include "e2e/kvnshow_runner.h"
#include "e2e/output_diff.h"
#include "e2e/program_run.h"
#include "temp_folder.h"

namespace kvn::e2e {
namespace {

namespace fs = std::filesystem;

constexpr char kBanner[] =
    "KvnShow - List faxes on a Kavrin server\n"
    "Version 1.0 [Built: Dec  6 2008]\n"
    "\n"
    "List a Kavrin user's faxes.\n"
    "\n"
    "Kavrin API version: 12/01/2008 16:30:13Z\n";
constexpr std::size_t kErrorTextShown = 500;  // the program cuts a library error text there

E2eCase loadCase(const std::string& themeAndName) {
  const fs::path path = casesDirectory() / (themeAndName + ".case");
  ParsedCase parsed = parseCaseFile(readWholeFile(path));
  EXPECT_EQ(parsed.error, "") << path;
  return parsed.testCase;
}

std::vector<std::string> pausesOf(const KvnshowOutcome& ran) {
  std::vector<std::string> pauses;
  for (const OutputEvent& pause : ran.pauses) {
    pauses.push_back(pause.what);
  }
  return pauses;
}

void expectOutcome(const KvnshowOutcome& ran, int status, const std::vector<std::string>& pauses,
                   const std::string& expectedStdout) {
  const ProgramOutcome& outcome = ran.program;
  ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
  ASSERT_TRUE(outcome.exited) << "ended by signal " << outcome.signal;
  EXPECT_EQ(outcome.exitStatus, status);
  EXPECT_EQ(outcome.standardError, "") << visibleBytes(outcome.standardError);
  EXPECT_EQ(ran.logProblem, "");
  EXPECT_EQ(pausesOf(ran), pauses);
  const std::string difference = describeFirstDifference(expectedStdout, outcome.standardOutput);
  EXPECT_TRUE(difference.empty()) << difference;
}

KvnshowRun runOf(const E2eCase& testCase) {
  KvnshowRun run;
  run.arguments = testCase.arguments;
  run.environment = testCase.environment;
  return run;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

TEST(HostileInputTest, HostTextOf100000Characters) {
  const std::string host(100000, 'h');
  KvnshowRun run;
  run.arguments = {"-s", host, "-u", "ALICE"};
  std::string expected = kBanner;
  expected += "Server: " + host + "\n";
  expected += "Connecting to Kavrin server: " + host + "\n";
  const std::string errorText = ("Kavrin server not found: " + host).substr(0, kErrorTextShown);
  for (int attempt = 1; attempt <= 5; ++attempt) {
    expected.append("Connect(").append(std::to_string(attempt)).append(") to Kavrin server: ");
    expected.append(host).append("\n");
    expected.append("Connect failed to Kavrin server: ").append(host).append(", error 11001: ");
    expected.append(errorText).append("\n");
  }
  expected += "Can't connect to Kavrin server after 5 tries: " + host + "\n";
  expectOutcome(runKvnshow(run), 1, std::vector<std::string>(5, "10000"), expected);
}

// The application cannot be made: its server information record (904 bytes)
// is the first request that large.
TEST(HostileInputTest, OutOfMemoryBeforeConnecting) {
  KvnshowRun run;
  run.arguments = {"-s", "demo", "-u", "alice"};
  run.environment = {{"KVN_REFUSE_ALLOCATIONS_FROM", "900"}};
  expectOutcome(runKvnshow(run), 1, {}, std::string(kBanner) + "Can't continue: out of memory\n");
}

TEST(HostileInputTest, UserTextOf100000Characters) {
  const E2eCase golden = loadCase("user/unknown_user");
  ASSERT_EQ(golden.arguments.back(), "nobody");
  const std::string user(100000, 'u');
  KvnshowRun run = runOf(golden);
  run.arguments.back() = user;
  std::string expected = golden.expectedStdout;
  replaceAll(expected, "\"nobody\"", "\"" + user + "\"");
  expectOutcome(runKvnshow(run), golden.exitStatus, golden.pauses, expected);
}

// 9 998 patterns that select nothing, around the case's own three: the same
// faxes, in the same order.
TEST(HostileInputTest, TenThousandPatterns) {
  const E2eCase golden = loadCase("listing/several_patterns_list_order");
  KvnshowRun run = runOf(golden);
  std::vector<std::string> patterns(run.arguments.begin() + 4, run.arguments.end());
  ASSERT_EQ(patterns.size(), 3U);
  run.arguments.resize(4);
  for (int i = 0; i < 9998; ++i) {
    run.arguments.push_back("NOMATCH" + std::to_string(i) + "*?*");
    if (i == 4999) {
      run.arguments.insert(run.arguments.end(), patterns.begin(), patterns.end());
      patterns.clear();
    }
  }
  ASSERT_EQ(run.arguments.size(), 4U + 10001U);
  expectOutcome(runKvnshow(run), golden.exitStatus, golden.pauses, golden.expectedStdout);
}

TEST(HostileInputTest, PatternOf10000Stars) {
  const E2eCase everyFax = loadCase("listing/no_pattern_selects_every_fax");
  KvnshowRun run = runOf(everyFax);
  run.arguments.emplace_back(10000, '*');
  expectOutcome(runKvnshow(run), everyFax.exitStatus, everyFax.pauses, everyFax.expectedStdout);

  // Stars before a last character still select by that character.
  const E2eCase endingInNine = loadCase("listing/star_nine_matches_ids_ending_in_nine");
  ASSERT_EQ(endingInNine.arguments.back(), "*9");
  run = runOf(endingInNine);
  run.arguments.back() = std::string(10000, '*') + "9";
  expectOutcome(runKvnshow(run), endingInNine.exitStatus, endingInNine.pauses,
                endingInNine.expectedStdout);
}

TEST(HostileInputTest, ErrorTextOf100000CharactersFromTheLibrary) {
  const E2eCase golden = loadCase("connection/long_error_text_cut");
  // The same description, its 600-character error text repeated to 100 000.
  std::string description = readWholeFile(serversDirectory() / "long-error.json");
  const std::size_t start = description.find("\"Block 01");
  const std::size_t end = description.find('"', start + 1);
  ASSERT_NE(end, std::string::npos);
  const std::string text = description.substr(start + 1, end - start - 1);
  ASSERT_EQ(text.size(), 600U);
  std::string longText;
  while (longText.size() < 100000) {
    longText += text;
  }
  longText.resize(100000);
  description.replace(start + 1, text.size(), longText);

  const test::TempFolder site;
  fs::create_directory(site.path() / "servers");
  std::ofstream(site.path() / "servers" / "long-error.json", std::ios::binary) << description;
  KvnshowRun run = runOf(golden);
  run.workingDirectory = site.path();
  expectOutcome(runKvnshow(run), golden.exitStatus, golden.pauses, golden.expectedStdout);
}

// A million generated faxes in every folder, walked to the end: the first and
// the last are selected by their handles, 0x40000000 and 0x400F423F, and the
// totals count every fax. The library's call trace, a line per call, is off:
// the walk's million calls would only slow the run down.
TEST(HostileInputTest, MillionFaxesWalkedToTheEnd) {
  KvnshowRun run;
  run.arguments = {"-s", "hostile-million", "-u", "MILLION", "-a", "*40000000", "*400F423F"};
  run.environment = {{"KVNSIM_TRACE", ""}};
  std::string expected = kBanner;
  expected +=
      "Server: hostile-million\n"
      "Connecting to Kavrin server: hostile-million\n"
      "Connect(1) to Kavrin server: hostile-million\n"
      "Connected to Kavrin server:  hostile-million\n"
      "\n"
      "Kavrin server: hostile-million, Kavrin 5.30 on BIGSRV\n"
      "\n"
      "Retrieving user info...\n"
      "User: KAVRIN\\MILLION \"Mill Ion\"\n"
      "\n"
      "Retrieving fax list...\n"
      "\n"
      "Flags         Date       Time      Pg Fol UniqueID\n"
      "Rv--a----f--  2008-07-16 05:50:30   3 12 GEN123440000000\n"
      "R-----1--f--  2008-05-06 21:17:30   1  M GEN1234400F423F\n"
      "\n"
      "faxes:2 listed:2 failed:0 skipped:999998 total:1000000\n"
      "recv:2 sent:0 viewed:1 pages:4 errs:0\n"
      "\n"
      "Disconnect from Kavrin server: hostile-million, Kavrin 5.30 on BIGSRV\n"
      "Disconnected\n";
  expectOutcome(runKvnshow(run), 0, {}, expected);
}

// Seventeen faxes whose unique-IDs hold the bytes 0x01 to 0xFF in order,
// fifteen each.
class EveryByteTest : public testing::Test {
 protected:
  static constexpr int kFaxes = 17;

  void SetUp() override {
    fs::create_directory(site_.path() / "servers");
    std::string faxes;
    for (int fax = 0; fax < kFaxes; ++fax) {
      std::string hex;
      for (int byte = fax * 15 + 1; byte <= fax * 15 + 15; ++byte) {
        static const char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
        ids_[fax] += static_cast<char>(byte);
      }
      faxes += std::string(fax == 0 ? "" : ",") +
               R"({"time": "2008-10-04 07:15:00", "pages": 1, "uniqueId": {"hex": ")" + hex +
               R"("}})";
    }
    std::ofstream(site_.path() / "servers" / "bytes.json", std::ios::binary)
        << R"({"serverText": "BYTESRV", "users": [{"qualifier": "Q", "id": "B", "name": "N", )"
        << R"("faxes": [)" << faxes << "]}]}";
  }

  [[nodiscard]] KvnshowOutcome list(const std::vector<std::string>& patterns) const {
    KvnshowRun run;
    run.arguments = {"-s", "bytes", "-u", "B"};
    run.arguments.insert(run.arguments.end(), patterns.begin(), patterns.end());
    run.workingDirectory = site_.path();
    return runKvnshow(run);
  }

  static std::vector<int> everyFax() {
    std::vector<int> every(kFaxes);
    std::iota(every.begin(), every.end(), 0);
    return every;
  }

  // The whole output of a listing of the faxes numbered in listed.
  [[nodiscard]] std::string expectedListing(const std::vector<int>& listed) const {
    std::string expected = kBanner;
    expected +=
        "Server: bytes\n"
        "Connecting to Kavrin server: bytes\n"
        "Connect(1) to Kavrin server: bytes\n"
        "Connected to Kavrin server:  bytes\n"
        "\n"
        "Kavrin server: bytes, BYTESRV\n"
        "\n"
        "Retrieving user info...\n"
        "User: Q\\B \"N\"\n"
        "\n"
        "Retrieving fax list...\n";
    if (!listed.empty()) {
      expected += "\nFlags         Date       Time      Pg Fol UniqueID\n";
    }
    for (int fax : listed) {
      expected += "S-----------  2008-10-04 07:15:00   1  M " + ids_[fax] + "\n";
    }
    const std::string count = std::to_string(listed.size());
    const std::string skipped = std::to_string(kFaxes - listed.size());
    expected +=
        "\nfaxes:" + count + " listed:" + count + " failed:0 skipped:" + skipped + " total:17\n";
    expected += "recv:0 sent:" + count + " viewed:0 pages:" + count + " errs:0\n";
    expected +=
        "\n"
        "Disconnect from Kavrin server: bytes, BYTESRV\n"
        "Disconnected\n";
    return expected;
  }

  test::TempFolder site_;
  std::string ids_[kFaxes];
};

TEST_F(EveryByteTest, UniqueIdsAreShownAsTheyAre) {
  expectOutcome(list({"*"}), 0, {}, expectedListing(everyFax()));
}

// Each unique-ID as a pattern selects its own fax, '*' and '?' among its bytes
// included.
TEST_F(EveryByteTest, UniqueIdsAsPatternsSelectTheirFaxes) {
  std::vector<std::string> patterns;
  std::vector<int> listed;
  for (int fax = 0; fax < kFaxes; fax += 2) {
    patterns.push_back(ids_[fax]);
    listed.push_back(fax);
  }
  expectOutcome(list(patterns), 0, {}, expectedListing(listed));
}

TEST_F(EveryByteTest, EveryByteInPatterns) {
  // One pattern of all 255 bytes is longer than any unique-ID it could match.
  std::string allBytes;
  for (int byte = 1; byte <= 255; ++byte) {
    allBytes += static_cast<char>(byte);
  }
  expectOutcome(list({allBytes}), 0, {}, expectedListing({}));

  // A pattern per byte, each found in some unique-ID: every fax, once.
  std::vector<std::string> patterns;
  for (int byte = 1; byte <= 255; ++byte) {
    patterns.push_back("*" + std::string(1, static_cast<char>(byte)) + "*");
  }
  expectOutcome(list(patterns), 0, {}, expectedListing(everyFax()));
}

}  // namespace
}  // namespace kvn::e2e
