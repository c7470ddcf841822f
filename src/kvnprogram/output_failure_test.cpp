#include "kvnprogram/output_failure.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>

namespace kvn {
namespace {

// The kept failure is process-wide, so one test walks through its life.
TEST(OutputFailureTest, KeepsTheReasonOfTheFirstFailedWrite) {
  std::FILE* fine = std::tmpfile();
  ASSERT_NE(fine, nullptr);
  std::fputs("written\n", fine);
  flushOutput(fine);
  EXPECT_EQ(firstOutputError(), 0) << "a flush that wrote is no failure";

  std::FILE* full = std::fopen("/dev/full", "w");
  ASSERT_NE(full, nullptr);
  std::fputs("lost\n", full);
  flushOutput(full);
  EXPECT_EQ(firstOutputError(), ENOSPC);

  // A later failure for another reason does not replace the first.
  std::FILE* readOnly = std::fopen("/dev/null", "r");
  ASSERT_NE(readOnly, nullptr);
  std::fputs("refused\n", readOnly);
  flushOutput(readOnly);
  EXPECT_NE(std::ferror(readOnly), 0);
  EXPECT_EQ(firstOutputError(), ENOSPC);

  std::fclose(readOnly);
  std::fclose(full);
  std::fclose(fine);
}

}  // namespace
}  // namespace kvn
