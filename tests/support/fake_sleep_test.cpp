// The sleep stand-in as a test linked against it sees it: pauses are counted,
// summed and logged instead of slept, and bad requests fail as the real call does.
#include "fake_sleep.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

class FakeSleepTest : public testing::Test {
 protected:
  void SetUp() override {
    unsetenv("KVN_FAKE_SLEEP_LOG");
    kvnFakeSleepReset();
  }
  void TearDown() override {
    unsetenv("KVN_FAKE_SLEEP_LOG");
    if (!logPath_.empty()) {
      std::filesystem::remove(logPath_);
    }
  }

  // Points KVN_FAKE_SLEEP_LOG at a fresh file name and returns it.
  std::filesystem::path useLogFile() {
    logPath_ = std::filesystem::temp_directory_path() /
               ("kvn_fake_sleep_test_" + std::to_string(getpid()) + ".log");
    std::filesystem::remove(logPath_);
    setenv("KVN_FAKE_SLEEP_LOG", logPath_.c_str(), 1);
    return logPath_;
  }

  static std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

 private:
  std::filesystem::path logPath_;
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
  ASSERT_EQ(nanosleep(&tenSeconds, nullptr), 0);
  ASSERT_EQ(nanosleep(&zero, nullptr), 0);
  ASSERT_EQ(nanosleep(&withFraction, nullptr), 0);

  EXPECT_EQ(readFile(log), "10000\n0\n1.500000\n");
}

TEST_F(FakeSleepTest, AppendsToAnExistingLog) {
  std::filesystem::path log = useLogFile();
  std::ofstream(log, std::ios::binary) << "250\n";
  timespec oneSecond{1, 0};
  ASSERT_EQ(nanosleep(&oneSecond, nullptr), 0);

  EXPECT_EQ(readFile(log), "250\n1000\n");
}

TEST_F(FakeSleepTest, KeepsErrnoOfTheCallerOnSuccess) {
  useLogFile();
  timespec oneSecond{1, 0};
  errno = EINTR;
  ASSERT_EQ(nanosleep(&oneSecond, nullptr), 0);

  EXPECT_EQ(errno, EINTR);
}

}  // namespace
