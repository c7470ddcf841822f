// The sleep stand-in as a test linked against it sees it: pauses are counted,
// summed and logged instead of slept, and bad requests fail as the real call does.
#include "fake_sleep.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "temp_folder.h"

namespace {

class FakeSleepTest : public testing::Test {
 protected:
  void SetUp() override {
    unsetenv("KVN_FAKE_SLEEP_LOG");
    kvnFakeSleepReset();
  }
  void TearDown() override { unsetenv("KVN_FAKE_SLEEP_LOG"); }

  // Points KVN_FAKE_SLEEP_LOG at a fresh file name and returns it.
  std::filesystem::path useLogFile() {
    std::filesystem::path logPath = folder_.path() / "pauses.log";
    setenv("KVN_FAKE_SLEEP_LOG", logPath.c_str(), 1);
    return logPath;
  }

  // Pauses with standard output pointed at a fresh file that has already
  // received written, as a program's output has when it pauses.
  static int sleepAfterOutput(const std::string& written, const timespec& request) {
    std::FILE* output = std::tmpfile();
    EXPECT_NE(output, nullptr);
    if (output == nullptr) {
      return -1;
    }
    const int savedStandardOutput = dup(STDOUT_FILENO);
    std::fflush(stdout);
    dup2(fileno(output), STDOUT_FILENO);
    const ssize_t writtenBytes = write(STDOUT_FILENO, written.data(), written.size());
    const int result = nanosleep(&request, nullptr);
    dup2(savedStandardOutput, STDOUT_FILENO);
    close(savedStandardOutput);
    std::fclose(output);
    EXPECT_EQ(writtenBytes, static_cast<ssize_t>(written.size()));
    return result;
  }

  // Pauses with standard output pointed at a pipe, which has no position.
  static int sleepWithOutputToPipe(const timespec& request) {
    int ends[2];
    EXPECT_EQ(pipe(ends), 0);
    const int savedStandardOutput = dup(STDOUT_FILENO);
    std::fflush(stdout);
    dup2(ends[1], STDOUT_FILENO);
    const int result = nanosleep(&request, nullptr);
    dup2(savedStandardOutput, STDOUT_FILENO);
    close(savedStandardOutput);
    close(ends[0]);
    close(ends[1]);
    return result;
  }

  static std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

 private:
  kvn::test::TempFolder folder_;
};

TEST_F(FakeSleepTest, CountsAndSumsEveryPause) {
  timespec tenSeconds{10, 0};
  timespec oneAndAHalfSeconds{1, 500000000L};
  EXPECT_EQ(nanosleep(&tenSeconds, nullptr), 0);
  EXPECT_EQ(nanosleep(&oneAndAHalfSeconds, nullptr), 0);
  EXPECT_EQ(nanosleep(&tenSeconds, &tenSeconds), 0);

  EXPECT_EQ(kvnFakeSleepCalls(), 3);
  EXPECT_EQ(kvnFakeSleepTotalMilliseconds(), 21500);
}

TEST_F(FakeSleepTest, ResetForgetsThePauses) {
  timespec oneSecond{1, 0};
  ASSERT_EQ(nanosleep(&oneSecond, nullptr), 0);
  kvnFakeSleepReset();

  EXPECT_EQ(kvnFakeSleepCalls(), 0);
  EXPECT_EQ(kvnFakeSleepTotalMilliseconds(), 0);
}

TEST_F(FakeSleepTest, LeavesTheRemainderUntouchedAsAnUninterruptedSleepDoes) {
  timespec request{10, 0};
  timespec remaining{7, 7};
  ASSERT_EQ(nanosleep(&request, &remaining), 0);

  EXPECT_EQ(remaining.tv_sec, 7);
  EXPECT_EQ(remaining.tv_nsec, 7);
}

TEST_F(FakeSleepTest, RejectsAnInvalidRequestWithoutRecordingIt) {
  timespec tooManyNanoseconds{1, 1000000000L};
  timespec negative{-1, 0};
  errno = 0;
  EXPECT_EQ(nanosleep(&tooManyNanoseconds, nullptr), -1);
  EXPECT_EQ(errno, EINVAL);
  errno = 0;
  EXPECT_EQ(nanosleep(&negative, nullptr), -1);
  EXPECT_EQ(errno, EINVAL);
  errno = 0;
  EXPECT_EQ(nanosleep(nullptr, nullptr), -1);
  EXPECT_EQ(errno, EFAULT);

  EXPECT_EQ(kvnFakeSleepCalls(), 0);
}

TEST_F(FakeSleepTest, LogsOneLinePerPauseInMilliseconds) {
  std::filesystem::path log = useLogFile();
  timespec tenSeconds{10, 0};
  timespec zero{0, 0};
  timespec withFraction{0, 1500000L};
  ASSERT_EQ(sleepAfterOutput("", tenSeconds), 0);
  ASSERT_EQ(sleepAfterOutput("Connect(1)\n", zero), 0);
  ASSERT_EQ(sleepAfterOutput("abc", withFraction), 0);

  EXPECT_EQ(readFile(log), "10000 0\n0 11\n1.500000 3\n");
}

TEST_F(FakeSleepTest, LogsNoOutputPositionForAPipe) {
  std::filesystem::path log = useLogFile();
  timespec oneSecond{1, 0};
  ASSERT_EQ(sleepWithOutputToPipe(oneSecond), 0);

  EXPECT_EQ(readFile(log), "1000 -1\n");
}

TEST_F(FakeSleepTest, AppendsToAnExistingLog) {
  std::filesystem::path log = useLogFile();
  std::ofstream(log, std::ios::binary) << "250 7\n";
  timespec oneSecond{1, 0};
  ASSERT_EQ(sleepAfterOutput("x\n", oneSecond), 0);

  EXPECT_EQ(readFile(log), "250 7\n1000 2\n");
}

TEST_F(FakeSleepTest, KeepsErrnoOfTheCallerOnSuccess) {
  useLogFile();
  timespec oneSecond{1, 0};
  errno = EINTR;
  ASSERT_EQ(nanosleep(&oneSecond, nullptr), 0);

  EXPECT_EQ(errno, EINTR);
}

}  // namespace
